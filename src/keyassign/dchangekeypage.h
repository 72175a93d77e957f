#pragma once

#include "dkeycapturepage.h"

#include <memory>

namespace Ui {
class DChangeKeyPage;
}

// The Remap Key page: the selected key acts as another key, chosen on the virtual keyboard or
// pressed on the keyboard while the pop-up is open. Each chosen key is written at once.
class DChangeKeyPage : public DKeyCapturePage
{
    Q_OBJECT

public:
    explicit DChangeKeyPage(QWidget *parent = nullptr);
    ~DChangeKeyPage() override;

    void retranslate() override;
    void takeCapturedKey(int hidUsage) override;

    // Makes the key with this HID usage the selected key's new function and writes it; a usage
    // without a label is ignored.
    void setRemapTarget(int keyDec);
    void saveKeyInfo();

public slots:
    void onSoftKeyboardClicked_VirtualKB(int keyDec) override;

protected:
    bool showStoredItem(const KeyOperateInfo &info) override;
    void clearShownItem() override;

private:
    void setTexts();

    std::unique_ptr<Ui::DChangeKeyPage> ui;
    int m_target = -1; // pending only between its choice and the end of its write
};
