#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <pugixml.hpp>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>

class QIODevice;

// The parsed-document cache behind the CQuelmoXML_* calls. Every store file has the root element
// <tidelumen version="1">; a document is parsed once and re-read only when the file on disk
// changes (device, inode, size or modification time differ). Every write replaces the file
// atomically. A file that does not parse, or is not one of ours, fails every call and is reported;
// when a call would write to it, it is first renamed aside as a backup, never overwritten. Reads
// leave it where it is, so that looking into a file chosen for import never moves it.
class XmlStore
{
public:
    static constexpr const char *kRoot = "tidelumen";
    static constexpr const char *kVersion = "1";
    // Largest store file we parse; anything bigger is not ours.
    static constexpr qint64 kMaxStoreBytes = 32 * 1024 * 1024;
    // Largest file accepted from elsewhere (profile import).
    static constexpr qint64 kMaxImportBytes = 8 * 1024 * 1024;

    // Writes `data` to the open device; returns the number of bytes written or -1.
    using Writer = std::function<qint64(QIODevice &device, const QByteArray &data)>;

    static XmlStore &instance();

    // Held by every public call: the store is used from the GUI thread, the lock only guards
    // against a stray call from elsewhere.
    std::unique_lock<std::recursive_mutex> lock() { return std::unique_lock<std::recursive_mutex>(m_mutex); }

    enum Use
    {
        ForRead,
        ForWrite
    };

    // The document of the store file at `path` (local 8-bit), or null when the file is missing,
    // unreadable, malformed or foreign. For a write, a malformed or foreign file is moved aside.
    pugi::xml_document *document(const char *path, Use use = ForRead);

    // Writes the cached document of `path` atomically. On failure the file keeps its previous
    // content and the cached copy is dropped, so the next call sees what is on disk. Inside a
    // batch the write is put off until the batch ends.
    bool save(const char *path);

    // A batch groups the changes of one user action: every file it changes is written once, when
    // the outermost batch ends. Until then the changed documents are the store's view of those
    // files. endBatch(false), at any depth, drops every change of the batch.
    void beginBatch();
    bool endBatch(bool keep);

    // Writes a new empty store file. An existing store file of ours is kept as it is; an existing
    // file that is not one is moved aside first.
    bool createEmpty(const char *path);

    // Parses a file from elsewhere without caching and without touching it: size cap, no
    // document type declaration, our root. Null on any failure.
    static std::unique_ptr<pugi::xml_document> loadUntrusted(const char *path, qint64 maxBytes);
    static std::unique_ptr<pugi::xml_document> parseUntrusted(const QByteArray &data, qint64 maxBytes);

    // Reads a regular file of at most `maxBytes` without blocking on a FIFO or device. False, with
    // the reason, for anything else.
    static bool readRegularFile(const char *path, qint64 maxBytes, QByteArray *data,
                                QString *error = nullptr);

    // Files moved aside since the last call, as "original -> backup" pairs; with a folder, only
    // those of files in it (the others stay for their own reader).
    QList<QPair<QString, QString>> takeMovedAside(const QString &folder = QString());

    void clearCache();
    void setWriterForTesting(Writer writer) { m_writer = std::move(writer); }

    // Serves every path from memory instead of the file system (fuzzing: no file I/O per input).
    // Turning it off forgets the files and the cache.
    void setMemoryFilesForTesting(bool on);
    void putMemoryFile(const char *path, const QByteArray &data);
    QByteArray memoryFile(const char *path) const;

    static QString decodePath(const char *path);
    static constexpr unsigned kParseFlags = pugi::parse_escapes | pugi::parse_ws_pcdata_single;

private:
    struct FileStamp
    {
        dev_t dev = 0;
        ino_t ino = 0;
        off_t size = 0;
        long long mtimeNs = 0;
        bool operator==(const FileStamp &o) const
        {
            return dev == o.dev && ino == o.ino && size == o.size && mtimeNs == o.mtimeNs;
        }
    };
    struct Entry
    {
        std::unique_ptr<pugi::xml_document> doc; // null: the file at this stamp is unusable
        FileStamp stamp;
        std::string problem;
    };

    bool stampOf(const QByteArray &path, FileStamp *stamp) const;
    bool readFile(const std::string &path, qint64 maxBytes, QByteArray *data, FileStamp *stamp,
                  QString *error) const;
    std::map<std::string, Entry>::iterator load(const std::string &key, FileStamp stamp);
    static bool isOurs(const pugi::xml_document &doc);
    bool writeAtomically(const QString &path, const QByteArray &data);
    void moveAside(const QString &path, const char *why);
    bool exists(const QString &path) const;
    bool rename(const QString &from, const QString &to);

    std::recursive_mutex m_mutex;
    std::map<std::string, Entry> m_cache;
    QList<QPair<QString, QString>> m_movedAside;
    Writer m_writer;
    int m_batchDepth = 0;
    bool m_batchFailed = false;
    std::map<std::string, bool> m_pending; // path -> written when the batch ends
    bool m_memoryFiles = false;
    std::map<std::string, std::pair<QByteArray, ino_t>> m_memory;
    ino_t m_nextMemoryInode = 1;
};
