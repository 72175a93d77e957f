#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class macroMenuToolWidget;
}

// The entries of a macro row's operate pop-up: Export, Delete and Modify Name.
class macroMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit macroMenuToolWidget(QWidget *parent = nullptr);
    ~macroMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();
    void sigMacroExport();
    void sigMacroDelete();
    void sigMacroModifyNanme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::macroMenuToolWidget> ui;
};
