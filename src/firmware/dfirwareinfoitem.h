#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class DFirwareInfoItem;
}

// One row of the firmware-information dialog: a device's identity above its version.
class DFirwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit DFirwareInfoItem(QWidget *parent = nullptr);
    ~DFirwareInfoItem() override;

    // Shows the identity after its first "-" (whole when it has none) and the version as it is.
    void setInfo(QString identity, QString version);

private:
    std::unique_ptr<Ui::DFirwareInfoItem> ui;
};
