#pragma once

#include "seniorkeyinfostu.h"
#include "seniorkeystore.h"

#include <QWidget>

#include <memory>

namespace Ui {
class DStrokeConfigView;
}
class CbNotice;

// The pop-up that sets the depth of a dynamic-keystroke key's first and fourth travel point. It
// stores the record itself each time the slider is released.
class DStrokeConfigView : public QWidget
{
    Q_OBJECT

public:
    explicit DStrokeConfigView(QWidget *parent = nullptr);
    ~DStrokeConfigView() override;

    void setSeniorKeyInfoStu(SeniorKeyInfoStu record);
    SeniorKeyInfoStu getSeniorKeyInfoStu() const { return m_record; }

    // The depth as the value label shows it: 15 gives "1.5mm".
    static QString valueText(int value);

signals:
    void sigTheDKSStrokeStuChanged();
    void sigTheStrokeConfigViewClose();

public slots:
    void onSliderStrokeViewValue(int Value);
    void onSliderStrokeViewReleased();
    void onSliderStrokeViewPressed();
    void on_pushButton_Close_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void applyTheme();

    std::unique_ptr<Ui::DStrokeConfigView> ui;
    SeniorKeyInfoStu m_record{};
    CbNotice *m_notice = nullptr;
};
