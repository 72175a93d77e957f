// Captured audio of any size and content, cut into packets of any size, must go through the music
// light's intake, analysis and render without a crash, and keep every level and colour in range.
#include "musicrhythmrenderer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    static MusicRhythmRenderer renderer(nullptr);
    renderer.initMusicalRhythm(data[0], 11);
    renderer.prepareMusicalRhythmGrid({QColor(255, 255, 255), QColor(0, 0, 0), (data[1] & 1) != 0, 100});
    renderer.setMusicalRhythmActive(true);
    const int packet = 1 + data[1] * 64;
    const QByteArray audio(reinterpret_cast<const char *>(data + 2), int(size - 2));
    for (int offset = 0; offset < audio.size(); offset += packet) {
        renderer.onSendCaptureAudioData(audio.mid(offset, packet));
        renderer.renderMusicalRhythm();
    }
    for (int level : renderer.musicColumnLevels())
        if (level < 0 || level > 5)
            std::abort();
    // The analyser alone with any frame size and rate.
    static SpectrumAnalyser analyser;
    analyser.calculate(audio, data[0] * 400, data[1] % 9);
    return 0;
}
