#pragma once

#include <QEvent>
#include <QHash>
#include <QObject>

// Counts the paint events of the widgets it is installed on as an event filter.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_counts[watched];
        return false;
    }
    int of(const QObject *o) const { return m_counts.value(const_cast<QObject *>(o)); }
    void clear() { m_counts.clear(); }

private:
    QHash<QObject *, int> m_counts;
};
