#include "dmacrocmdpage.h"

#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "keypagestyle.h"
#include "ui_dmacrocmdpage.h"

#include <QIntValidator>
#include <QSignalBlocker>
#include <QTimer>

#include <vector>

namespace {
constexpr int kTypeMacro = 1;
constexpr int kMinRepeat = 1;
constexpr int kMaxRepeat = 255;
} // namespace

DMacroCmdPage::DMacroCmdPage(QWidget *parent)
    : DKeyItemPage(parent), ui(std::make_unique<Ui::DMacroCmdPage>())
{
    ui->setupUi(this);
    ui->lineEdit_playMany->setValidator(new QIntValidator(kMinRepeat, kMaxRepeat, this));
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);
    connect(ui->comboBox_Macro, QOverload<int>::of(&QComboBox::activated), this,
            &DMacroCmdPage::onComboxActivated);
    setTexts();
}

DMacroCmdPage::~DMacroCmdPage() = default;

void DMacroCmdPage::setTexts()
{
    ui->label->setText(tr("Play Type"));
    ui->radioButton_playOne->setText(tr("Play once"));
    ui->radioButton_playMany->setText(tr("Play multiple times"));
    ui->radioButton_playKeyPressRelStop->setText(tr("Continous playback on/off"));
    ui->radioButton_playWhellKeyPress->setText(tr("Play while assigned key is pressed"));
    ui->label_3->setText(tr("Play Number"));
    ui->lineEdit_playMany->setPlaceholderText(tr("Play Number 1,2,3..."));
    ui->label_2->setText(tr("Assign Macro"));
}

void DMacroCmdPage::retranslate()
{
    setTexts();
}

void DMacroCmdPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    setStyleSheet(QStringLiteral("QLabel{ color: %1; font: 75 12pt \"%2\"; }")
                      .arg(ThemeColors::css(c.TextDefaultColor), c.TextFont) +
                  keypagestyle::radioSheet(c) + keypagestyle::fieldSheet("QLineEdit", c));
    ui->comboBox_Macro->setStyleSheet(keypagestyle::comboSheet(c, ThemeColors::css(c.TextCheckedColor)));
    ui->scrollAreaWidgetContents->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents{ background-color: %1; }")
            .arg(ThemeColors::css(c.DeviceRightBgColor)));
    m_scrollSheet = keypagestyle::scrollBarSheet(c);
    // Applied a moment later, once the scroll area has laid out its bars; the newest sheet wins.
    QTimer::singleShot(200, this, &DMacroCmdPage::onScrollSheetSet);
}

void DMacroCmdPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}

void DMacroCmdPage::loadCurrentKeyInfo()
{
    takeCurrentKey();
    char macroFile[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copyMacroXmlPath(macroFile);
    m_macroFile = QByteArray(macroFile);
    m_macroId = 0;
    m_repeat = 1;
    m_playMode = PlayOnce;

    // Showing what is stored writes nothing.
    const QSignalBlocker comboBlocker(ui->comboBox_Macro);
    const QSignalBlocker fieldBlocker(ui->lineEdit_playMany);
    ui->radioButton_playOne->setChecked(true);
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);

    ui->comboBox_Macro->clear();
    m_macroNames.clear();
    std::vector<MacroNode> macros;
    if (!m_macroFile.isEmpty())
        CQuelmoXML_SelectMacroAllNodes(m_macroFile.constData(), &macros);
    for (const MacroNode &m : macros) {
        const QString id = QString::fromStdString(m.index);
        ui->comboBox_Macro->addItem(QString::fromStdString(m.name), id);
        m_macroNames.insert(id.toInt(), QString::fromStdString(m.name));
    }
    ui->comboBox_Macro->setCurrentIndex(ui->comboBox_Macro->count() > 0 ? 0 : -1);

    KeyOperateInfo info{};
    if (!readItem(info) || keyfunctionitem::number(info.type) != kTypeMacro)
        return;
    const int mode = keyfunctionitem::number(info.playMode).value_or(PlayOnce);
    const int repeat = keyfunctionitem::number(info.repeat).value_or(1);
    const int id = keyfunctionitem::number(info.value).value_or(0);
    switch (mode) {
    case PlayMany:
        ui->radioButton_playMany->setChecked(true);
        ui->lineEdit_playMany->setText(QString::fromLatin1(info.repeat));
        ui->lineEdit_playMany->setEnabled(true);
        break;
    case PlayToggle:
        ui->radioButton_playKeyPressRelStop->setChecked(true);
        break;
    case PlayWhileHeld:
        ui->radioButton_playWhellKeyPress->setChecked(true);
        break;
    default:
        break;
    }
    const int entry = entryOfId(ui->comboBox_Macro, id);
    if (entry >= 0)
        ui->comboBox_Macro->setCurrentIndex(entry);
    m_macroId = id;
    m_repeat = repeat >= kMinRepeat && repeat <= kMaxRepeat ? repeat : 1;
    m_playMode = mode >= PlayOnce && mode <= PlayWhileHeld ? mode : PlayOnce;
}

void DMacroCmdPage::choosePlayMode(int mode)
{
    QLineEdit *field = ui->lineEdit_playMany;
    field->setEnabled(mode == PlayMany);
    if (mode == PlayMany && !field->hasAcceptableInput()) {
        // The field shows the count that is written.
        const QSignalBlocker blocker(field);
        field->setText(QString::number(m_repeat));
    }
    m_playMode = mode;
    savePlaySelection();
}

void DMacroCmdPage::on_radioButton_playOne_clicked()
{
    choosePlayMode(PlayOnce);
}

void DMacroCmdPage::on_radioButton_playMany_clicked()
{
    choosePlayMode(PlayMany);
}

void DMacroCmdPage::on_radioButton_playKeyPressRelStop_clicked()
{
    choosePlayMode(PlayToggle);
}

void DMacroCmdPage::on_radioButton_playWhellKeyPress_clicked()
{
    choosePlayMode(PlayWhileHeld);
}

void DMacroCmdPage::on_lineEdit_playMany_textChanged(const QString &text)
{
    Q_UNUSED(text)
    // Only a count the keyboard can play is written; an empty field or "0" on the way to another
    // number waits for the edit to go on.
    if (!ui->lineEdit_playMany->hasAcceptableInput())
        return;
    m_repeat = ui->lineEdit_playMany->text().toInt();
    savePlaySelection();
}

void DMacroCmdPage::onComboxActivated(int index)
{
    Q_UNUSED(index)
    bool ok = false;
    const int id = ui->comboBox_Macro->currentData().toString().toInt(&ok);
    if (!ok)
        return;
    m_macroId = id;
    savePlaySelection();
}

void DMacroCmdPage::savePlaySelection()
{
    const std::pair<QRadioButton *, int> buttons[] = {
        {ui->radioButton_playOne, PlayOnce},
        {ui->radioButton_playMany, PlayMany},
        {ui->radioButton_playKeyPressRelStop, PlayToggle},
        {ui->radioButton_playWhellKeyPress, PlayWhileHeld},
    };
    for (const auto &[button, mode] : buttons) {
        if (button->isChecked()) {
            m_playMode = mode;
            saveKeyInfo(m_repeat, mode, m_macroId);
            return;
        }
    }
}

void DMacroCmdPage::saveKeyInfo(int repeat, int playMode, int macroId)
{
    if (playMode != PlayMany)
        repeat = 1;
    if (macroId == 0) {
        // The key holds no macro yet: it gets the one the list shows, and none when the list is empty.
        bool ok = false;
        macroId = ui->comboBox_Macro->currentData().toString().toInt(&ok);
        if (!ok)
            return;
        m_macroId = macroId;
    }
    const QByteArray id = QByteArray::number(macroId);
    writeItem(kTypeMacro, id, repeat, playMode, [this, &id, macroId] {
        // Counted before the key's own item is replaced: the profile's copy of the macro is made
        // by its first key only, later keys share it.
        const int users = keyfunctionitem::count(target(), kTypeMacro, id);
        return users > 0 || (users == 0 && keyfunctionitem::storeMacroCopy(target(), m_macroFile, macroId));
    });
}
