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
    // content and the cached copy is dropped, so the next call sees what is on disk.
    bool save(const char *path);

    // Writes a new empty store file. An existing store file of ours is kept as it is; an existing
    // file that is not one is moved aside first.
    bool createEmpty(const char *path);

    // Parses a file from elsewhere without caching and without touching it: size cap, no
    // document type declaration, our root. Null on any failure.
    static std::unique_ptr<pugi::xml_document> loadUntrusted(const char *path, qint64 maxBytes);

    // Files moved aside since the last call, as "original -> backup" pairs.
    QList<QPair<QString, QString>> takeMovedAside();

    void clearCache();
    void setWriterForTesting(Writer writer) { m_writer = std::move(writer); }

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

    static bool stampOf(const QByteArray &path, FileStamp *stamp);
    std::map<std::string, Entry>::iterator load(const std::string &key, FileStamp stamp);
    static bool isOurs(const pugi::xml_document &doc);
    bool writeAtomically(const QString &path, const QByteArray &data);
    void moveAside(const QString &path, const char *why);

    std::recursive_mutex m_mutex;
    std::map<std::string, Entry> m_cache;
    QList<QPair<QString, QString>> m_movedAside;
    Writer m_writer;
};
