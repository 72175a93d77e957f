#include "cbnotice.h"
#include "dstrokeconfigview.h"
#include "gridmouse.h"
#include "myslider.h"
#include "storefixture.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>

namespace {

TEST(StrokeValueText, AlwaysOneDecimal)
{
    const struct
    {
        int value;
        const char *text;
    } cases[] = {{1, "0.1mm"}, {10, "1.0mm"}, {15, "1.5mm"}, {36, "3.6mm"}, {50, "5.0mm"}};
    for (const auto &c : cases)
        EXPECT_EQ(DStrokeConfigView::valueText(c.value), QLatin1String(c.text));
}

class StrokePopup : public SeniorStoreTest
{
protected:
    void SetUp() override
    {
        SeniorStoreTest::SetUp();
        record = seniorkey::defaultRecord(2, SeniorKeyDKS);
        record.grid[0] = 1;
        add(record);
        view = new DStrokeConfigView;
        view->setSeniorKeyInfoStu(record);
        view->show();
        slider = view->findChild<MySlider *>(QStringLiteral("horizontalSlider_StrokeView"));
        text = view->findChild<QLabel *>(QStringLiteral("label_StrokeView"));
        ASSERT_TRUE(slider && text);
        XmlStore::instance().setWriterForTesting([this](QIODevice &device, const QByteArray &data) {
            ++writes;
            return failing ? qint64(-1) : device.write(data);
        });
    }
    void TearDown() override
    {
        delete view;
        SeniorStoreTest::TearDown();
    }

    QPoint handle() const { return QPoint(slider->pressAnchor(), slider->height() / 2); }

    // Drags the handle right, pixel by pixel, until the slider shows `value`; returns the texts seen.
    QStringList dragTo(int value)
    {
        QStringList seen{text->text()};
        QPoint p = handle();
        QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, p);
        while (slider->value() < value && p.x() < slider->width()) {
            p += QPoint(1, 0);
            gridmouse::move(slider, p, Qt::LeftButton);
            if (seen.last() != text->text())
                seen << text->text();
            EXPECT_EQ(text->text(), DStrokeConfigView::valueText(slider->value()));
        }
        EXPECT_EQ(writes, 0) << "nothing is stored while dragging";
        QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, p);
        return seen;
    }

    SeniorKeyInfoStu stored() const
    {
        SeniorKeyInfoStu r{};
        EXPECT_TRUE(SeniorKeyStore::current().read(2, &r));
        return r;
    }

    SeniorKeyInfoStu record{};
    QPointer<DStrokeConfigView> view;
    MySlider *slider = nullptr;
    QLabel *text = nullptr;
    int writes = 0;
    bool failing = false;
};

TEST_F(StrokePopup, ShowsTheFirstPointAndStoresBothEndPointsOnRelease)
{
    EXPECT_EQ(slider->value(), 15);
    EXPECT_EQ(text->text(), QStringLiteral("1.5mm"));
    QSignalSpy changed(view.data(), &DStrokeConfigView::sigTheDKSStrokeStuChanged);

    const QStringList seen = dragTo(20);
    EXPECT_EQ(seen, (QStringList{"1.5mm", "1.6mm", "1.7mm", "1.8mm", "1.9mm", "2.0mm"}));
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(changed.count(), 1);
    const SeniorKeyInfoStu r = stored();
    EXPECT_EQ(r.stroke[0], 20);
    EXPECT_EQ(r.stroke[1], 36);
    EXPECT_EQ(r.stroke[2], 36);
    EXPECT_EQ(r.stroke[3], 20);
    EXPECT_EQ(r.grid[0], 1) << "the rest of the record is kept";
    EXPECT_EQ(view->getSeniorKeyInfoStu().stroke[3], 20);
}

TEST_F(StrokePopup, PressingTheHandleWithoutMovingStoresTheSameValueAgain)
{
    QSignalSpy changed(view.data(), &DStrokeConfigView::sigTheDKSStrokeStuChanged);
    QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, handle());
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(stored().stroke[0], 15);
}

TEST_F(StrokePopup, PressesAwayFromTheHandleDoNothing)
{
    QSignalSpy changed(view.data(), &DStrokeConfigView::sigTheDKSStrokeStuChanged);
    for (int dx : {-11, -40, 5, 60}) {
        QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, handle() + QPoint(dx, 0));
        EXPECT_EQ(slider->value(), 15) << dx;
    }
    EXPECT_EQ(writes, 0);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(StrokePopup, ARefusedStoreShowsTheStoredDepthAndSaysSo)
{
    QSignalSpy changed(view.data(), &DStrokeConfigView::sigTheDKSStrokeStuChanged);
    failing = true;
    dragTo(20);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(slider->value(), 15);
    EXPECT_EQ(text->text(), QStringLiteral("1.5mm"));
    EXPECT_EQ(view->getSeniorKeyInfoStu().stroke[0], 15);
    EXPECT_EQ(view->getSeniorKeyInfoStu().stroke[3], 15);
    const CbNotice *notice = view->findChild<CbNotice *>(QStringLiteral("notice_StrokeView"));
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), QStringLiteral("Operate failed"));
    failing = false;
    EXPECT_EQ(stored().stroke[0], 15);
}

TEST_F(StrokePopup, ADepthOutsideTheRangeIsShownAsStored)
{
    SeniorKeyInfoStu r = record;
    r.stroke[0] = 50;
    view->setSeniorKeyInfoStu(r);
    EXPECT_EQ(text->text(), QStringLiteral("5.0mm"));
    EXPECT_EQ(slider->value(), 36);
}

TEST_F(StrokePopup, TheCloseButtonSaysSoAndTheViewGoesAway)
{
    QSignalSpy closing(view.data(), &DStrokeConfigView::sigTheStrokeConfigViewClose);
    auto *close = view->findChild<QPushButton *>(QStringLiteral("pushButton_Close"));
    ASSERT_TRUE(close);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_EQ(closing.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(view.isNull());
}

TEST_F(StrokePopup, TitleAndSize)
{
    EXPECT_EQ(view->size(), QSize(460, 150));
    EXPECT_EQ(view->findChild<QLabel *>(QStringLiteral("label"))->text(),
              QStringLiteral("Trigger points for DKS actions"));
    EXPECT_TRUE(view->testAttribute(Qt::WA_DeleteOnClose));
}

} // namespace
