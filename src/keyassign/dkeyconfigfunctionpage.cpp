#include "dkeyconfigfunctionpage.h"

#include "ui_dkeyconfigfunctionpage.h"

namespace {

using Shown = DKeyCommandPage::Shown;

// Type 19 throughout; the play mode is the sub-code: 0 lock the keyboard, 2 the Windows key,
// 8 the active layer, 10 power query, 11 connection ("connection,bluetooth slot").
// clang-format off
constexpr DKeyCommandPage::Command kCommands[] = {
    {"radioButton_SwitchLoopWin", QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Lock/Unlock Win"), 19, 2,  "0",   true, "0",   Shown::Always},
    {"radioButton_LockWin",       QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Lock win"),        19, 2,  "1",   true, "1",   Shown::Never},
    {"radioButton_UnlockWin",     QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Unlock win"),      19, 2,  "2",   true, "2",   Shown::Never},
    {"radioButton_LockKeyboard",  QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Lock keyboard"),   19, 0,  "0",   true, nullptr, Shown::Always},
    {"radioButton_PowerQuery",    QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Power query"),     19, 10, "0",   true, nullptr, Shown::UnlessHallKb},
    {"radioButton_DefaultLayer",  QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Default layer"),   19, 8,  "0",   true, "0",   Shown::Never},
    {"radioButton_FNLayer",       QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "FN layer"),        19, 8,  "1",   true, "1",   Shown::Never},
    {"radioButton_FN1Layer",      QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "FN1 layer"),       19, 8,  "2",   true, "2",   Shown::Never},
    // The Bluetooth slot counts only for Bluetooth.
    {"radioButton_USB",           QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "USB switching"),   19, 11, "2,0", true, "2,*", Shown::UnlessHallKb},
    {"radioButton_24G",           QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "2.4G switching"),  19, 11, "1,0", true, "1,*", Shown::UnlessHallKb},
    {"radioButton_Pattern1",      QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Bluetooth 1"),     19, 11, "0,0", true, "0,0", Shown::UnlessHallKb},
    {"radioButton_Pattern2",      QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Bluetooth 2"),     19, 11, "0,1", true, "0,1", Shown::UnlessHallKb},
    {"radioButton_Pattern3",      QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Bluetooth 3"),     19, 11, "0,2", true, "0,2", Shown::UnlessHallKb},
};
// clang-format on

} // namespace

DKeyConfigFunctionPage::DKeyConfigFunctionPage(QWidget *parent)
    : DKeyCommandPage(parent), ui(std::make_unique<Ui::DKeyConfigFunctionPage>())
{
    ui->setupUi(this);
    setTitle(ui->label, QT_TRANSLATE_NOOP("DKeyConfigFunctionPage", "Key Config"));
    addCommands(kCommands);
}

DKeyConfigFunctionPage::~DKeyConfigFunctionPage() = default;

void DKeyConfigFunctionPage::retranslateForm()
{
    ui->retranslateUi(this);
}
