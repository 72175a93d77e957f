#include "seniorkeystore.h"

#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "seniorkeyrecord.h"

#include <QDirIterator>
#include <QtDebug>

#include <algorithm>
#include <cstring>
#include <string>

SeniorKeyStore SeniorKeyStore::current()
{
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->seniorKeyXmlPath(path);
    return SeniorKeyStore(QByteArray(path));
}

bool SeniorKeyStore::readAll(QList<SeniorKeyInfoStu> *records) const
{
    QList<SeniorKeyInfoStu> list;
    const bool ok = CQuelmoXML_SeniorKey_SelectAllInfoItem(m_path.constData(), &list);
    if (!ok)
        list.clear();
    std::stable_sort(list.begin(), list.end(),
                     [](const SeniorKeyInfoStu &a, const SeniorKeyInfoStu &b) { return a.index < b.index; });
    *records = list;
    return ok;
}

bool SeniorKeyStore::read(int index, SeniorKeyInfoStu *record) const
{
    QList<SeniorKeyInfoStu> list;
    if (!readAll(&list))
        return false;
    for (const SeniorKeyInfoStu &r : list) {
        if (r.index == index) {
            *record = r;
            return true;
        }
    }
    return false;
}

bool SeniorKeyStore::create(int type, const QList<SeniorKeyInfoStu> &records, const QSet<int> &boundIndexes,
                            SeniorKeyInfoStu *created)
{
    const int index = seniorkey::nextIndex(records, boundIndexes);
    if (index == seniorkey::kNoIndex)
        return false;
    const SeniorKeyInfoStu record = seniorkey::defaultRecord(index, type);
    if (!CQuelmoXML_SeniorKey_AddInfoItem(m_path.constData(), type, record))
        return false;
    if (created)
        *created = record;
    return true;
}

bool SeniorKeyStore::modify(SeniorKeyInfoStu *record)
{
    if (CQuelmoXML_SeniorKey_ModifyInfoItem(m_path.constData(), record->type, *record))
        return true;
    SeniorKeyInfoStu stored;
    if (read(record->index, &stored))
        *record = stored;
    else
        qWarning() << "[SeniorKeys] cannot read back record" << record->index << "after a refused change";
    return false;
}

bool SeniorKeyStore::remove(int type, int index)
{
    return CQuelmoXML_SeniorKey_DeleteInfoItem(m_path.constData(), type, index);
}

QSet<int> SeniorKeyStore::boundIndexes(const QStringList &profileFiles)
{
    QSet<int> bound;
    const std::string seniorType = std::to_string(KeyOperateSeniorKey);
    for (const QString &file : profileFiles) {
        const QByteArray path = file.toLocal8Bit();
        ProfileNodeList profiles;
        if (!CQuelmoXML_SelectProFileAllNodes(path.constData(), &profiles))
            continue;
        for (const auto &profile : profiles) {
            QStringList keyCodes;
            if (!CQuelmoXML_ProFileKeyInfoSelectAll(path.constData(), profile.first.c_str(), &keyCodes))
                continue;
            for (const QString &code : keyCodes) {
                KeyOperateInfo info;
                resetKeyOperateInfo(info);
                if (CQuelmoXML_SelectProFileKeyOperateInfo(path.constData(), profile.first.c_str(),
                                                           code.toLatin1().constData(), &info) &&
                    seniorType == info.type) {
                    bool ok = false;
                    const int index = QByteArray(info.value).toInt(&ok);
                    if (ok && index > 0)
                        bound.insert(index);
                }
            }
        }
    }
    return bound;
}

QStringList SeniorKeyStore::keyProfileFiles(const QString &configRoot)
{
    QStringList files;
    QDirIterator it(configRoot,
                    {QStringLiteral("appProfile_Default.xml"), QStringLiteral("appProfile_FN.xml")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}
