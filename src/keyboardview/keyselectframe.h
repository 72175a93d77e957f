#pragma once

#include "hiddeviceinfostu.h"
#include "keyboardbutcustom.h"
#include "keylayout.h"
#include "keyposinfostu.h"

#include <QList>
#include <QMap>
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class sideLightButtonCustom;
class KeyTipPopup;
class keyLightLayer;

namespace Ui {
class keySelectFrame;
}

// 6 x 22 key buttons in layout order; every slot holds a button after a successful load.
using KeyButtonMatrix = std::array<std::array<keyboardButCustom *, kKeyColumns>, kKeyRows>;

// The top layer of the keyboard view: builds the key caps and side-light segments of a model from
// its layout file, publishes them through the data manager, and handles key clicks and tips.
// It paints the side-light segments, and the key caps while the keys show their lights, itself
// (see LightCanvas); while every key and segment shows its light, the light layer above shows them
// (see keyLightLayer).
class keySelectFrame : public QWidget, public LightCanvas
{
    Q_OBJECT

public:
    explicit keySelectFrame(QWidget *parent = nullptr);
    ~keySelectFrame() override;

    // Loads the layout of the record's model.
    bool loadKeyboard(HidDeviceInfoStu info);
    // Loads "KeyInfo_<model>.config" from the resources. False when the model has no layout or
    // the file is not JSON; the layer then stays as it was and nothing is published.
    bool loadKeyboardInfo(const QString &model);
    // Builds the layer from layout text; what loadKeyboardInfo does after reading the file.
    bool loadKeyboardText(const QByteArray &text);
    QString modelName() const { return m_model; }

    QMap<int, keyboardButCustom *> keyButtonMap() const { return m_keyMap; }
    QList<keyboardButCustom *> keyButtons() const { return m_keyButtons; }
    QList<KeyPosInfoStu> keyRecords() const { return m_keyRecords; }
    QMap<int, sideLightButtonCustom *> sideLightButtonMap() const { return m_sideLightMap; }
    QList<KeyPosInfoStu> sideLightRecords() const { return m_sideLightRecords; }
    QList<sideLightButtonCustom *> sideLightButtons() const { return m_sideLightButtons; }
    const KeyButtonMatrix &keyButtonMatrix() const { return m_matrix; }
    bool hasSideLight() const { return m_hasSideLight; }
    bool hasSpecialEnter() const { return m_specialEnter; }
    int enterShape() const { return m_enterShape; }
    int deviceType() const { return m_deviceType; }
    keyboardButCustom *currentKey() const { return m_currentKey; }
    KeyTipPopup *keyTip() const { return m_tip.get(); }

    // Unselects the selected key, so that a click on it selects it again.
    void forgetCurrentKey();
    void setKeysViewMode(bool lightView, bool hoverHighlight);
    void setKeysHoverHighlight(bool on);
    void setKeysLightView(bool on);
    void setKeysCustomLightMode(bool on);
    void showSideLights(bool show);
    void clearCurrentKey();

    // The caption a key reports: quotes removed, the apostrophe key as apostrophe-blank-quote.
    static QString keyCaption(const keyboardButCustom *key);

    void areaChanged(const QRect &area) override;
    void beginFrame() override;
    void endFrame() override;
    // The layer above that shows the lights in the light look (see keyLightLayer).
    void setLightLayer(keyLightLayer *layer);
    // Paints the side-light segments and key caps painted on this canvas that lie in `exposed`
    // (this layer's coordinates), over what the painter holds.
    void paintLights(QPainter &p, const QRect &exposed);

signals:
    void sigKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();
    void onQueryDynamicDisplaySensitivityNum_BackInfo(int type, int pressNum, int releaseNum);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void unpublish();
    void repaintChangedArea();
    // Shows the light layer while every key and segment is painted on this canvas, hides it
    // otherwise; returns the widget that shows the lights.
    QWidget *showLightsOn();
    void discardButtons();

    std::unique_ptr<Ui::keySelectFrame> ui;
    std::unique_ptr<KeyTipPopup> m_tip;
    QPointer<keyboardButCustom> m_tipKey; // the key whose tip is showing
    keyboardButCustom *m_currentKey = nullptr;

    bool m_hasSideLight = false;
    bool m_specialEnter = false;
    int m_enterShape = 0;
    int m_deviceType = 1;
    int m_sideLightOffsetX = 10;
    int m_sideLightOffsetY = 10;
    QString m_model;
    QList<sideLightButtonCustom *> m_sideLightButtons;
    QList<KeyPosInfoStu> m_sideLightRecords;
    QMap<int, sideLightButtonCustom *> m_sideLightMap;
    QMap<int, keyboardButCustom *> m_keyMap;
    QList<keyboardButCustom *> m_keyButtons;
    KeyButtonMatrix m_matrix{};
    QList<KeyPosInfoStu> m_keyRecords;
    // What changed since the last repaint request: the changes of one light frame become one
    // repaint of the rectangle around them.
    QRect m_changedArea;
    bool m_repaintPending = false;
    bool m_inFrame = false;
    QPointer<keyLightLayer> m_lightLayer;
};
