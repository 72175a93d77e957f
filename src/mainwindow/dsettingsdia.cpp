#include "dsettingsdia.h"

#include "autostart.h"
#include "cbnotice.h"
#include "ddatamanager.h"
#include "dfirwareinfoshow.h"
#include "ui_dsettingsdia.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMouseEvent>
#include <QSettings>
#include <QUrl>

namespace {

const char kDefaultIni[] = ":/images/configDir/QuelmoDefaultConfig.ini";
const char kDefaultLink[] = "https://tidelumen.example.org";

struct LanguageEntry
{
    const char *name; // UTF-8
    int index;
};

// List order; the stored value is the language value the translation loader takes.
const LanguageEntry kLanguages[] = {
    {"简体中文", 1}, {"English", 3},   {"繁體中文", 2},     {"한국어", 5},   {"Русский", 6},
    {"日本語", 4},   {"Español", 8},   {"Português", 9},    {"Deutsch", 10}, {"Italiano", 11},
    {"Polski", 12},  {"Français", 13}, {"\u00a0عربي ،", 7}, {"Україна", 14}, {"Čeština", 15},
};
constexpr int kLanguageCount = int(sizeof kLanguages / sizeof kLanguages[0]);

const char *const kThemeNames[] = {
    QT_TRANSLATE_NOOP("DSettingsDia", "Dark"), QT_TRANSLATE_NOOP("DSettingsDia", "Light"),
    QT_TRANSLATE_NOOP("DSettingsDia", "Blue"), QT_TRANSLATE_NOOP("DSettingsDia", "Pink"),
    QT_TRANSLATE_NOOP("DSettingsDia", "Other")};

// The entry for a stored language value; anything unknown shows the first entry.
int positionForIndex(int index)
{
    for (int i = 0; i < kLanguageCount; ++i) {
        if (kLanguages[i].index == index)
            return i;
    }
    return 0;
}

bool applicationLoadsLanguage(int language)
{
    bool loaded = false;
    if (!QMetaObject::invokeMethod(QCoreApplication::instance(), "setLanguage", Qt::DirectConnection,
                                   Q_RETURN_ARG(bool, loaded), Q_ARG(int, language)))
        return false;
    return loaded;
}

} // namespace

const QStringList &DSettingsDia::languageNames()
{
    static const QStringList names = [] {
        QStringList out;
        for (const LanguageEntry &e : kLanguages)
            out << QString::fromUtf8(e.name);
        return out;
    }();
    return names;
}

int DSettingsDia::languageIndexAt(int position)
{
    return (position >= 0 && position < kLanguageCount) ? kLanguages[position].index : -1;
}

int DSettingsDia::languageIndexForText(const QString &text)
{
    for (int index = 1; index <= kLanguageCount; ++index) {
        if (text.contains(languageNames().at(positionForIndex(index))))
            return index;
    }
    return 1;
}

DSettingsDia::DSettingsDia(QWidget *parent, LanguageLoader loadLanguage)
    : QDialog(parent), ui(new Ui::DSettingsDia),
      m_loadLanguage(loadLanguage ? std::move(loadLanguage) : LanguageLoader(&applicationLoadsLanguage))
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(700, 500);

    setTexts();
    ui->frame_6->hide();
    ui->checkBox_UsingBgImage->hide();
    ui->frame_15->hide();

    m_pageButtons = new QButtonGroup(this);
    m_pageButtons->setExclusive(true);
    m_pageButtons->addButton(ui->pushButton_General, 0);
    m_pageButtons->addButton(ui->pushButton_About, 1);
    connect(m_pageButtons, &QButtonGroup::idClicked, this, &DSettingsDia::onCurIndexChanged);

    m_notice = new CbNotice(this);
    m_notice->setObjectName(QStringLiteral("settingsNotice"));
    m_notice->setFontPixelSize(16);

    DDataManager *data = DDataManager::getInstance();
    m_userIniPath = data->userConfigPath() + QStringLiteral("/QuelmoConfig.ini");
    m_settings = std::make_unique<QSettings>(m_userIniPath, QSettings::IniFormat);
    const QSettings stored(m_userIniPath, QSettings::IniFormat);

    ui->checkBox_AutoStart->setChecked(stored.value(QStringLiteral("AutoStart/isAutoStart"), false).toBool());
    ui->checkBox_Close->setChecked(stored.value(QStringLiteral("CloseToTray/isCloseToTray"), false).toBool());

    ui->stackedWidget->setCurrentWidget(ui->page_Settings);
    ui->pushButton_General->setChecked(true);

    const QSignalBlocker languageBlock(ui->comboBox_Language);
    const QSignalBlocker themeBlock(ui->comboBox_Theme);
    m_languageNames = languageNames();
    ui->comboBox_Language->addItems(m_languageNames);
    fillThemeList();
    ui->comboBox_Language->setCurrentIndex(
        positionForIndex(stored.value(QStringLiteral("Language/selectLanguageIndex"), -1).toInt()));
    m_themeIndex = stored.value(QStringLiteral("Theme/selectThemeIndex"), 0).toInt();
    selectCurrentTheme();

    ui->checkBox_UsingBgImage->setChecked(data->isBgImageUsing());

    loadAboutInfo();
    connect(ui->label_Link, &QLabel::linkActivated, this, &DSettingsDia::onLickActivited,
            Qt::DirectConnection);
    ui->frame_LogoSet->installEventFilter(this);

    applyTheme();
}

DSettingsDia::~DSettingsDia() = default;

void DSettingsDia::setTexts()
{
    ui->label_Title->setText(tr("Settings"));
    ui->pushButton_General->setText(tr("General"));
    ui->pushButton_About->setText(tr("About"));
    ui->label->setText(tr("Language"));
    ui->label_2->setText(tr("Theme"));
    ui->checkBox_UsingBgImage->setText(tr("Background image"));
    ui->label_3->setText(tr("Auto start"));
    ui->checkBox_AutoStart->setText(tr("Launch applications when the system starts (Minimized)"));
    ui->checkBox_Close->setText(tr("Close startup to tray"));
    ui->label_4->setText(tr("Upgrade"));
    ui->pushButton_UpgradeCheck->setText(tr("Firmware upgrade check"));
}

void DSettingsDia::fillThemeList()
{
    ui->comboBox_Theme->clear();
    const int count = DDataManager::getInstance()->isUserConfig() ? 5 : 4;
    for (int i = 0; i < count; ++i)
        ui->comboBox_Theme->addItem(tr(kThemeNames[i]));
}

void DSettingsDia::selectCurrentTheme()
{
    const int shown = (m_themeIndex >= 0 && m_themeIndex <= 4) ? m_themeIndex : 0;
    const int row = ui->comboBox_Theme->findText(tr(kThemeNames[shown]));
    ui->comboBox_Theme->setCurrentIndex(row >= 0 ? row : 0);
}

bool DSettingsDia::writeSetting(const QString &group, const QString &key, const QVariant &value)
{
    m_settings->beginGroup(group);
    m_settings->setValue(key, value);
    m_settings->endGroup();
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return true;
    qWarning().noquote() << "[Settings] cannot write" << group + QLatin1Char('/') + key << "to"
                         << m_userIniPath;
    // The settings object keeps its first error; a fresh one reports the next write on its own.
    m_settings = std::make_unique<QSettings>(m_userIniPath, QSettings::IniFormat);
    return false;
}

void DSettingsDia::showWriteResult(bool written)
{
    m_notice->showNotice(written ? tr("Set config success") : tr("Set config failed"), rect().center());
}

void DSettingsDia::onCurIndexChanged(int selIndex)
{
    if (selIndex == 0) {
        ui->stackedWidget->setCurrentWidget(ui->page_Settings);
        return;
    }
    loadAboutInfo();
    ui->stackedWidget->setCurrentWidget(ui->page_TipInfo);
}

void DSettingsDia::on_checkBox_AutoStart_clicked()
{
    const bool on = ui->checkBox_AutoStart->isChecked();
    bool written = writeSetting(QStringLiteral("AutoStart"), QStringLiteral("isAutoStart"), on);
    QString error;
    if (!autostart::setEnabled(on, QCoreApplication::applicationName(), &error)) {
        qWarning().noquote() << "[Settings] autostart entry:" << error;
        written = false;
    }
    // The entry is what the desktop reads at login: it must now be there, or be gone.
    written = written && autostart::isEnabled() == on;
    showWriteResult(written);
}

void DSettingsDia::on_checkBox_Close_clicked()
{
    showWriteResult(writeSetting(QStringLiteral("CloseToTray"), QStringLiteral("isCloseToTray"),
                                 ui->checkBox_Close->isChecked()));
}

void DSettingsDia::on_comboBox_Language_currentIndexChanged(const QString &arg1)
{
    const int index = languageIndexForText(arg1);
    writeSetting(QStringLiteral("Language"), QStringLiteral("selectLanguageIndex"), index);
    if (!m_loadLanguage(index))
        return;

    const QSignalBlocker themeBlock(ui->comboBox_Theme);
    ui->retranslateUi(this);
    fillThemeList();
    selectCurrentTheme();
    setTexts();
    emit sigUpdataAllUI();
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(const QString &arg1)
{
    int index = 0;
    for (int i = 0; i < 5; ++i) {
        if (arg1.contains(tr(kThemeNames[i]))) {
            index = i;
            break;
        }
    }
    writeSetting(QStringLiteral("Theme"), QStringLiteral("selectThemeIndex"), index);
    m_themeIndex = index;
    DDataManager::getInstance()->loadTheme(index);
    applyTheme();
    emit sigChangAppTheme(index);
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked()
{
    const bool on = ui->checkBox_UsingBgImage->isChecked();
    writeSetting(QStringLiteral("ThemeBgImage"), QStringLiteral("BgImageIsUsing"), on);
    DDataManager *data = DDataManager::getInstance();
    data->setBgImageUsing(on);
    data->loadTheme(m_themeIndex);
    applyTheme();
    emit sigChangAppTheme(m_themeIndex);
}

void DSettingsDia::on_pushButton_UpgradeCheck_clicked()
{
    emit sigFirmwareUpgradeCheck();
}

void DSettingsDia::on_pushButton_CheckAppUpdate_clicked()
{
    emit sigUpdateApp();
}

void DSettingsDia::showNoUpgradeableDevices()
{
    m_notice->showNotice(tr("No upgradeable devices found"), rect().center());
}

void DSettingsDia::loadAboutInfo()
{
    QSettings defaults(QString::fromLatin1(kDefaultIni), QSettings::IniFormat);
    defaults.setIniCodec("UTF_8");
    ui->label_AppVersion->setText(
        defaults.value(QStringLiteral("AppVersion/Version"), QStringLiteral("V_1.00.00")).toString());
    const QString company =
        defaults.value(QStringLiteral("CompanyName/ComName"), QStringLiteral("CompanyName")).toString();
    ui->label_AppName->setText(company);
    QString copyright =
        defaults.value(QStringLiteral("Copyright/CopyrightStr"), QStringLiteral("Copyright")).toString();
    // The settings format cannot hold a bare comma in a value; the file writes it as "*".
    copyright.replace(QLatin1Char('*'), QLatin1Char(','));
    ui->label_Copyright->setText(copyright);
    m_linkAddress =
        defaults.value(QStringLiteral("CompanyLink/ComLink"), QString::fromLatin1(kDefaultLink)).toString();
    const bool showLink = defaults.value(QStringLiteral("CompanyLinkFrame/showStatus"), false).toBool();
    ui->label_Link->setVisible(showLink);
    // Its frame goes with it, so no empty box is left on the page.
    ui->frame_Link->setVisible(showLink);
    m_companyName = company;
    buildLinkText();
}

void DSettingsDia::buildLinkText()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    const QString format = tr("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span>"
                              "<a href=\"Company|%1|\"><span style=\"font-size:12pt; "
                              "text-decoration:underline; color:%2;\">%1</span>");
    ui->label_Link->setAlignment(Qt::AlignCenter);
    ui->label_Link->setText(format.arg(m_companyName, ThemeColors::css(c.TextCheckedColor), c.TextFont));
}

void DSettingsDia::onLickActivited(QString str)
{
    Q_UNUSED(str)
    QDesktopServices::openUrl(QUrl(m_linkAddress, QUrl::TolerantMode));
}

bool DSettingsDia::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_LogoSet && event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openFirmwareInfoDialog();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DSettingsDia::openFirmwareInfoDialog()
{
    auto *info = new DFirwareInfoShow(this);
    info->exec();
}

void DSettingsDia::emitCloseOnce()
{
    // Close, Esc and the window system's close all end here; the window listens for one signal.
    if (m_closeSignalled)
        return;
    m_closeSignalled = true;
    emit sigSettingsWindowClose();
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    emitCloseOnce();
    close();
}

void DSettingsDia::reject()
{
    // Hides and, being delete-on-close, deletes the dialog; also the end of a close request.
    emitCloseOnce();
    QDialog::reject();
}

void DSettingsDia::closeEvent(QCloseEvent *event)
{
    qDebug().noquote()
        << "------------------------- *** [DSettingsDia] closeEvent *** -------------------------";
    emitCloseOnce();
    QDialog::closeEvent(event);
}

void DSettingsDia::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    const QFont bold = DDataManager::getInstance()->getFont(0);
    const QString css = QStringLiteral("font: 75 %1pt \"%2\";");
    auto font = [&](int points) { return css.arg(points).arg(c.TextFont); };

    m_notice->applyDialogTheme(c);

    const QString checked = ThemeColors::css(c.TextCheckedColor);
    const QString normal = ThemeColors::css(c.TextDefaultColor);
    const QString border = ThemeColors::css(c.SettingsBorderColor);
    const QString controlBg = ThemeColors::css(c.SettingsControlDefaultColor);
    const QString hoverBg = ThemeColors::css(c.SettingsControlHoverBgColor);
    const QString selectedBg = ThemeColors::css(c.SettingsControlSelectedBgColor);

    ui->frame_16->setStyleSheet(QStringLiteral("QFrame#frame_16{border:1px solid %1; background-color:%2; "
                                               "border-radius:12px;}")
                                    .arg(checked, ThemeColors::css(c.SettingsBgColor)));
    ui->frame_Title->setStyleSheet(
        QStringLiteral("QFrame#frame_Title{background-color:%1; border:none; border-bottom:3px solid %2; "
                       "border-top-left-radius:12px; border-top-right-radius:12px;}"
                       "QLabel#label_Title{color:%3;}")
            .arg(ThemeColors::css(c.SettingsTitleColorStart), border, checked));
    ui->frame_LogoSet->setStyleSheet(
        QStringLiteral("QFrame{border-image: url(%1);}").arg(QStringLiteral(":/images/quelmoLogo.png")));
    ui->frame_Bg->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg{background-color:%1; "
                       "border-bottom-left-radius:12px; border-bottom-right-radius:12px;}")
            .arg(ThemeColors::css(c.SettingsBgColor)));
    ui->frame_3->setStyleSheet(
        QStringLiteral("QFrame#frame_3{border:none; border-right:3px solid %1;}").arg(border));
    ui->frame_4->setStyleSheet(QStringLiteral("QPushButton{border:0px; background-color:%1; color:%2; %3}"
                                              "QPushButton:hover{background-color:%4;}"
                                              "QPushButton:pressed{color:%5; background-color:%6;}"
                                              "QPushButton:!checked{color:%2; %3}"
                                              "QPushButton:checked{color:%5; background-color:%6;}")
                                   .arg(controlBg, normal, font(11), hoverBg, checked, selectedBg));
    ui->page_Settings->setStyleSheet(
        QStringLiteral(
            "QLabel{color:%1; %2}"
            "QComboBox{background-color:%3; padding-left:5px; border:1px solid %4; %2 color:%5; "
            "border-radius:4px;}"
            "QComboBox:hover{border:1px solid %1;}"
            "QComboBox QAbstractItemView::item{height:40px; left:10px;}"
            "QComboBox::down-arrow{border-image:url(:/images/publicIco/comboxDef.png); width:10px; "
            "height:10px;}"
            "QComboBox::down-arrow:hover{border-image:url(:/images/publicIco/comboxDef.png);}"
            "QComboBox::down-arrow:on{border-image:url(:/images/publicIco/comboxSel.png);}"
            "QComboBox QAbstractItemView{selection-background-color:rgb(255, 35, 76); outline:0px;}"
            "QComboBox::drop-down{width:20px; padding-right:3px; background:transparent; "
            "subcontrol-position:top right; top:0px; right:0px;}")
            .arg(checked, font(10), controlBg, border, normal));
    const QString checkSheet =
        QStringLiteral("QCheckBox, QCheckBox:unchecked{color:%1; %2}"
                       "QCheckBox:checked{color:%3; %2}"
                       "QCheckBox::indicator{width:13px; height:13px;}"
                       "QCheckBox::indicator:unchecked{image:url(:/images/publicIco/checkBoxDef.png);}"
                       "QCheckBox::indicator:checked{image:url(:/images/publicIco/checkBoxSel.png);}")
            .arg(normal, font(10), checked);
    ui->frame_7->setStyleSheet(checkSheet);
    ui->checkBox_UsingBgImage->setStyleSheet(checkSheet);
    ui->label_AppName->setStyleSheet(
        QStringLiteral("QLabel#label_AppName{color:%1; %2}").arg(checked, font(16)));
    ui->label_APP->setStyleSheet(QStringLiteral("QLabel#label_APP{color:%1; %2}").arg(checked, font(12)));
    ui->label_Copyright->setStyleSheet(
        QStringLiteral("QLabel#label_Copyright{color:%1; %2}").arg(checked, font(10)));
    ui->label_AppVersion->setStyleSheet(QStringLiteral("QLabel#label_AppVersion{color:%1;}").arg(checked));
    QFont versionFont = bold;
    versionFont.setPointSize(12);
    ui->label_AppVersion->setFont(versionFont);
    // Hover and press show the control colour fully transparent, or with its own alpha while the
    // background image is in use: the button's border alone marks it.
    const QString &hover = c.SettingsControlHoverBgColor;
    const QString hoverClear =
        hover.count(QLatin1Char(',')) >= 3 ? ThemeColors::css(hover) : ThemeColors::css(hover, 0);
    const QString buttonSheet =
        QStringLiteral(
            "QPushButton{border-radius:8px; border:2px solid %1; background-color:%2; color:%3; %4}"
            "QPushButton:hover{background-color:%5; border:2px solid %6;}"
            "QPushButton:pressed{color:%6; background-color:%5; border:2px solid %6;}")
            .arg(ThemeColors::css(c.SettingsControlBorderColor), controlBg, normal, font(10), hoverClear,
                 checked);
    ui->pushButton_CheckAppUpdate->setStyleSheet(buttonSheet);
    ui->pushButton_UpgradeCheck->setStyleSheet(buttonSheet);

    buildLinkText();
    QFont titleFont = bold;
    titleFont.setPointSize(12);
    ui->label_Title->setFont(titleFont);
}
