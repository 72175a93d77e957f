#include "firmwareversion.h"

#include <QVector>

namespace {

unsigned char folded(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

// The numbers of a version text, or false when the text is not of the numbered form.
bool versionNumbers(const QByteArray &text, QVector<quint64> *numbers)
{
    int i = 0;
    if (i < text.size() && (text[i] == 'V' || text[i] == 'v'))
        ++i;
    if (i == text.size())
        return false;
    while (true) {
        quint64 value = 0;
        int digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            // More digits than any version has: not a version.
            if (++digits > 9)
                return false;
            value = value * 10 + static_cast<quint64>(text[i] - '0');
            ++i;
        }
        if (digits == 0)
            return false;
        numbers->append(value);
        if (i == text.size())
            return true;
        if (text[i] != '.')
            return false;
        ++i;
    }
}

} // namespace

namespace firmwareversion {

int compareIgnoringCase(const QByteArray &a, const QByteArray &b)
{
    const int n = qMin(a.size(), b.size());
    for (int i = 0; i < n; ++i) {
        const unsigned char x = folded(a[i]);
        const unsigned char y = folded(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int compareVersions(const QByteArray &a, const QByteArray &b)
{
    QVector<quint64> x, y;
    if (!versionNumbers(a, &x) || !versionNumbers(b, &y))
        return compareIgnoringCase(a, b);
    const int n = qMax(x.size(), y.size());
    for (int i = 0; i < n; ++i) {
        const quint64 p = i < x.size() ? x[i] : 0;
        const quint64 q = i < y.size() ? y[i] : 0;
        if (p != q)
            return p < q ? -1 : 1;
    }
    return 0;
}

} // namespace firmwareversion
