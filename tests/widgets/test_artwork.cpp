// Every picture listed in the artwork manifest is embedded, at its size and in its colour.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

struct ArtworkLine
{
    QString name;
    QSize size;
    QColor colour; // invalid: the drawing's own colours
};

std::vector<ArtworkLine> manifest()
{
    std::vector<ArtworkLine> lines;
    QFile file(QStringLiteral(TL_ARTWORK_MANIFEST));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return lines;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QRegularExpression(QStringLiteral("\\s+")));
        const QStringList wh = f.value(2).split(QLatin1Char('x'));
        lines.push_back({f.value(0), QSize(wh.value(0).toInt(), wh.value(1).toInt()),
                         f.size() > 3 ? QColor(f.at(3)) : QColor()});
    }
    return lines;
}

TEST(Artwork, EveryListedPictureIsEmbedded)
{
    const std::vector<ArtworkLine> lines = manifest();
    ASSERT_FALSE(lines.empty());
    for (const ArtworkLine &a : lines) {
        SCOPED_TRACE(a.name.toStdString());
        const QImage image(QStringLiteral(":/images/") + a.name);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), a.size);
        EXPECT_TRUE(image.hasAlphaChannel());
        int opaque = 0;
        int offColour = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.alpha() < 250)
                    continue;
                ++opaque;
                if (a.colour.isValid() &&
                    (qAbs(c.red() - a.colour.red()) > 2 || qAbs(c.green() - a.colour.green()) > 2 ||
                     qAbs(c.blue() - a.colour.blue()) > 2))
                    ++offColour;
            }
        EXPECT_GT(opaque, 0) << "blank";
        EXPECT_EQ(offColour, 0) << "recoloured stroke icon has other colours";
    }
}

TEST(Artwork, LogoAndTrayIconExist)
{
    EXPECT_EQ(QImage(QStringLiteral(":/images/quelmoLogo.png")).size(), QSize(128, 128));
    EXPECT_FALSE(QImage(QStringLiteral(":/images/trayLogo.ico")).isNull());
}

} // namespace
