#include "dcustomkeyspage.h"

#include "ddatamanager.h"
#include "fixedtext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QVBoxLayout>

DCustomKeysPage::DCustomKeysPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DCustomKeysPage"));
    auto *layout = new QVBoxLayout(this);
    m_keyLabel = new QLabel(this);
    m_keyLabel->setObjectName(QStringLiteral("label_KeyName"));
    m_keyLabel->hide();
    layout->addWidget(m_keyLabel);
    layout->addStretch();
    auto *row = new QHBoxLayout;
    row->addStretch();
    m_loadingLabel = new QLabel(this);
    m_loadingLabel->setObjectName(QStringLiteral("label_Loading"));
    m_loadingLabel->hide();
    m_loading = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), this);
    m_loadingLabel->setMovie(m_loading);
    row->addWidget(m_loadingLabel);
    m_download = new QPushButton(this);
    m_download->setObjectName(QStringLiteral("pushButton_Download"));
    row->addWidget(m_download);
    layout->addLayout(row);
    // setupUi would do this for a form; the page builds its widgets by hand.
    QMetaObject::connectSlotsByName(this);
    retranslate();
    applyTheme();
}

DCustomKeysPage::~DCustomKeysPage() = default;

void DCustomKeysPage::retranslate()
{
    m_download->setText(tr("Download"));
}

void DCustomKeysPage::applyTheme()
{
    const ThemeColors c = DDataManager::getInstance()->getThemeColors();
    m_download->setFont(DDataManager::getInstance()->getFont(1));
    m_download->setStyleSheet(QStringLiteral("QPushButton{color:%1;background:%2;border:none;"
                                             "border-radius:4px;padding:6px 18px;}"
                                             "QPushButton:hover{background:%3;}")
                                  .arg(ThemeColors::css(c.TextDefaultColor),
                                       ThemeColors::css(c.DeviceSoftkeyboardButColor),
                                       ThemeColors::css(c.AllThemeColor)));
    m_keyLabel->setStyleSheet(QStringLiteral("color:%1;").arg(ThemeColors::css(c.TextDefaultColor)));
}

void DCustomKeysPage::resetPage(int layer)
{
    m_layer = layer == 0 ? 0 : 1;
    DDataManager::getInstance()->resetCurrentKey();
    m_keyLabel->hide();
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
    m_loadingLabel->hide();
}

void DCustomKeysPage::on_pushButton_Download_clicked()
{
    if (m_downloading)
        return;
    m_downloading = true;
    m_loading->start();
    m_loadingLabel->show();
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
    m_keyLabel->setText(strChar);
    m_keyLabel->show();
}

void DCustomKeysPage::onSeniorKeysListItemHaveChanged() {}
