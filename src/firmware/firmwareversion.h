#pragma once

#include <QByteArray>

// Comparison of the 8-bit texts of firmware identities and versions.
namespace firmwareversion {

// Byte-wise comparison in which A to Z count as a to z; the first differing byte decides as an
// unsigned value, and a text that begins the other sorts first. Negative, zero or positive.
int compareIgnoringCase(const QByteArray &a, const QByteArray &b);
inline bool equalIgnoringCase(const QByteArray &a, const QByteArray &b)
{
    return compareIgnoringCase(a, b) == 0;
}

// Compares two version texts. Texts of the form "V1.00.10" (the letter V in either case, or none,
// then dot-separated numbers) compare by their numbers, so V1.00.10 is newer than V1.00.9 and a
// missing trailing number counts as 0; when either text has another form they compare as texts,
// ignoring case.
int compareVersions(const QByteArray &a, const QByteArray &b);

// True when the image's version is newer than the device's.
inline bool isNewer(const QByteArray &imageVersion, const QByteArray &deviceVersion)
{
    return compareVersions(imageVersion, deviceVersion) > 0;
}

} // namespace firmwareversion
