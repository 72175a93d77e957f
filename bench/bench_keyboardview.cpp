// Keyboard view costs: parsing a layout file, building a whole view, the hover tracking that
// runs on every pointer move over the drag overlay, and painting lit keys as the light preview does
// on every frame.
#include "ddatamanager.h"
#include "hiddevicejoinframe.h"
#include "keyboardbutcustom.h"
#include "keylayout.h"
#include "keyselectframe.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <vector>

namespace {

QByteArray layoutText(const char *model)
{
    QFile f(keylayout::resourcePath(QString::fromLatin1(model)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void BM_ParseLayout(benchmark::State &state)
{
    const QByteArray text = layoutText("TL104");
    for (auto _ : state)
        benchmark::DoNotOptimize(keylayout::parse(text));
}
BENCHMARK(BM_ParseLayout);

void BM_BuildView(benchmark::State &state)
{
    for (auto _ : state) {
        hidDeviceJoinFrame frame;
        frame.buildKeyboardView(QStringLiteral("TL104"));
        benchmark::DoNotOptimize(frame.keyLayer());
    }
}
BENCHMARK(BM_BuildView)->Unit(benchmark::kMillisecond);

void BM_TrackHoverSweep(benchmark::State &state)
{
    hidDeviceJoinFrame frame;
    frame.buildKeyboardView(QStringLiteral("TL104"));
    frame.setScale(1.5f);
    const QSize size = frame.keySpace()->size();
    int x = 0;
    for (auto _ : state) {
        // A pointer path across the whole board, one move per iteration.
        x = (x + 7) % size.width();
        frame.trackHoverKey(x, (x * 3) % size.height(), 1);
    }
}
BENCHMARK(BM_TrackHoverSweep);

// A colour that changes every call, as an animated effect gives each frame.
QColor frameColour(int frame, int offset)
{
    return QColor::fromHsv((frame * 7 + offset * 11) % 360, 255, 255);
}

// One lit key of the preview painted into an image, with a new colour each time.
void BM_PaintLitKey(benchmark::State &state)
{
    keyboardButCustom key;
    key.setKeySize(int(state.range(0)), int(state.range(1)));
    key.setLightView(true);
    key.setLightColorShown(true);
    QImage target(key.size(), QImage::Format_ARGB32_Premultiplied);
    int frame = 0;
    for (auto _ : state) {
        key.setLightColor(frameColour(++frame, 0));
        key.render(&target);
    }
}
BENCHMARK(BM_PaintLitKey)->Args({34, 38})->Args({51, 57});

// One preview frame of a whole TL104 view: every key takes a new colour and the view (background,
// picture and keys) is painted once; without the keyboard picture (0) or with it, as the program
// shows it (1).
void BM_PaintLitViewFrame(benchmark::State &state)
{
    DDataManager::getInstance()->setApplicationDirPath(state.range(0) ? QStringLiteral(TL_OUTPUT_DIR)
                                                                      : QString());
    hidDeviceJoinFrame frame;
    frame.buildKeyboardView(QStringLiteral("TL104"));
    frame.setScale(1.0f);
    frame.showMode(hidDeviceJoinFrame::ViewMode::Selection);
    const QList<keyboardButCustom *> keys = frame.keyLayer()->keyButtons();
    for (keyboardButCustom *key : keys)
        key->setLightColorShown(true);
    QImage target(frame.keySpace()->size(), QImage::Format_ARGB32_Premultiplied);
    int n = 0;
    for (auto _ : state) {
        ++n;
        for (int i = 0; i < keys.size(); ++i)
            keys.at(i)->setLightColor(frameColour(n, i));
        frame.keySpace()->render(&target);
    }
}
BENCHMARK(BM_PaintLitViewFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The key layer's own paint of one preview frame in the light look, as the layer paints every lit
// cap in one pass: every key takes a new colour, then the layer alone (no picture, no children) is
// painted into an image.
void BM_PaintLitCapsOfTheLayer(benchmark::State &state)
{
    DDataManager::getInstance()->setApplicationDirPath(QString());
    hidDeviceJoinFrame frame;
    frame.buildKeyboardView(QStringLiteral("TL104"));
    frame.setScale(1.0f);
    frame.setLightView(true);
    keySelectFrame *layer = frame.keyLayer();
    const QList<keyboardButCustom *> keys = layer->keyButtons();
    for (keyboardButCustom *key : keys)
        key->setLightColorShown(true);
    QImage target(layer->size(), QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::darkGray);
    int n = 0;
    for (auto _ : state) {
        ++n;
        for (int i = 0; i < keys.size(); ++i)
            keys.at(i)->setLightColor(frameColour(n, i));
        layer->render(&target, QPoint(), QRegion(), QWidget::RenderFlags());
    }
}
BENCHMARK(BM_PaintLitCapsOfTheLayer)->Unit(benchmark::kMicrosecond);

// One preview frame as the program shows it: a TL104 view with its picture in a window on screen,
// every key takes a new colour of the preview's translucency and the window repaints what changed.
// Between frames the caches are filled with other data (arg 1), as thirty milliseconds of the rest
// of the system leave them, or not (arg 0).
void BM_PreviewFrameOnScreen(benchmark::State &state)
{
    DDataManager::getInstance()->setApplicationDirPath(QStringLiteral(TL_OUTPUT_DIR));
    hidDeviceJoinFrame frame;
    frame.buildKeyboardView(QStringLiteral("TL104"));
    frame.setScale(1.0f);
    frame.setLightView(true);
    const QList<keyboardButCustom *> keys = frame.keyLayer()->keyButtons();
    for (keyboardButCustom *key : keys)
        key->setLightColorShown(true);
    frame.show();
    QApplication::processEvents();
    std::vector<char> other(state.range(0) ? size_t(32) << 20 : 0);
    int n = 0;
    for (auto _ : state) {
        if (state.range(0)) {
            state.PauseTiming();
            for (size_t i = 0; i < other.size(); i += 64)
                other[i] = char(i + size_t(n));
            state.ResumeTiming();
        }
        ++n;
        for (int i = 0; i < keys.size(); ++i) {
            QColor c = frameColour(n, i);
            c.setAlpha(180);
            keys.at(i)->setLightColor(c);
        }
        QApplication::processEvents();
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(other.data());
}
BENCHMARK(BM_PreviewFrameOnScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
