#pragma once

#include "hiddeviceinfostu.h"
#include "hidfirmwareinfostu.h"

#include <QDialog>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QVBoxLayout;

namespace Ui {
class DFirwareInfoShow;
}

// The modal "Firmware Info" dialog: what the keyboard SDK reports about the firmware of every
// device it lists, one row per distinct identity, in identity order. It only reads. It deletes
// itself when closed, so each opening is a new dialog with a new load.
class DFirwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    // The SDK's query of one device's records.
    using Query =
        std::function<bool(const char *path, HidDeviceInfoStu *device, HidFirmwareInfoStu *firmware)>;

    explicit DFirwareInfoShow(QWidget *parent = nullptr);
    ~DFirwareInfoShow() override;

    // Identity (parts 1 to 4, a comma, part 5) and version ("part 1---part 2") of one record.
    static QString identityText(const HidFirmwareInfoStu &firmware);
    static QString versionText(const HidFirmwareInfoStu &firmware);
    // Queries every path; a device that does not answer is left out, and of equal identities the one
    // listed later wins.
    static QMap<QString, QString> loadInformationMap(const QStringList &paths, const Query &query);

    // Replaces the rows by one row per entry, in key order.
    void fillInfoList(QMap<QString, QString> info);
    void clearInfoList();

private slots:
    void onLoadingFirmwareInfo();

private:
    std::unique_ptr<Ui::DFirwareInfoShow> ui;
    QVBoxLayout *m_listLayout = nullptr;
};
