#pragma once

#include <QWidget>

class QLabel;

// What a key of the keyboard view is assigned to: key name, function and detail.
class DCustomEventTipExplain : public QWidget
{
    Q_OBJECT

public:
    // Widest detail shown whole; a detail this wide or wider is elided.
    static constexpr int kDetailElideWidth = 215;

    explicit DCustomEventTipExplain(QWidget *parent = nullptr);

    // `remappable` is false for a key that cannot be remapped; its title is shown in orange.
    void setEventInfo(const QString &title, const QString &subtitle, const QString &detail, bool remappable);

    bool isDetailElided() const { return m_detailElided; }

private:
    QLabel *m_titleLabel = nullptr;
    QLabel *m_subtitleLabel = nullptr;
    QLabel *m_detailLabel = nullptr;
    bool m_detailElided = false;
};
