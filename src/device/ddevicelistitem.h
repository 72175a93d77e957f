#pragma once

#include "hidstructinfoall.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DDeviceListItem;
}

// One keyboard in the device list: its picture, product name, and device name with the link kind.
// Pressing it hands its record to the device page; an offline card hides itself.
class DDeviceListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DDeviceListItem(QWidget *parent = nullptr);
    ~DDeviceListItem() override;

    void setDeviceInfo(hidStructInfoAll record);
    void setSelected(bool selected);
    void setOnlineState(int online);
    void applyTheme();
    hidStructInfoAll deviceRecord() const { return m_record; }
    int isOnline() const { return m_online; }
    bool isSelected() const { return m_selected; }

    // The box the card's picture is scaled into: the card less 4 pixels, or the model's own box.
    static QSize pictureBox(const QString &modelKey);
    // Decodes the model's card picture on a worker thread, ready for the card that shows it.
    static void prefetchPicture(const QString &modelKey);

signals:
    void sigHidItemMouseClicked(hidStructInfoAll record);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    static QString picturePath(const QString &modelKey);
    void applyBorder();

    std::unique_ptr<Ui::DDeviceListItem> ui;
    QWidget *m_dim = nullptr;
    int m_online = 0;
    hidStructInfoAll m_record{};
    QString m_borderColor;
    bool m_selected = false;
};
