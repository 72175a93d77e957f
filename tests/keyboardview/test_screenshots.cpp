// Pictures of each model's view at zoom 1.0 and 2.0 with a drag selection, lit side lights and a
// key tip, written to the build folder for a person to look at.
#include "ddatamanager.h"
#include "fakekeyfunctionstore.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "keyselectframe.h"
#include "keytippopup.h"
#include "sidelightbuttoncustom.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Screenshots : public testing::TestWithParam<const char *>
{
};

TEST_P(Screenshots, ViewAtTwoZoomsWithSelectionAndTip)
{
    const QString model = QString::fromLatin1(GetParam());
    DDataManager *dm = DDataManager::getInstance();
    dm->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR));
    FakeKeyFunctionStore store;
    store.assign(8, "3", "3"); // E: Play/Pause
    dm->setKeyFunctionStore(&store);
    const QString dir = QStringLiteral(TL_OUTPUT_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(dir));

    for (float zoom : {1.0f, 2.0f}) {
        hidDeviceJoinFrame frame;
        frame.buildKeyboardView(model);
        frame.setScale(zoom);
        frame.setLightView(true); // the trigger tab's look: selected keys carry the emphasis border
        keySelectFrame *layer = frame.keyLayer();
        layer->showSideLights(true);
        int i = 0;
        for (sideLightButtonCustom *light : layer->sideLightButtons())
            light->setColor(QColor::fromHsv((i++ * 11) % 360, 255, 255));
        frame.resize(frame.keySpace()->width() + 40, frame.keySpace()->height() + 170);
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        QApplication::processEvents();

        // Select W, E, R, S, D, F with a band from W's corner to F's corner.
        const QPoint origin = frame.keySpace()->pos();
        keyboardButCustom *w = layer->keyButtonMap().value(26);
        keyboardButCustom *f = layer->keyButtonMap().value(9);
        ASSERT_TRUE(w && f);
        const QPoint a = w->geometry().topLeft() + origin;
        const QPoint b = f->geometry().topLeft() + origin;
        frame.selectKeysInRect(a.x() - 2, a.y() - 2, b.x() + 2, b.y() + 2);
        QStringList selected;
        for (keyboardButCustom *key : frame.dragSelectedKeys())
            selected << key->text();
        EXPECT_EQ(selected.join(' '), "W E R S D F") << model.toStdString() << " " << zoom;

        keyboardButCustom *e = layer->keyButtonMap().value(8);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(e, &enter);
        ASSERT_TRUE(layer->keyTip()->isShown());
        EXPECT_EQ(layer->keyTip()->detail(), "Play/Pause");
        QApplication::processEvents();

        // The tip is a window of its own; paint it where it stands over the view.
        QPixmap shot = frame.grab();
        QPainter p(&shot);
        QWidget *tip = layer->keyTip()->popup();
        p.drawPixmap(tip->pos() - frame.mapToGlobal(QPoint(0, 0)), tip->grab());
        p.end();
        const QString file =
            dir + QStringLiteral("/keyboardview_%1_zoom%2.png").arg(model).arg(zoom, 0, 'f', 1);
        EXPECT_TRUE(shot.save(file)) << file.toStdString();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(e, &leave);
    }
    dm->setKeyFunctionStore(nullptr);
}

INSTANTIATE_TEST_SUITE_P(Models, Screenshots, testing::Values("TL68HE", "TL87", "TL104"),
                         [](const auto &info) { return std::string(info.param); });

} // namespace
