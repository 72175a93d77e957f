// Renders one SVG to a PNG or ICO file at a given size; used by the build to turn the artwork
// sources into the resource files the program loads.
//   tl_svgrender <in.svg> <out.png|out.ico> <width>x<height> [colour for currentColor]
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "tl_svgrender: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // image-format plugins (ICO) are found through it
    const QStringList args = app.arguments();
    if (args.size() < 4 || args.size() > 5)
        return fail(QStringLiteral("usage: tl_svgrender IN.svg OUT.png|OUT.ico WIDTHxHEIGHT [COLOUR]"));

    const QStringList size = args.at(3).split(QLatin1Char('x'));
    bool okW = false, okH = false;
    const int width = size.value(0).toInt(&okW);
    const int height = size.value(1).toInt(&okH);
    if (size.size() != 2 || !okW || !okH || width <= 0 || height <= 0 || width > 1024 || height > 1024)
        return fail(QStringLiteral("bad size '%1'").arg(args.at(3)));

    QFile in(args.at(1));
    if (!in.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(args.at(1), in.errorString()));
    QByteArray svg = in.readAll();
    if (args.size() == 5) {
        // Stroke icons draw in "currentColor"; give them the colour this resource wants.
        const QColor colour(args.at(4));
        if (!colour.isValid())
            return fail(QStringLiteral("bad colour '%1'").arg(args.at(4)));
        svg.replace("currentColor", colour.name(QColor::HexRgb).toLatin1());
    }
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return fail(QStringLiteral("%1 is not a valid SVG").arg(args.at(1)));

    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }

    const QString outPath = args.at(2);
    if (!QDir().mkpath(QFileInfo(outPath).absolutePath()))
        return fail(QStringLiteral("cannot create the folder of %1").arg(outPath));
    QSaveFile out(outPath);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(outPath, out.errorString()));
    QImageWriter writer(&out, QFileInfo(outPath).suffix().toLower().toLatin1());
    if (!writer.write(image.convertToFormat(QImage::Format_ARGB32)))
        return fail(QStringLiteral("cannot encode %1: %2").arg(outPath, writer.errorString()));
    if (!out.commit())
        return fail(QStringLiteral("cannot save %1: %2").arg(outPath, out.errorString()));
    return 0;
}
