#include "keyfunctionitem.h"

#include "cquelmoxml.h"
#include "ddatamanager.h"
#include "fixedtext.h"
#include "storetransaction.h"

namespace keyfunctionitem {

namespace {

QByteArray decimal(int n)
{
    return QByteArray::number(n);
}

QByteArray macroNodeName(int macroId)
{
    return QByteArrayLiteral("Macro") + decimal(macroId);
}

} // namespace

Target lightPressTarget()
{
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager *dm = DDataManager::getInstance();
    dm->copyProfileXmlPath(path);
    return {QByteArray(path), decimal(dm->profileIndex())};
}

Target heavyPressTarget()
{
    char path[DDataManager::kPathBufferSize] = {};
    DDataManager::getInstance()->copyMagneticProfileXmlPath(path);
    return {QByteArray(path), QByteArrayLiteral("1")};
}

std::optional<int> number(const char *field)
{
    if (!field)
        return std::nullopt;
    bool ok = false;
    const int n = QByteArray(field).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

bool read(const Target &target, int keyCode, KeyOperateInfo &info)
{
    fixedtext::copy(info.keyCode, "-1");
    fixedtext::copy(info.type, "-1");
    if (!target.isValid())
        return false;
    CQuelmoXML_SelectProFileKeyOperateInfo(target.path.constData(), target.index.constData(),
                                           decimal(keyCode).constData(), &info);
    const std::optional<int> code = number(info.keyCode);
    return code && *code != -1;
}

std::optional<int> itemType(const Target &target, int keyCode)
{
    KeyOperateInfo info{};
    if (!read(target, keyCode, info))
        return std::nullopt;
    return number(info.type);
}

bool remove(const Target &target, int keyCode, const QString &keyName)
{
    if (!target.isValid())
        return false;
    return CQuelmoXML_DeleteProFileMacroWithKeyInfoItem(target.path.constData(), target.index.constData(),
                                                        decimal(keyCode).constData(),
                                                        keyName.toUtf8().constData());
}

bool save(const Target &target, int keyCode, const QString &keyName, int type, int repeat, int playMode,
          const QByteArray &value)
{
    if (!target.isValid())
        return false;
    StoreTransaction transaction;
    if (!remove(target, keyCode, keyName))
        return false;
    if (!CQuelmoXML_AddProFileMacroWithKeyInfoItem(target.path.constData(), target.index.constData(),
                                                   decimal(keyCode).constData(), keyName.toUtf8().constData(),
                                                   decimal(type).constData(), decimal(repeat).constData(),
                                                   decimal(playMode).constData(), value.constData()))
        return false;
    return transaction.commit();
}

bool list(const Target &target, QList<int> &keyCodes)
{
    if (!target.isValid())
        return false;
    QStringList codes;
    if (!CQuelmoXML_ProFileKeyInfoSelectAll(target.path.constData(), target.index.constData(), &codes))
        return false;
    for (const QString &text : qAsConst(codes)) {
        if (const std::optional<int> code = number(text.toLatin1().constData()))
            keyCodes.append(*code);
    }
    return true;
}

int count(const Target &target, int type, const QByteArray &value)
{
    if (!target.isValid())
        return -1;
    return CQuelmoXML_GetProFileValueNum(target.path.constData(), target.index.constData(),
                                         decimal(type).constData(), value.constData());
}

bool storeMacroCopy(const Target &target, const QByteArray &macroFile, int macroId)
{
    if (!target.isValid() || macroFile.isEmpty())
        return false;
    QList<MacroEventRecord> events;
    if (!CQuelmoXML_SelectAllKeyOrMouseEvent(macroFile.constData(), decimal(macroId).constData(), &events))
        return false;
    StoreTransaction transaction;
    if (!removeMacroCopy(target, macroId))
        return false;
    if (!CQuelmoXML_AddProFileBindMacroItem(target.path.constData(), target.index.constData(), events,
                                            decimal(macroId).constData(), macroNodeName(macroId).constData()))
        return false;
    return transaction.commit();
}

bool removeMacroCopy(const Target &target, int macroId)
{
    if (!target.isValid())
        return false;
    return CQuelmoXML_DeleteProFileBindMacroNode(target.path.constData(), target.index.constData(),
                                                 decimal(macroId).constData(),
                                                 macroNodeName(macroId).constData());
}

} // namespace keyfunctionitem
