#include "dsidelightcustomeventpage.h"

#include "ui_dsidelightcustomeventpage.h"

namespace {

using Shown = DKeyCommandPage::Shown;

// 30 light list, 31 brightness, 32 speed, 33 colour, 34 side light off; the play mode means
// something for type 34 only (0 close, 1 stop).
// clang-format off
constexpr DKeyCommandPage::Command kCommands[] = {
    {"radioButton_AllLightList",         QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "All light"),            30, 1, "2", false, "2",     Shown::Always},
    {"radioButton_OverallLightList",     QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Overall light"),        30, 1, "0", false, "0",     Shown::Never},
    {"radioButton_InteractionLightList", QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Interaction light"),    30, 1, "1", false, "1",     Shown::Never},
    {"radioButton_BrightnessUp",         QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Brightness +"),         31, 1, "0", false, "0",     Shown::Always},
    {"radioButton_BrightnessDown",       QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Brightness -"),         31, 1, "1", false, "1",     Shown::Always},
    {"radioButton_SpeedAdd",             QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Speed +"),              32, 1, "0", false, "0",     Shown::Always},
    {"radioButton_SpeedLessen",          QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Speed -"),              32, 1, "1", false, "1",     Shown::Always},
    {"radioButton_FullColor",            QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Into full color"),      33, 1, "0", false, "0",     Shown::Always},
    {"radioButton_TopColor",             QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Top color changed"),    33, 1, "1", false, "1",     Shown::Always},
    {"radioButton_BottomColor",          QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Bottom color changed"), 33, 1, "2", false, "2",     Shown::Always},
    {"radioButton_CloseSideLight",       QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Close side light"),     34, 0, "2", true,  nullptr, Shown::Always},
    {"radioButton_StopSideLight",        QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Stop side light"),      34, 1, "0", true,  nullptr, Shown::Always},
};
// clang-format on

} // namespace

DSideLightCustomEventPage::DSideLightCustomEventPage(QWidget *parent)
    : DKeyCommandPage(parent), ui(std::make_unique<Ui::DSideLightCustomEventPage>())
{
    ui->setupUi(this);
    setTitle(ui->label_12, QT_TRANSLATE_NOOP("DSideLightCustomEventPage", "Atmosphere Light"));
    addCommands(kCommands);
}

DSideLightCustomEventPage::~DSideLightCustomEventPage() = default;

void DSideLightCustomEventPage::retranslateForm()
{
    ui->retranslateUi(this);
}
