#include "dhotkeypage.h"

#include "ui_dhotkeypage.h"

namespace {

// Code 1 (Left Alt + Tab) has no option: a key holding it shows none checked.
// clang-format off
constexpr DRadioOptionPage::Option kOptions[] = {
    {"radioButton_CloseWindow",     QT_TRANSLATE_NOOP("DHotKeyPage", "Close window"),  0},
    {"radioButton_ShowDesktop",     QT_TRANSLATE_NOOP("DHotKeyPage", "Show desktop"),  2},
    {"radioButton_OpenMyComputer",  QT_TRANSLATE_NOOP("DHotKeyPage", "My computer"),   3},
    {"radioButton_LockingComputer", QT_TRANSLATE_NOOP("DHotKeyPage", "Lock computer"), 4},
    {"radioButton_Copy",            QT_TRANSLATE_NOOP("DHotKeyPage", "Copy"),          5},
    {"radioButton_Cut",             QT_TRANSLATE_NOOP("DHotKeyPage", "Cut"),           6},
    {"radioButton_Paste",           QT_TRANSLATE_NOOP("DHotKeyPage", "Paste"),         7},
    {"radioButton_Find",            QT_TRANSLATE_NOOP("DHotKeyPage", "Find"),          8},
    {"radioButton_CreateNew",       QT_TRANSLATE_NOOP("DHotKeyPage", "New"),           9},
    {"radioButton_Print",           QT_TRANSLATE_NOOP("DHotKeyPage", "Print"),         10},
    {"radioButton_Save",            QT_TRANSLATE_NOOP("DHotKeyPage", "Save"),          11},
};
// clang-format on

} // namespace

DHotKeyPage::DHotKeyPage(QWidget *parent) : DRadioOptionPage(parent), ui(std::make_unique<Ui::DHotKeyPage>())
{
    ui->setupUi(this);
    setTitle(ui->label, QT_TRANSLATE_NOOP("DHotKeyPage", "Shortcuts"));
    addOptions(9, kOptions);
}

DHotKeyPage::~DHotKeyPage() = default;

void DHotKeyPage::retranslateForm()
{
    ui->retranslateUi(this);
}
