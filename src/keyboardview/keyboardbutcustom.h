#pragma once

#include "keypaintplan.h"

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QToolButton>
#include <QVector>

namespace keyoutline {
struct Coverage;
}

// Paints the caps of lit keys and the side-light segments on their behalf. An animated light
// preview changes most of them every frame; one widget painting them all in one pass costs a
// fraction of a repaint of each.
class LightCanvas
{
public:
    virtual ~LightCanvas() = default;
    // `area` (in the canvas's coordinates: a key's or segment's geometry) needs painting again.
    virtual void areaChanged(const QRect &area) = 0;
    // A key or segment moved or changed size: its old and its new place need painting.
    void areaMoved(const QRect &before, const QRect &after)
    {
        areaChanged(before);
        areaChanged(after);
    }
    // Between these, changes are gathered, and the end paints them at once instead of in a later
    // pass of the event loop: an animation's frame shows without waking the loop again.
    virtual void beginFrame() {}
    virtual void endFrame() {}
};

// One key cap of the keyboard view. It paints itself completely from its flags and colours; the
// key caption is only carried, the keyboard picture underneath shows the legend. With a canvas set,
// the canvas paints the cap instead while the key shows its light (light view or custom light).
class keyboardButCustom : public QToolButton
{
    Q_OBJECT

public:
    explicit keyboardButCustom(QWidget *parent = nullptr);

    void setKeySize(int width, int height);
    void setOrigin(int x, int y);
    QPoint origin() const { return m_originPoint; }
    void setKeyInfo(int keyCode, const QString &caption);
    void setIndex(int row, int column);
    void setSelected(bool selected, bool repaint);
    void setHovered(bool on);
    void setDragMarked(bool on);
    void setCustomLightMode(bool on);
    void setAssignedState(int state);
    void setRemappable(bool on) { m_look.remappable = on; }
    void setHoverHighlight(bool on) { m_look.hoverHighlight = on; }
    void setLightView(bool on);
    void setLightColorShown(bool on) { m_lightColorShown = on; }
    void setSpecialEnter(bool on);
    void setEnterShape(int shape);
    void setEnterNotch(int a, int b);
    void setHoverColorTranslucent(const QColor &c);
    void setSelectedColorTranslucent(const QColor &c);
    void setAssignedColorTranslucent(const QColor &c);
    void setHoverColor(const QColor &c) { m_look.hoverBorder = c; }
    void setSelectedColor(const QColor &c) { m_look.selectedBorder = c; }
    void setAssignedColor(const QColor &c) { m_look.assignedBorder = c; }
    void applyThemeColours(const QColor &accent, const QColor &theme);
    void setLightColor(const QColor &c);
    void setCustomLightColor(const QColor &c) { m_customLightColor = c; }
    QColor customLightColor() const { return m_customLightColor; }
    void refresh() { relook(); }
    // The canvas must be the key's parent widget; null paints the key itself again.
    void setCanvas(LightCanvas *canvas);
    LightCanvas *canvas() const { return m_canvas; }
    bool paintedOnCanvas() const { return m_canvas && (m_look.lightView || m_look.customLightMode); }
    // Paints the cap in the key's own coordinates, as the key or its canvas shows it, for a device
    // of `pixelRatio`.
    void paintCap(class QPainter &p, qreal pixelRatio);
    // A lit cap at a whole pixel ratio is one fill and the tinted outline, which a canvas can write
    // straight into the pixels it paints on, with the pixels paintCap gives (composeCap). False,
    // and `draw` untouched, when only a painter can draw the cap (the L-shaped Enter, marks drawn
    // over each other).
    bool plainCap(int pixelRatio, KeyDraw &draw) const;
    // Writes the cap of `draw` (from plainCap) over what `target` holds under the key, the key's
    // top left corner at `deviceOrigin`, touching only pixels inside `deviceClip`. `target` holds
    // 32-bit premultiplied pixels and shares them with no other image (writing would copy them).
    void composeCap(QImage &target, const QPoint &deviceOrigin, int pixelRatio, const QRect &deviceClip,
                    const KeyDraw &draw) const;

    int keyCode() const { return m_look.keyCode; }
    QString text() const { return m_caption; }
    int indexX() const { return m_indexX; }
    int indexY() const { return m_indexY; }
    bool isRemappable() const { return m_look.remappable; }

    bool isHovered() const { return m_look.hovered; }
    bool isDragMarked() const { return m_look.dragMarked; }
    bool isSelected() const { return m_look.selected; }
    bool isAssigned() const { return m_look.assigned; }
    bool isSpecialEnter() const { return m_look.specialEnter; }
    int enterShape() const { return m_enterShape; }
    QColor lightColor() const { return m_look.lightColor; }
    const KeyLookState &lookState() const { return m_look; }
    QColor workingFill() const { return m_workingFill; }
    QColor workingBorder() const { return m_workingBorder; }
    // Outline that keeps clicks off the cut-away corner of an L-shaped Enter.
    QPolygon enterMaskPolygon() const;

signals:
    void sigCustomButMouseEnter();
    void sigCustomButMouseLeave();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Repaints the cap where it is painted: by the key, or by its canvas.
    void relook();
    // Hands the painting to the canvas or takes it back after a change of look mode.
    void choosePainter();
    void paintShape(class QPainter &p, const KeyDraw &d, qreal pixelRatio);
    const QImage &outlineIn(const QColor &border, qreal ratio);
    void paintEnterShape(class QPainter &p, const KeyDraw &d);
    void updateEnterMask();

    KeyLookState m_look;
    int m_width = 34;
    int m_height = 38;
    int m_originX = 0;
    int m_originY = 0;
    QPoint m_originPoint;
    int m_indexX = 0;
    int m_indexY = 0;
    QString m_caption;
    int m_enterShape = 0;
    int m_notchWidth = 0;
    int m_notchHeight = 0;
    int m_lowerWidth = 0;
    int m_lowerHeight = 0;
    QColor m_workingFill{0, 0, 0, 0};
    QColor m_workingBorder{0, 0, 0, 0};
    bool m_lightColorShown = false;
    QColor m_customLightColor;
    LightCanvas *m_canvas = nullptr;
    // The outline last tinted, and its colour: a key whose light holds still reuses it.
    QImage m_outline;
    QColor m_outlineColour;
    // The outline's coverage as composeCap last used it (the shared cache keeps each one where it
    // is for the program's life).
    mutable const keyoutline::Coverage *m_coverage = nullptr;
    mutable int m_coverageRatio = 0;
    mutable QSize m_coverageSize;
};

// The anti-aliased rounded outline of a key cap as coverage (white, premultiplied), drawn once per
// size and pixel ratio and shared by all keys of that size: stroking the rounded corners is the
// costly part of painting a key, and the preview repaints lit keys many times a second.
namespace keyoutline {
struct RingPixel
{
    int offset; // index into the image's pixels
    quint32 alpha;
    qint16 x; // the pixel's place in the image
    qint16 y;
};
// Up to four neighbouring ring pixels on one line, blended together.
struct RingChunk
{
    qint16 x;
    qint16 y;
    quint8 length; // 1, 2 or 4
    quint8 alpha[4];
};
struct Coverage
{
    QImage image;
    QVector<RingPixel> ring;     // the pixels the outline covers at all, line by line
    QVector<RingChunk> chunks;   // the same pixels in pieces
    QVector<quint32> ringAlphas; // each coverage value of the ring once
};
const Coverage &coverage(const QSize &size, qreal pixelRatio);
// Writes the coverage tinted with `colour` into `out` (reusing its buffer), ready to be drawn over
// the key's fill.
void tint(const Coverage &coverage, const QColor &colour, QImage &out);
// The outline colour at every coverage value of the ring, as tint writes it (premultiplied).
void tintTable(const Coverage &coverage, const QColor &colour, quint32 (&tinted)[256]);
} // namespace keyoutline
