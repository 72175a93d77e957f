#pragma once

#include "colorinfodata.h"
#include "lightmodesupport.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class ArrowWidget;
class DCustomLightListItem;
class DToolTipExplain;
class MainHidInterFace;
class QButtonGroup;
class QLineEdit;
class SVColorArea;
class sliderCustomWidget;

namespace Ui {
class DLightsConfigPage;
}

// The lighting tab: the light type of the keys and of the side light, and the chosen type's
// brightness, speed, direction and colours. Every edit is stored in the current profile,
// announced to the device page and sent to the keyboard at once.
class DLightsConfigPage : public QWidget
{
    Q_OBJECT

public:
    explicit DLightsConfigPage(QWidget *parent = nullptr);
    ~DLightsConfigPage() override;

    void retranslate();
    void applyTheme();
    void showKeyboardLightPage();
    void setProfileIndex(int index) { m_profileIndex = index; }
    int profileIndex() const { return m_profileIndex; }
    void setProfileXmlPath(const char *path);
    const char *profileXmlPath() const { return m_profileXmlPath.constData(); }
    void setHidInterface(MainHidInterFace *hid);
    MainHidInterFace *hidInterface() const;
    void setSupportedLightModes(const LightModeSupport &keyboard, const LightModeSupport &side);
    LightModeSupport keyboardModes() const { return m_keyboardModes; }
    LightModeSupport sideModes() const { return m_sideModes; }
    // The selected scheme's index; -1 while no custom-light scheme is selected.
    int currentCustomLightIndex() const;
    void resendCustomLight();
    void updateLightConfigFromHid(int hidType, int ledType);
    void updateCustomLightFromHid(int hidType, int ledType, int usingCustomIndex);

    // The record on show and the target it belongs to (0 keys, 1 side light).
    colorInfoData currentRecord() const { return m_current; }
    int shownTarget() const { return m_keyboardShown ? 0 : 1; }

    void loadLightConfig(int hidType);
    void saveLightConfig(int changeCode);
    void sendKeyboardLightReport(colorInfoData data);
    void sendSideLightReport(colorInfoData data);
    void applyPresetColorStyles();
    void showModeTip(int id);
    void pickPresetColor(const QString &preset);
    // Uploads the key colours of the keyboard view to a keyboard custom slot (0 or 1).
    void sendCustomLightColors(int slot);
    void sendCustomLightPacket(int slot, int packet, const QByteArray &rgb);

signals:
    void sigSomeMessageTip_LightsConfigPage(QString strTip);
    void sigSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData data);
    void sigSelectCurrentLightTypeIndex_Side(int lightIndex, colorInfoData data);
    void sigLightConfigHaveChanged(int lightConfigChangedFrom, colorInfoData data);
    void sigLightConfigHaveChanged_Custom(int lightConfigChangedFrom, colorInfoData data);
    void sigCustomLightItemHaveChanged(int flagIndex, QString strCustomLightIndex,
                                       QString strCustomLightName);

public slots:
    void onCurIndexChanged_KB_LightMode(int indexSel);
    void onCurIndexChanged_Side_LightMode(int indexSel);
    void onBackCurrentPositionNum_Brightness(int currPositionIndex);
    void onBackCurrentPositionNum_Speed(int currPositionIndex);
    void onCurIndexChanged_LedDirection(int selIndex);
    void onCurIndexChanged_LightTopOrBottomColor(int selIndex);
    void on_checkBox_FullColorMode_clicked();
    void on_toolButton_LightSelectTypeChanged_clicked();
    void onGetRGB(int r, int g, int b);
    void onMoveingStatus(int valueRotate, int degRotate);
    void onSVColorAreaMouseIsPress(bool isMousePress);
    void onColorItemSelcSignal(QColor color);
    void on_lineEdit_R_textChanged(const QString &text);
    void on_lineEdit_G_textChanged(const QString &text);
    void on_lineEdit_B_textChanged(const QString &text);
    void onInstallEventFilterOpen();
    void onScrollSheetSet();
    void onCustomLightItemMouseClicked(QString strCustomLightIndex, QString strCustomLightName);
    void onModifyCustomLightItemNameIsEmpty();
    void onModifyCustomLightItemNameSuccess();
    void onModifyCustomLightItemNameFailed();
    void onCustomLightUsingStatus(bool isUsing);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QByteArray indexText() const;
    void setCodeTexts();
    void colourSteppers();
    void loadCustomLightList();
    void selectCustomLightItem(DCustomLightListItem *item);
    // Takes a check mark back that the profile does not hold, and says why.
    void refuseCustomLightSlot(DCustomLightListItem *item, const QString &why);
    void refreshControls();
    void showModeName();
    void applyControlVisibility(int hidType, int type);
    void checkOnly(QButtonGroup *group, int id);
    void setStepCounts(const LightModeSupport &modes);
    void switchShownTarget();
    void writeEdits(const QColor &colour);
    void showPreview(const QColor &colour);
    void styleColourButton(QWidget *button, const QColor &colour);
    // A chosen colour into the edits, preview, checked colour button and edited pair.
    void takeEditedColour(const QColor &colour);
    void rgbEdited(int channel, QLineEdit *edit, const QString &text);
    QString modeName(int hidType, int type) const;

    std::unique_ptr<Ui::DLightsConfigPage> ui;
    QByteArray m_profileXmlPath;
    int m_profileIndex = 1;
    QString m_borderColor = QStringLiteral("52, 52, 86");
    QString m_accentColor = QStringLiteral("255, 143, 31");
    QString m_currentModeName;
    QPointer<MainHidInterFace> m_hid;
    // One tip pop-up for every hover, made on the first.
    std::unique_ptr<ArrowWidget> m_tipPopup;
    DToolTipExplain *m_tipText = nullptr;
    SVColorArea *m_wheel = nullptr;
    QColor m_currentColour{0, 255, 0};
    bool m_wheelPressed = false;
    // What each RGB edit last held that was a valid component.
    int m_lastEditValue[3] = {0, 255, 0};
    QStringList m_presetColors;
    bool m_keyboardShown = true;
    sliderCustomWidget *m_brightness = nullptr;
    sliderCustomWidget *m_speed = nullptr;
    LightModeSupport m_keyboardModes;
    LightModeSupport m_sideModes;
    colorInfoData m_current;
    QColor m_editedFirst{255, 0, 0};
    QColor m_editedSecond{0, 0, 0};
    int m_keyboardLightType = -1;
    int m_sideLightType = -1;
    QList<DCustomLightListItem *> m_customLightItems;
    DCustomLightListItem *m_selectedCustomLightItem = nullptr;
    // The keyboard slot of the scheme regarded as current; -1 before any.
    int m_customSlot = -1;
    // False only while a scheme the keyboard reported is applied.
    bool m_customUserChange = true;
    QString m_scrollSheet;
    QButtonGroup *m_keyboardGroup = nullptr;
    QButtonGroup *m_sideGroup = nullptr;
    QButtonGroup *m_colourGroup = nullptr;
    QButtonGroup *m_directionGroup = nullptr;
};
