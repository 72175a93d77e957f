#include "keyboardbutcustom.h"

#include "capblend.h"

#include <QHash>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QResizeEvent>

#include <algorithm>

namespace {
// Off unless asked for (QT_LOGGING_RULES="tidelumen.startup.info=true"); the start-up benchmark
// takes the first painted key as the moment the keyboard view is on screen.
Q_LOGGING_CATEGORY(lcStartup, "tidelumen.startup", QtWarningMsg)

// One pen for the outline everywhere: the cached coverage must match what a direct stroke paints.
QPen outlinePen(const QColor &c)
{
    return QPen(c, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

void strokeOutline(QPainter &p, const QSize &size)
{
    p.drawRoundedRect(QRect(QPoint(0, 0), size), 6, 6, Qt::AbsoluteSize);
}

} // namespace

namespace keyoutline {

const Coverage &coverage(const QSize &size, qreal pixelRatio)
{
    static QHash<quint64, Coverage> s_cache; // GUI thread only; a handful of key sizes per view
    const quint64 key = (quint64(quint16(size.width())) << 48) | (quint64(quint16(size.height())) << 32) |
                        quint64(quint32(qRound(pixelRatio * 1000)));
    auto it = s_cache.find(key);
    if (it != s_cache.end())
        return *it;
    Coverage c;
    c.image = QImage(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    c.image.setDevicePixelRatio(pixelRatio);
    c.image.fill(Qt::transparent);
    {
        QPainter p(&c.image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(outlinePen(Qt::white));
        strokeOutline(p, size);
    }
    // Only the ring of the outline is covered; tinting walks those pixels alone.
    const int width = c.image.width();
    bool seen[256] = {};
    for (int y = 0; y < c.image.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(c.image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha == 0)
                continue;
            c.ring.append({y * width + x, quint32(alpha), qint16(x), qint16(y)});
            if (!seen[alpha]) {
                seen[alpha] = true;
                c.ringAlphas.append(quint32(alpha));
            }
        }
    }
    // The same pixels in runs along each line, cut into pieces of four, two and one pixels.
    for (int i = 0; i < c.ring.size();) {
        int run = 1;
        while (i + run < c.ring.size() && c.ring[i + run].y == c.ring[i].y &&
               c.ring[i + run].x == c.ring[i].x + run)
            ++run;
        for (int done = 0; done < run;) {
            const int n = run - done >= 4 ? 4 : run - done >= 2 ? 2 : 1;
            RingChunk chunk{c.ring[i + done].x, c.ring[i + done].y, quint8(n), {}};
            for (int k = 0; k < n; ++k)
                chunk.alpha[k] = quint8(c.ring[i + done + k].alpha);
            c.chunks.append(chunk);
            done += n;
        }
        i += run;
    }
    return *s_cache.insert(key, c);
}

void tint(const Coverage &coverage, const QColor &colour, QImage &out)
{
    const QImage &mask = coverage.image;
    if (out.size() != mask.size() || out.format() != QImage::Format_ARGB32_Premultiplied ||
        out.bytesPerLine() != out.width() * 4) {
        out = QImage(mask.size(), QImage::Format_ARGB32_Premultiplied);
        out.fill(Qt::transparent); // pixels off the ring stay clear for every colour
    }
    out.setDevicePixelRatio(mask.devicePixelRatio());
    quint32 tinted[256];
    tintTable(coverage, colour, tinted);
    auto *dst = reinterpret_cast<quint32 *>(out.bits());
    for (const RingPixel &px : coverage.ring)
        dst[px.offset] = tinted[px.alpha];
}

void tintTable(const Coverage &coverage, const QColor &colour, quint32 (&tinted)[256])
{
    // Scales the premultiplied colour by each pixel's coverage, with the rounding the raster
    // engine uses when it blends a solid pen, so the tinted outline matches a direct stroke.
    // The ring has far fewer coverage values than pixels: each is tinted once.
    const quint32 c = qPremultiply(colour.rgba());
    for (const quint32 alpha : coverage.ringAlphas)
        tinted[alpha] = capblend::byteMul(c, alpha);
}

} // namespace keyoutline

keyboardButCustom::keyboardButCustom(QWidget *parent) : QToolButton(parent)
{
    setFixedSize(m_width, m_height);
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(true);
}

void keyboardButCustom::setKeySize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void keyboardButCustom::setOrigin(int x, int y)
{
    m_originX = x;
    m_originY = y;
    m_originPoint = QPoint(x, y);
}

void keyboardButCustom::setKeyInfo(int keyCode, const QString &caption)
{
    m_look.keyCode = keyCode;
    m_caption = caption;
}

void keyboardButCustom::setIndex(int row, int column)
{
    m_indexX = row;
    m_indexY = column;
}

void keyboardButCustom::setSelected(bool selected, bool repaint)
{
    m_look.selected = selected;
    if (repaint)
        relook();
}

void keyboardButCustom::setHovered(bool on)
{
    m_look.hovered = on;
    relook();
}

void keyboardButCustom::setDragMarked(bool on)
{
    m_look.dragMarked = on;
    relook();
}

void keyboardButCustom::setCustomLightMode(bool on)
{
    m_look.customLightMode = on;
    choosePainter();
    relook();
}

void keyboardButCustom::setLightView(bool on)
{
    m_look.lightView = on;
    choosePainter();
}

void keyboardButCustom::setCanvas(LightCanvas *canvas)
{
    m_canvas = canvas;
    choosePainter();
}

void keyboardButCustom::relook()
{
    if (paintedOnCanvas())
        m_canvas->areaChanged(geometry());
    else
        update();
}

// A key painted by its canvas takes no part in repaints: it stays for input, hover and selection,
// and the one canvas paints all lit caps in a single pass.
void keyboardButCustom::choosePainter()
{
    const bool own = !paintedOnCanvas();
    if (updatesEnabled() == own)
        return;
    setUpdatesEnabled(own); // enabling schedules the key's own repaint
    if (m_canvas)
        m_canvas->areaChanged(geometry());
}

void keyboardButCustom::setAssignedState(int state)
{
    m_look.assigned = state != 0;
    relook();
}

void keyboardButCustom::setSpecialEnter(bool on)
{
    m_look.specialEnter = on;
    updateEnterMask();
}

void keyboardButCustom::setEnterShape(int shape)
{
    m_enterShape = shape;
    updateEnterMask();
}

void keyboardButCustom::setEnterNotch(int a, int b)
{
    m_notchWidth = a;
    m_notchHeight = b;
    m_lowerWidth = m_width - a;
    m_lowerHeight = m_height - b;
    updateEnterMask();
}

void keyboardButCustom::setHoverColorTranslucent(const QColor &c)
{
    m_look.hoverFill = c;
    m_look.hoverFill.setAlpha(50);
}

void keyboardButCustom::setSelectedColorTranslucent(const QColor &c)
{
    m_look.selectedFill = c;
    m_look.selectedFill.setAlpha(50);
}

void keyboardButCustom::setAssignedColorTranslucent(const QColor &c)
{
    m_look.assignedFill = c;
    m_look.assignedFill.setAlpha(50);
}

void keyboardButCustom::applyThemeColours(const QColor &accent, const QColor &theme)
{
    setHoverColorTranslucent(theme);
    m_look.hoverBorder = theme;
    setSelectedColorTranslucent(accent);
    m_look.selectedBorder = accent;
    setAssignedColorTranslucent(theme);
    m_look.assignedBorder = theme;
    m_look.emphasisBorder = theme;
    relook();
}

void keyboardButCustom::setLightColor(const QColor &c)
{
    if (m_lightColorShown) {
        m_look.lightColor = c;
        relook();
    } else {
        m_look.lightColor = QColor(0, 0, 0, 0);
    }
}

QPolygon keyboardButCustom::enterMaskPolygon() const
{
    const int a = m_notchWidth;
    const int b = m_notchHeight;
    const int w = m_width;
    const int h = m_height;
    QPolygon poly;
    poly << QPoint(0, b + 3) << QPoint(a - 3, b + 3) << QPoint(a - 3, h) << QPoint(w, h) << QPoint(w, 0)
         << QPoint(0, 0) << QPoint(0, b);
    return poly;
}

// The mask follows the geometry here rather than in paintEvent: changing a mask schedules a repaint.
void keyboardButCustom::updateEnterMask()
{
    if (m_look.specialEnter && m_enterShape == 1 && m_notchWidth > 0 && m_notchHeight > 0)
        setMask(QRegion(enterMaskPolygon(), Qt::OddEvenFill));
    else if (!mask().isEmpty())
        clearMask();
}

void keyboardButCustom::resizeEvent(QResizeEvent *event)
{
    QToolButton::resizeEvent(event);
    if (m_look.specialEnter)
        updateEnterMask();
    if (paintedOnCanvas()) {
        m_canvas->areaMoved(QRect(pos(), event->oldSize()), geometry());
    }
}

void keyboardButCustom::moveEvent(QMoveEvent *event)
{
    QToolButton::moveEvent(event);
    if (paintedOnCanvas()) {
        m_canvas->areaMoved(QRect(event->oldPos(), size()), geometry());
    }
}

void keyboardButCustom::paintEvent(QPaintEvent *)
{
    static bool s_firstPaintLogged = false; // GUI thread only
    if (!s_firstPaintLogged) {
        s_firstPaintLogged = true;
        qCInfo(lcStartup, "keyboard view painted");
    }
    QPainter p(this);
    paintCap(p, devicePixelRatioF());
}

void keyboardButCustom::paintCap(QPainter &p, qreal pixelRatio)
{
    // Strokes need antialiasing. A plain cap is a fill and the cached outline: at a whole pixel ratio
    // its fill lies on pixels, and without antialiasing it is filled directly instead of through
    // the rasteriser, with the same pixels.
    const bool whole = qFuzzyCompare(pixelRatio, qreal(qRound(pixelRatio)));
    p.setRenderHint(QPainter::Antialiasing, m_look.specialEnter || !whole);
    const KeyPaintPlan plan = keyPaintPlan(m_look);
    if (plan.setsWorking) {
        m_workingFill = plan.workingFill;
        m_workingBorder = plan.workingBorder;
    }
    for (const KeyDraw &d : plan.draws) {
        if (d.transparentBrush)
            p.setBrush(Qt::transparent);
        if (m_look.specialEnter)
            paintEnterShape(p, d);
        else
            paintShape(p, d, pixelRatio);
    }
}

bool keyboardButCustom::plainCap(int pixelRatio, KeyDraw &draw) const
{
    if (m_look.specialEnter || pixelRatio < 1)
        return false;
    const KeyPaintPlan plan = keyPaintPlan(m_look);
    if (plan.setsWorking || plan.draws.size() != 1 || plan.draws.first().transparentBrush)
        return false;
    draw = plan.draws.first();
    return true;
}

void keyboardButCustom::composeCap(QImage &target, const QPoint &deviceOrigin, int pixelRatio,
                                   const QRect &deviceClip, const KeyDraw &draw) const
{
    const int r = pixelRatio;
    const QRect cap(deviceOrigin, QSize(m_width, m_height) * r);
    const QRect clip = deviceClip & cap & target.rect();
    if (clip.isEmpty())
        return;
    const int stride = target.bytesPerLine() / 4;
    auto *bits = reinterpret_cast<quint32 *>(target.bits());

    // The fill, as the painter fills a rectangle with a solid colour.
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const QRect fill = QRect(cap.topLeft() + inner.topLeft() * r, inner.size() * r) & clip;
    const quint32 colour = qPremultiply(draw.fill.rgba64()).toArgb32();
    if (!fill.isEmpty()) {
        for (int y = fill.top(); y <= fill.bottom(); ++y)
            capblend::solidOver(bits + y * stride + fill.left(), fill.width(), colour);
    }

    // The outline, as the painter draws the tinted outline image over the fill.
    if (draw.border.alpha() == 0)
        return;
    if (!m_coverage || m_coverageRatio != r || m_coverageSize != QSize(m_width, m_height)) {
        m_coverage = &keyoutline::coverage(QSize(m_width, m_height), r);
        m_coverageRatio = r;
        m_coverageSize = QSize(m_width, m_height);
    }
    const keyoutline::Coverage &coverage = *m_coverage;
    quint32 tinted[256];
    keyoutline::tintTable(coverage, draw.border, tinted);
    tinted[0] = 0;
    quint32 *origin = bits + cap.top() * stride + cap.left();
    if (clip == cap) {
        for (const keyoutline::RingChunk &chunk : coverage.chunks) {
            quint32 *at = origin + chunk.y * stride + chunk.x;
            const quint32 t[4] = {tinted[chunk.alpha[0]], tinted[chunk.alpha[1]], tinted[chunk.alpha[2]],
                                  tinted[chunk.alpha[3]]};
            capblend::over(at, chunk.length, t);
        }
        return;
    }
    const QRect local = clip.translated(-cap.topLeft());
    for (const keyoutline::RingPixel &px : coverage.ring) {
        if (local.contains(px.x, px.y))
            capblend::over(origin + px.y * stride + px.x, 1, &tinted[px.alpha]);
    }
}

const QImage &keyboardButCustom::outlineIn(const QColor &border, qreal ratio)
{
    const QSize size(m_width, m_height);
    if (m_outline.isNull() || m_outlineColour != border || m_outline.devicePixelRatio() != ratio ||
        m_outline.size() != size * ratio) {
        keyoutline::tint(keyoutline::coverage(size, ratio), border, m_outline);
        m_outlineColour = border;
    }
    return m_outline;
}

void keyboardButCustom::paintShape(QPainter &p, const KeyDraw &d, qreal pixelRatio)
{
    p.fillRect(rect().adjusted(1, 1, -1, -1), d.fill); // keys have no contents margins
    if (d.border.alpha() == 0)
        return; // a clear outline draws nothing
    p.drawImage(0, 0, outlineIn(d.border, pixelRatio));
}

void keyboardButCustom::paintEnterShape(QPainter &p, const KeyDraw &d)
{
    if (m_enterShape != 1)
        return;
    const int w = m_width;
    const int h = m_height;
    const int a = m_notchWidth;
    const int b = m_notchHeight;
    const int lw = m_lowerWidth;
    p.setPen(QPen(d.border, 2));
    p.drawLine(5, b, a - 5, b);
    p.drawLine(a, b + 5, a, h - 5);
    p.setPen(QPen(d.border, 3));
    p.drawLine(a + 5, h, w - 5, h);
    p.drawLine(w, h - 5, w, 5);
    p.drawLine(w - 5, 0, 5, 0);
    p.drawLine(0, b - 5, 0, 5);
    p.setPen(QPen(d.border, 2));
    p.drawArc(0, b - 10, 10, 10, -2880, 1440);
    p.drawArc(a, h - 10, 10, 10, -2880, 1440);
    p.drawArc(a - 10, b, 10, 10, 5760, 1440);
    p.drawArc(w - 10, 0, 10, 10, 5760, 1440);
    p.drawArc(0, 0, 10, 10, 1440, 1440);
    p.drawArc(w - 10, h - 10, 10, 10, -1440, 1440);
    p.setPen(QPen(d.fill, 2));
    p.drawArc(a - 8, b - 1, 10, 10, 5760, 1440);
    p.setPen(Qt::NoPen);
    p.setBrush(d.fill);
    p.drawRoundedRect(QRect(2, 2, w - 4, b - 3), 6, 6, Qt::RelativeSize);
    p.drawRoundedRect(QRect(a + 1, b - 1, lw - 3, h - b - 1), 6, 6, Qt::RelativeSize);
}

void keyboardButCustom::enterEvent(QEvent *event)
{
    m_look.hovered = true;
    emit sigCustomButMouseEnter();
    relook();
    QToolButton::enterEvent(event);
}

void keyboardButCustom::leaveEvent(QEvent *event)
{
    m_look.hovered = false;
    emit sigCustomButMouseLeave();
    relook();
    QToolButton::leaveEvent(event);
}
