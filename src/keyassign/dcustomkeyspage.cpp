#include "dcustomkeyspage.h"

#include "arrowwidget.h"
#include "dchangekeypage.h"
#include "ddatamanager.h"
#include "dkeycombinationpage.h"
#include "dkeyfunctionpage.h"
#include "dtooltipexplain.h"
#include "fixedtext.h"
#include "keyboardbutcustom.h"
#include "keycapture.h"
#include "keyfunctionitem.h"
#include "keyselectframe.h"
#include "ui_dcustomkeyspage.h"
#include "windowshookinterface.h"

#include "dchangprofilepage.h"
#include "dhotkeypage.h"
#include "dkeyboardlightcustomeventpage.h"
#include "dkeyconfigfunctionpage.h"
#include "dkeydisablepage.h"
#include "dkeywithapppage.h"
#include "dkeywithtextpage.h"
#include "dmacrocmdpage.h"
#include "dmousekeypage.h"
#include "dmultimediapage.h"
#include "dresetdefaultpage.h"
#include "dseniorkeysbindingpage.h"
#include "dsidelightcustomeventpage.h"

#include <QButtonGroup>
#include <QEvent>
#include <QMovie>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QToolButton>

namespace {

// One type button and the function page behind it, in the order the pages are built.
struct TabSpec
{
    int tabId;
    const char *button;
    const char *stackedPage;
    const char *pageClass; // object name of the function page
    const char *tip;
    const char *image;     // base name under :/images/device/
    bool reportsSuccess;   // false for pages that save on every captured key
    bool cancelsToDefault; // its Cancel goes back to the Default tab
    DKeyFunctionPage *(*create)(QWidget *stackedPage);
};

template <class Page> DKeyFunctionPage *makePage(QWidget *stackedPage)
{
    return new Page(stackedPage);
}

// clang-format off
constexpr TabSpec kTabs[] = {
    {DCustomKeysPage::TabDefault, "toolButton_Default", "page_Default", "DResetDefaultPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Default"), "default", true, false, &makePage<DResetDefaultPage>},
    {DCustomKeysPage::TabMacro, "toolButton_Macro", "page_Macro", "DMacroCmdPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Macro"), "macro", true, false, &makePage<DMacroCmdPage>},
    {DCustomKeysPage::TabRemapKey, "toolButton_RemapKey", "page_RemapKey", "DChangeKeyPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Remap Key"), "RemapKey", false, false, &makePage<DChangeKeyPage>},
    {DCustomKeysPage::TabMouse, "toolButton_Mouse", "page_Mouse", "DMouseKeyPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Mouse"), "mouse", true, false, &makePage<DMouseKeyPage>},
    {DCustomKeysPage::TabText, "toolButton_Text", "page_Text", "DKeyWithTextPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Text"), "text", true, true, &makePage<DKeyWithTextPage>},
    {DCustomKeysPage::TabDisable, "toolButton_Disable", "page_Disable", "DKeyDisablePage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Disable"), "disable", true, true, &makePage<DKeyDisablePage>},
    {DCustomKeysPage::TabMultimedia, "toolButton_Multimedia", "page_Multimedia", "DMultimediaPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Multimedia"), "multimedia", true, false, &makePage<DMultimediaPage>},
    {DCustomKeysPage::TabCombinationKey, "toolButton_CombinationKey", "page_CombinationKey", "DKeyCombinationPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Key Combination"), "combinationKey", false, false, &makePage<DKeyCombinationPage>},
    {DCustomKeysPage::TabShortcuts, "toolButton_Shortcuts", "page_Shortcuts", "DHotKeyPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Shortcuts"), "Shortcuts", true, false, &makePage<DHotKeyPage>},
    {DCustomKeysPage::TabSwitchProfile, "toolButton_SwitchProfile", "page_SwitchProfile", "DChangProfilePage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Switch Profile"), "SwitchProfile", true, false, &makePage<DChangProfilePage>},
    {DCustomKeysPage::TabOpenApp, "toolButton_OpenApp", "page_OpenApp", "DKeyWithAppPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Launch Application"), "openApp", true, false, &makePage<DKeyWithAppPage>},
    {DCustomKeysPage::TabKeyboardLight, "toolButton_KBLightAbout", "page_KeyboardLightAbout",
     "DKeyboardLightCustomEventPage", QT_TRANSLATE_NOOP("DCustomKeysPage", "Keyboard Light"),
     "onboardLight/KBLightModeChanged", true, false, &makePage<DKeyboardLightCustomEventPage>},
    {DCustomKeysPage::TabSideLight, "toolButton_SideLightAbout", "page_SideLightAbout", "DSideLightCustomEventPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Atmosphere Light"), "onboardLight/SideLightModeChanged", true, false, &makePage<DSideLightCustomEventPage>},
    {DCustomKeysPage::TabKeyConfig, "toolButton_KeyConfigFunction", "page_KeyConfigFunctionAbout",
     "DKeyConfigFunctionPage", QT_TRANSLATE_NOOP("DCustomKeysPage", "Key Config"), "onboardLight/keyConfig",
     true, false, &makePage<DKeyConfigFunctionPage>},
    {DCustomKeysPage::TabSeniorKeys, "toolButton_SeniorKeys", "page_SeniorKeysBind", "DSeniorKeysBindingPage",
     QT_TRANSLATE_NOOP("DCustomKeysPage", "Senior Keys"), "bindSeniorKeys", true, false, &makePage<DSeniorKeysBindingPage>},
};
// clang-format on

// The pages with a Light Press / Heavy Press selector.
bool hasPressModeSelector(int tabId)
{
    return tabId == DCustomKeysPage::TabDefault || tabId == DCustomKeysPage::TabRemapKey ||
           tabId == DCustomKeysPage::TabCombinationKey;
}

const TabSpec *specOf(int tabId)
{
    for (const TabSpec &spec : kTabs) {
        if (spec.tabId == tabId)
            return &spec;
    }
    return nullptr;
}

// "r,g,b[,a]" of a theme colour as an opaque colour.
QColor opaqueThemeColour(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 3)
        return QColor(0, 0, 0, 255);
    return QColor(parts.at(0).trimmed().toInt(), parts.at(1).trimmed().toInt(), parts.at(2).trimmed().toInt(),
                  255);
}

} // namespace

DCustomKeysPage::DCustomKeysPage(QWidget *parent, const PageFactory &pageFactory)
    : QWidget(parent), ui(std::make_unique<Ui::DCustomKeysPage>())
{
    ui->setupUi(this);
    m_hook = new WindowsHookInterface(this);
    setTexts();

    DDataManager *dm = DDataManager::getInstance();
    connect(dm, &DDataManager::sigKeyButtonClickedReturnKeyCodeAndKeyChar, this,
            &DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar);
    // Direct: the macro editor reads the outcome right after its request.
    connect(dm, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
            &DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord, Qt::DirectConnection);
    connect(dm, &DDataManager::sigSeniorKeysListItemHaveChanged, this,
            &DCustomKeysPage::onSeniorKeysListItemHaveChanged);
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
            &DCustomKeysPage::onKeyboardRecviveStream);

    m_pageFactory = pageFactory;
    createFunctionTabs();

    m_typeGroup = new QButtonGroup(this);
    m_typeGroup->setExclusive(true);
    for (const FunctionTab &t : qAsConst(m_tabs)) {
        m_typeGroup->addButton(t.button, t.tabId);
        const char *image = specOf(t.tabId)->image;
        t.button->setStyleSheet(
            QStringLiteral("QToolButton{border:none;border-image:url(:/images/device/%1Def.png);}"
                           "QToolButton:hover,QToolButton:pressed,QToolButton:checked{"
                           "border-image:url(:/images/device/%1Sel.png);}")
                .arg(QLatin1String(image)));
    }
    ui->toolButton_Default->setChecked(true);
    connect(m_typeGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Key);
    ui->toolButton_SwitchProfile->hide();

    m_layerGroup = new QButtonGroup(this);
    m_layerGroup->setExclusive(true);
    m_layerGroup->addButton(ui->pushButton_DefaultLayer, 0);
    m_layerGroup->addButton(ui->pushButton_FnLayer, 1);
    ui->pushButton_DefaultLayer->setChecked(true);
    connect(m_layerGroup, &QButtonGroup::idClicked, this, &DCustomKeysPage::onCurIndexChanged_Mode);

    QTimer::singleShot(500, this, &DCustomKeysPage::onInstallEventFilterOpen);

    m_loading = new QMovie(QStringLiteral(":/images/Loading.gif"), QByteArray(), this);
    ui->label_Loading->setMovie(m_loading);
    ui->label_Loading->hide();
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);

    retranslate();
    applyTheme();
    // The Default page is the one shown at start; the others are built when first opened.
    functionPage(TabDefault);
}

DCustomKeysPage::~DCustomKeysPage()
{
    // The keyboard must never stay captured once the page that started the capture is gone.
    stopHook();
    // Pages hidden or closed while the base class destroys them must not reach this object.
    for (const FunctionTab &t : qAsConst(m_tabs)) {
        if (t.page)
            disconnect(t.page, nullptr, this, nullptr);
    }
}

void DCustomKeysPage::createFunctionTabs()
{
    for (const TabSpec &spec : kTabs) {
        auto *stackedPage = findChild<QWidget *>(QLatin1String(spec.stackedPage));
        auto *button = findChild<QToolButton *>(QLatin1String(spec.button));
        Q_ASSERT(stackedPage && button);
        m_tabs.append({spec.tabId, button, stackedPage, nullptr});
    }
}

DKeyFunctionPage *DCustomKeysPage::functionPage(int tabId)
{
    FunctionTab *t = nullptr;
    for (FunctionTab &candidate : m_tabs) {
        if (candidate.tabId == tabId)
            t = &candidate;
    }
    if (!t)
        return nullptr;
    if (t->page)
        return t->page;
    const TabSpec *spec = specOf(tabId);
    DKeyFunctionPage *page = m_pageFactory ? m_pageFactory(tabId, t->stackedPage) : nullptr;
    if (!page)
        page = spec->create(t->stackedPage);
    page->setObjectName(QLatin1String(spec->pageClass));
    t->stackedPage->layout()->addWidget(page);
    t->page = page;
    connectFunctionPage(*t);
    // What the host cascaded to the pages built before this one.
    page->retranslate();
    if (tabId != TabSwitchProfile)
        page->applyTheme();
    if (m_pressModeLayer >= 0 && hasPressModeSelector(tabId))
        page->setPressModeSelectorVisible(m_pressModeLayer == 0);
    return page;
}

void DCustomKeysPage::connectFunctionPage(const FunctionTab &t)
{
    const TabSpec *spec = specOf(t.tabId);
    if (t.tabId == TabDefault)
        connect(t.page, &DKeyFunctionPage::sigShoudUpdateKeyboard, this,
                &DCustomKeysPage::onKeyboardAlreadyLoad);
    else
        connect(t.page, &DKeyFunctionPage::sigShoudUpdateKeyboard, this,
                &DCustomKeysPage::onShoudUpdateKeyboard);
    if (spec->reportsSuccess) {
        connect(t.page, &DKeyFunctionPage::sigCustomKeyInfoSaveSuccessful, this,
                [this] { emit sigSomeMessageTip_CustomKeysPage(tr("Operate successful")); });
    }
    connect(t.page, &DKeyFunctionPage::sigCustomKeyInfoSaveFailed, this,
            &DCustomKeysPage::onCustomKeyInfoSaveFailed);
    if (spec->cancelsToDefault)
        connect(t.page, &DKeyFunctionPage::sigClickedCancel, this, &DCustomKeysPage::onClickedCancel);
    connect(t.page, &DKeyFunctionPage::sigMesgStartOrStopHook, this, &DCustomKeysPage::onMesgStartOrStopHook);
}

const DCustomKeysPage::FunctionTab *DCustomKeysPage::tab(int tabId) const
{
    for (const FunctionTab &t : m_tabs) {
        if (t.tabId == tabId)
            return &t;
    }
    return nullptr;
}

const DCustomKeysPage::FunctionTab *DCustomKeysPage::tabOfButton(const QObject *button) const
{
    for (const FunctionTab &t : m_tabs) {
        if (t.button == button)
            return &t;
    }
    return nullptr;
}

int DCustomKeysPage::tabForItemType(int type)
{
    switch (type) {
    case 0:
        return TabRemapKey;
    case 1:
        return TabMacro;
    case 2:
        return TabCombinationKey;
    case 3:
        return TabMultimedia;
    case 4:
        return TabMouse;
    case 5:
        return TabDisable;
    case 6:
        return TabText;
    case 7:
        return TabSwitchProfile;
    case 8:
        return TabOpenApp;
    case 9:
        return TabShortcuts;
    case 19:
        return TabKeyConfig;
    case 40:
        return TabSeniorKeys;
    default:
        break;
    }
    if (type >= 20 && type <= 27)
        return TabKeyboardLight;
    if (type >= 30 && type <= 34)
        return TabSideLight;
    return -1;
}

void DCustomKeysPage::setTexts()
{
    ui->pushButton_DefaultLayer->setText(tr("Default layer"));
    ui->pushButton_FnLayer->setText(tr("FN layer"));
    ui->pushButton_Download->setText(tr("Download"));
    ui->label->setText(tr("Type:"));
    ui->label_2->setText(tr("Function:"));
    ui->label_3->setText(tr("Key"));
}

void DCustomKeysPage::retranslate()
{
    const QString keyChar = ui->label_KeyChar->text();
    ui->retranslateUi(this);
    ui->label_KeyChar->setText(keyChar);
    setTexts();
    ui->label_Loading->setMovie(m_loading);
    for (const FunctionTab &t : qAsConst(m_tabs)) {
        if (t.page)
            t.page->retranslate();
    }
    fitKeyColumn();
}

void DCustomKeysPage::fitKeyColumn()
{
    // The key column is 200 px wide; layer names that need more (in some languages) widen it
    // instead of being cut. Each layer button keeps at least the room its name takes.
    int needed = ui->horizontalLayout_Layers->spacing();
    for (QPushButton *button : {ui->pushButton_DefaultLayer, ui->pushButton_FnLayer}) {
        // Measured with the font and margins its style sheet gives it when it is drawn.
        button->ensurePolished();
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        opt.rect = QRect(0, 0, 1000, button->minimumHeight());
        const int chrome =
            1000 - button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button).width();
        const int width = button->fontMetrics().horizontalAdvance(button->text()) + chrome;
        button->setMinimumWidth(width);
        needed += width;
    }
    const QMargins margins = ui->frame_5->layout()->contentsMargins();
    ui->frame_5->setMaximumWidth(qMax(200, needed + margins.left() + margins.right()));
}

void DCustomKeysPage::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColors c = dm->getThemeColors();
    const QFont normal = dm->getFont(1);
    QFont font12 = normal;
    font12.setPointSize(12);
    QFont font10 = normal;
    font10.setPointSize(10);

    ui->frame_Bg01->setStyleSheet(
        QStringLiteral("QFrame#frame_Bg01{ background-color: %1; border-radius:0px; }")
            .arg(ThemeColors::css(c.DeviceRightBgColor)));
    ui->frame_4->setStyleSheet(QStringLiteral("QFrame#frame_4{ border: 3px solid %1; border-radius:8px; }")
                                   .arg(ThemeColors::css(c.DeviceBorderColor)));
    ui->frame_2->setStyleSheet(QStringLiteral("QFrame#frame_2{ border: 3px solid %1; border-radius:8px; }")
                                   .arg(ThemeColors::css(c.DeviceBorderColor)));
    for (QLabel *label : {ui->label, ui->label_2, ui->label_3}) {
        label->setStyleSheet(
            QStringLiteral("QLabel{ color: %1; }").arg(ThemeColors::css(c.TextDefaultColor)));
        label->setFont(font12);
    }
    const QString layerSheet =
        QStringLiteral("QPushButton{ color: %1; border-radius:8px; }"
                       "QPushButton:hover,QPushButton:pressed,QPushButton:checked{"
                       " color: %2; }")
            .arg(ThemeColors::css(c.TextDefaultColor), ThemeColors::css(c.TextCheckedColor));
    for (QPushButton *button : {ui->pushButton_DefaultLayer, ui->pushButton_FnLayer}) {
        button->setStyleSheet(layerSheet);
        button->setFont(font10);
    }
    ui->label_KeyChar->setStyleSheet(
        QStringLiteral("QLabel#label_KeyChar{ color: %1; border: 3px solid %2; border-radius:8px; }")
            .arg(ThemeColors::css(c.TextCheckedColor), ThemeColors::css(c.DeviceBorderColor)));
    ui->label_KeyChar->setFont(font12);
    ui->pushButton_Download->setStyleSheet(
        QStringLiteral("QPushButton{ border: 2px solid %1; background-color: %2; color: %3;"
                       " border-radius:8px; }"
                       "QPushButton:hover{ background-color: %2; border: 2px solid %4; }"
                       "QPushButton:pressed{ color: %4; background-color: %2;"
                       " border: 2px solid %4; }")
            .arg(ThemeColors::css(c.DeviceBorderColor), ThemeColors::css(c.DeviceRightBgColor),
                 ThemeColors::css(c.TextDefaultColor), ThemeColors::css(c.TextCheckedColor)));
    ui->pushButton_Download->setFont(font12);
    fitKeyColumn();

    for (const FunctionTab &t : qAsConst(m_tabs)) {
        if (t.page && t.tabId != TabSwitchProfile)
            t.page->applyTheme();
    }
}

int DCustomKeysPage::currentLayer() const
{
    return ui->pushButton_FnLayer->isChecked() ? 1 : 0;
}

void DCustomKeysPage::onCurIndexChanged_Key(int selIndex)
{
    if (DDataManager::getInstance()->currentKeyCode() == -1 && !m_programmaticSelection) {
        emit sigSomeMessageTip_CustomKeysPage(tr("Please select one Key first"));
        ui->toolButton_Default->setChecked(true);
        ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
        return;
    }
    openTab(selIndex);
}

void DCustomKeysPage::openTab(int tabId)
{
    DKeyFunctionPage *page = functionPage(tabId);
    if (!page)
        return;
    const FunctionTab *t = tab(tabId);
    if (m_currentPage != page)
        stopKeyCapture();
    m_currentPage = page;
    t->button->setChecked(true);
    ui->stackedWidget_Customize->setCurrentWidget(t->stackedPage);
    page->loadCurrentKeyInfo();
}

void DCustomKeysPage::onKeyButtonClickedReturnKeyCodeAndKeyChar(int keyCode, QString strChar)
{
    emit sigAutoIntoCustomKeysPage();
    ui->label_KeyChar->setText(strChar);

    KeyOperateInfo info{};
    const keyfunctionitem::Target layer{QByteArray(m_profileXmlPath), QByteArray::number(m_profileIndex)};
    bool found = keyfunctionitem::read(layer, keyCode, info);
    if (!found && DDataManager::getInstance()->isMagneticKeyboard())
        found = keyfunctionitem::read(keyfunctionitem::heavyPressTarget(), keyCode, info);
    if (!found) {
        openTab(TabDefault);
        return;
    }
    // A type that is not a number, or one no tab shows, leaves the shown page as it is.
    if (const std::optional<int> type = keyfunctionitem::number(info.type)) {
        const int tabId = tabForItemType(*type);
        if (tabId >= 0)
            openTab(tabId);
    }
}

bool DCustomKeysPage::hasHeavyPressItem(int keyCode) const
{
    const DDataManager *dm = DDataManager::getInstance();
    if (!dm->isMagneticKeyboard() || !dm->isDefaultLayerSelected())
        return false;
    KeyOperateInfo info{};
    return keyfunctionitem::read(keyfunctionitem::heavyPressTarget(), keyCode, info);
}

bool DCustomKeysPage::hasLayerItem(int keyCode) const
{
    const DDataManager *dm = DDataManager::getInstance();
    if (!dm->isMagneticKeyboard() || !dm->isDefaultLayerSelected())
        return false;
    KeyOperateInfo info{};
    return keyfunctionitem::read({QByteArray(m_profileXmlPath), QByteArray::number(m_profileIndex)}, keyCode,
                                 info);
}

void DCustomKeysPage::onShoudUpdateKeyboard(int keyDec)
{
    recolourKey(keyDec, false);
}

void DCustomKeysPage::onKeyboardAlreadyLoad(int keyDec)
{
    recolourKey(keyDec, true);
}

void DCustomKeysPage::recolourKey(int keyDec, bool afterReset)
{
    DDataManager *dm = DDataManager::getInstance();
    keyboardButCustom *button = dm->keyButtonMap().value(keyDec);
    if (!button)
        return;
    const bool heavy = hasHeavyPressItem(keyDec);
    const QColor colour =
        heavy ? DDataManager::heavyPressKeyColor() : opaqueThemeColour(dm->getThemeColors().TextCheckedColor);
    button->setAssignedColorTranslucent(colour);
    button->setAssignedColor(colour);
    const bool assigned = !afterReset || heavy || hasLayerItem(keyDec);
    button->setAssignedState(assigned ? 1 : 0);
}

void DCustomKeysPage::onCurIndexChanged_Mode(int selIndex)
{
    (selIndex == 0 ? ui->pushButton_DefaultLayer : ui->pushButton_FnLayer)->setChecked(true);
    emit sigDefaultLayerAndFnLayerSwitch(selIndex);
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

void DCustomKeysPage::stopDownloadAnimation()
{
    m_downloading = false;
    m_loading->stop();
    ui->label_Loading->hide();
}

void DCustomKeysPage::resetPage(int layer)
{
    DDataManager *dm = DDataManager::getInstance();
    ui->toolButton_SideLightAbout->setVisible(dm->hasSideLight());
    for (keyboardButCustom *key : dm->keyButtonList()) {
        if (key)
            key->setLightColorShown(false);
    }
    // The downloading flag stays: only the end of the download clears it, so that a tab change
    // during a download cannot start a second one.

    ui->toolButton_Default->setChecked(true);
    m_programmaticSelection = true;
    onCurIndexChanged_Key(TabDefault);
    m_programmaticSelection = false;

    if (layer == 0)
        ui->pushButton_DefaultLayer->setChecked(true);
    else if (layer == 1)
        ui->pushButton_FnLayer->setChecked(true);

    ui->label_KeyChar->setText(QStringLiteral("NULL"));
    dm->resetCurrentKey();
    if (class keySelectFrame *keys = dm->keySelectFrame())
        keys->forgetCurrentKey();
    tab(TabDefault)->page->clearKeyInfo();
}

void DCustomKeysPage::showDefaultPage()
{
    const FunctionTab *t = tab(TabDefault);
    if (m_currentPage != t->page)
        stopKeyCapture();
    m_currentPage = t->page;
    ui->toolButton_Default->setChecked(true);
    ui->stackedWidget_Customize->setCurrentWidget(ui->page_Default);
    t->page->loadCurrentKeyInfo();

    DDataManager *dm = DDataManager::getInstance();
    const ThemeColors c = dm->getThemeColors();
    ui->frame_Line->setStyleSheet(
        QStringLiteral("QFrame#frame_Line{ border:none; border-left: 1px solid %1; }")
            .arg(ThemeColors::css(dm->isMagneticKeyboard() ? c.DeviceBorderColor : c.DeviceRightBgColor)));
    ui->toolButton_SeniorKeys->hide();
}

void DCustomKeysPage::setHeavyPressSelectorsVisible(int layer)
{
    m_pressModeLayer = layer;
    for (const FunctionTab &t : qAsConst(m_tabs)) {
        if (t.page && hasPressModeSelector(t.tabId))
            t.page->setPressModeSelectorVisible(layer == 0);
    }
}

void DCustomKeysPage::setProfileXmlPath(const char *path)
{
    fixedtext::copyWhole(m_profileXmlPath, sizeof m_profileXmlPath, path ? std::string_view(path) : "");
}

void DCustomKeysPage::onSeniorKeysListItemHaveChanged()
{
    const FunctionTab *t = tab(TabSeniorKeys);
    if (t->page && m_currentPage == t->page)
        t->page->loadCurrentKeyInfo();
}

void DCustomKeysPage::onCustomKeyInfoSaveFailed(int operateType, int errorIndex)
{
    QString text;
    if (errorIndex == DKeyFunctionPage::kSaveErrorStore)
        text = tr("Operate failed");
    else if (operateType == 6 && errorIndex == 0)
        text = tr("Setting failed because the text is empty");
    else if (operateType == 10 && errorIndex == 0)
        text = tr("Please select one Key first");
    else
        text = tr("Unknow");
    emit sigSomeMessageTip_CustomKeysPage(text);
}

void DCustomKeysPage::onClickedCancel()
{
    ui->toolButton_Default->setChecked(true);
    m_programmaticSelection = true;
    onCurIndexChanged_Key(TabDefault);
    m_programmaticSelection = false;
}

void DCustomKeysPage::onInstallEventFilterOpen()
{
    for (const FunctionTab &t : qAsConst(m_tabs))
        t.button->installEventFilter(this);
}

bool DCustomKeysPage::eventFilter(QObject *watched, QEvent *event)
{
    if (const FunctionTab *t = tabOfButton(watched)) {
        if (event->type() == QEvent::Enter)
            showTypeTip(t->button);
        else if (event->type() == QEvent::Leave && m_typeTip)
            m_typeTip->hide();
    }
    return QWidget::eventFilter(watched, event);
}

void DCustomKeysPage::showTypeTip(QToolButton *button)
{
    const FunctionTab *t = tabOfButton(button);
    if (!t)
        return;
    if (!m_typeTip) {
        // Made once and reused for every button.
        m_typeTipText = new DToolTipExplain;
        m_typeTip = std::make_unique<ArrowWidget>(1);
        m_typeTip->setWidgetSize(250, 70);
        m_typeTip->setArrowStartX(30);
        m_typeTip->setCenterWidget(m_typeTipText);
    }
    m_typeTipText->setTipText(tr(specOf(t->tabId)->tip));
    m_typeTip->move(button->mapToGlobal(QPoint(button->width() / 2, button->height())) -
                    QPoint(38, button->height() + 74));
    m_typeTip->show();
}

void DCustomKeysPage::hideEvent(QHideEvent *event)
{
    // Leaving the tab (or the window) ends key capture; a hidden page cannot show what it caught.
    stopKeyCapture();
    QWidget::hideEvent(event);
}

// ---- The keyboard hook: one use at a time, every start stops the previous one.

void DCustomKeysPage::startHook(int mode)
{
    stopHook();
    m_hookMode = mode;
    m_hookRunning = m_hook->startHook(mode) != 0;
}

void DCustomKeysPage::stopHook()
{
    m_hook->stopHook();
    m_hookRunning = false;
}

void DCustomKeysPage::stopKeyCapture()
{
    if (m_hookRunning && (m_hookMode == WindowsHookInterface::kModeRemapCapture ||
                          m_hookMode == WindowsHookInterface::kModeCombinationCapture))
        stopHook();
}

void DCustomKeysPage::setInteractLightHook(bool on, int origin)
{
    Q_UNUSED(origin)
    if (on)
        startHook(WindowsHookInterface::kModeInteractLight);
    else
        stopHook();
}

void DCustomKeysPage::onHookRuningStrtusCtrl_MacroRecord(bool isStartHook)
{
    controlMacroRecordHook(isStartHook);
}

void DCustomKeysPage::controlMacroRecordHook(bool start)
{
    bool outcome = true;
    if (start) {
        startHook(WindowsHookInterface::kModeMacroRecord);
        outcome = m_hookRunning;
    } else {
        stopHook();
    }
    DDataManager::getInstance()->setMacroRecordHookRunning(outcome);
}

void DCustomKeysPage::onMesgStartOrStopHook(bool isStartHook)
{
    stopHook();
    if (!isStartHook || !m_currentPage)
        return;
    if (m_currentPage == tab(TabRemapKey)->page)
        startHook(WindowsHookInterface::kModeRemapCapture);
    else if (m_currentPage == tab(TabCombinationKey)->page)
        startHook(WindowsHookInterface::kModeCombinationCapture);
}

void DCustomKeysPage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(scCode)
    const std::optional<int> code = keycapture::capturedCode(keyCode, flag, hookFlag);
    if (!code)
        return;
    DDataManager *dm = DDataManager::getInstance();
    const QMap<int, int> vkToHid = dm->vkToHidMap();
    const auto usage = vkToHid.constFind(*code);

    if (m_hookMode == WindowsHookInterface::kModeInteractLight) {
        if (usage == vkToHid.cend())
            return;
        if (keyboardButCustom *button = dm->keyButtonMap().value(*usage))
            emit sigInteractLightsPointXY(button->indexX(), button->indexY());
        return;
    }
    if (m_hookMode == WindowsHookInterface::kModeMacroRecord || usage == vkToHid.cend())
        return;
    for (int tabId : {TabRemapKey, TabCombinationKey}) {
        const FunctionTab *t = tab(tabId);
        if (t->page && m_currentPage == t->page)
            t->page->takeCapturedKey(*usage);
    }
}
