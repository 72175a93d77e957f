#pragma once

#include "seniorkeyinfostu.h"

#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DSeniorKeyEventListItem;
}

// One advanced key in the advanced-keys list: its name and the keys bound to it, with a delete
// button. The row only reports; the dialog stores and selects.
class DSeniorKeyEventListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeyEventListItem(QWidget *parent = nullptr);
    ~DSeniorKeyEventListItem() override;

    void setKeyNameMap(QMap<int, QString> map) { m_keyNameMap = std::move(map); }
    void setSeniorKeyInfoStu(SeniorKeyInfoStu record);
    SeniorKeyInfoStu seniorKeyInfoStu() const { return m_record; }
    void setSelectedStyle(bool selected);

signals:
    void sigSeniorKeyEventItemClick(int bindingIndex);
    void sigDeleteSeniorKeyEventItem(int keyType, int bindingIndex);

private slots:
    void on_pushButton_DeleteEvent_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Ui::DSeniorKeyEventListItem> ui;
    SeniorKeyInfoStu m_record{};
    QMap<int, QString> m_keyNameMap;
};
