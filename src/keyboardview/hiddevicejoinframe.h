#pragma once

#include "hidstructinfoall.h"
#include "keyposinfostu.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class keySelectFrame;
class keyLightLayer;
class keyColorRgbFrameItem;
class keyboardImageFrameItem;
class keyboardButCustom;

namespace Ui {
class hidDeviceJoinFrame;
}

// The keyboard view of the device page: picture, colour and key layers stacked in one container,
// sized per model and scaled by the page's zoom. Also holds the drag selection of keys.
class hidDeviceJoinFrame : public QWidget
{
    Q_OBJECT

public:
    explicit hidDeviceJoinFrame(QWidget *parent = nullptr);
    ~hidDeviceJoinFrame() override;

    // Builds the layers for the record's keyboard.
    void buildKeyboardView(const hidStructInfoAll &record);
    void buildKeyboardView(const QString &modelKey);
    void setScale(float scale, bool unused = false);
    float scale() const { return m_scale; }
    void setLightView(bool on);

    // How the page uses the view: which of the view and its selection overlay lies on top, and
    // whether the keys show their lights.
    enum class ViewMode
    {
        Selection, // overlay on top, key lights shown: light and trigger settings
        Keys,      // keys on top, key lights hidden: the other tabs
        LitKeys,   // keys on top, key lights shown: calibrating single keys
    };
    // The drag-selection overlay stacked over the view.
    void setSelectionOverlay(QWidget *overlay) { m_overlay = overlay; }
    void showMode(ViewMode mode);
    void leaveLightView();
    void setPictureVariant(int variant);

    QList<keyboardButCustom *> dragSelectedKeys() const { return m_dragSelectedKeys; }
    void selectKeysInRect(int x1, int y1, int x2, int y2);
    void trackHoverKey(int x, int y, int tab);
    void setDragPressed(bool pressed);
    keyboardButCustom *hoveredKey() const { return m_hoveredKey; }

    keySelectFrame *keyLayer() const;
    keyboardImageFrameItem *pictureLayer() const;
    keyColorRgbFrameItem *colourLayer() const;
    keyLightLayer *lightLayer() const;
    QWidget *keySpace() const;
    int baseWidth() const { return m_baseWidth; }
    int baseHeight() const { return m_baseHeight; }
    QString modelName() const { return m_model; }
    QList<KeyPosInfoStu> rowStarts() const { return m_rowStarts; }

    // Rounds half-way and up from x.4: the key geometry's rounding under zoom.
    static int ScaleRound(float v);

signals:
    void sigDragAreaMoveOneKey(bool isSelectedOneKey);
    void sigTheDragAreaHaveChanged(int operateType, int selectedStatus, int indexX, int indexY);

public slots:
    void onKeyboardAlreadyLoad();

private:
    struct OverlayRect
    {
        int left, top, right, bottom;
    };
    OverlayRect overlayRect(const KeyPosInfoStu &r) const;
    keyboardButCustom *buttonAt(int row, int column) const;

    std::unique_ptr<Ui::hidDeviceJoinFrame> ui;
    QPointer<keySelectFrame> m_keyLayer;
    QPointer<keyColorRgbFrameItem> m_colourLayer;
    QPointer<keyboardImageFrameItem> m_pictureLayer;
    QPointer<keyLightLayer> m_lightLayer;
    QPointer<QWidget> m_container;
    QPointer<QWidget> m_overlay;
    int m_baseWidth = 0;
    int m_baseHeight = 0;
    float m_scale = 1.0f;
    bool m_dragPressed = false;
    QList<keyboardButCustom *> m_dragSelectedKeys;
    keyboardButCustom *m_hoveredKey = nullptr;
    bool m_geometryLoaded = false;
    std::array<std::array<KeyPosInfoStu, kKeyColumns>, kKeyRows> m_geometry{};
    QList<KeyPosInfoStu> m_rowStarts;
    QString m_model;
};
