#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// Builds layout-file text for tests: rows of 22 entries unless a row length is given, every slot
// not listed written as the empty slot.
struct FixtureKey
{
    int row; // 1..6
    int col;
    int x, y, w, h;
    int dec;
    const char *character; // JSON string body, escapes as written in a file
};

struct FixtureLight
{
    int x, y, w, h;
    int index;
    int valid;
    int side;
};

inline QByteArray keyEntry(const FixtureKey &k)
{
    return QStringLiteral(
               "{\"PosX\": %1, \"PosY\": %2, \"Width\": %3, \"Height\": %4, \"Dec\": %5, \"qtDec\": 0, "
               "\"Character\": \"%6\"}")
        .arg(k.x)
        .arg(k.y)
        .arg(k.w)
        .arg(k.h)
        .arg(k.dec)
        .arg(QString::fromLatin1(k.character))
        .toLatin1();
}

inline QByteArray emptyEntry()
{
    return R"({"PosX": -1, "PosY": -1, "Width": 0, "Height": 0, "Dec": 0, "qtDec": 0, "Character": "-"})";
}

inline QByteArray makeLayout(const QByteArray &keyboardObject, const QList<FixtureKey> &keys,
                             const QList<FixtureLight> &lights = {}, const QMap<int, int> &rowLengths = {})
{
    QByteArray out = "{\r\n";
    if (!keyboardObject.isEmpty())
        out += "\t\"Keyboard\": " + keyboardObject + ",\r\n";
    QList<QByteArray> side;
    for (const FixtureLight &l : lights)
        side << QStringLiteral("{\"PosX\": %1, \"PosY\": %2, \"Width\": %3, \"Height\": %4, \"Index\": %5, "
                               "\"validStatus\": %6, \"SidePosition\": %7, \"Mark\": \"0x01\"}")
                    .arg(l.x)
                    .arg(l.y)
                    .arg(l.w)
                    .arg(l.h)
                    .arg(l.index)
                    .arg(l.valid)
                    .arg(l.side)
                    .toLatin1();
    out += "\t\"EveryKeyInfo_Row00\": [" + side.join(",\r\n") + "]";
    for (int r = 1; r <= 6; ++r) {
        const int n = rowLengths.value(r, 22);
        if (n < 0)
            continue; // row left out
        QList<QByteArray> entries;
        for (int c = 0; c < n; ++c) {
            QByteArray e = emptyEntry();
            for (const FixtureKey &k : keys)
                if (k.row == r && k.col == c)
                    e = keyEntry(k);
            entries << e;
        }
        out += ",\r\n\t\"EveryKeyInfo_Row0" + QByteArray::number(r) + "\": [" + entries.join(",\r\n") + "]";
    }
    out += "\r\n}\r\n";
    return out;
}

inline QByteArray standardKeyboardObject(int sideLight = 1, int specialEnter = 0)
{
    return QStringLiteral(
               "{\"KeyboardIntroduction\": \"4Key\", \"sideLightHave\": %1, \"supportOnboard\": 1, "
               "\"specialEnterKey\": %2, \"showOnboardSelect\": 1, \"specialEnterKeyShape\": 1, "
               "\"sideLightNum\": 3, \"hidDeviceType\": 04, \"flag\": \"true\"}")
        .arg(sideLight)
        .arg(specialEnter)
        .toLatin1();
}
