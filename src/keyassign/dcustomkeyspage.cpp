#include "dcustomkeyspage.h"

#include "ddatamanager.h"
#include "dkeyfunctionpage.h"
#include "fixedtext.h"
#include "ui_dcustomkeyspage.h"

#include <QMovie>

DCustomKeysPage::DCustomKeysPage(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DCustomKeysPage>())
{
    ui->setupUi(this);
    ui->label_KeyName->hide();
    ui->label_Loading->hide();
    m_loading = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), this);
    ui->label_Loading->setMovie(m_loading);
    for (DKeyFunctionPage *page : qAsConst(m_functionPages))
        connectFunctionPage(page);
    retranslate();
    applyTheme();
}

DCustomKeysPage::~DCustomKeysPage() = default;

void DCustomKeysPage::connectFunctionPage(DKeyFunctionPage *page)
{
    connect(page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful, this,
            [this] { emit sigSomeMessageTip_CustomKeysPage(tr("Operate successful")); });
}

void DCustomKeysPage::retranslate()
{
    ui->pushButton_Download->setText(tr("Download"));
    for (DKeyFunctionPage *page : qAsConst(m_functionPages))
        page->retranslate();
}

void DCustomKeysPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    ui->pushButton_Download->setFont(DDataManager::getInstance()->getFont(1));
    ui->pushButton_Download->setStyleSheet(QStringLiteral("QPushButton{color:%1;background:%2;border:none;"
                                                          "border-radius:4px;padding:6px 18px;}"
                                                          "QPushButton:hover{background:%3;}")
                                               .arg(ThemeColors::css(c.TextDefaultColor),
                                                    ThemeColors::css(c.DeviceSoftkeyboardButColor),
                                                    ThemeColors::css(c.AllThemeColor)));
    ui->label_KeyName->setStyleSheet(QStringLiteral("color:%1;").arg(ThemeColors::css(c.TextDefaultColor)));
    for (DKeyFunctionPage *page : qAsConst(m_functionPages))
        page->applyTheme();
}

void DCustomKeysPage::resetPage(int layer)
{
    m_layer = layer == 0 ? 0 : 1;
    DDataManager::getInstance()->resetCurrentKey();
    ui->label_KeyName->hide();
    showDefaultPage();
}

void DCustomKeysPage::setProfileXmlPath(const char *path)
{
    fixedtext::copyWhole(m_profileXmlPath, sizeof m_profileXmlPath, path ? std::string_view(path) : "");
}

void DCustomKeysPage::setHeavyPressSelectorsVisible(int layer)
{
    Q_UNUSED(layer)
}

void DCustomKeysPage::showDefaultPage() {}

void DCustomKeysPage::setInteractLightHook(bool on, int unused)
{
    Q_UNUSED(on)
    Q_UNUSED(unused)
}

void DCustomKeysPage::stopDownloadAnimation()
{
    m_downloading = false;
    m_loading->stop();
    ui->label_Loading->hide();
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_downloading)
        return;
    m_downloading = true;
    m_loading->start();
    ui->label_Loading->show();
    emit sigTheKeyboardIntoDownloading();
}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    // No hook owner yet: a start cannot succeed, a stop always does.
    DDataManager::getInstance()->setMacroRecordHookRunning(!isStartHook);
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    Q_UNUSED(keyCode)
    emit sigAutoIntoCustomKeysPage();
    ui->label_KeyName->setText(strChar);
    ui->label_KeyName->show();
}

void DCustomKeysPage::onSeniorKeysListItemHaveChanged() {}
