#include "dkeyboardlightcustomeventpage.h"

#include "ddatamanager.h"
#include "keypagestyle.h"
#include "ui_dkeyboardlightcustomeventpage.h"

#include <QTimer>

namespace {

using Shown = DKeyCommandPage::Shown;

// 20 light list or static mode, 21 brightness, 22 speed, 23 direction, 24 colour, 25 custom scheme,
// 26 lights off, 27 light recording; the play mode means something for type 26 only (0 close,
// 1 stop the back light).
// clang-format off
constexpr DKeyCommandPage::Command kCommands[] = {
    {"radioButton_OverallLightList",     QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Overall light"),        20, 1, "0", false, "0",     Shown::Always},
    {"radioButton_InteractionLightList", QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Interaction light"),    20, 1, "1", false, "1",     Shown::Always},
    {"radioButton_AllLightList",         QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "All light"),            20, 1, "2", false, "2",     Shown::Always},
    {"radioButton_StaticMode",           QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Static"),               20, 1, "3", false, "3",     Shown::Always},
    {"radioButton_BrightnessUp",         QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Brightness +"),         21, 1, "0", false, "0",     Shown::Always},
    {"radioButton_BrightnessDown",       QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Brightness -"),         21, 1, "1", false, "1",     Shown::Always},
    {"radioButton_SpeedAdd",             QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Speed +"),              22, 1, "0", false, "0",     Shown::Always},
    {"radioButton_SpeedLessen",          QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Speed -"),              22, 1, "1", false, "1",     Shown::Always},
    {"radioButton_DirectionAddOne",      QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Direction +1"),         23, 1, "0", false, "0",     Shown::Always},
    {"radioButton_DirectionLessenOne",   QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Direction -1"),         23, 1, "1", false, "1",     Shown::Always},
    {"radioButton_DirectionLoop",        QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Direction Loop"),       23, 1, "2", false, "2",     Shown::Always},
    {"radioButton_FullColor",            QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Into full color"),      24, 1, "0", false, "0",     Shown::Always},
    {"radioButton_TopColor",             QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Top color changed"),    24, 1, "1", false, "1",     Shown::Always},
    {"radioButton_BottomColor",          QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Bottom color changed"), 24, 1, "2", false, "2",     Shown::Always},
    {"radioButton_CloseAll",             QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Close all"),            26, 0, "0", true,  "0",     Shown::Always},
    {"radioButton_CloseBackLight",       QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Close back light"),     26, 0, "1", true,  "1",     Shown::Always},
    {"radioButton_StopBackLight",        QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Stop back light"),      26, 1, "0", true,  nullptr, Shown::Always},
    {"radioButton_LightRecording",       QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Light recording"),      27, 1, "0", false, nullptr, Shown::Always},
    {"radioButton_IntoCustomLight01",    QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Custom 1"),             25, 1, "0", false, "0",     Shown::Always},
    {"radioButton_IntoCustomLight02",    QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Custom 2"),             25, 1, "1", false, "1",     Shown::Always},
};
// clang-format on

} // namespace

DKeyboardLightCustomEventPage::DKeyboardLightCustomEventPage(QWidget *parent)
    : DKeyCommandPage(parent), ui(std::make_unique<Ui::DKeyboardLightCustomEventPage>())
{
    ui->setupUi(this);
    setTitle(ui->label_4, QT_TRANSLATE_NOOP("DKeyboardLightCustomEventPage", "Keyboard Light"));
    addCommands(kCommands);
}

DKeyboardLightCustomEventPage::~DKeyboardLightCustomEventPage() = default;

void DKeyboardLightCustomEventPage::retranslateForm()
{
    ui->retranslateUi(this);
}

void DKeyboardLightCustomEventPage::applyTheme()
{
    DKeyCommandPage::applyTheme();
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{ background-color: %1; }")
            .arg(ThemeColors::css(c.DeviceRightBgColor)));
    m_scrollSheet = keypagestyle::scrollBarSheet(c);
    // Applied a moment later, once the scroll area has laid out its bars; the newest sheet wins.
    QTimer::singleShot(200, this, &DKeyboardLightCustomEventPage::onScrollSheetSet);
}

void DKeyboardLightCustomEventPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}
