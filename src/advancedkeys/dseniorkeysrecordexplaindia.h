#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class DSeniorKeysRecordExplainDia;
}

// The help text behind the advanced-keys dialog's question marks: kind 1 explains Single Key and
// Key Combination, kind 2 the three kinds of advanced key.
class DSeniorKeysRecordExplainDia : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeysRecordExplainDia(int kind, QWidget *parent = nullptr);
    ~DSeniorKeysRecordExplainDia() override;

    // The text shown for `kind`.
    static QString explanation(int kind);

private:
    std::unique_ptr<Ui::DSeniorKeysRecordExplainDia> ui;
};
