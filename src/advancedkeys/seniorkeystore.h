#pragma once

#include "seniorkeyinfostu.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The advanced-key store as the dialog and its editors use it: one object per store path.
class SeniorKeyStore
{
public:
    explicit SeniorKeyStore(QByteArray path) : m_path(std::move(path)) {}

    // The store the data manager names.
    static SeniorKeyStore current();

    QByteArray path() const { return m_path; }

    // Every stored record, in ascending index order. False (and an empty list) when the store
    // cannot be read.
    bool readAll(QList<SeniorKeyInfoStu> *records) const;
    // The stored record with `index`; false when there is none.
    bool read(int index, SeniorKeyInfoStu *record) const;

    // Adds a new record of `type` with the next free index (see seniorkey::nextIndex). `records`
    // are those of the last read; `boundIndexes` the indexes key assignments refer to. False when
    // the store is full or refuses the record; `created` receives the stored record.
    bool create(int type, const QList<SeniorKeyInfoStu> &records, const QSet<int> &boundIndexes,
                SeniorKeyInfoStu *created);

    // Rewrites the whole record. When the store refuses, `record` is set back to what the store
    // holds, so that whatever shows it never shows a change that was not stored.
    bool modify(SeniorKeyInfoStu *record);

    bool remove(int type, int index);

    // The advanced-key indexes that key items (type 40) of every profile in `profileFiles` refer to.
    static QSet<int> boundIndexes(const QStringList &profileFiles);
    // The key-layer profile files of every keyboard under the configuration folder.
    static QStringList keyProfileFiles(const QString &configRoot);

private:
    QByteArray m_path;
};
