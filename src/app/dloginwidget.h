#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class DLoginWidget;
}

// Invisible start widget: its immediate success hands over to the main window.
class DLoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DLoginWidget(QWidget *parent = nullptr);
    ~DLoginWidget() override;

    void autoLogin();
    void fadeOut();

signals:
    void sigLoginFinished(bool ok);

private slots:
    void on_pushButton_Login_clicked();

private:
    std::unique_ptr<Ui::DLoginWidget> ui;
};
