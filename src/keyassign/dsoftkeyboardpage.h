#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>
#include <memory>

class SoftKeyboardButCustom;

namespace Ui {
class DSoftKeyboardPage;
}

// The on-screen keyboard: one button per key of a catalogue, at the catalogue's pixel positions.
// Loading a layout also publishes the key-name map and the VK-to-HID map through DDataManager.
// In mode 1 with the combination flag set, clicked keys stay held, at most two of them modifiers.
class DSoftKeyboardPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 245;

    explicit DSoftKeyboardPage(QWidget *parent = nullptr);
    ~DSoftKeyboardPage() override;

    // Builds the keyboard of the layout that belongs to the model.
    void loadKeyboardInfo(const QString &modelName);
    // Builds the keyboard from one catalogue file (a resource path or a file) for a layout code.
    // False, with the buttons gone and the published maps untouched, when the file cannot be read
    // or is not a catalogue.
    bool loadKeyboardFile(const QString &path, int layoutCode);

    void setMode(int mode) { m_mode = mode; }
    int mode() const { return m_mode; }
    void setCombinationActive(bool on) { m_combinationActive = on; }
    bool isCombinationActive() const { return m_combinationActive; }
    int layoutCode() const { return m_layoutCode; }

    // Releases every held key.
    void clearSelection();
    // Takes the hover look off a key that is not held (combination mode only).
    void releaseKey(int keyDec);
    void applyTheme();

public slots:
    void onKeyButtonClicked();

signals:
    void sigSoftKeyboardClicked(int keyDec, QString keyCharacter);
    void sigSoftKeyboardAlreadyLoad();

private:
    void removeButtons();

    std::unique_ptr<Ui::DSoftKeyboardPage> ui;
    int m_mode = -1;
    bool m_combinationActive = false;
    int m_layoutCode = 31;
    QMap<int, SoftKeyboardButCustom *> m_buttons;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_vkToHidMap;
    QList<SoftKeyboardButCustom *> m_heldKeys;
    int m_modifierCount = 0;
    QString m_selectedColour = QStringLiteral("255,49,53");
    QString m_textColour = QStringLiteral("30,30,30");
    QString m_keyColour = QStringLiteral("75,75,75");
};
