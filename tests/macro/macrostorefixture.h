#pragma once

#include "cquelmoxml.h"
#include "fixedtext.h"
#include "testenv.h"

#include <QDir>
#include <QList>
#include <QString>

#include <string>

// A macro store file in the scratch home, filled through the store's own calls.
class MacroStoreFile
{
public:
    explicit MacroStoreFile(const QString &name)
    {
        const QString dir = testenv::home() + QStringLiteral("/macro-stores");
        QDir().mkpath(dir);
        m_path = (dir + QLatin1Char('/') + name).toLocal8Bit().toStdString();
        QFile::remove(QString::fromLocal8Bit(m_path.c_str()));
        CQuelmoXML_CreateXMLFile(m_path.c_str());
    }
    const char *path() const { return m_path.c_str(); }

    bool addMacro(const char *index, const char *name)
    {
        return CQuelmoXML_CreateMacroXmlParentNode(path(), index, name);
    }
    // One press: its "down" and its "up", the "up" after `holdMs`.
    static QList<MacroEventRecord> press(int mark, const char *type, int code, const char *name, int delay,
                                         int holdMs)
    {
        return {event(mark, delay, type, code, name, "down"), event(mark, holdMs, type, code, name, "up")};
    }
    static MacroEventRecord event(int mark, int delay, const char *type, int code, const char *name,
                                  const char *operate)
    {
        MacroEventRecord r{};
        fixedtext::copy(r.mark, std::to_string(mark).c_str());
        fixedtext::copy(r.delay, std::to_string(delay).c_str());
        fixedtext::copy(r.type, type);
        fixedtext::copy(r.keyCode, std::to_string(code).c_str());
        fixedtext::copy(r.codeName, name);
        fixedtext::copy(r.operateExplain, operate);
        return r;
    }
    bool addEvents(const char *index, const QList<MacroEventRecord> &events)
    {
        return CQuelmoXML_AddKeyOrMouseEventItem(path(), events, index);
    }

private:
    std::string m_path;
};
