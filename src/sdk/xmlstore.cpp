#include "xmlstore.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct ByteArrayWriter : pugi::xml_writer
{
    QByteArray out;
    void write(const void *data, size_t size) override
    {
        out.append(static_cast<const char *>(data), static_cast<int>(size));
    }
};

// `sizeHint` is the size the file had when last read or written: a document grows a little per
// edit, so room for that plus some spares the copies of growing the buffer piecewise.
QByteArray serialize(const pugi::xml_document &doc, qint64 sizeHint = 0)
{
    ByteArrayWriter writer;
    writer.out.reserve(int(qBound<qint64>(64 * 1024, sizeHint + sizeHint / 8, 64 * 1024 * 1024)));
    writer.out.append("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    doc.save(writer, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.out;
}

} // namespace

XmlStore &XmlStore::instance()
{
    static XmlStore store;
    return store;
}

QString XmlStore::decodePath(const char *path)
{
    return (path && *path) ? QFile::decodeName(path) : QString();
}

bool XmlStore::stampOf(const QByteArray &path, FileStamp *stamp) const
{
    if (m_memoryFiles) {
        const auto it = m_memory.find(path.toStdString());
        if (it == m_memory.end())
            return false;
        *stamp = FileStamp{};
        stamp->ino = it->second.second;
        stamp->size = it->second.first.size();
        return true;
    }
    struct stat st;
    if (::stat(path.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    stamp->dev = st.st_dev;
    stamp->ino = st.st_ino;
    stamp->size = st.st_size;
    stamp->mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

bool XmlStore::isOurs(const pugi::xml_document &doc)
{
    const pugi::xml_node root = doc.document_element();
    return root && std::strcmp(root.name(), kRoot) == 0 &&
           std::strcmp(root.attribute("version").value(), kVersion) == 0;
}

pugi::xml_document *XmlStore::document(const char *path, Use use)
{
    if (!path || !*path)
        return nullptr;
    const std::string key(path);
    // A file changed in the running batch is what the batch made of it, whatever is on disk.
    if (m_pending.count(key)) {
        auto it = m_cache.find(key);
        if (it != m_cache.end() && it->second.doc)
            return it->second.doc.get();
    }
    const QByteArray raw(path);
    FileStamp stamp;
    if (!stampOf(raw, &stamp)) {
        m_cache.erase(key);
        return nullptr;
    }
    auto it = m_cache.find(key);
    if (it == m_cache.end() || !(it->second.stamp == stamp)) {
        m_cache.erase(key);
        it = load(key, stamp);
        if (it == m_cache.end())
            return nullptr;
    }
    if (it->second.doc)
        return it->second.doc.get();
    if (use == ForWrite) {
        const std::string problem = it->second.problem;
        m_cache.erase(it);
        moveAside(decodePath(path), problem.c_str());
    }
    return nullptr;
}

std::map<std::string, XmlStore::Entry>::iterator XmlStore::load(const std::string &key, FileStamp stamp)
{
    const char *path = key.c_str();
    auto unusable = [&](const char *problem) {
        qWarning("XML store: %s is unusable (%s)", path, problem);
        Entry &entry = m_cache[key];
        entry.stamp = stamp;
        entry.problem = problem;
        return m_cache.find(key);
    };
    if (stamp.size > kMaxStoreBytes)
        return unusable("larger than any store file");
    QByteArray data;
    QString error;
    // The stamp taken before reading would miss a writer racing us; take the one of what we read.
    if (!readFile(key, kMaxStoreBytes, &data, &stamp, &error)) {
        qWarning("XML store: cannot read %s: %s", path, qPrintable(error));
        return m_cache.end();
    }
    auto doc = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result parsed = doc->load_buffer(data.constData(), static_cast<size_t>(data.size()),
                                                           kParseFlags, pugi::encoding_utf8);
    if (!parsed)
        return unusable(parsed.description());
    if (!isOurs(*doc))
        return unusable("not a store file of this program");
    Entry &entry = m_cache[key];
    entry.doc = std::move(doc);
    entry.stamp = stamp;
    return m_cache.find(key);
}

bool XmlStore::save(const char *path)
{
    if (!path || !*path)
        return false;
    const std::string key(path);
    auto it = m_cache.find(key);
    if (it == m_cache.end() || !it->second.doc)
        return false;
    if (m_batchDepth > 0) {
        m_pending[key] = true;
        return true;
    }
    if (!writeAtomically(decodePath(path), serialize(*it->second.doc, it->second.stamp.size)) ||
        !stampOf(QByteArray(path), &it->second.stamp)) {
        m_cache.erase(key);
        return false;
    }
    return true;
}

bool XmlStore::createEmpty(const char *path)
{
    if (!path || !*path)
        return false;
    const QString name = decodePath(path);
    const std::string key(path);
    if (m_pending.count(key) && document(path, ForWrite))
        return true;
    if (exists(name)) {
        if (document(path, ForWrite))
            return true;
        // document() moved a malformed or foreign file aside; anything still there is no file.
        if (exists(name))
            return false;
    }
    auto doc = std::make_unique<pugi::xml_document>();
    pugi::xml_node root = doc->append_child(kRoot);
    root.append_attribute("version").set_value(kVersion);
    if (m_batchDepth > 0) {
        // Written with the rest of the batch: a new file appears whole or not at all.
        Entry &entry = m_cache[key];
        entry.doc = std::move(doc);
        entry.stamp = FileStamp{};
        m_pending[key] = true;
        return true;
    }
    if (!writeAtomically(name, serialize(*doc)))
        return false;
    Entry entry;
    entry.doc = std::move(doc);
    if (stampOf(QByteArray(path), &entry.stamp))
        m_cache[key] = std::move(entry);
    return true;
}

std::unique_ptr<pugi::xml_document> XmlStore::loadUntrusted(const char *path, qint64 maxBytes)
{
    if (!path || !*path)
        return nullptr;
    QByteArray data;
    FileStamp stamp;
    if (!instance().readFile(std::string(path), maxBytes, &data, &stamp, nullptr))
        return nullptr;
    return parseUntrusted(data, maxBytes);
}

std::unique_ptr<pugi::xml_document> XmlStore::parseUntrusted(const QByteArray &data, qint64 maxBytes)
{
    if (data.size() > maxBytes)
        return nullptr;
    // pugixml never resolves entities beyond the predefined ones; a document type declaration has
    // no place in our files, so refuse it outright rather than rely on that.
    if (data.contains("<!DOCTYPE") || data.contains("<!ENTITY"))
        return nullptr;
    auto doc = std::make_unique<pugi::xml_document>();
    if (!doc->load_buffer(data.constData(), static_cast<size_t>(data.size()), kParseFlags,
                          pugi::encoding_utf8))
        return nullptr;
    if (!isOurs(*doc))
        return nullptr;
    return doc;
}

bool XmlStore::readRegularFile(const char *path, qint64 maxBytes, QByteArray *data, QString *error)
{
    if (!path || !*path || !data)
        return false;
    FileStamp stamp;
    return instance().readFile(std::string(path), maxBytes, data, &stamp, error);
}

bool XmlStore::readFile(const std::string &path, qint64 maxBytes, QByteArray *data, FileStamp *stamp,
                        QString *error) const
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (m_memoryFiles) {
        const auto it = m_memory.find(path);
        if (it == m_memory.end())
            return fail(QStringLiteral("no such file"));
        if (it->second.first.size() > maxBytes)
            return fail(QStringLiteral("too large"));
        *data = it->second.first;
        return stampOf(QByteArray::fromStdString(path), stamp);
    }
    // O_NONBLOCK: opening a FIFO must not wait for a writer; only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(QStringLiteral("not a regular file"));
    }
    if (st.st_size > maxBytes) {
        ::close(fd);
        return fail(QStringLiteral("too large"));
    }
    QByteArray out;
    out.resize(static_cast<int>(st.st_size));
    qint64 done = 0;
    while (done < st.st_size) {
        const ssize_t n = ::read(fd, out.data() + done, static_cast<size_t>(st.st_size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    // A file that changed size while read is not what the stamp describes.
    char extra;
    const bool grew = ::read(fd, &extra, 1) > 0;
    ::close(fd);
    if (done != st.st_size || grew)
        return fail(QStringLiteral("changed while read"));
    *data = out;
    stamp->dev = st.st_dev;
    stamp->ino = st.st_ino;
    stamp->size = st.st_size;
    stamp->mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

bool XmlStore::writeAtomically(const QString &path, const QByteArray &data)
{
    if (m_memoryFiles) {
        m_memory[QFile::encodeName(path).toStdString()] = {data, m_nextMemoryInode++};
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning("XML store: cannot write %s: %s", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    const qint64 written = m_writer ? m_writer(file, data) : file.write(data);
    if (written != data.size()) {
        qWarning("XML store: writing %s failed: %s", qPrintable(path), qPrintable(file.errorString()));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qWarning("XML store: saving %s failed: %s", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

void XmlStore::moveAside(const QString &path, const char *why)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString backup = path + QStringLiteral(".broken-") + stamp;
    for (int n = 1; exists(backup); ++n)
        backup = path + QStringLiteral(".broken-") + stamp + QLatin1Char('-') + QString::number(n);
    if (rename(path, backup)) {
        qWarning("XML store: %s (%s) moved aside to %s", qPrintable(path), why, qPrintable(backup));
        m_movedAside.append(qMakePair(path, backup));
    } else {
        qWarning("XML store: %s (%s) could not be moved aside", qPrintable(path), why);
    }
}

QList<QPair<QString, QString>> XmlStore::takeMovedAside(const QString &folder)
{
    auto guard = lock();
    QList<QPair<QString, QString>> out;
    if (folder.isEmpty()) {
        out.swap(m_movedAside);
        return out;
    }
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (auto it = m_movedAside.begin(); it != m_movedAside.end();) {
        if (it->first.startsWith(prefix)) {
            out.append(*it);
            it = m_movedAside.erase(it);
        } else {
            ++it;
        }
    }
    return out;
}

void XmlStore::clearCache()
{
    auto guard = lock();
    m_cache.clear();
    m_pending.clear();
}

void XmlStore::beginBatch()
{
    m_mutex.lock();
    if (m_batchDepth++ == 0)
        m_batchFailed = false;
}

bool XmlStore::endBatch(bool keep)
{
    if (!keep)
        m_batchFailed = true;
    bool ok = !m_batchFailed;
    if (--m_batchDepth == 0) {
        std::map<std::string, bool> pending;
        pending.swap(m_pending);
        for (const auto &entry : pending) {
            auto it = m_cache.find(entry.first);
            if (m_batchFailed || it == m_cache.end() || !it->second.doc) {
                // Dropped: the next call reads the file as it is on disk.
                m_cache.erase(entry.first);
                continue;
            }
            const QString name = decodePath(entry.first.c_str());
            if (!writeAtomically(name, serialize(*it->second.doc, it->second.stamp.size)) ||
                !stampOf(QByteArray::fromStdString(entry.first), &it->second.stamp)) {
                m_cache.erase(entry.first);
                ok = false;
            }
        }
        m_batchFailed = false;
    }
    m_mutex.unlock();
    return ok;
}

bool XmlStore::exists(const QString &path) const
{
    if (m_memoryFiles)
        return m_memory.count(QFile::encodeName(path).toStdString()) > 0;
    return QFile::exists(path);
}

bool XmlStore::rename(const QString &from, const QString &to)
{
    if (!m_memoryFiles)
        return QFile::rename(from, to);
    auto it = m_memory.find(QFile::encodeName(from).toStdString());
    if (it == m_memory.end())
        return false;
    m_memory[QFile::encodeName(to).toStdString()] = it->second;
    m_memory.erase(QFile::encodeName(from).toStdString());
    return true;
}

void XmlStore::setMemoryFilesForTesting(bool on)
{
    auto guard = lock();
    m_memoryFiles = on;
    m_memory.clear();
    m_cache.clear();
    m_pending.clear();
}

void XmlStore::putMemoryFile(const char *path, const QByteArray &data)
{
    auto guard = lock();
    m_memory[std::string(path)] = {data, m_nextMemoryInode++};
}

QByteArray XmlStore::memoryFile(const char *path) const
{
    const auto it = m_memory.find(std::string(path));
    return it == m_memory.end() ? QByteArray() : it->second.first;
}
