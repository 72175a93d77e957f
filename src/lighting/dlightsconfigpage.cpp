#include "dlightsconfigpage.h"

#include "ui_dlightsconfigpage.h"

#include "arrowwidget.h"
#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "dtooltipexplain.h"
#include "keyboardbutcustom.h"
#include "lightconfigreport.h"
#include "lightcontrolrules.h"
#include "mainhidinterface.h"
#include "slidercustomwidget.h"
#include "svcolorarea.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDebug>
#include <QEvent>
#include <QTimer>

#include <cstring>

namespace {

constexpr int kSwitchTipId = 900;
const char kNoSideLight[] = QT_TRANSLATE_NOOP("QObject", "The device has no atmosphere lamp");

// A theme colour text ("r, g, b" or "r, g, b, a") as an opaque colour.
QColor themeColour(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < 3)
        return QColor(0, 0, 0);
    return QColor(parts.at(0).trimmed().toInt(), parts.at(1).trimmed().toInt(), parts.at(2).trimmed().toInt(),
                  255);
}

QString rgbText(const QColor &c)
{
    return QStringLiteral("%1, %2, %3").arg(c.red()).arg(c.green()).arg(c.blue());
}

QColor boundedColour(int r, int g, int b)
{
    return QColor(qBound(0, r, 255), qBound(0, g, 255), qBound(0, b, 255));
}

} // namespace

DLightsConfigPage::DLightsConfigPage(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::DLightsConfigPage>())
{
    qRegisterMetaType<colorInfoData>("colorInfoData");
    ui->setupUi(this);
    m_presetColors =
        QStringList{QStringLiteral("255,0,0"),   QStringLiteral("255,85,0"),    QStringLiteral("255,170,0"),
                    QStringLiteral("255,255,0"), QStringLiteral("170,255,170"), QStringLiteral("85,255,85"),
                    QStringLiteral("0,255,0"),   QStringLiteral("0,255,85"),    QStringLiteral("0,255,170"),
                    QStringLiteral("0,255,255"), QStringLiteral("0,170,255"),   QStringLiteral("0,85,255"),
                    QStringLiteral("0,0,255"),   QStringLiteral("85,0,255"),    QStringLiteral("170,0,255"),
                    QStringLiteral("255,0,255"), QStringLiteral("255,85,255"),  QStringLiteral("255,170,255"),
                    QStringLiteral("0,0,0"),     QStringLiteral("255,255,255")};
    applyPresetColorStyles();
    setCodeTexts();

    for (QWidget *w : {ui->pushButton_Left, ui->pushButton_Right, ui->pushButton_Up, ui->pushButton_Down,
                       ui->pushButton_Gather, ui->pushButton_Dispersion})
        w->show();
    ui->pushButton_CW->hide();
    ui->pushButton_UnCW->hide();
    ui->horizontalLayout_12->setSpacing(8);

    m_wheel = new SVColorArea(ui->frame_Color);
    connect(m_wheel, &SVColorArea::sigGetRGB, this, &DLightsConfigPage::onGetRGB);
    connect(m_wheel, &SVColorArea::sigMoveingStatus, this, &DLightsConfigPage::onMoveingStatus);
    connect(m_wheel, &SVColorArea::sigMouseIsPress, this, &DLightsConfigPage::onSVColorAreaMouseIsPress);
    ui->frame_Color->layout()->addWidget(m_wheel);

    m_brightness = new sliderCustomWidget(ui->frame_SliderBrightness);
    m_brightness->setObjectName(QStringLiteral("slider_Brightness"));
    ui->frame_SliderBrightness->layout()->addWidget(m_brightness);
    connect(m_brightness, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Brightness);
    m_brightness->setWidgetSize(140, 40);
    m_brightness->setMargin(6);
    m_brightness->setStepCount(5);
    m_brightness->setCurrentPosition(2);

    m_speed = new sliderCustomWidget(ui->frame_SliderSpeed);
    m_speed->setObjectName(QStringLiteral("slider_Speed"));
    ui->frame_SliderSpeed->layout()->addWidget(m_speed);
    connect(m_speed, &sliderCustomWidget::sigBackCurrentPositionNum, this,
            &DLightsConfigPage::onBackCurrentPositionNum_Speed);
    m_speed->setWidgetSize(140, 40);
    m_speed->setMargin(6);
    m_speed->setStepCount(5);
    m_speed->setCurrentPosition(3);
    colourSteppers();

    m_keyboardGroup = new QButtonGroup(this);
    const QList<QAbstractButton *> keyboardButtons{
        ui->toolButton_Static,       ui->toolButton_Neon,          ui->toolButton_Breath,
        ui->toolButton_Wave,         ui->toolButton_Twinkle,       ui->toolButton_Snack,
        ui->toolButton_Radar,        ui->toolButton_AutoRipple,    ui->toolButton_Striation,
        ui->toolButton_Aurora,       ui->toolButton_Ripple,        ui->toolButton_Reactive,
        ui->toolButton_Cross,        ui->toolButton_MouseDPI,      ui->toolButton_Fireworks,
        ui->toolButton_SpeedRespond, ui->toolButton_MusicalRhythm, ui->toolButton_CustomLed};
    for (int id = 0; id < keyboardButtons.size(); ++id)
        m_keyboardGroup->addButton(keyboardButtons.at(id), id);
    ui->toolButton_Static->setChecked(true);
    connect(m_keyboardGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_KB_LightMode);

    m_sideGroup = new QButtonGroup(this);
    const QList<QAbstractButton *> sideButtons{ui->toolButton_SideStatic,    ui->toolButton_SideNeon,
                                               ui->toolButton_SideBreath,    ui->toolButton_SideWave,
                                               ui->toolButton_SideCollision, ui->toolButton_SideClose};
    for (int i = 0; i < sideButtons.size(); ++i)
        m_sideGroup->addButton(sideButtons.at(i), lighttypes::kFirstSideButton + i);
    ui->toolButton_SideStatic->setChecked(true);
    connect(m_sideGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_Side_LightMode);

    m_colourGroup = new QButtonGroup(this);
    m_colourGroup->addButton(ui->pushButton_TopColor, 0);
    m_colourGroup->addButton(ui->pushButton_BottomColor, 1);
    ui->pushButton_TopColor->setChecked(true);
    connect(m_colourGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor);

    m_directionGroup = new QButtonGroup(this);
    m_directionGroup->addButton(ui->pushButton_Right, lighttypes::Right);
    m_directionGroup->addButton(ui->pushButton_Left, lighttypes::Left);
    m_directionGroup->addButton(ui->pushButton_Up, lighttypes::Up);
    m_directionGroup->addButton(ui->pushButton_Down, lighttypes::Down);
    m_directionGroup->addButton(ui->pushButton_Dispersion, lighttypes::Dispersion);
    m_directionGroup->addButton(ui->pushButton_Gather, lighttypes::Gather);
    m_directionGroup->addButton(ui->pushButton_CW, lighttypes::CW);
    m_directionGroup->addButton(ui->pushButton_UnCW, lighttypes::UnCW);
    ui->pushButton_Left->setChecked(true);
    connect(m_directionGroup, &QButtonGroup::idClicked, this,
            &DLightsConfigPage::onCurIndexChanged_LedDirection);

    QTimer::singleShot(500, this, &DLightsConfigPage::onInstallEventFilterOpen);
}

DLightsConfigPage::~DLightsConfigPage() = default;

QByteArray DLightsConfigPage::indexText() const
{
    return QByteArray::number(m_profileIndex);
}

void DLightsConfigPage::setProfileXmlPath(const char *path)
{
    m_profileXmlPath = QByteArray(path ? path : "");
}

void DLightsConfigPage::setHidInterface(MainHidInterFace *hid)
{
    m_hid = hid;
}

MainHidInterFace *DLightsConfigPage::hidInterface() const
{
    return m_hid.data();
}

void DLightsConfigPage::setCodeTexts()
{
    ui->label_LightMode->setText(tr("Static"));
    ui->label->setText(tr("Type:"));
    ui->label_24->setText(tr("Brightness:"));
    ui->label_25->setText(tr("Speed:"));
    ui->label_26->setText(tr("Direction:"));
    ui->label_2->setText(tr("Full color"));
    ui->label_3->setText(tr("Top color"));
    ui->label_4->setText(tr("Bottom color"));
    ui->label_23->setText(tr("Custom light"));
}

QString DLightsConfigPage::modeName(int hidType, int type) const
{
    // The label falls back to Wave for a type the page has not been told yet.
    const char *name = lighttypes::name(hidType, type);
    return tr(*name ? name : lighttypes::name(hidType, 2));
}

void DLightsConfigPage::retranslate()
{
    ui->retranslateUi(this);
    setCodeTexts();
    ui->label_LightMode->setText(m_keyboardShown ? modeName(0, m_keyboardLightType)
                                                 : modeName(1, m_sideLightType));
    // The form's starting texts would otherwise stand in the edits until the next colour change.
    writeEdits(m_currentColour);
}

void DLightsConfigPage::colourSteppers()
{
    const ThemeColors t = DDataManager::getInstance()->getThemeColors();
    for (sliderCustomWidget *s : {m_brightness, m_speed}) {
        s->setHandleColor(themeColour(t.DeviceSliderEllipseColor));
        s->setGrooveColor(themeColour(t.DeviceSliderHorizontalVerticalColor));
        s->setTickColor(themeColour(t.DeviceSliderHorizontalVerticalColor));
    }
}

void DLightsConfigPage::applyTheme()
{
    DDataManager *dm = DDataManager::getInstance();
    const ThemeColors t = dm->getThemeColors();
    m_borderColor = t.DeviceBorderColor;
    m_accentColor = t.TextCheckedColor;

    ui->frame_3->setStyleSheet(QStringLiteral("QFrame#frame_3{border: 3px solid %1; border-radius: 8px;}")
                                   .arg(ThemeColors::css(t.DeviceBorderColor)));

    QFont big = dm->getFont(1);
    big.setPointSize(12);
    QFont small = dm->getFont(1);
    small.setPointSize(8);
    const QString textSheet = QStringLiteral("color: %1;").arg(ThemeColors::css(t.TextDefaultColor));
    for (QLabel *l : {ui->label, ui->label_24, ui->label_25, ui->label_26, ui->label_23}) {
        l->setStyleSheet(textSheet);
        l->setFont(big);
    }
    for (QLabel *l : {ui->label_2, ui->label_3, ui->label_4, ui->label_R, ui->label_G, ui->label_B}) {
        l->setStyleSheet(textSheet);
        l->setFont(small);
    }
    ui->label_LightMode->setStyleSheet(
        QStringLiteral("QLabel#label_LightMode{color: %1; border: 3px solid %2; border-radius: 8px;}")
            .arg(ThemeColors::css(t.TextCheckedColor), ThemeColors::css(t.DeviceBorderColor)));
    ui->label_LightMode->setFont(big);
    applyPresetColorStyles();

    const QString editSheet =
        QStringLiteral("QLineEdit{color: %1; font: 75 8pt \"%2\"; background-color: %3; "
                       "border: 1px solid %4; border-radius: 4px;}"
                       "QLineEdit:hover{border: 1px solid %5;}"
                       "QLineEdit:pressed{border: 1px solid %5;}")
            .arg(ThemeColors::css(t.TextDefaultColor), t.TextFont, ThemeColors::css(t.DeviceRightBgColor),
                 ThemeColors::css(t.DeviceBorderColor), ThemeColors::css(t.TextCheckedColor));
    for (QLineEdit *e : {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B})
        e->setStyleSheet(editSheet);

    ui->scrollAreaWidgetContents_3->setStyleSheet(
        QStringLiteral("QWidget#scrollAreaWidgetContents_3{background-color: %1;}")
            .arg(ThemeColors::css(t.DeviceRightBgColor)));

    m_scrollSheet = ThemeColors::thinScrollBarSheet(t);
    QTimer::singleShot(200, this, &DLightsConfigPage::onScrollSheetSet);
    colourSteppers();
    // Colour buttons and preview carry the border colours just read.
    showPreview(m_currentColour);
    styleColourButton(ui->pushButton_TopColor, m_editedFirst);
    styleColourButton(ui->pushButton_BottomColor, m_editedSecond);
}

void DLightsConfigPage::onScrollSheetSet()
{
    ui->widget_4->setStyleSheet(m_scrollSheet);
}

void DLightsConfigPage::applyPresetColorStyles()
{
    for (int k = 0; k < m_presetColors.size(); ++k) {
        const QStringList c = m_presetColors.at(k).split(QLatin1Char(','));
        auto *swatch =
            findChild<QLabel *>(QStringLiteral("label_Color%1").arg(k + 1, 2, 10, QLatin1Char('0')));
        if (!swatch || c.size() < 3)
            continue;
        swatch->setStyleSheet(QStringLiteral("QLabel{background-color: rgb(%1, %2, %3); border-radius: 7px;}"
                                             "QLabel:hover{border: 2px solid %4; border-radius: 7px;}")
                                  .arg(c.at(0), c.at(1), c.at(2), ThemeColors::css(m_accentColor)));
    }
}

void DLightsConfigPage::onInstallEventFilterOpen()
{
    for (QAbstractButton *b : m_keyboardGroup->buttons())
        b->installEventFilter(this);
    for (QAbstractButton *b : m_sideGroup->buttons())
        b->installEventFilter(this);
    for (int n = 1; n <= 20; ++n) {
        if (auto *swatch =
                findChild<QLabel *>(QStringLiteral("label_Color%1").arg(n, 2, 10, QLatin1Char('0'))))
            swatch->installEventFilter(this);
    }
    ui->toolButton_LightSelectTypeChanged->installEventFilter(this);
}

bool DLightsConfigPage::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Enter || type == QEvent::Leave) {
        int id = -1;
        if (auto *b = qobject_cast<QAbstractButton *>(watched)) {
            if (b == ui->toolButton_LightSelectTypeChanged)
                id = kSwitchTipId;
            else if (m_keyboardGroup->id(b) >= 0)
                id = m_keyboardGroup->id(b);
            else if (m_sideGroup->id(b) >= 0)
                id = m_sideGroup->id(b);
        }
        if (id >= 0) {
            if (type == QEvent::Enter)
                showModeTip(id);
            else if (m_tipPopup)
                m_tipPopup->hide();
        }
    } else if (type == QEvent::MouseButtonPress) {
        const QString name = watched->objectName();
        if (name.startsWith(QLatin1String("label_Color"))) {
            const int n = name.midRef(11).toInt();
            if (n >= 1 && n <= m_presetColors.size())
                pickPresetColor(m_presetColors.at(n - 1));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DLightsConfigPage::showModeTip(int id)
{
    static const char *const kKeyboardTips[] = {QT_TR_NOOP("Static"),         QT_TR_NOOP("Neon"),
                                                QT_TR_NOOP("Breath"),         QT_TR_NOOP("Wave"),
                                                QT_TR_NOOP("Twinkle"),        QT_TR_NOOP("Snake"),
                                                QT_TR_NOOP("Radar"),          QT_TR_NOOP("Auto Ripple"),
                                                QT_TR_NOOP("Striation"),      QT_TR_NOOP("Aurora"),
                                                QT_TR_NOOP("Ripple"),         QT_TR_NOOP("Reactive"),
                                                QT_TR_NOOP("Cross"),          QT_TR_NOOP("DPI"),
                                                QT_TR_NOOP("Fireworks"),      QT_TR_NOOP("Speed Respond"),
                                                QT_TR_NOOP("Musical Rhythm"), QT_TR_NOOP("Custom")};
    static const char *const kSideTips[] = {QT_TR_NOOP("Static"),    QT_TR_NOOP("Neon"),
                                            QT_TR_NOOP("Breath"),    QT_TR_NOOP("Wave"),
                                            QT_TR_NOOP("Collision"), QT_TR_NOOP("Close")};
    QWidget *anchor = nullptr;
    QString text;
    if (id >= 0 && id < lighttypes::kKeyboardButtonCount) {
        anchor = m_keyboardGroup->button(id);
        text = tr(kKeyboardTips[id]);
    } else if (id >= lighttypes::kFirstSideButton &&
               id < lighttypes::kFirstSideButton + lighttypes::kSideButtonCount) {
        anchor = m_sideGroup->button(id);
        text = tr(kSideTips[id - lighttypes::kFirstSideButton]);
    } else if (id == kSwitchTipId) {
        anchor = ui->toolButton_LightSelectTypeChanged;
        text = tr("Keyboard/Ambient");
    }
    if (!anchor)
        return;
    if (!m_tipPopup) {
        m_tipPopup = std::make_unique<ArrowWidget>(1);
        m_tipPopup->setObjectName(QStringLiteral("lightModeTip"));
        m_tipText = new DToolTipExplain;
        m_tipPopup->setWidgetSize(250, 70);
        m_tipPopup->setArrowStartX(30);
        m_tipPopup->setCenterWidget(m_tipText);
    }
    const QPoint p = anchor->mapToGlobal(QPoint(anchor->width() / 2, anchor->height()));
    m_tipPopup->move(p - QPoint(38, anchor->height() + 74));
    m_tipText->setTipText(text);
    m_tipPopup->show();
}

void DLightsConfigPage::pickPresetColor(const QString &preset)
{
    m_wheel->resetKnob();
    const QStringList c = preset.split(QLatin1Char(','));
    if (c.size() < 3)
        return;
    onColorItemSelcSignal(QColor(c.at(0).toInt(), c.at(1).toInt(), c.at(2).toInt(), 255));
}

// --- supported modes and target switching

void DLightsConfigPage::setSupportedLightModes(const LightModeSupport &keyboard, const LightModeSupport &side)
{
    m_keyboardModes = keyboard;
    m_sideModes = side;
    for (int id = 0; id < lighttypes::kKeyboardButtonCount; ++id)
        m_keyboardGroup->button(id)->setVisible(id == 16 || id == lighttypes::kCustomButton);
    for (int code : keyboard.lightTypes) {
        const int id = lighttypes::buttonForType(0, code);
        if (id >= 0 && code != lighttypes::kMusicalRhythm)
            m_keyboardGroup->button(id)->show();
    }
    for (QAbstractButton *b : m_sideGroup->buttons())
        b->hide();
    for (int code : side.lightTypes) {
        const int id = lighttypes::buttonForType(1, code);
        if (id >= 0)
            m_sideGroup->button(id)->show();
    }
    ui->frame_B->setVisible(!side.lightTypes.isEmpty());
}

void DLightsConfigPage::setStepCounts(const LightModeSupport &modes)
{
    m_speed->setStepCount(modes.speedSteps);
    m_brightness->setStepCount(modes.brightnessSteps);
}

void DLightsConfigPage::checkOnly(QButtonGroup *group, int id)
{
    // An exclusive group keeps one button checked; clearing all needs it open for a moment.
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    if (QAbstractButton *b = group->button(id))
        b->setChecked(true);
    group->setExclusive(true);
}

void DLightsConfigPage::showKeyboardLightPage()
{
    for (keyboardButCustom *b : DDataManager::getInstance()->keyButtonList()) {
        if (b)
            b->setLightColorShown(true);
    }
    m_keyboardShown = true;
    ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLightMode);
    setStepCounts(m_keyboardModes);
    ui->frame_D->hide();
    checkOnly(m_keyboardGroup, -1);
    m_keyboardLightType = CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath.constData(),
                                                                           indexText().constData(), 0);
    const int id = lighttypes::buttonForType(0, m_keyboardLightType);
    if (id < 0)
        return;
    onCurIndexChanged_KB_LightMode(id);
    m_keyboardGroup->button(id)->setChecked(true);
}

void DLightsConfigPage::switchShownTarget()
{
    const QByteArray index = indexText();
    if (m_keyboardShown) {
        if (m_sideModes.lightTypes.isEmpty()) {
            emit sigSomeMessageTip_LightsConfigPage(QObject::tr(kNoSideLight));
            return;
        }
        ui->frame_D->hide();
        setStepCounts(m_sideModes);
        m_keyboardShown = false;
        ui->stackedWidget->setCurrentWidget(ui->page_SideLightMode);
        m_sideLightType = CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath.constData(),
                                                                           index.constData(), 1);
        loadLightConfig(1);
        applyControlVisibility(1, m_sideLightType);
    } else {
        setStepCounts(m_keyboardModes);
        m_keyboardShown = true;
        ui->stackedWidget->setCurrentWidget(ui->page_KeyboardLightMode);
        m_keyboardLightType = CQuelmoXML_SelectProFileMouseLightTypeUsingIndex(m_profileXmlPath.constData(),
                                                                               index.constData(), 0);
        loadLightConfig(0);
        applyControlVisibility(0, m_keyboardLightType);
        ui->frame_D->setVisible(m_keyboardLightType == lighttypes::kCustom);
    }
}

void DLightsConfigPage::on_toolButton_LightSelectTypeChanged_clicked()
{
    switchShownTarget();
}

void DLightsConfigPage::updateLightConfigFromHid(int hidType, int ledType)
{
    Q_UNUSED(ledType)
    m_keyboardShown = hidType != 0;
    ui->frame_D->hide();
    switchShownTarget();
    emit sigLightConfigHaveChanged(-1, m_current);
}

// --- mode selection, reading and writing the record

void DLightsConfigPage::onCurIndexChanged_KB_LightMode(int indexSel)
{
    ui->frame_D->hide();
    m_keyboardLightType = lighttypes::typeForButton(0, indexSel, m_keyboardLightType);
    const QString name = indexSel == lighttypes::kDpiButton ? tr("DPI") : modeName(0, m_keyboardLightType);
    if (indexSel == lighttypes::kCustomButton) {
        ui->frame_D->show();
        if (m_customUserChange)
            m_customSlot = 0;
        loadCustomLightList();
    }
    m_currentModeName = name;
    ui->label_LightMode->setText(name);
    loadLightConfig(0);
    applyControlVisibility(0, m_keyboardLightType);
    emit sigSelectCurrentLightTypeIndex_KB(m_keyboardLightType, m_current);
    if (m_current.hidType == lighttypes::kKeyboard)
        sendKeyboardLightReport(m_current);
}

void DLightsConfigPage::onCurIndexChanged_Side_LightMode(int indexSel)
{
    m_sideLightType = lighttypes::typeForButton(1, indexSel, m_sideLightType);
    m_currentModeName = modeName(1, m_sideLightType);
    ui->label_LightMode->setText(m_currentModeName);
    loadLightConfig(1);
    applyControlVisibility(1, m_sideLightType);
    emit sigSelectCurrentLightTypeIndex_Side(m_sideLightType, m_current);
    if (m_current.hidType == lighttypes::kSide)
        sendSideLightReport(m_current);
}

void DLightsConfigPage::loadLightConfig(int hidType)
{
    const QByteArray index = indexText();
    const char *path = m_profileXmlPath.constData();
    const int type = hidType == lighttypes::kKeyboard ? m_keyboardLightType : m_sideLightType;
    int values[14] = {};
    if (CQuelmoXML_SelectProfileColorDataInfo(path, index.constData(), hidType, type, values)) {
        static_assert(sizeof(values) == sizeof(colorInfoData));
        std::memcpy(&m_current, values, sizeof(values));
    } else {
        m_current = lighttypes::defaultRecord(hidType, type);
        CQuelmoXML_AddProFileLightInfoItem(path, index.constData(), m_current);
    }
    // A stored level outside what the keyboard offers would put the stepper off its scale and
    // reach the keyboard as an index it does not have.
    const LightModeSupport &modes = hidType == lighttypes::kSide ? m_sideModes : m_keyboardModes;
    m_current.ledBrightness = lighttypes::clampLevel(m_current.ledBrightness, modes.brightnessSteps);
    m_current.ledSpeed = lighttypes::clampLevel(m_current.ledSpeed, modes.speedSteps);
    refreshControls();
}

void DLightsConfigPage::refreshControls()
{
    const colorInfoData &c = m_current;
    m_editedFirst = boundedColour(c.color1Red, c.color1Green, c.color1Blue);
    m_editedSecond = boundedColour(c.color2Red, c.color2Green, c.color2Blue);
    ui->checkBox_FullColorMode->setChecked(c.fullColorMode == 1);
    m_wheel->resetKnob();
    m_currentColour = m_editedFirst;
    writeEdits(m_currentColour);
    showPreview(m_currentColour);
    styleColourButton(ui->pushButton_TopColor, m_editedFirst);
    styleColourButton(ui->pushButton_BottomColor, m_editedSecond);
    ui->pushButton_TopColor->setChecked(true);
    checkOnly(m_directionGroup, c.ledDirection);
    m_speed->setCurrentPosition(c.ledSpeed - 1);
    m_brightness->setCurrentPosition(c.ledBrightness - 1);
    CQuelmoXML_ModifyProFileMouseLightUsingIndex(m_profileXmlPath.constData(), indexText().constData(),
                                                 c.hidType, c.ledType);
    showModeName();
}

void DLightsConfigPage::showModeName()
{
    const int hidType = m_current.hidType;
    const int type = m_current.ledType;
    checkOnly(hidType == lighttypes::kSide ? m_sideGroup : m_keyboardGroup,
              lighttypes::buttonForType(hidType, type));
    ui->label_LightMode->setText(*lighttypes::name(hidType, type) ? tr(lighttypes::name(hidType, type))
                                                                  : QString());
}

void DLightsConfigPage::applyControlVisibility(int hidType, int type)
{
    const QStringList hidden = lightcontrolrules::hiddenControls(hidType, type);
    for (const QString &name : lightcontrolrules::managedControls()) {
        if (auto *w = findChild<QWidget *>(name))
            w->setVisible(!hidden.contains(name));
    }
}

void DLightsConfigPage::saveLightConfig(int changeCode)
{
    // The wheel stores its colour once, when it is let go.
    if (m_wheelPressed)
        return;
    if (changeCode == 0) {
        m_current.color1Red = m_editedFirst.red();
        m_current.color1Green = m_editedFirst.green();
        m_current.color1Blue = m_editedFirst.blue();
        m_current.color2Red = m_editedSecond.red();
        m_current.color2Green = m_editedSecond.green();
        m_current.color2Blue = m_editedSecond.blue();
    }
    const QByteArray index = indexText();
    const char *path = m_profileXmlPath.constData();
    // An item the profile lost since it was read is added again, so the edit is kept.
    if (CQuelmoXML_IsProFileAlreadyHaveLightInfo(path, index.constData(), m_current.hidType,
                                                 m_current.ledType))
        CQuelmoXML_ModifyProFileLightInfoItem(path, index.constData(), m_current.hidType, m_current.ledType,
                                              m_current);
    else
        CQuelmoXML_AddProFileLightInfoItem(path, index.constData(), m_current);
    emit sigLightConfigHaveChanged(changeCode, m_current);
    if (m_current.hidType == lighttypes::kKeyboard)
        sendKeyboardLightReport(m_current);
    else if (m_current.hidType == lighttypes::kSide)
        sendSideLightReport(m_current);
    if (m_current.ledType == lighttypes::kCustom && changeCode == 0)
        emit sigLightConfigHaveChanged_Custom(0, m_current);
}

void DLightsConfigPage::sendKeyboardLightReport(colorInfoData data)
{
    const HidReport r = lightconfigreport::keyboard(data, QDateTime::currentMSecsSinceEpoch());
    if (!m_hid || m_hid->sendCommand(r.data()) < 0)
        qDebug() << "USB serial port [Write Led] Failed ...";
}

void DLightsConfigPage::sendSideLightReport(colorInfoData data)
{
    const HidReport r = lightconfigreport::side(data, QDateTime::currentMSecsSinceEpoch());
    if (!m_hid || m_hid->sendCommand(r.data()) < 0)
        qDebug() << "USB serial port [Write Side Led] Failed ...";
}

// --- parameter edits

void DLightsConfigPage::onBackCurrentPositionNum_Brightness(int currPositionIndex)
{
    m_current.ledBrightness = currPositionIndex + 1;
    saveLightConfig(2);
}

void DLightsConfigPage::onBackCurrentPositionNum_Speed(int currPositionIndex)
{
    m_current.ledSpeed = currPositionIndex + 1;
    saveLightConfig(3);
}

void DLightsConfigPage::onCurIndexChanged_LedDirection(int selIndex)
{
    checkOnly(m_directionGroup, selIndex);
    m_current.ledDirection = selIndex;
    saveLightConfig(4);
}

void DLightsConfigPage::on_checkBox_FullColorMode_clicked()
{
    m_current.fullColorMode = ui->checkBox_FullColorMode->isChecked() ? 1 : 0;
    saveLightConfig(1);
}

// --- colours

void DLightsConfigPage::writeEdits(const QColor &colour)
{
    const int values[3] = {colour.red(), colour.green(), colour.blue()};
    QLineEdit *edits[3] = {ui->lineEdit_R, ui->lineEdit_G, ui->lineEdit_B};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(edits[i]);
        edits[i]->setText(QString::number(values[i]));
        m_lastEditValue[i] = values[i];
    }
}

void DLightsConfigPage::showPreview(const QColor &colour)
{
    ui->label_ColorShow->setStyleSheet(QStringLiteral("QLabel{background-color: %1; border-radius: 4px;}")
                                           .arg(ThemeColors::css(rgbText(colour))));
}

void DLightsConfigPage::styleColourButton(QWidget *button, const QColor &colour)
{
    button->setStyleSheet(QStringLiteral("QPushButton{background-color: %1; border: 2px solid %2; "
                                         "border-radius: 7px;}"
                                         "QPushButton:hover{border: 2px solid %3; border-radius: 7px;}"
                                         "QPushButton:pressed{border: 2px solid %3; border-radius: 7px;}"
                                         "QPushButton::unchecked{border: 2px solid %2; border-radius: 7px;}"
                                         "QPushButton::checked{border: 2px solid %3; border-radius: 7px;}")
                              .arg(ThemeColors::css(rgbText(colour)), ThemeColors::css(m_borderColor),
                                   ThemeColors::css(m_accentColor)));
}

void DLightsConfigPage::takeEditedColour(const QColor &colour)
{
    writeEdits(colour);
    showPreview(colour);
    if (ui->pushButton_TopColor->isChecked()) {
        styleColourButton(ui->pushButton_TopColor, colour);
        m_editedFirst = colour;
    } else {
        styleColourButton(ui->pushButton_BottomColor, colour);
        m_editedSecond = colour;
    }
}

void DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor(int selIndex)
{
    m_currentColour = selIndex == 0
                          ? boundedColour(m_current.color1Red, m_current.color1Green, m_current.color1Blue)
                          : boundedColour(m_current.color2Red, m_current.color2Green, m_current.color2Blue);
    writeEdits(m_currentColour);
    showPreview(m_currentColour);
    m_wheel->resetKnob();
}

void DLightsConfigPage::onColorItemSelcSignal(QColor color)
{
    const QColor c(color.red(), color.green(), color.blue());
    if (!m_wheelPressed)
        m_currentColour = c;
    takeEditedColour(c);
    saveLightConfig(0);
}

void DLightsConfigPage::onGetRGB(int r, int g, int b)
{
    m_currentColour = boundedColour(r, g, b);
    takeEditedColour(m_currentColour);
}

void DLightsConfigPage::onMoveingStatus(int valueRotate, int degRotate)
{
    Q_UNUSED(degRotate)
    if (valueRotate == 0)
        return;
    const int v = static_cast<int>((100 - valueRotate) * 2.55);
    const QColor c =
        QColor::fromHsv(m_currentColour.hsvHue(), m_currentColour.hsvSaturation(), qBound(0, v, 255));
    takeEditedColour(c.toRgb());
}

void DLightsConfigPage::onSVColorAreaMouseIsPress(bool isMousePress)
{
    m_wheelPressed = isMousePress;
    saveLightConfig(0);
}

void DLightsConfigPage::rgbEdited(int channel, QLineEdit *edit, const QString &text)
{
    // Only typing counts; texts the page writes itself pass by.
    if (!edit->hasFocus())
        return;
    bool ok = false;
    int value = text.toInt(&ok);
    if (!ok)
        value = 0;
    if (value < 0 || value > 255) {
        const QSignalBlocker block(edit);
        edit->setText(QString::number(m_lastEditValue[channel]));
        return;
    }
    auto component = [](QLineEdit *e) {
        bool valid = false;
        const int v = e->text().toInt(&valid);
        return valid ? qBound(0, v, 255) : 0;
    };
    int rgb[3] = {component(ui->lineEdit_R), component(ui->lineEdit_G), component(ui->lineEdit_B)};
    rgb[channel] = value;
    onColorItemSelcSignal(QColor(rgb[0], rgb[1], rgb[2]));
}

void DLightsConfigPage::on_lineEdit_R_textChanged(const QString &text)
{
    rgbEdited(0, ui->lineEdit_R, text);
}

void DLightsConfigPage::on_lineEdit_G_textChanged(const QString &text)
{
    rgbEdited(1, ui->lineEdit_G, text);
}

void DLightsConfigPage::on_lineEdit_B_textChanged(const QString &text)
{
    rgbEdited(2, ui->lineEdit_B, text);
}
