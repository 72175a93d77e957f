#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class DProfileMenuToolWidget;
}

// The profile menu of the device page: five labels (create, delete, export, import, rename). A
// release over a label first asks for the menu to close, then names the chosen operation, so the
// pop-up is gone before the operation opens a dialog or shows a toast.
class DProfileMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DProfileMenuToolWidget(QWidget *parent = nullptr);
    ~DProfileMenuToolWidget() override;

    void applyTheme();
    void retranslate();
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void sigCloseMenuWidow();
    void sigProfileCreate();
    void sigProfileExport();
    void sigProfileImport();
    void sigProfileDelete();
    void sigProfileModifyName();

private:
    std::unique_ptr<Ui::DProfileMenuToolWidget> ui;
};
