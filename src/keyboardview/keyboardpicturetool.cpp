// Build-time tool: paints the picture of a keyboard model from its layout file, so that the
// pictures always match the layouts.
// Usage: tl_keyboard_pictures <layout file> <model> <out dir> <model catalogue>
// Writes Keyboard_<model>.png and the keyboard-mode variants Keyboard_<model>_0/_1/_2.png.
#include "keyboardmodeldata.h"
#include "keylayout.h"
#include "modelcatalogue.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kPixelRatio = 2; // pictures are stretched over the view; zoom 2.0 stays sharp

bool isModifier(int code)
{
    return code >= 224 || code == -10 || code == 41 || code == 42 || code == 43 || code == 57 || code == 40 ||
           code == 101 || (code >= 70 && code <= 83) || code == 88;
}

QString legend(const KeyLayoutKey &key)
{
    QString text = key.caption;
    if (key.pos.code == 49)
        text = QStringLiteral("\\ |");
    if (text.contains(QLatin1Char(' ')) && text.size() == 3)
        text = text.at(2) + QLatin1Char('\n') + text.at(0); // shifted symbol above the plain one
    return text;
}

void paintKey(QPainter &p, const KeyLayoutKey &key)
{
    const QRectF outer(key.pos.x, key.pos.y, key.pos.width, key.pos.height);
    const bool mod = isModifier(key.pos.code);
    const bool accent = key.pos.code == 41 || key.pos.code == 40 || key.pos.code == 88;
    const QColor side = accent ? QColor(196, 92, 20) : (mod ? QColor(58, 61, 74) : QColor(150, 153, 164));
    const QColor top = accent ? QColor(255, 143, 31) : (mod ? QColor(84, 88, 104) : QColor(226, 228, 234));
    const QColor ink = accent ? QColor(40, 24, 10) : (mod ? QColor(232, 234, 240) : QColor(40, 42, 54));

    p.setPen(Qt::NoPen);
    p.setBrush(side);
    p.drawRoundedRect(outer, 4, 4);
    const QRectF surface = outer.adjusted(3, 2, -3, -5);
    QLinearGradient g(surface.topLeft(), surface.bottomLeft());
    g.setColorAt(0, top.lighter(106));
    g.setColorAt(1, top);
    p.setBrush(g);
    p.drawRoundedRect(surface, 3, 3);

    const QString text = legend(key);
    const bool twoLines = text.contains(QLatin1Char('\n'));
    const bool shortText = twoLines || text.size() <= 3;
    QFont font(QStringLiteral("DejaVu Sans"));
    if (shortText)
        font.setPixelSize(11);
    else if (key.pos.width < 40)
        font.setPixelSize(text.size() <= 4 ? 8 : 7);
    else
        font.setPixelSize(9);
    const QRectF textRect = surface.adjusted(2, 1, -2, -1);
    // Smaller until every line fits the key: a three-letter legend such as "Num" on a narrow key
    // would otherwise lose its first and last letters to the key's edge.
    for (int pixels = font.pixelSize(); pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        qreal widest = 0;
        for (const QString &line : text.split(QLatin1Char('\n')))
            widest = qMax(widest, metrics.horizontalAdvance(line));
        if (widest <= textRect.width())
            break;
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(textRect, shortText ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignTop), text);
}

QImage render(const KeyLayout &layout, const QSize &area, int variant)
{
    QImage image(area * kPixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(kPixelRatio, kPixelRatio);

    const QRectF caseRect(0.5, 0.5, area.width() - 1, area.height() - 1);
    QLinearGradient caseFill(caseRect.topLeft(), caseRect.bottomLeft());
    caseFill.setColorAt(0, QColor(54, 57, 70));
    caseFill.setColorAt(1, QColor(34, 36, 46));
    p.setPen(QPen(QColor(90, 94, 110), 1));
    p.setBrush(caseFill);
    p.drawRoundedRect(caseRect, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 23, 30));
    p.drawRoundedRect(QRectF(6, 6, area.width() - 12, area.height() - 12), 5, 5);

    for (const auto &row : layout.keys)
        for (const KeyLayoutKey &key : row)
            if (key.pos.code != 0 && key.pos.width > 0 && key.pos.height > 0)
                paintKey(p, key);

    // Keyboard-mode indicator: three small lamps in the top border, the variant's lamp lit.
    if (variant >= 0) {
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == variant ? QColor(120, 255, 140) : QColor(70, 74, 86));
            p.drawEllipse(QPointF(area.width() - 40 + i * 10, 3.2), 2, 2);
        }
    }
    p.end();
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <layout file> <model> <out dir> <model catalogue>\n", argv[0]);
        return 2;
    }
    QFile catalogueFile(QString::fromLocal8Bit(argv[4]));
    QVector<ModelInfo> models;
    QString error;
    if (!catalogueFile.open(QIODevice::ReadOnly) ||
        !ModelCatalogue::parse(catalogueFile.readAll(), &models, &error)) {
        std::fprintf(stderr, "%s: unusable catalogue %s\n", argv[4], qPrintable(error));
        return 1;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const std::optional<KeyLayout> layout = keylayout::parse(file.readAll());
    const QString model = QString::fromLocal8Bit(argv[2]);
    QSize area;
    for (const ModelInfo &m : models)
        if (m.key == model)
            area = keyboardmodeldata::pictureAreaSize(&m);
    if (!layout || area.isEmpty()) {
        std::fprintf(stderr, "%s: no layout or no picture size for %s\n", argv[1], argv[2]);
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[3]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[3]);
        return 1;
    }
    for (int variant = -1; variant <= 2; ++variant) {
        QString name = QStringLiteral("Keyboard_") + model;
        if (variant >= 0)
            name += QLatin1Char('_') + QString::number(variant);
        const QString path = out.filePath(name + QStringLiteral(".png"));
        // QImage::save writes through a temporary file only with QSaveFile; do that here too.
        QFile::remove(path + QStringLiteral(".tmp"));
        if (!render(*layout, area, variant).save(path + QStringLiteral(".tmp"), "PNG") ||
            !(QFile::remove(path) || !QFile::exists(path)) ||
            !QFile::rename(path + QStringLiteral(".tmp"), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
