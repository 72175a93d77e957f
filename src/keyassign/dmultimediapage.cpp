#include "dmultimediapage.h"

#include "ui_dmultimediapage.h"

namespace {

// Code 7 has no option: a key holding it shows none checked.
// clang-format off
constexpr DRadioOptionPage::Option kOptions[] = {
    {"radioButton_volAdd",               QT_TRANSLATE_NOOP("DMultimediaPage", "Volume +"),           0},
    {"radioButton_volLower",             QT_TRANSLATE_NOOP("DMultimediaPage", "Volume -"),           1},
    {"radioButton_mute",                 QT_TRANSLATE_NOOP("DMultimediaPage", "Mute"),               2},
    {"radioButton_playOrPause",          QT_TRANSLATE_NOOP("DMultimediaPage", "Play/Pause"),         3},
    {"radioButton_next",                 QT_TRANSLATE_NOOP("DMultimediaPage", "Next track"),         4},
    {"radioButton_previous",             QT_TRANSLATE_NOOP("DMultimediaPage", "Prev track"),         5},
    {"radioButton_videoStop",            QT_TRANSLATE_NOOP("DMultimediaPage", "Stop"),               6},
    {"radioButton_Player",               QT_TRANSLATE_NOOP("DMultimediaPage", "Player"),             8},
    {"radioButton_Calculator",           QT_TRANSLATE_NOOP("DMultimediaPage", "Calculator"),         9},
    {"radioButton_Computer",             QT_TRANSLATE_NOOP("DMultimediaPage", "Computer"),           10},
    {"radioButton_Browser",              QT_TRANSLATE_NOOP("DMultimediaPage", "Browser"),            11},
    {"radioButton_Email",                QT_TRANSLATE_NOOP("DMultimediaPage", "Email"),              12},
    {"radioButton_ScreenBrightnessAdd",  QT_TRANSLATE_NOOP("DMultimediaPage", "Screen brightness+"), 13},
    {"radioButton_ScreenBrightnessLess", QT_TRANSLATE_NOOP("DMultimediaPage", "Screen brightness-"), 14},
    {"radioButton_wwwSearch",            QT_TRANSLATE_NOOP("DMultimediaPage", "Search"),             15},
};
// clang-format on

} // namespace

DMultimediaPage::DMultimediaPage(QWidget *parent)
    : DRadioOptionPage(parent), ui(std::make_unique<Ui::DMultimediaPage>())
{
    ui->setupUi(this);
    setTitle(ui->label_6, QT_TRANSLATE_NOOP("DMultimediaPage", "Multimedia"));
    addOptions(3, kOptions);
}

DMultimediaPage::~DMultimediaPage() = default;

void DMultimediaPage::retranslateForm()
{
    ui->retranslateUi(this);
}
