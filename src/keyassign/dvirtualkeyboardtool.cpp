#include "dvirtualkeyboardtool.h"

#include "ddatamanager.h"
#include "dsoftkeyboardpage.h"
#include "ui_dvirtualkeyboardtool.h"

namespace {
// Any model name gives the US layout; this one names the virtual keyboard's family.
const char *const kVirtualKeyboardModel = "VirtualKeyboard_US";
} // namespace

DVirtualKeyboardTool::DVirtualKeyboardTool(int mode, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DVirtualKeyboardTool>())
{
    ui->setupUi(this);
    ui->label->setText(tr("Virtual Keyboard"));
    m_softKeyboard = new DSoftKeyboardPage(ui->frame_SoftKeyboard);
    m_softKeyboard->setMode(mode);
    connect(m_softKeyboard, &DSoftKeyboardPage::sigSoftKeyboardClicked, this,
            &DVirtualKeyboardTool::onSoftKeyboardClicked);
    m_softKeyboard->loadKeyboardInfo(QLatin1String(kVirtualKeyboardModel));
    ui->frame_SoftKeyboard->layout()->addWidget(m_softKeyboard);
}

DVirtualKeyboardTool::~DVirtualKeyboardTool() = default;

void DVirtualKeyboardTool::retranslate()
{
    ui->retranslateUi(this);
    ui->label->setText(tr("Virtual Keyboard"));
}

void DVirtualKeyboardTool::applyTheme()
{
    DDataManager *data = DDataManager::getInstance();
    const ThemeColors c = data->getThemeColors();
    QFont font = data->getFont(1);
    font.setPointSize(12);
    ui->label->setFont(font);
    ui->label->setStyleSheet(
        QStringLiteral("QLabel#label{color:%1;}").arg(ThemeColors::css(c.TextCheckedColor)));
    ui->frame_255->setStyleSheet(QStringLiteral("QFrame#frame_255{border:none; border-bottom:2px solid %1;}")
                                     .arg(ThemeColors::css(c.DeviceBorderColor)));
    m_softKeyboard->applyTheme();
}

void DVirtualKeyboardTool::setCombinationActive(bool on)
{
    m_softKeyboard->setCombinationActive(on);
}

void DVirtualKeyboardTool::releaseKey(int keyDec)
{
    m_softKeyboard->releaseKey(keyDec);
}

void DVirtualKeyboardTool::clearSelection()
{
    m_softKeyboard->clearSelection();
}

void DVirtualKeyboardTool::onSoftKeyboardClicked(int keyDec, QString keyCharacter)
{
    Q_UNUSED(keyCharacter)
    emit sigSoftKeyboardClicked_VirtualKB(keyDec);
}
