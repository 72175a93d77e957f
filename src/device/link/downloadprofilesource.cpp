#include "downloadprofilesource.h"

#include "cquelmoxml.h"
#include "xmlstore.h"

#include <QFile>
#include <QFileInfo>

namespace {

class SdkProfileSource : public DownloadProfileSource
{
public:
    int profileIndex(const QByteArray &path) override
    {
        return CQuelmoXML_GetCreateXMLFileProfileIndex(path.constData());
    }
    bool keyItem(const QByteArray &path, const QByteArray &index, const QByteArray &keyCode,
                 KeyOperateInfo *info) override
    {
        return CQuelmoXML_SelectProFileKeyOperateInfo(path.constData(), index.constData(),
                                                      keyCode.constData(), info);
    }
    bool macroEvents(const QByteArray &path, const QByteArray &index, const QByteArray &macroId,
                     QList<MacroEventRecord> *events) override
    {
        if (CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(path.constData(), index.constData(),
                                                        macroId.constData(), "", events))
            return true;
        events->clear();
        // A readable file without the copy holds no events for it; an unreadable one is unknown.
        auto lock = XmlStore::instance().lock();
        return XmlStore::instance().document(path.constData()) != nullptr;
    }
    bool seniorKeys(const QByteArray &path, QList<SeniorKeyInfoStu> *records) override
    {
        if (CQuelmoXML_SeniorKey_SelectAllInfoItem(path.constData(), records))
            return true;
        records->clear();
        return !QFileInfo::exists(QFile::decodeName(path));
    }
};

} // namespace

DownloadProfileSource *DownloadProfileSource::sdk()
{
    static SdkProfileSource source;
    return &source;
}
