#include "downloadprofilesource.h"

#include "cquelmoxml.h"

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
    QList<MacroEventRecord> macroEvents(const QByteArray &path, const QByteArray &index,
                                        const QByteArray &macroId) override
    {
        QList<MacroEventRecord> events;
        CQuelmoXML_ProFileMacroWithKeyInfoSelectAll(path.constData(), index.constData(), macroId.constData(),
                                                    "", &events);
        return events;
    }
    QList<SeniorKeyInfoStu> seniorKeys(const QByteArray &path) override
    {
        QList<SeniorKeyInfoStu> records;
        if (!CQuelmoXML_SeniorKey_SelectAllInfoItem(path.constData(), &records))
            records.clear();
        return records;
    }
};

} // namespace

DownloadProfileSource *DownloadProfileSource::sdk()
{
    static SdkProfileSource source;
    return &source;
}
