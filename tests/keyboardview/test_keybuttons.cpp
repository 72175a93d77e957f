// Key-cap look decisions and the setters of key caps and side-light segments.
#include "imagecompare.h"
#include "keyboardbutcustom.h"
#include "keypaintplan.h"
#include "sidelightbuttoncustom.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor kClear(0, 0, 0, 0);
const QColor kLight(10, 200, 30);
const QColor kBlack(0, 0, 0, 255);

KeyLookState look(std::initializer_list<bool KeyLookState::*> flags, QColor light = kClear, int code = 4)
{
    KeyLookState s;
    s.hoverHighlight = false;
    for (auto f : flags)
        s.*f = true;
    s.lightColor = light;
    s.keyCode = code;
    return s;
}

TEST(KeyPaintPlan, DecisionTable)
{
    const KeyLookState d; // default colours
    using S = KeyLookState;
    struct Case
    {
        const char *name;
        KeyLookState state;
        KeyDraws draws;
    };
    S notRemappable = look({&S::hovered, &S::hoverHighlight});
    notRemappable.remappable = false;
    S selectedNotRemappable = look({&S::selected});
    selectedNotRemappable.remappable = false;
    S enterBlankCode = look({&S::lightView, &S::specialEnter}, kLight, 800);
    const Case cases[] = {
        {"idle assignment look draws nothing", look({&S::hoverHighlight}), {}},
        {"hovered with highlight", look({&S::hovered, &S::hoverHighlight}), {{d.hoverFill, d.hoverBorder}}},
        {"hovered without highlight", look({&S::hovered}), {}},
        {"selected elsewhere", look({&S::selected}), {{d.selectedFill, d.selectedBorder}}},
        {"selected under the mouse", look({&S::selected, &S::hovered}), {{d.hoverFill, d.hoverBorder}}},
        {"selected and assigned: selected on top",
         look({&S::selected, &S::assigned}),
         {{d.assignedFill, d.assignedBorder, true}, {d.selectedFill, d.selectedBorder, true}}},
        {"assigned", look({&S::assigned}), {{d.assignedFill, d.assignedBorder, true}}},
        {"not remappable, hovered: red overlay too",
         notRemappable,
         {{d.hoverFill, d.hoverBorder}, {QColor(200, 0, 0, 50), QColor(200, 0, 0, 255)}}},
        {"not remappable but selected: no overlay",
         selectedNotRemappable,
         {{d.selectedFill, d.selectedBorder}}},
        {"light view, no highlight", look({&S::lightView}, kLight), {{kLight, kLight}}},
        {"light view, no highlight, blank code", look({&S::lightView}, kLight, 951), {{kClear, kClear}}},
        {"light view, blank code on the special Enter", enterBlankCode, {{kLight, kLight}}},
        {"light view, lit key", look({&S::lightView, &S::hoverHighlight}, kLight), {{kLight, kLight}}},
        {"light view, lit and drag marked",
         look({&S::lightView, &S::hoverHighlight, &S::dragMarked}, kLight),
         {{kLight, d.emphasisBorder}}},
        {"light view, black key idle", look({&S::lightView, &S::hoverHighlight}, kBlack), {{kClear, kClear}}},
        {"light view, black key hovered",
         look({&S::lightView, &S::hoverHighlight, &S::hovered}, kBlack),
         {{kClear, d.emphasisBorder}}},
        {"custom light, idle", look({&S::customLightMode, &S::lightView}, kLight), {{kLight, kClear}}},
        {"custom light, selected",
         look({&S::customLightMode, &S::selected, &S::assigned}, kLight),
         {{kLight, d.emphasisBorder}}},
        {"custom light, drag marked only",
         look({&S::customLightMode, &S::dragMarked}, kLight),
         {{kLight, kClear}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(keyPaintPlan(c.state).draws, c.draws) << c.name;
}

TEST(KeyPaintPlan, WorkingColoursFollowTheLastChosenPair)
{
    using S = KeyLookState;
    const KeyPaintPlan hovered = keyPaintPlan(look({&S::selected, &S::hovered}));
    EXPECT_TRUE(hovered.setsWorking);
    EXPECT_EQ(hovered.workingBorder, KeyLookState().hoverBorder);
    EXPECT_FALSE(keyPaintPlan(look({&S::assigned})).setsWorking);
}

TEST(KeyButton, LightColourIsAcceptedOnlyWhenShown)
{
    keyboardButCustom key;
    key.setLightColor(kLight);
    EXPECT_EQ(key.lightColor(), kClear);
    key.setLightColorShown(true);
    key.setLightColor(kLight);
    EXPECT_EQ(key.lightColor(), kLight);
}

TEST(KeyButton, ThemeColoursAndTranslucentSetters)
{
    keyboardButCustom key;
    key.applyThemeColours(QColor(220, 40, 45), QColor(0, 160, 255));
    const KeyLookState &s = key.lookState();
    EXPECT_EQ(s.hoverFill, QColor(0, 160, 255, 50));
    EXPECT_EQ(s.hoverBorder, QColor(0, 160, 255));
    EXPECT_EQ(s.selectedFill, QColor(220, 40, 45, 50));
    EXPECT_EQ(s.selectedBorder, QColor(220, 40, 45));
    EXPECT_EQ(s.assignedFill, QColor(0, 160, 255, 50));
    EXPECT_EQ(s.emphasisBorder, QColor(0, 160, 255));
    key.setHoverColorTranslucent(QColor(1, 2, 3, 255));
    EXPECT_EQ(key.lookState().hoverFill, QColor(1, 2, 3, 50));
}

TEST(KeyButton, LShapedEnterMaskCutsTheLowerLeftCorner)
{
    keyboardButCustom key;
    key.setKeySize(60, 80);
    key.setSpecialEnter(true);
    key.setEnterShape(1);
    key.setEnterNotch(10, 30);
    const QPolygon expected{QVector<QPoint>{{0, 33}, {7, 33}, {7, 80}, {60, 80}, {60, 0}, {0, 0}, {0, 30}}};
    EXPECT_EQ(key.enterMaskPolygon(), expected);
    EXPECT_FALSE(key.mask().contains(QPoint(2, 60))) << "the cut-away corner must not take clicks";
    EXPECT_TRUE(key.mask().contains(QPoint(30, 60)));
    EXPECT_TRUE(key.mask().contains(QPoint(2, 10)));
}

TEST(KeyButton, LShapedEnterWithOtherShapePaintsNothing)
{
    keyboardButCustom key;
    key.setKeySize(60, 80);
    key.setSpecialEnter(true);
    key.setEnterShape(2);
    key.setEnterNotch(10, 30);
    key.setSelected(true, false);
    QImage img(60, 80, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    key.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_EQ(qAlpha(img.pixel(x, y)), 0) << x << "," << y;
}

// What a key cap looks like when its plan is stroked directly: the fill inset by one pixel, then
// the rounded outline with a 3-pixel pen, later draws over earlier ones.
QImage strokedDirectly(const QSize &size, const KeyDraws &draws)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (const KeyDraw &d : draws) {
        p.fillRect(QRect(QPoint(0, 0), size).adjusted(1, 1, -1, -1), d.fill);
        p.setPen(QPen(d.border, 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        p.drawRoundedRect(QRect(QPoint(0, 0), size), 6, 6, Qt::AbsoluteSize);
    }
    return img;
}

QImage rendered(keyboardButCustom &key)
{
    QImage img(key.size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    key.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

// Keys draw their outline from a coverage shared per size and recoloured per key; the picture must
// stay the one a direct stroke gives, for every size, colour and stack of draws, and follow a key's
// new colour and size.
TEST(KeyButton, OutlineMatchesADirectStroke)
{
    struct Case
    {
        const char *name;
        QSize size;
        std::initializer_list<QColor> lights; // set one after the other; the last is shown
        bool assignedAndSelected;
    };
    const Case cases[] = {
        {"lit key, standard size", {34, 38}, {QColor(10, 200, 30)}, false},
        {"lit key recoloured", {34, 38}, {QColor(255, 0, 0), QColor(0, 80, 255), QColor(3, 250, 7)}, false},
        {"wide key", {110, 38}, {QColor(255, 128, 0)}, false},
        {"tall key", {34, 80}, {QColor(200, 200, 200)}, false},
        {"dim light", {51, 57}, {QColor(1, 2, 3)}, false},
        {"translucent fills under opaque outlines", {41, 45}, {}, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        keyboardButCustom key;
        key.setKeySize(c.size.width(), c.size.height());
        key.setLightColorShown(true);
        if (c.assignedAndSelected) {
            key.setAssignedState(1);
            key.setSelected(true, false);
        } else {
            key.setLightView(true);
        }
        for (const QColor &light : c.lights) {
            key.setLightColor(light);
            rendered(key); // the earlier colours leave their outline behind in the key
        }
        const QImage expected = strokedDirectly(c.size, keyPaintPlan(key.lookState()).draws);
        EXPECT_LE(largestDifference(rendered(key), expected), 1);
    }

    // A key that changes size after painting draws the outline of its new size.
    keyboardButCustom key;
    key.setLightView(true);
    key.setLightColorShown(true);
    key.setLightColor(QColor(90, 30, 220));
    rendered(key);
    key.setKeySize(60, 42);
    EXPECT_LE(
        largestDifference(rendered(key), strokedDirectly({60, 42}, keyPaintPlan(key.lookState()).draws)), 1);
}

// A picture with a different colour in every pixel, for caps to be blended over.
QImage busyBackground(const QSize &size, qreal ratio, QImage::Format format)
{
    QImage img(size * ratio, format);
    img.setDevicePixelRatio(ratio);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x * 7 + y) % 256, (x * 3 + y * 5) % 256, (x * y + 40) % 256));
    return img;
}

// A lit cap written straight into the pixels is the cap the painter paints, pixel for pixel: at
// whole pixel ratios, for each kind of colour of the preview, with hover and drag marks, on the two
// pixel formats of a window, and where only part of the cap may be written.
TEST(KeyButton, ComposedCapEqualsThePaintedCap)
{
    struct Case
    {
        const char *name;
        QSize size;
        int ratio;
        QColor light;
        bool hovered;
        QImage::Format format;
        QRect clip; // in device pixels of the picture; null for all of it
    };
    const QColor translucent(200, 40, 90, 180);
    const Case cases[] = {
        {"translucent light", {32, 32}, 1, translucent, false, QImage::Format_RGB32, {}},
        {"opaque light", {34, 38}, 1, QColor(10, 200, 30), false, QImage::Format_RGB32, {}},
        {"faint light",
         {50, 32},
         1,
         QColor(255, 255, 255, 3),
         false,
         QImage::Format_ARGB32_Premultiplied,
         {}},
        {"hovered dark key: outline only", {41, 32}, 1, QColor(0, 0, 0, 0), true, QImage::Format_RGB32, {}},
        {"ratio 2", {32, 32}, 2, translucent, false, QImage::Format_ARGB32_Premultiplied, {}},
        {"ratio 2, hovered", {68, 32}, 2, translucent, true, QImage::Format_RGB32, {}},
        {"ratio 3", {32, 68}, 3, QColor(30, 60, 250, 120), false, QImage::Format_RGB32, {}},
        {"clipped", {34, 38}, 1, translucent, true, QImage::Format_RGB32, QRect(5, 9, 20, 17)},
        {"clipped at ratio 2", {32, 32}, 2, translucent, false, QImage::Format_RGB32, QRect(0, 30, 64, 40)},
    };
    const QPoint at(5, 3); // the cap's place in the picture, in its own pixels
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        keyboardButCustom key;
        key.setKeySize(c.size.width(), c.size.height());
        key.setFixedSize(c.size);
        key.setLightView(true);
        key.setHoverHighlight(true);
        key.setLightColorShown(true);
        key.setLightColor(c.light);
        key.setHovered(c.hovered);
        KeyDraw draw;
        ASSERT_TRUE(key.plainCap(c.ratio, draw));

        const QSize area = c.size + QSize(10, 6);
        const QRect clip = c.clip.isNull() ? QRect(QPoint(0, 0), area * c.ratio) : c.clip;
        QImage painted = busyBackground(area, c.ratio, c.format);
        {
            QPainter p(&painted);
            p.setClipRect(QRectF(QPointF(clip.topLeft()) / c.ratio, QSizeF(clip.size()) / c.ratio));
            p.translate(at);
            key.paintCap(p, c.ratio);
        }
        QImage composed = busyBackground(area, c.ratio, c.format);
        key.composeCap(composed, at * c.ratio, c.ratio, clip, draw);
        EXPECT_EQ(largestDifference(composed, painted), 0);
    }

    // Only a plan of one plain draw can be composed: not the L-shaped Enter, not marks over marks.
    keyboardButCustom enter;
    enter.setSpecialEnter(true);
    enter.setLightView(true);
    KeyDraw draw;
    EXPECT_FALSE(enter.plainCap(1, draw));
    keyboardButCustom marked;
    marked.setAssignedState(1);
    marked.setSelected(true, false);
    EXPECT_FALSE(marked.plainCap(1, draw));
}

TEST(SideLightButton, SquareSegmentStaysInvisibleOthersGlowInTheMiddle)
{
    for (const QSize size : {QSize(12, 12), QSize(40, 6), QSize(6, 40)}) {
        sideLightButtonCustom light;
        light.setSegmentSize(size.width(), size.height());
        light.setColor(QColor(255, 0, 0));
        QImage img(size, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        light.render(&img, QPoint(), QRegion(), QWidget::RenderFlags());
        const QRgb centre = img.pixel(size.width() / 2, size.height() / 2);
        if (size.width() == size.height())
            EXPECT_EQ(qAlpha(centre), 0);
        else
            EXPECT_GT(qRed(centre), 200) << size.width() << "x" << size.height();
    }
}

} // namespace
