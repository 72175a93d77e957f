#pragma once

#include <QMap>
#include <QString>
#include <QWidget>
#include <memory>

class FlowLayout;

namespace Ui {
class DAllKeysShowPage;
}

// Every key of the picker catalogue as a clickable tile, in three groups: the modifiers, the
// letters and digits, and everything else. Complete when the constructor returns.
class DAllKeysShowPage : public QWidget
{
    Q_OBJECT

public:
    explicit DAllKeysShowPage(QWidget *parent = nullptr);
    ~DAllKeysShowPage() override;

    // Builds the tiles from the picker catalogue.
    void loadKeyboardInfo();
    // Builds the tiles from one catalogue file in place of the current ones. False when the file
    // cannot be read (no tiles, no signal); text that is not a catalogue leaves the panel empty
    // but still reports the load as done.
    bool loadKeyboardFile(const QString &path);

    // HID usage to label of every tile.
    QMap<int, QString> keyNameMap() const { return m_keyNameMap; }
    QMap<int, QString> getKeyNameMap() const { return keyNameMap(); }

public slots:
    void onKeyButtonClicked();

signals:
    void sigKeyListClicked(int keyDec, QString keyCharacter);
    void sigAllKeysInfoAlreadyLoadedA();

private:
    void removeTiles();
    FlowLayout *groupLayout(int row) const;

    std::unique_ptr<Ui::DAllKeysShowPage> ui;
    FlowLayout *m_keyCombinationLayout = nullptr;
    FlowLayout *m_normalKeysLayout = nullptr;
    FlowLayout *m_specialKeysLayout = nullptr;
    QMap<int, QString> m_keyNameMap;
};
