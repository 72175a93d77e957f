#include "cbnotice.h"
#include "ddatamanager.h"
#include "ddevicelistitem.h"
#include "ddevicepage.h"
#include "dragshowarea.h"
#include "fixedtext.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "textmovewidget.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>

namespace {

hidStructInfoAll record(const char *product, const char *device, const char *model, int online, int linkType)
{
    hidStructInfoAll r{};
    fixedtext::copy(r.productName, product);
    fixedtext::copy(r.deviceName, device);
    fixedtext::copy(r.modelKey, model);
    fixedtext::copy(r.hidPath, "/sys/devices/test/hidraw0");
    r.online = online;
    r.linkType = linkType;
    return r;
}

std::string sheetOf(const QWidget *root, const char *name)
{
    return root->findChild<QWidget *>(QString::fromLatin1(name))->styleSheet().toStdString();
}

// Marks every text by the context it was looked up in: [page texts] and {form texts}.
class ContextMarker : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "QObject") == 0)
            return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
        if (qstrcmp(context, "DDevicePage") == 0)
            return QLatin1Char('{') + QString::fromUtf8(source) + QLatin1Char('}');
        return {};
    }
};

class ThemeTest : public ::testing::Test
{
protected:
    void SetUp() override { DDataManager::getInstance()->loadTheme(0); }
};

} // namespace

TEST_F(ThemeTest, CardTextsByLink)
{
    const struct
    {
        const char *name;
        int online, linkType;
        const char *text;
        bool hidden;
    } cases[] = {
        {"cable", 1, 0, "K(USB)", false},
        {"receiver", 1, 1, "K(2.4G)", false},
        {"receiver, other link value", 1, 7, "K(2.4G)", false},
        {"offline", 0, 0, "K(OffLine)", true},
        {"odd online value", 2, 0, "K(OffLine)", false},
    };
    QWidget list;
    for (const auto &c : cases) {
        DDeviceListItem card(&list);
        card.setDeviceInfo(record("Tidelumen TL87", "K", "TL87", c.online, c.linkType));
        EXPECT_EQ(card.findChild<QLabel *>(QStringLiteral("label_DeviceName"))->text(),
                  QString::fromLatin1(c.text))
            << c.name;
        EXPECT_EQ(card.isHidden(), c.hidden) << c.name;
        EXPECT_EQ(card.isOnline(), c.online) << c.name;
        EXPECT_EQ(card.size(), QSize(190, 140));
    }
}

TEST_F(ThemeTest, CardProductLineAndPicture)
{
    QWidget list;
    DDeviceListItem card(&list);
    card.setDeviceInfo(record("Tidelumen TL87", "K", "TL87", 1, 0));
    auto *product = card.findChild<QLabel *>(QStringLiteral("label_ProductName"));
    EXPECT_FALSE(product->isHidden());
    EXPECT_EQ(product->text(), QStringLiteral("Tidelumen TL87"));

    card.setDeviceInfo(record("", "K", "NoSuchModel", 1, 0));
    EXPECT_TRUE(product->isHidden());
    EXPECT_EQ(card.findChild<QLabel *>(QStringLiteral("label_DeviceName"))->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(
        card.findChild<QLabel *>(QStringLiteral("label_DeviceImage"))->pixmap(Qt::ReturnByValue).isNull())
        << "a model without a picture shows an empty area";
    EXPECT_EQ(DDeviceListItem::pictureBox(QStringLiteral("TL87")), QSize(186, 136));
}

// Names may come from a user's model catalogue: shown as written, never as markup.
TEST_F(ThemeTest, CardNamesAreShownAsPlainText)
{
    QWidget list;
    DDeviceListItem card(&list);
    card.setDeviceInfo(record("<b>TL</b><img src=\"/x.png\">", "<a href=\"x\">K</a>", "TL87", 1, 0));
    const struct
    {
        const char *label;
        QString text;
    } rows[] = {{"label_ProductName", "<b>TL</b><img src=\"/x.png\">"},
                {"label_DeviceName", "<a href=\"x\">K</a>(USB)"}};
    for (const auto &r : rows) {
        auto *label = card.findChild<QLabel *>(QString::fromLatin1(r.label));
        ASSERT_NE(label, nullptr) << r.label;
        EXPECT_EQ(label->text(), r.text) << r.label;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << r.label;
    }
}

TEST_F(ThemeTest, OfflineCardComesBackAndSelectionBorder)
{
    QWidget list;
    DDeviceListItem card(&list);
    card.setDeviceInfo(record("P", "K", "TL87", 1, 0));
    card.setSelected(true);
    const std::string selected =
        std::string("QFrame#frame_DeviceImageBg{ border: 1px solid rgb(255,143,31); } "
                    "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(255,143,31); }");
    const std::string unselected =
        std::string("QFrame#frame_DeviceImageBg{ border: 1px solid rgba(255,143,31,0); } "
                    "QFrame#frame_DeviceImageBg:hover{ border: 1px solid rgb(255,143,31); }");
    EXPECT_EQ(sheetOf(&card, "frame_DeviceImageBg"), selected);
    card.setOnlineState(0);
    EXPECT_TRUE(card.isHidden());
    EXPECT_EQ(card.deviceRecord().online, 0);
    EXPECT_EQ(sheetOf(&card, "frame_DeviceImageBg"), unselected);
    card.setDeviceInfo(record("P", "K", "TL87", 1, 1));
    EXPECT_FALSE(card.isHidden());
    card.applyTheme();
    EXPECT_EQ(sheetOf(&card, "frame_DeviceImageBg"), selected) << "the theme keeps the stored selection";
    card.setSelected(false);
    EXPECT_EQ(sheetOf(&card, "frame_DeviceImageBg"), unselected);
}

TEST_F(ThemeTest, AnyButtonPressHandsOverTheRecord)
{
    QWidget list;
    DDeviceListItem card(&list);
    card.setDeviceInfo(record("P", "K", "TL87", 1, 1));
    qRegisterMetaType<hidStructInfoAll>("hidStructInfoAll");
    QSignalSpy clicked(&card, &DDeviceListItem::sigHidItemMouseClicked);
    QTest::mousePress(&card, Qt::RightButton);
    QTest::mousePress(&card, Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 2);
    const auto sent = clicked.at(0).at(0).value<hidStructInfoAll>();
    EXPECT_STREQ(sent.deviceName, "K");
    EXPECT_EQ(sent.linkType, 1);
}

TEST_F(ThemeTest, PageThemeGoldenStringsForTheBlackTheme)
{
    ASSERT_EQ(DDataManager::getInstance()->getThemeColors().TextCheckedColor, QStringLiteral("255,143,31"));
    DDevicePage page;
    QElapsedTimer sinceTheme;
    sinceTheme.start();
    page.applyTheme();

    EXPECT_EQ(sheetOf(&page, "frame"), std::string("QFrame#frame{ background-color: rgb(34,34,58);}"));
    EXPECT_EQ(sheetOf(&page, "frame_Url"),
              std::string("QFrame#frame_Url{ border: none; border-top: 3px solid rgb(52,52,86); "
                          "background-color: rgb(34,34,58); }"));
    EXPECT_EQ(
        sheetOf(&page, "comboBox_profileList"),
        std::string(
            "QComboBox { background-color: rgb(26,27,49); padding-left:5px ; border: 1px solid "
            "rgb(52,52,86); font: bold 10pt \"Microsoft YaHei\"; color: rgb(205,205,205); border-radius: "
            "4px; } "
            "QComboBox:hover { border: 1px solid rgb(255,143,31); } "
            "QComboBox QAbstractItemView::item { height:40px; left:10px; } "
            "QComboBox::down-arrow { border-image: url(:/images/publicIco/comboxDef.png); width: 10px; "
            "height: 10px; } "
            "QComboBox::down-arrow:hover { border-image: url(:/images/publicIco/comboxDef.png); } "
            "QComboBox::down-arrow:on { border-image: url(:/images/publicIco/comboxSel.png); "
            "selection-background-color: rgb(255, 35, 76); } "
            "QComboBox::drop-down { width:20px; padding-right:3px; background:transparent; position: "
            "relative; top: 0px; right: 0px; } "
            "QComboBox QAbstractItemView { outline:0px; background-color: rgb(26,27,49); color: "
            "rgb(205,205,205); selection-background-color: rgb(37,37,60); selection-color: rgb(255,143,31); "
            "}"));
    EXPECT_EQ(sheetOf(&page, "lineEdit_profileName"),
              std::string("QLineEdit { color: rgb(205,205,205); font: bold 10pt \"Microsoft YaHei\"; "
                          "background-color: rgb(26,27,49); border: 1px solid rgb(52,52,86); "
                          "border-radius: 4px; } QLineEdit:hover{ border: 1px solid rgb(255,143,31); } "
                          "QLineEdit:pressed { border: 1px solid rgb(255,143,31); }"));
    EXPECT_EQ(sheetOf(&page, "pushButton_Reset"),
              std::string("QPushButton { border-radius: 8px; border: 2px solid rgb(52,52,86); "
                          "background-color: rgb(26,27,49); color: rgb(205,205,205); } "
                          "QPushButton:hover { background-color: rgb(26,27,49); border: 2px solid "
                          "rgb(255,143,31); border-radius: 8px; } "
                          "QPushButton:pressed { color: rgb(255,143,31); background-color: rgb(26,27,49); "
                          "border: 2px solid rgb(255,143,31); border-radius: 8px; }"));
    EXPECT_EQ(sheetOf(&page, "label_Tip"), std::string("QLabel#label_Tip{ color: rgb(255,143,31);}"));
    EXPECT_EQ(
        sheetOf(&page, "widget_RightBottom"),
        std::string("QWidget#widget_RightBottom { border: none; border-top: 3px solid rgb(52,52,86); }"));

    // Fonts: points on the page, pixels on the toast.
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label_Tip"))->font().pointSize(), 20);
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label_Mode"))->font().pointSize(), 13);
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label"))->font().pointSize(), 12);
    EXPECT_EQ(page.findChild<QPushButton *>(QStringLiteral("pushButton_Reset"))->font().pointSize(), 11);
    EXPECT_TRUE(page.findChild<TextMoveWidget *>(QStringLiteral("widget_MoveTip"))->isHidden());

    // The scroll-bar sheet reaches the list 200 ms later, not at once (checked only while a
    // loaded machine has not made the checks above take that long).
    QWidget *list = page.findChild<QWidget *>(QStringLiteral("widget_4"));
    if (sinceTheme.elapsed() < 150) {
        EXPECT_TRUE(list->styleSheet().isEmpty());
    }
    EXPECT_TRUE(QTest::qWaitFor([list] { return !list->styleSheet().isEmpty(); }, 1000));
    EXPECT_TRUE(list->styleSheet().startsWith(QStringLiteral(
        "QScrollBar:vertical{ background:transparent; width:4px; margin: 3px 0px 3px 0px; } "
        "QScrollBar::handle:vertical{ background:rgb(75,75,111); min-height: 20px; border-radius: 2px; } "
        "QScrollBar::handle:vertical:hover{ background:rgb(255,143,31); }")));
    EXPECT_TRUE(list->styleSheet().endsWith(QStringLiteral(
        "QScrollBar::add-page:vertical, QScrollBar:sub-page:vertical { background:rgb(52,52,86); "
        "border-radius:3px; }")));
}

TEST_F(ThemeTest, ThemeReachesKeysAndDragColourOnlyWithAView)
{
    DDevicePage page;
    page.applyTheme(); // no view: nothing to colour, nothing to crash on
    EXPECT_TRUE(DDataManager::getInstance()->keyButtonList().isEmpty());

    hidDeviceJoinFrame view;
    view.buildKeyboardView(QStringLiteral("TL87"));
    dragShowArea drag;
    page.installKeyboardView(&view, &drag);
    const QList<keyboardButCustom *> keys = DDataManager::getInstance()->keyButtonList();
    ASSERT_FALSE(keys.isEmpty());
    for (keyboardButCustom *k : keys)
        k->applyThemeColours(Qt::black, Qt::black);
    page.applyTheme();
    for (keyboardButCustom *k : keys) {
        EXPECT_EQ(k->lookState().selectedBorder, QColor(220, 40, 45, 255));
        EXPECT_EQ(k->lookState().hoverBorder, QColor(255, 143, 31, 255));
    }
}

TEST_F(ThemeTest, RetranslateRestoresTheFormTexts)
{
    DDevicePage page;
    auto *mode = page.findChild<QLabel *>(QStringLiteral("label_Mode"));
    auto *tip = page.findChild<QLabel *>(QStringLiteral("label_Tip"));
    mode->setText(QStringLiteral("2.4G"));
    tip->setText(QString());
    page.retranslate();
    EXPECT_EQ(mode->text(), QStringLiteral("USB")) << "until the next status report";
    EXPECT_EQ(tip->text(), QStringLiteral("Device not connected"));
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("Device List"));
    EXPECT_EQ(page.findChild<QPushButton *>(QStringLiteral("pushButton_Reset"))->text(),
              QStringLiteral("Reset"));
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label_Multiple"))->text(), QStringLiteral("1.0"));
    EXPECT_TRUE(
        page.findChild<QLabel *>(QStringLiteral("label_Url"))
            ->text()
            .contains(QStringLiteral("color:rgb(255,143,31);\">https://tidelumen.example.org</span>")));
}

TEST_F(ThemeTest, RetranslateUsesBothContexts)
{
    DDevicePage page;
    ContextMarker marker;
    QCoreApplication::installTranslator(&marker);
    page.retranslate();
    QCoreApplication::removeTranslator(&marker);
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label"))->text(), QStringLiteral("[Device List]"));
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label_Tip"))->text(),
              QStringLiteral("[Device not connected]"));
    EXPECT_EQ(page.findChild<QPushButton *>(QStringLiteral("pushButton_Reset"))->text(),
              QStringLiteral("[Reset]"));
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label_Mode"))->text(), QStringLiteral("{USB}"));
    EXPECT_EQ(page.findChild<QLabel *>(QStringLiteral("label_ChangModeTest"))->text(),
              QStringLiteral("{Keyboard}"));
}
