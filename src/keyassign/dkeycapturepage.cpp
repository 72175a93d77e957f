#include "dkeycapturepage.h"

#include "arrowwidget.h"
#include "ddatamanager.h"
#include "dvirtualkeyboardtool.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
constexpr int kPopupWidth = 1050;
constexpr int kPopupHeight = 345;
constexpr int kPopupArrowStart = 350;
// From the middle of the field's lower edge to the pop-up's corner: the arrow points at the field.
constexpr QPoint kPopupOffset(357, 375);
constexpr int kLightPress = 0;
constexpr int kHeavyPress = 1;
} // namespace

DKeyCapturePage::DKeyCapturePage(int keyboardMode, QWidget *parent) : DKeyItemPage(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);

    m_virtualKeyboard = new DVirtualKeyboardTool(keyboardMode, this);
    connect(m_virtualKeyboard, &DVirtualKeyboardTool::sigSoftKeyboardClicked_VirtualKB, this,
            &DKeyCapturePage::onSoftKeyboardClicked_VirtualKB);
    m_virtualKeyboard->setWindowOpacity(1.0);

    m_popup = new ArrowWidget(1, this);
    connect(m_popup, &ArrowWidget::sigArrowWidgetHide, this, &DKeyCapturePage::onArrowWidgetHide);
    m_popup->setWindowOpacity(1.0);
    m_popup->setWidgetSize(kPopupWidth, kPopupHeight);
    m_popup->setArrowStartX(kPopupArrowStart);
    m_popup->setCenterWidget(m_virtualKeyboard);
    m_popup->setObjectName(QStringLiteral("keyCapturePopup"));
}

DKeyCapturePage::~DKeyCapturePage()
{
    // The pop-up is destroyed after this object and may report its closing on the way (it loses
    // the activation); this page, and its host with it, must not hear that any more. The host
    // ends the capture itself when it goes.
    disconnect(m_popup, nullptr, this, nullptr);
}

void DKeyCapturePage::attachForm(const Form &form)
{
    m_form = form;
    m_form.field->installEventFilter(this);
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->addButton(m_form.lightPress, kLightPress);
    m_modeGroup->addButton(m_form.heavyPress, kHeavyPress);
    m_form.lightPress->setChecked(true);
    connect(m_modeGroup, &QButtonGroup::idClicked, this, &DKeyCapturePage::onCurIndexChanged_ModeSel);
    retranslateShared();
}

void DKeyCapturePage::retranslateShared()
{
    m_virtualKeyboard->retranslate();
    m_form.lightPress->setText(tr("Light Press"));
    m_form.heavyPress->setText(tr("Heavy Press"));
}

void DKeyCapturePage::loadCurrentKeyInfo()
{
    DDataManager *dm = DDataManager::getInstance();
    takeCurrentKey();
    m_keyNameMap = dm->keyNameMap();

    m_itemFound = false;
    selectPressMode(kLightPress);
    if (dm->isMagneticKeyboard() && m_selectorInUse) {
        m_form.selector->show();
        // A key holding only a heavy-press item opens on Heavy Press.
        if (!m_itemFound)
            selectPressMode(kHeavyPress);
        if (!m_itemFound)
            selectPressMode(kLightPress);
    } else {
        m_form.selector->hide();
    }
}

void DKeyCapturePage::selectPressMode(int selIndex)
{
    (selIndex == kLightPress ? m_form.lightPress : m_form.heavyPress)->setChecked(true);
    onCurIndexChanged_ModeSel(selIndex);
}

void DKeyCapturePage::onCurIndexChanged_ModeSel(int selIndex)
{
    setTarget(selIndex == kLightPress ? keyfunctionitem::lightPressTarget()
                                      : keyfunctionitem::heavyPressTarget());
    m_form.field->clear();
    clearShownItem();
    KeyOperateInfo info{};
    if (!readItem(info))
        return;
    if (showStoredItem(info))
        m_itemFound = true;
}

void DKeyCapturePage::setPressModeSelectorVisible(bool visible)
{
    Q_UNUSED(visible)
    m_form.selector->hide();
    m_selectorInUse = false;
}

void DKeyCapturePage::clearKeyInfo()
{
    forgetKey();
    m_form.field->clear();
    clearShownItem();
}

void DKeyCapturePage::onKeyboardRecviveStream(int keyCode, int scCode, int flag, int hookFlag)
{
    Q_UNUSED(keyCode)
    Q_UNUSED(scCode)
    Q_UNUSED(flag)
    Q_UNUSED(hookFlag)
}

void DKeyCapturePage::showInField(const QString &text)
{
    m_form.field->clear();
    m_form.field->setMaxLength(qMax(1, text.length()));
    m_form.field->setText(text);
}

// ---- The pop-up: capture runs exactly while it is shown.

bool DKeyCapturePage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form.field && event->type() == QEvent::FocusIn && !m_popup->isPopupShown())
        openPopup();
    return DKeyFunctionPage::eventFilter(watched, event);
}

void DKeyCapturePage::openPopup()
{
    m_popup->setPopupShown(true);
    popupShownChanged(true);
    // The field gives the focus away, so that a later click on it opens the pop-up again.
    focusNextPrevChild(true);
    const QLineEdit *f = m_form.field;
    m_popup->move(f->mapToGlobal(QPoint(f->width() / 2, f->height())) - kPopupOffset);
    m_popup->show();
    m_popup->activateWindow();
    emit sigMesgStartOrStopHook(true);
}

void DKeyCapturePage::onArrowWidgetHide()
{
    // Deactivation and an outside press can both report one closing; capture stops once.
    if (m_popup->isPopupShown()) {
        emit sigMesgStartOrStopHook(false);
        popupShownChanged(false);
        m_popup->setPopupShown(false);
    }
    m_popup->hide();
}

void DKeyCapturePage::hideEvent(QHideEvent *event)
{
    // A page that is no longer shown must not keep the keyboard captured.
    if (m_popup->isPopupShown())
        onArrowWidgetHide();
    DKeyFunctionPage::hideEvent(event);
}

void DKeyCapturePage::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColors c = dm->getThemeColors();
    const QFont normal = dm->getFont(1);

    QFont titleFont = normal;
    titleFont.setPointSize(12);
    m_form.title->setStyleSheet(QStringLiteral("QLabel#%1{ color: %2; }")
                                    .arg(m_form.title->objectName(), ThemeColors::css(c.TextDefaultColor)));
    m_form.title->setFont(titleFont);

    QFont fieldFont = normal;
    fieldFont.setPointSize(11);
    m_form.field->setStyleSheet(
        QStringLiteral(
            "QLineEdit{ color: %1; background-color: %2; border: 1px solid %3; border-radius: 4px; }"
            "QLineEdit:hover, QLineEdit:focus{ border: 1px solid %4; }")
            .arg(ThemeColors::css(c.TextDefaultColor), ThemeColors::css(c.DeviceRightBgColor),
                 ThemeColors::css(c.DeviceBorderColor), ThemeColors::css(c.TextCheckedColor)));
    m_form.field->setFont(fieldFont);

    const QColor fill = ThemeColors::toColor(c.AllBgColor);
    m_popup->setBackgroundColor(fill.red(), fill.green(), fill.blue());
    m_virtualKeyboard->applyTheme();

    m_form.selector->setStyleSheet(
        QStringLiteral("QRadioButton{ color: %1; font-weight: bold; font-size: 10pt; font-family: \"%2\"; }"
                       "QRadioButton:checked{ color: %3; }"
                       "QRadioButton::indicator{ width: 10px; height: 10px; border-radius: 6px;"
                       " border: 2px solid %1; }"
                       "QRadioButton::indicator:checked{ background-color: %3; border: 2px solid white; }")
            .arg(ThemeColors::css(c.TextDefaultColor), c.TextFont, ThemeColors::css(c.TextCheckedColor)));
}
