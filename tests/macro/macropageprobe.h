#pragma once

// Reading the macro editor's widgets by their object names, as a user sees them.
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QList>
#include <QStackedWidget>
#include <QString>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace macroprobe {

template <typename T> inline T *child(QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Rows in layout order, the spacer left out.
template <typename Row> QList<Row *> rowsOf(QDialog *page, const char *layoutName)
{
    QList<Row *> rows;
    auto *layout = page->findChild<QVBoxLayout *>(QLatin1String(layoutName));
    for (int i = 0; layout && i < layout->count(); ++i)
        if (auto *row = qobject_cast<Row *>(layout->itemAt(i)->widget()))
            rows.append(row);
    return rows;
}

inline QString currentPage(QDialog *page)
{
    return child<QStackedWidget>(page, "stackedWidget_2")->currentWidget()->objectName();
}

inline QString totalTime(QDialog *page)
{
    return child<QLabel>(page, "label_TotalTime")->text();
}

} // namespace macroprobe

using namespace macroprobe;
