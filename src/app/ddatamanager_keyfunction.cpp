// Describing a key's function item for the key tip: the type name, and a detail text naming the
// concrete function.
#include "ddatamanager.h"
#include "fixedtext.h"
#include "keyfunctionstore.h"

#include <QObject>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

namespace {

// atoi's reading of a fixed text field, but bounded to the field and clamped instead of
// undefined on overflow.
template <std::size_t N> int fieldInt(const char (&field)[N])
{
    const std::string text(fixedtext::view(field));
    errno = 0;
    const long v = std::strtol(text.c_str(), nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

int textInt(const QString &text)
{
    const std::string s = text.toStdString();
    const long v = std::strtol(s.c_str(), nullptr, 10);
    return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

template <std::size_t N> QString fieldUtf8(const char (&field)[N])
{
    const std::string_view v = fixedtext::view(field);
    return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
}

// Looks a value up in a short table of (value, text) rows; null when absent.
struct Row
{
    int value;
    const char *text;
};
template <std::size_t N> const char *lookup(const Row (&rows)[N], int value)
{
    for (const Row &r : rows)
        if (r.value == value)
            return r.text;
    return nullptr;
}

const Row kMultimedia[] = {{0, QT_TRANSLATE_NOOP("QObject", "Volume +")},
                           {1, QT_TRANSLATE_NOOP("QObject", "Volume -")},
                           {2, QT_TRANSLATE_NOOP("QObject", "Mute")},
                           {3, QT_TRANSLATE_NOOP("QObject", "Play/Pause")},
                           {4, QT_TRANSLATE_NOOP("QObject", "Next track")},
                           {5, QT_TRANSLATE_NOOP("QObject", "Prev track")},
                           {6, QT_TRANSLATE_NOOP("QObject", "Stop")},
                           {8, QT_TRANSLATE_NOOP("QObject", "Player")},
                           {9, QT_TRANSLATE_NOOP("QObject", "Calculator")},
                           {10, QT_TRANSLATE_NOOP("QObject", "Computer")},
                           {11, QT_TRANSLATE_NOOP("QObject", "Browser")},
                           {12, QT_TRANSLATE_NOOP("QObject", "Email")},
                           {13, QT_TRANSLATE_NOOP("QObject", "Screen brightness+")},
                           {14, QT_TRANSLATE_NOOP("QObject", "Screen brightness-")},
                           {15, QT_TRANSLATE_NOOP("QObject", "Search")}};

const Row kMouse[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Mouse Left")},  {1, QT_TRANSLATE_NOOP("QObject", "Mouse Center")},
    {2, QT_TRANSLATE_NOOP("QObject", "Mouse Right")}, {3, QT_TRANSLATE_NOOP("QObject", "Scroll Up")},
    {4, QT_TRANSLATE_NOOP("QObject", "Scroll Down")}, {5, QT_TRANSLATE_NOOP("QObject", "Forward")},
    {6, QT_TRANSLATE_NOOP("QObject", "Backward")},    {7, QT_TRANSLATE_NOOP("QObject", "Sniper Key")}};

const Row kShortcuts[] = {
    {0, QT_TRANSLATE_NOOP("QObject", "Close window")},  {1, QT_TRANSLATE_NOOP("QObject", "Switch windows")},
    {2, QT_TRANSLATE_NOOP("QObject", "Show desktop")},  {3, QT_TRANSLATE_NOOP("QObject", "My computer")},
    {4, QT_TRANSLATE_NOOP("QObject", "Lock computer")}, {5, QT_TRANSLATE_NOOP("QObject", "Copy")},
    {6, QT_TRANSLATE_NOOP("QObject", "Cut")},           {7, QT_TRANSLATE_NOOP("QObject", "Paste")},
    {8, QT_TRANSLATE_NOOP("QObject", "Find")},          {9, QT_TRANSLATE_NOOP("QObject", "New")},
    {10, QT_TRANSLATE_NOOP("QObject", "Print")},        {11, QT_TRANSLATE_NOOP("QObject", "Save")}};

const Row kLightMode[] = {{0, QT_TRANSLATE_NOOP("QObject", "Overall light")},
                          {1, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
                          {2, QT_TRANSLATE_NOOP("QObject", "All light")},
                          {3, QT_TRANSLATE_NOOP("QObject", "Static")}};
const Row kSideLightMode[] = {{0, QT_TRANSLATE_NOOP("QObject", "Overall light")},
                              {1, QT_TRANSLATE_NOOP("QObject", "Interaction light")},
                              {2, QT_TRANSLATE_NOOP("QObject", "All light")}};
const Row kBrightness[] = {{0, QT_TRANSLATE_NOOP("QObject", "Brightness +")},
                           {1, QT_TRANSLATE_NOOP("QObject", "Brightness -")}};
const Row kSpeed[] = {{0, QT_TRANSLATE_NOOP("QObject", "Speed +")},
                      {1, QT_TRANSLATE_NOOP("QObject", "Speed -")}};
const Row kDirection[] = {{0, QT_TRANSLATE_NOOP("QObject", "Direction +1")},
                          {1, QT_TRANSLATE_NOOP("QObject", "Direction -1")},
                          {2, QT_TRANSLATE_NOOP("QObject", "Direction Loop")}};
const Row kFullColour[] = {{0, QT_TRANSLATE_NOOP("QObject", "Into full color")},
                           {1, QT_TRANSLATE_NOOP("QObject", "Top color changed")},
                           {2, QT_TRANSLATE_NOOP("QObject", "Bottom color changed")}};
const Row kCustom[] = {{0, QT_TRANSLATE_NOOP("QObject", "Custom 1")},
                       {1, QT_TRANSLATE_NOOP("QObject", "Custom 2")}};
const Row kWinLock[] = {{0, QT_TRANSLATE_NOOP("QObject", "Lock/Unlock Win")},
                        {1, QT_TRANSLATE_NOOP("QObject", "Lock win")},
                        {2, QT_TRANSLATE_NOOP("QObject", "Unlock win")}};
const Row kLayer[] = {{0, QT_TRANSLATE_NOOP("QObject", "Default layer")},
                      {1, QT_TRANSLATE_NOOP("QObject", "FN layer")},
                      {2, QT_TRANSLATE_NOOP("QObject", "FN1 layer")}};
const Row kBluetooth[] = {{0, QT_TRANSLATE_NOOP("QObject", "Bluetooth 1")},
                          {1, QT_TRANSLATE_NOOP("QObject", "Bluetooth 2")},
                          {2, QT_TRANSLATE_NOOP("QObject", "Bluetooth 3")}};

const char *const kModifierNames[8] = {"L_CTRL", "L_SHIFT", "L_ALT", "L_WIN",
                                       "R_CTRL", "R_SHIFT", "R_ALT", "R_WIN"};

// Rows of type 19 (key configuration) by sub-code.
const char *keyConfigText(int sub, const QString &value)
{
    if (sub == 11) {
        const QStringList parts = value.split(QLatin1Char(','));
        const int a = textInt(parts.value(0));
        const int b = textInt(parts.value(1));
        if (a == 0)
            return lookup(kBluetooth, b);
        if (a == 1)
            return QT_TRANSLATE_NOOP("QObject", "2.4G switching");
        if (a == 2)
            return QT_TRANSLATE_NOOP("QObject", "USB switching");
        return nullptr;
    }
    const int a = textInt(value);
    switch (sub) {
    case 0:
        return QT_TRANSLATE_NOOP("QObject", "Lock keyboard");
    case 2:
        return lookup(kWinLock, a);
    case 8:
        return lookup(kLayer, a);
    case 10:
        return QT_TRANSLATE_NOOP("QObject", "Power query");
    default:
        return nullptr;
    }
}

const char *keyboardLightText(int type, int sub, int v)
{
    switch (type) {
    case 20:
        return lookup(kLightMode, v);
    case 21:
        return lookup(kBrightness, v);
    case 22:
        return lookup(kSpeed, v);
    case 23:
        return lookup(kDirection, v);
    case 24:
        return lookup(kFullColour, v);
    case 25:
        return lookup(kCustom, v);
    case 26:
        if (sub == 0 && v == 0)
            return QT_TRANSLATE_NOOP("QObject", "Close all");
        if (sub == 0 && v == 1)
            return QT_TRANSLATE_NOOP("QObject", "Close back light");
        if (sub == 1)
            return QT_TRANSLATE_NOOP("QObject", "Stop back light");
        return nullptr;
    case 27:
        return QT_TRANSLATE_NOOP("QObject", "Light recording");
    default:
        return nullptr;
    }
}

const char *sideLightText(int type, int sub, int v)
{
    switch (type) {
    case 30:
        return lookup(kSideLightMode, v);
    case 31:
        return lookup(kBrightness, v);
    case 32:
        return lookup(kSpeed, v);
    case 33:
        return lookup(kFullColour, v);
    case 34:
        if (sub == 0)
            return QT_TRANSLATE_NOOP("QObject", "Close side light");
        if (sub == 1)
            return QT_TRANSLATE_NOOP("QObject", "Stop side light");
        return nullptr;
    default:
        return nullptr;
    }
}

// Texts outside forms translate in the "QObject" context.
QString tr_(const char *text)
{
    return QObject::tr(text);
}

} // namespace

KeyFunctionStore &DDataManager::keyFunctionStore() const
{
    return m_keyFunctionStore ? *m_keyFunctionStore : defaultKeyFunctionStore();
}

QString DDataManager::keyFunctionDescription(KeyOperateInfo info)
{
    const int type = fieldInt(info.type);
    const QString value = fieldUtf8(info.value);
    const int v = fieldInt(info.value);
    QString detail = tr_("Unknow");
    QString name = tr_("Default");
    const char *row = nullptr;

    switch (type) {
    case 0:
        name = tr_("Remap Key");
        detail = m_keyNameMap.value(v);
        break;
    case 1: {
        name = tr_("Macro");
        char path[kPathBufferSize] = {};
        copyMacroXmlPath(path);
        std::vector<MacroNode> nodes;
        const std::string wanted = std::to_string(v);
        if (keyFunctionStore().selectMacroAllNodes(path, nodes)) {
            for (const MacroNode &node : nodes) {
                if (node.index == wanted) {
                    detail = QString::fromStdString(node.name);
                    break;
                }
            }
        }
        break;
    }
    case 2: {
        name = tr_("Key Combination");
        const QStringList parts = value.split(QLatin1Char(','));
        const int mask = textInt(parts.value(0));
        QStringList names;
        // Only the eight modifier bits have names; higher bits of a foreign item are ignored.
        for (int bit = 0; bit < 8 && mask > 0; ++bit)
            if (mask & (1 << bit))
                names << QString::fromLatin1(kModifierNames[bit]);
        if (parts.size() > 1) {
            const int code = textInt(parts.at(1));
            if (m_keyNameMap.contains(code))
                names << m_keyNameMap.value(code);
        }
        detail = names.join(QLatin1Char('+'));
        break;
    }
    case 3:
        name = tr_("Multimedia");
        row = lookup(kMultimedia, v);
        break;
    case 4:
        name = tr_("Mouse");
        row = lookup(kMouse, v);
        break;
    case 5:
        name = tr_("Disable");
        detail = tr_("Disable");
        break;
    case 6:
        name = tr_("Text");
        detail = value;
        break;
    case 7: {
        name = tr_("Switch Profile");
        char path[kPathBufferSize] = {};
        copyProfileXmlPath(path);
        const std::string index(fixedtext::view(info.value));
        QString profile;
        if (keyFunctionStore().selectProfileName(path, index.c_str(), profile))
            detail = profile;
        break;
    }
    case 8:
        name = tr_("Launch Application");
        detail = value;
        break;
    case 9:
        name = tr_("Shortcuts");
        row = lookup(kShortcuts, v);
        break;
    case 10:
        name = tr_("Unknow");
        break;
    case 19:
        name = tr_("Key Config");
        row = keyConfigText(fieldInt(info.playMode), value);
        break;
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
    case 26:
    case 27:
        name = tr_("Keyboard Light");
        row = keyboardLightText(type, fieldInt(info.playMode), v);
        break;
    case 30:
    case 31:
    case 32:
    case 33:
    case 34:
        name = tr_("Atmosphere Light");
        row = sideLightText(type, fieldInt(info.playMode), v);
        break;
    case 40: {
        name = tr_("Senior Keys");
        char path[kPathBufferSize] = {};
        seniorKeyXmlPath(path);
        std::vector<SeniorKeyInfoStu> keys;
        if (keyFunctionStore().selectAllSeniorKeys(path, keys)) {
            for (const SeniorKeyInfoStu &k : keys) {
                if (k.index == v) {
                    detail = fieldUtf8(k.name);
                    break;
                }
            }
        }
        break;
    }
    default:
        break;
    }
    if (row)
        detail = tr_(row);
    m_keyFunctionDetail = detail;
    return name;
}
