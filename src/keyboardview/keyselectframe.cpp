#include "keyselectframe.h"

#include "ddatamanager.h"
#include "fixedtext.h"
#include "keyboardbutcustom.h"
#include "keyboardmodeldata.h"
#include "keyfunctionstore.h"
#include "keylightlayer.h"
#include "keytippopup.h"
#include "sidelightbuttoncustom.h"
#include "ui_keyselectframe.h"

#include <QDebug>
#include <QFile>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <cstdlib>

keySelectFrame::keySelectFrame(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::keySelectFrame>()), m_tip(std::make_unique<KeyTipPopup>())
{
    ui->setupUi(this);
    connect(DDataManager::getInstance(),
            &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseEnter_BackInfo, this,
            &keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo);
}

keySelectFrame::~keySelectFrame()
{
    // Whoever deletes the view, the data manager must not keep pointers to its buttons.
    unpublish();
}

void keySelectFrame::unpublish()
{
    DDataManager *dm = DDataManager::getInstance();
    if (dm->keySelectFrame() != this)
        return;
    dm->setKeyButtonMap({});
    dm->setKeyButtonList({});
    dm->setKeySelectFrame(nullptr);
}

void keySelectFrame::discardButtons()
{
    unpublish();
    forgetCurrentKey();
    m_tip->hide();
    m_tipKey = nullptr;
    qDeleteAll(m_keyButtons);
    qDeleteAll(m_sideLightButtons);
    m_keyButtons.clear();
    m_sideLightButtons.clear();
    m_sideLightRecords.clear();
    m_sideLightMap.clear();
    m_keyMap.clear();
    m_keyRecords.clear();
    m_matrix = {};
    m_hasSideLight = false;
    m_specialEnter = false;
    m_enterShape = 0;
}

bool keySelectFrame::loadKeyboard(HidDeviceInfoStu info)
{
    const std::string_view model = fixedtext::view(info.modelKey);
    return loadKeyboardInfo(QString::fromLocal8Bit(model.data(), static_cast<int>(model.size())));
}

bool keySelectFrame::loadKeyboardInfo(const QString &model)
{
    m_model = model;
    QFile file(keylayout::resourcePath(model));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "------------------------ NormalKeyboard loadKeyboardInfo => fp == NULL "
                    "-------------------------";
        return false;
    }
    return loadKeyboardText(file.readAll());
}

bool keySelectFrame::loadKeyboardText(const QByteArray &text)
{
    const std::optional<KeyLayout> layout = keylayout::parse(text);
    if (!layout)
        return false;
    for (const QString &repair : layout->repairs)
        qDebug() << "key layout" << m_model << ":" << repair;

    // A second load replaces the first one's buttons instead of piling them up.
    discardButtons();
    DDataManager *dm = DDataManager::getInstance();

    const QStringList themeParts = dm->getThemeColors().TextCheckedColor.split(QLatin1Char(','));
    const QColor theme(themeParts.value(0).trimmed().toInt(), themeParts.value(1).trimmed().toInt(),
                       themeParts.value(2).trimmed().toInt(), 255);

    if (layout->hasKeyboardObject) {
        m_hasSideLight = layout->sideLightHave;
        m_specialEnter = layout->specialEnterKey;
        if (m_specialEnter)
            m_enterShape = layout->specialEnterKeyShape;
        dm->setSpecialEnterKey(m_specialEnter);
        if (layout->hidDeviceType) {
            m_deviceType = *layout->hidDeviceType;
            dm->setHidDeviceType(m_deviceType);
        }
    }

    if (m_hasSideLight) {
        for (const KeyLayoutSideLight &entry : layout->sideLights) {
            const KeyPosInfoStu &p = entry.pos;
            auto *light = new sideLightButtonCustom(this);
            light->setCanvas(this);
            light->setSegmentSize(p.width, p.height);
            light->setGeometry(p.x + m_sideLightOffsetX, p.y + m_sideLightOffsetY, p.width, p.height);
            light->setOrigin(p.x + m_sideLightOffsetX, p.y + m_sideLightOffsetY);
            light->setIndexAndStatus(p.code, entry.validStatus);
            light->hide();
            light->setColor(QColor(255, 0, 0, 255));
            m_sideLightButtons.append(light);
            m_sideLightMap.insert(p.code, light);
            m_sideLightRecords.append(p);
        }
    }

    const bool deepNotch = keyboardmodeldata::hasDeepEnterNotch(m_model);
    for (int row = 0; row < kKeyRows; ++row) {
        for (int col = 0; col < kKeyColumns; ++col) {
            const KeyLayoutKey &entry = layout->keys[row][col];
            const KeyPosInfoStu &p = entry.pos;
            auto *key = new keyboardButCustom(this);
            key->setCanvas(this);
            key->setKeySize(p.width, p.height);
            connect(key, &keyboardButCustom::clicked, this, &keySelectFrame::onKeyButtonClicked);
            connect(key, &keyboardButCustom::sigCustomButMouseEnter, this,
                    &keySelectFrame::onCustomButMouseEnter);
            connect(key, &keyboardButCustom::sigCustomButMouseLeave, this,
                    &keySelectFrame::onCustomButMouseLeave);
            if (p.code == 40 && m_specialEnter) {
                key->setSpecialEnter(true);
                key->setEnterShape(1);
                key->setEnterNotch(10, deepNotch ? 35 : 30);
            }
            key->setGeometry(p.x + 10, p.y + 10, p.width, p.height);
            key->setOrigin(p.x + 10, p.y + 10);
            key->setSelected(false, false);
            key->setKeyInfo(p.code, entry.caption);
            key->setIndex(row, col);
            m_keyMap.insert(p.code, key);
            m_matrix[row][col] = key;
            m_keyButtons.append(key);
            m_keyRecords.append(p);
        }
    }

    dm->setKeyButtonMap(m_keyMap);
    dm->setKeyButtonList(m_keyButtons);
    dm->setKeySelectFrame(this);
    emit sigKeyboardAlreadyLoad();

    for (const auto &row : m_matrix) {
        for (keyboardButCustom *key : row) {
            key->applyThemeColours(QColor(220, 40, 45, 255), theme);
            key->setLightColorShown(true);
        }
    }
    return true;
}

QString keySelectFrame::keyCaption(const keyboardButCustom *key)
{
    return keylayout::captionFor(key->keyCode(), key->text());
}

void keySelectFrame::forgetCurrentKey()
{
    if (m_currentKey) {
        m_currentKey->setSelected(false, true);
        m_currentKey = nullptr;
    }
}

void keySelectFrame::onKeyButtonClicked()
{
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (!key || key == m_currentKey)
        return;
    DDataManager *dm = DDataManager::getInstance();
    const QString caption = keyCaption(key);
    const bool calibrating = dm->isCalibrationRunning();
    if (!calibrating && (caption == QLatin1String("fn") || caption == QLatin1String("Fn") ||
                         caption == QLatin1String("FN") || !key->isRemappable()))
        return;
    if (m_currentKey)
        m_currentKey->setSelected(false, true);
    key->setSelected(true, true);
    m_currentKey = key;
    if (calibrating)
        dm->magneticKeyboardCalibrationPoint(key->indexX(), key->indexY());
    else
        dm->setCurrentKey(key->keyCode(), caption);
}

void keySelectFrame::onCustomButMouseEnter()
{
    auto *key = qobject_cast<keyboardButCustom *>(sender());
    if (!key)
        return;
    // A repeated entry into the key whose tip is up (the tip window appearing can cause one)
    // must not read the profile again.
    if (key == m_tipKey && m_tip->isShown())
        return;
    DDataManager *dm = DDataManager::getInstance();
    const QString caption = keyCaption(key);
    const int code = key->keyCode();

    KeyOperateInfo info;
    resetKeyOperateInfo(info);
    if (!dm->isCalibrationRunning()) {
        char path[DDataManager::kPathBufferSize] = {};
        dm->copyProfileXmlPath(path);
        const QByteArray index = QByteArray::number(dm->profileIndex());
        const QByteArray keyCode = QByteArray::number(code);
        dm->keyFunctionStore().selectProFileKeyOperateInfo(path, index.constData(), keyCode.constData(),
                                                           &info);
    }
    const QString function = dm->keyFunctionDescription(info);
    const std::string presence(fixedtext::view(info.keyCode));
    if (std::atoi(presence.c_str()) == -1) {
        if (code == -10 || !key->isRemappable())
            m_tip->setEventInfo(caption, function, QObject::tr("Cannot remapped"), false);
        else
            m_tip->setEventInfo(caption, function, caption, true);
    } else {
        m_tip->setEventInfo(caption, function, dm->keyFunctionDetail(), true);
    }
    m_tipKey = key;
    m_tip->showAbove(key);
}

void keySelectFrame::onCustomButMouseLeave()
{
    m_tip->hide();
    m_tipKey = nullptr;
}

void keySelectFrame::onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum)
{
    qDebug() << "----------------------------------- BackInfo type:" << type << "  pressNum:" << pressNum
             << " releaseNum:" << releaseNum;
}

void keySelectFrame::setKeysViewMode(bool lightView, bool hoverHighlight)
{
    for (keyboardButCustom *key : qAsConst(m_keyMap)) {
        key->setHoverHighlight(hoverHighlight);
        key->setLightView(lightView);
    }
    forgetCurrentKey();
}

void keySelectFrame::setKeysHoverHighlight(bool on)
{
    for (keyboardButCustom *key : qAsConst(m_keyMap))
        key->setHoverHighlight(on);
}

void keySelectFrame::setKeysLightView(bool on)
{
    for (keyboardButCustom *key : qAsConst(m_keyMap)) {
        key->setLightView(on);
        key->setDragMarked(false);
    }
    forgetCurrentKey();
}

void keySelectFrame::setKeysCustomLightMode(bool on)
{
    for (keyboardButCustom *key : qAsConst(m_keyMap))
        key->setCustomLightMode(on);
}

void keySelectFrame::showSideLights(bool show)
{
    if (!m_hasSideLight)
        return;
    for (sideLightButtonCustom *light : qAsConst(m_sideLightButtons))
        light->setVisible(show && light->validStatus() == 1);
}

void keySelectFrame::clearCurrentKey()
{
    m_currentKey = nullptr;
    onCustomButMouseLeave();
}

void keySelectFrame::areaChanged(const QRect &area)
{
    m_changedArea |= area;
    if (m_repaintPending || m_inFrame)
        return;
    m_repaintPending = true;
    // Queued: every key and segment that changes in the same pass of the event loop joins it.
    QMetaObject::invokeMethod(this, &keySelectFrame::repaintChangedArea, Qt::QueuedConnection);
}

void keySelectFrame::beginFrame()
{
    m_inFrame = true;
}

void keySelectFrame::endFrame()
{
    m_inFrame = false;
    if (m_changedArea.isEmpty())
        return;
    // A repaint request queued before the frame then finds nothing left to do.
    showLightsOn()->repaint(m_changedArea);
    m_changedArea = QRect();
}

void keySelectFrame::repaintChangedArea()
{
    m_repaintPending = false;
    showLightsOn()->update(m_changedArea);
    m_changedArea = QRect();
}

void keySelectFrame::setLightLayer(keyLightLayer *layer)
{
    m_lightLayer = layer;
    areaChanged(rect());
}

QWidget *keySelectFrame::showLightsOn()
{
    if (!m_lightLayer)
        return this;
    bool lit = false;
    bool allOnCanvas = true;
    for (const keyboardButCustom *key : qAsConst(m_keyButtons)) {
        if (key->isHidden() || key->width() <= 0 || key->height() <= 0)
            continue; // the empty places of the key matrix take no room
        lit = lit || key->paintedOnCanvas();
        allOnCanvas = allOnCanvas && key->paintedOnCanvas();
    }
    for (const sideLightButtonCustom *light : qAsConst(m_sideLightButtons))
        allOnCanvas = allOnCanvas && (light->isHidden() || light->paintedOnCanvas());
    const bool cover = lit && allOnCanvas;
    if (m_lightLayer->isVisibleTo(parentWidget()) != cover)
        m_lightLayer->setVisible(cover); // showing or hiding repaints all of it
    return cover ? static_cast<QWidget *>(m_lightLayer) : this;
}

namespace {

// Where plain lit caps can be written straight into the pixels the painter paints on: its device
// is an image of 32-bit premultiplied pixels that nothing else shares, the layer lies on it at its
// own pixel ratio, a whole one, and at a whole pixel offset, and it clips to one rectangle at most.
struct DirectTarget
{
    QImage *image = nullptr;
    QPoint offset; // of the layer's origin, in device pixels
    int ratio = 1;
    QRect clip; // device pixels that may be written
};

DirectTarget directTarget(QPainter &p, const QRect &exposed, qreal layerRatio)
{
    DirectTarget target;
    QPaintEngine *engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !engine->paintDevice() ||
        engine->paintDevice()->devType() != QInternal::Image)
        return target;
    auto *image = static_cast<QImage *>(engine->paintDevice());
    if ((image->format() != QImage::Format_ARGB32_Premultiplied && image->format() != QImage::Format_RGB32) ||
        !image->isDetached())
        return target;
    const QTransform t = p.deviceTransform();
    const int ratio = qRound(layerRatio);
    if (t.type() > QTransform::TxScale || ratio < 1 || layerRatio != ratio || t.m11() != ratio ||
        t.m22() != ratio || t.dx() != qRound(t.dx()) || t.dy() != qRound(t.dy()))
        return target;
    const QRegion systemClip = engine->systemClip();
    if (systemClip.rectCount() > 1 || p.hasClipping())
        return target;
    target.offset = QPoint(qRound(t.dx()), qRound(t.dy()));
    target.ratio = ratio;
    target.clip = QRect(target.offset + exposed.topLeft() * ratio, exposed.size() * ratio) & image->rect();
    if (!systemClip.isEmpty())
        target.clip &= systemClip.boundingRect();
    target.image = image;
    return target;
}

} // namespace

void keySelectFrame::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    paintLights(p, event->rect());
}

void keySelectFrame::paintLights(QPainter &p, const QRect &exposed)
{
    const qreal ratio = devicePixelRatioF();
    // In the order the children stack: side-light segments under the keys, later keys over earlier
    // ones.
    p.save();
    for (const sideLightButtonCustom *light : qAsConst(m_sideLightButtons)) {
        if (!light->paintedOnCanvas() || light->isHidden() || !exposed.intersects(light->geometry()))
            continue;
        p.translate(light->pos());
        light->paintSegment(p);
        p.translate(-light->pos());
    }
    p.restore();
    // A lit cap is one fill and an outline; a preview frame repaints them all. Written straight
    // into the pixels they cost a fraction of the painter's calls for each.
    DirectTarget direct = directTarget(p, exposed, ratio);
    for (keyboardButCustom *key : qAsConst(m_keyButtons)) {
        if (!key->paintedOnCanvas() || key->isHidden() || !exposed.intersects(key->geometry()))
            continue;
        KeyDraw draw;
        if (direct.image && key->plainCap(direct.ratio, draw)) {
            key->composeCap(*direct.image, direct.offset + key->pos() * direct.ratio, direct.ratio,
                            direct.clip, draw);
            continue;
        }
        p.translate(key->pos());
        if (key->isSpecialEnter()) {
            // The L-shaped Enter draws past its outline; the key would clip that to its shape.
            p.save();
            const QRegion shape(key->rect());
            p.setClipRegion(key->mask().isEmpty() ? shape : shape & key->mask());
            key->paintCap(p, ratio);
            p.restore();
        } else {
            key->paintCap(p, ratio);
        }
        p.translate(-key->pos());
    }
}
