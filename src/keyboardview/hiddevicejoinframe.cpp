#include "hiddevicejoinframe.h"

#include "ddatamanager.h"
#include "fixedtext.h"
#include "hiddeviceinfostu.h"
#include "keyboardbutcustom.h"
#include "keyboardimageframeitem.h"
#include "keyboardmodeldata.h"
#include "keycolorrgbframeitem.h"
#include "keylightlayer.h"
#include "keyselectframe.h"
#include "sidelightbuttoncustom.h"
#include "ui_hiddevicejoinframe.h"

#include <QPainter>
#include <QStackedLayout>
#include <QStyleOption>

namespace {

// Holds the picture, colour and key layers. Its background (the view's style sheet colour) covers
// it completely, and it says so: a repaint inside it, such as the light preview's many times a
// second, then leaves alone everything behind it (the page, the window and its background picture).
class LayerStack : public QWidget
{
public:
    explicit LayerStack(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().brush(backgroundRole())); // in case no style sheet colours it
        QStyleOption option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_Widget, &option, &p, this);
    }
};

} // namespace

hidDeviceJoinFrame::hidDeviceJoinFrame(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::hidDeviceJoinFrame>())
{
    ui->setupUi(this);
}

hidDeviceJoinFrame::~hidDeviceJoinFrame() = default;

keySelectFrame *hidDeviceJoinFrame::keyLayer() const
{
    return m_keyLayer;
}

keyboardImageFrameItem *hidDeviceJoinFrame::pictureLayer() const
{
    return m_pictureLayer;
}

keyColorRgbFrameItem *hidDeviceJoinFrame::colourLayer() const
{
    return m_colourLayer;
}

keyLightLayer *hidDeviceJoinFrame::lightLayer() const
{
    return m_lightLayer;
}

QWidget *hidDeviceJoinFrame::keySpace() const
{
    return ui->frame_hidSpace;
}

int hidDeviceJoinFrame::ScaleRound(float v)
{
    const int t = static_cast<int>(v * 10.0f);
    return t % 10 >= 4 ? static_cast<int>(v + 1.0f) : static_cast<int>(v);
}

void hidDeviceJoinFrame::buildKeyboardView(const hidStructInfoAll &record)
{
    const std::string_view model = fixedtext::view(record.modelKey);
    buildKeyboardView(QString::fromLocal8Bit(model.data(), static_cast<int>(model.size())));
}

void hidDeviceJoinFrame::buildKeyboardView(const QString &modelKey)
{
    m_model = modelKey;
    const QSize area = keyboardmodeldata::pictureAreaSize(modelKey);
    m_baseWidth = area.width() + 20;
    m_baseHeight = area.height() + 20;
    ui->frame_hidSpace->setFixedSize(m_baseWidth, m_baseHeight);

    m_container = new LayerStack(ui->frame_hidSpace);
    m_keyLayer = new keySelectFrame(m_container);
    m_colourLayer = new keyColorRgbFrameItem(m_container);
    m_pictureLayer = new keyboardImageFrameItem(m_container);
    m_lightLayer = new keyLightLayer(m_keyLayer, m_pictureLayer, m_container);
    connect(m_keyLayer, &keySelectFrame::sigKeyboardAlreadyLoad, this,
            &hidDeviceJoinFrame::onKeyboardAlreadyLoad);

    auto *stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->addWidget(m_keyLayer);
    stack->addWidget(m_colourLayer);
    stack->addWidget(m_pictureLayer);
    stack->addWidget(m_lightLayer);
    stack->setContentsMargins(0, 0, 0, 0);
    m_container->setLayout(stack);
    ui->frame_hidSpace->layout()->addWidget(m_container);
    m_pictureLayer->lower();
    m_colourLayer->lower();
    m_keyLayer->raise();
    m_lightLayer->raise();
    m_keyLayer->setLightLayer(m_lightLayer);

    // The layers learn the model from a device record; only its model key is read.
    HidDeviceInfoStu info{};
    info.vendorId = 0x1234;
    info.productId = 0x5678;
    fixedtext::copy(info.hidManufacturer, "hidStu_hidManufacturer");
    fixedtext::copy(info.hidProduct, "hidStu_hidProduct");
    fixedtext::copy(info.modelKey, modelKey.toLocal8Bit());
    fixedtext::copy(info.hidFirmware, "hidStu_hidFirmwareNUC");
    m_pictureLayer->setDeviceInfo(info);
    m_keyLayer->loadKeyboard(info);
    m_keyLayer->setKeysViewMode(false, true);
}

void hidDeviceJoinFrame::onKeyboardAlreadyLoad()
{
    m_rowStarts.clear();
    m_geometry = {};
    m_hoveredKey = nullptr;
    m_dragSelectedKeys.clear();
    const QList<KeyPosInfoStu> records = m_keyLayer->keyRecords();
    if (records.isEmpty())
        return;
    m_rowStarts.append(records.first());
    int column = 0;
    int row = 0;
    for (const KeyPosInfoStu &r : records) {
        if (column != 0 && column % kKeyColumns == 0) {
            ++row;
            column = 0;
            m_rowStarts.append(r);
        }
        if (row >= kKeyRows)
            break; // the loader always gives 132 records; never index past the matrix
        m_geometry[row][column] = r;
        ++column;
    }
    m_geometryLoaded = true;
}

void hidDeviceJoinFrame::setScale(float s, bool)
{
    const int w = ScaleRound(static_cast<float>(m_baseWidth - 20) * s) + 20;
    const int h = ScaleRound(static_cast<float>(m_baseHeight - 20) * s) + 20;
    ui->frame_hidSpace->setFixedSize(w, h);
    m_scale = s;
    if (!m_keyLayer)
        return;

    const QMap<int, keyboardButCustom *> keys = m_keyLayer->keyButtonMap();
    for (const KeyPosInfoStu &r : m_keyLayer->keyRecords()) {
        if (r.code == 0)
            continue;
        keyboardButCustom *key = keys.value(r.code);
        if (!key)
            continue;
        const int x = ScaleRound(static_cast<float>(r.x) * s) + 10;
        const int y = ScaleRound(static_cast<float>(r.y) * s) + 10;
        const int kw = ScaleRound(static_cast<float>(r.width) * s);
        const int kh = ScaleRound(static_cast<float>(r.height) * s);
        key->setGeometry(x, y, kw, kh);
        key->setOrigin(x, y);
        key->setKeySize(kw, kh);
        key->refresh();
    }

    if (DDataManager::getInstance()->isSpecialEnterKey()) {
        if (keyboardButCustom *enter = keys.value(40)) {
            const int depth = keyboardmodeldata::hasDeepEnterNotch(m_model) ? 35 : 30;
            enter->setEnterNotch(ScaleRound(10 * s), ScaleRound(static_cast<float>(depth) * s));
        }
    }

    if (!m_keyLayer->hasSideLight())
        return;
    const QMap<int, sideLightButtonCustom *> lights = m_keyLayer->sideLightButtonMap();
    // A negative coordinate places a segment outside the key area; it stays where it is.
    auto scaled = [s](int v) { return v < 0 ? v + 10 : ScaleRound(static_cast<float>(v) * s) + 10; };
    auto scaledSize = [s](int v) { return ScaleRound(static_cast<float>(v) * s); };
    for (const KeyPosInfoStu &r : m_keyLayer->sideLightRecords()) {
        int x = 0, y = 0, sw = 0, sh = 0;
        switch (r.sidePosition) {
        case 1:
            x = r.x != 0 ? scaled(r.x) : 0;
            y = scaled(r.y);
            sw = r.x != 0 ? scaledSize(r.width) : r.width;
            sh = scaledSize(r.height);
            break;
        case 2:
            x = w - 10;
            y = scaled(r.y);
            sw = r.width;
            sh = scaledSize(r.height);
            break;
        case 3:
            x = scaled(r.x);
            y = r.y != 0 ? scaled(r.y) : 0;
            sw = scaledSize(r.width);
            sh = r.y != 0 ? scaledSize(r.height) : r.height;
            break;
        case 4:
            x = scaled(r.x);
            y = h - 10;
            sw = scaledSize(r.width);
            sh = r.height;
            break;
        default:
            continue;
        }
        sideLightButtonCustom *light = lights.value(r.code);
        if (!light)
            continue;
        light->setGeometry(x, y, sw, sh);
        light->setOrigin(x, y);
        light->setSegmentSize(sw, sh);
    }
}

void hidDeviceJoinFrame::setLightView(bool on)
{
    if (on) {
        for (keyboardButCustom *key : qAsConst(m_dragSelectedKeys))
            key->setDragMarked(false);
        m_dragSelectedKeys.clear();
    }
    if (m_keyLayer)
        m_keyLayer->setKeysLightView(on);
}

void hidDeviceJoinFrame::showMode(ViewMode mode)
{
    if (mode == ViewMode::Selection) {
        lower();
        if (m_overlay) {
            m_overlay->raise();
            m_overlay->show();
        }
    } else {
        if (m_overlay)
            m_overlay->lower();
        raise();
        show();
    }
    setLightView(mode != ViewMode::Keys);
}

void hidDeviceJoinFrame::leaveLightView()
{
    setLightView(false);
}

void hidDeviceJoinFrame::setPictureVariant(int variant)
{
    if (m_pictureLayer)
        m_pictureLayer->setPictureVariant(variant);
}

hidDeviceJoinFrame::OverlayRect hidDeviceJoinFrame::overlayRect(const KeyPosInfoStu &r) const
{
    // Truncating single-precision arithmetic, as the overlay has always measured keys.
    const QPoint origin = ui->frame_hidSpace->pos();
    const int x = static_cast<int>(static_cast<float>(r.x) * m_scale) + origin.x() + 10;
    const int y = static_cast<int>(static_cast<float>(r.y) * m_scale) + origin.y() + 10;
    const int right = static_cast<int>(static_cast<float>(x) + static_cast<float>(r.width) * m_scale);
    const int bottom = static_cast<int>(static_cast<float>(y) + static_cast<float>(r.height) * m_scale);
    return {x, y, right, bottom};
}

keyboardButCustom *hidDeviceJoinFrame::buttonAt(int row, int column) const
{
    return m_keyLayer ? m_keyLayer->keyButtonMatrix()[row][column] : nullptr;
}

void hidDeviceJoinFrame::selectKeysInRect(int x1, int y1, int x2, int y2)
{
    for (keyboardButCustom *key : qAsConst(m_dragSelectedKeys))
        key->setDragMarked(false);
    m_dragSelectedKeys.clear();
    if (m_keyLayer) {
        const int left = qMin(x1, x2), right = qMax(x1, x2);
        const int top = qMin(y1, y2), bottom = qMax(y1, y2);
        const QMap<int, keyboardButCustom *> keys = m_keyLayer->keyButtonMap();
        for (const KeyPosInfoStu &r : m_keyLayer->keyRecords()) {
            if (r.code == 0)
                continue;
            const OverlayRect o = overlayRect(r);
            if (o.left < left || o.left > right || o.top < top || o.top > bottom)
                continue;
            if (keyboardButCustom *key = keys.value(r.code)) {
                key->setDragMarked(true);
                m_dragSelectedKeys.append(key);
            }
        }
    }
    emit sigTheDragAreaHaveChanged(0, -1, -1, -1);
}

void hidDeviceJoinFrame::trackHoverKey(int x, int y, int tab)
{
    if (m_dragPressed)
        return;
    bool found = false;
    const QPoint origin = ui->frame_hidSpace->pos();
    const int spaceWidth = ui->frame_hidSpace->width();
    for (int row = 0; row < m_rowStarts.size() && row < kKeyRows; ++row) {
        const OverlayRect band = overlayRect(m_rowStarts.at(row));
        if (!(origin.x() < x && x < origin.x() + spaceWidth && band.top < y && y < band.bottom))
            continue;
        for (int col = 0; col < kKeyColumns; ++col) {
            const KeyPosInfoStu &r = m_geometry[row][col];
            if (r.code == 0)
                continue;
            const OverlayRect o = overlayRect(r);
            if (!(o.left < x && x < o.right && o.top < y && y < o.bottom))
                continue;
            found = true;
            keyboardButCustom *key = buttonAt(row, col);
            if (key && key != m_hoveredKey) {
                if (m_hoveredKey)
                    m_hoveredKey->setHovered(false);
                key->setHovered(true);
                m_hoveredKey = key;
            }
            break;
        }
    }
    if (!found && m_hoveredKey) {
        m_hoveredKey->setHovered(false);
        m_hoveredKey = nullptr;
        if (tab == 4 && m_keyLayer)
            m_keyLayer->clearCurrentKey();
    }
    emit sigDragAreaMoveOneKey(found);
}

void hidDeviceJoinFrame::setDragPressed(bool pressed)
{
    m_dragPressed = pressed;
    if (!pressed || !m_hoveredKey)
        return;
    keyboardButCustom *key = m_hoveredKey;
    int status = 1;
    if (m_dragSelectedKeys.contains(key)) {
        key->setDragMarked(false);
        m_dragSelectedKeys.removeAll(key);
        status = -1;
    } else {
        key->setDragMarked(true);
        m_dragSelectedKeys.append(key);
    }
    emit sigTheDragAreaHaveChanged(1, status, key->indexX(), key->indexY());
}
