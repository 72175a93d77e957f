#include "xmlstore.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QtGlobal>

#include <cstring>
#include <sys/stat.h>

namespace {

struct ByteArrayWriter : pugi::xml_writer
{
    QByteArray out;
    void write(const void *data, size_t size) override
    {
        out.append(static_cast<const char *>(data), static_cast<int>(size));
    }
};

QByteArray serialize(const pugi::xml_document &doc)
{
    ByteArrayWriter writer;
    writer.out.reserve(64 * 1024);
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

bool XmlStore::stampOf(const QByteArray &path, FileStamp *stamp)
{
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
    const QString name = decodePath(path);
    auto unusable = [&](const char *problem) {
        qWarning("XML store: %s is unusable (%s)", path, problem);
        Entry &entry = m_cache[key];
        entry.stamp = stamp;
        entry.problem = problem;
        return m_cache.find(key);
    };
    if (stamp.size > kMaxStoreBytes)
        return unusable("larger than any store file");
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("XML store: cannot read %s: %s", path, qPrintable(file.errorString()));
        return m_cache.end();
    }
    // read() allocates its limit up front: limit it to the size just seen, not to the cap.
    const QByteArray data = file.read(static_cast<qint64>(stamp.size) + 1);
    file.close();
    // The stamp taken before reading would miss a writer racing us; take the one of what we read.
    if (!stampOf(QByteArray(path), &stamp) || data.size() != stamp.size)
        return m_cache.end();

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
    if (!writeAtomically(decodePath(path), serialize(*it->second.doc)) ||
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
    if (QFile::exists(name)) {
        if (document(path, ForWrite))
            return true;
        // document() moved a malformed or foreign file aside; anything still there is no file.
        if (QFile::exists(name))
            return false;
    }
    auto doc = std::make_unique<pugi::xml_document>();
    pugi::xml_node root = doc->append_child(kRoot);
    root.append_attribute("version").set_value(kVersion);
    if (!writeAtomically(name, serialize(*doc)))
        return false;
    Entry entry;
    entry.doc = std::move(doc);
    if (stampOf(QByteArray(path), &entry.stamp))
        m_cache[std::string(path)] = std::move(entry);
    return true;
}

std::unique_ptr<pugi::xml_document> XmlStore::loadUntrusted(const char *path, qint64 maxBytes)
{
    const QString name = decodePath(path);
    if (name.isEmpty())
        return nullptr;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxBytes)
        return nullptr;
    const QByteArray data = file.read(file.size() + 1);
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

bool XmlStore::writeAtomically(const QString &path, const QByteArray &data)
{
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
    for (int n = 1; QFile::exists(backup); ++n)
        backup = path + QStringLiteral(".broken-") + stamp + QLatin1Char('-') + QString::number(n);
    if (QFile::rename(path, backup)) {
        qWarning("XML store: %s (%s) moved aside to %s", qPrintable(path), why, qPrintable(backup));
        m_movedAside.append(qMakePair(path, backup));
    } else {
        qWarning("XML store: %s (%s) could not be moved aside", qPrintable(path), why);
    }
}

QList<QPair<QString, QString>> XmlStore::takeMovedAside()
{
    auto guard = lock();
    QList<QPair<QString, QString>> out;
    out.swap(m_movedAside);
    return out;
}

void XmlStore::clearCache()
{
    auto guard = lock();
    m_cache.clear();
}
