// One key and side-light frame of every effect on a TL104-sized keyboard (132 key records, 33
// side segments): the effect step plus the renderers that turn it into preview colours.
#include "lighteffectengine.h"
#include "lightrender.h"

#include <benchmark/benchmark.h>

namespace {

colorInfoData config(int type, int fullColour)
{
    colorInfoData c;
    c.ledType = type;
    c.ledBrightness = 3;
    c.ledSpeed = 3;
    c.color1Red = 255;
    c.color1Green = 40;
    c.color2Blue = 90;
    c.ledDirection = type == 4 || type == 5 || type == 15 ? 6 : (type == 7 || type == 8 ? 4 : 0);
    c.fullColorMode = fullColour;
    return c;
}

// Key type in arg 0, side type in arg 1, full colour in arg 2.
void BM_KeyAndSideFrame(benchmark::State &state)
{
    const colorInfoData keys = config(int(state.range(0)), int(state.range(2)));
    const colorInfoData side = config(int(state.range(1)), int(state.range(2)));
    LightEffectEngine fx(1);
    fx.startKeyEffect(keys, 104, true);
    fx.startSideEffect(side, 33);
    LightDimming dim;
    dim.setSteps(4);
    const LightView keyView = LightView::of(keys);
    const LightView sideView = LightView::of(side);
    const lightrender::MixSource mix = [&fx](int row, int column) { return fx.mix(row, column); };
    lightrender::KeyColours keyColours;
    lightrender::SideColours sideColours;
    std::map<int, int> levels;
    int tick = 0;
    for (auto _ : state) {
        if (++tick % 9 == 0)
            fx.keyPressed(tick % 6, tick % 22);
        lightrender::renderKeys(fx.stepKeys(), mix, keyView, dim, keyColours, &levels);
        lightrender::renderSide(fx.stepSide(), 33, sideView, dim, sideColours);
        benchmark::DoNotOptimize(keyColours);
        benchmark::DoNotOptimize(sideColours);
    }
}

void effects(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"key", "side", "full"});
    const int sideFor[] = {0, 1, 2, 3, 4, 5};
    int i = 0;
    for (int key : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15, 16}) {
        for (int full : {0, 1})
            b->Args({key, sideFor[i % 6], full});
        ++i;
    }
}

BENCHMARK(BM_KeyAndSideFrame)->Apply(effects);

} // namespace

BENCHMARK_MAIN();
