#pragma once

// Stereo s16le PCM for the music tests: tones and silence of a number of frames.
#include <QByteArray>
#include <QtEndian>
#include <cmath>

namespace musictest {

// A sine of peak (0..1 of full scale) in the first channel; the second channel gets second.
inline QByteArray pcm(int frames, double frequency, double peak, qint16 second = 0, bool cosine = false)
{
    QByteArray out(frames * 4, '\0');
    auto *p = reinterpret_cast<uchar *>(out.data());
    for (int i = 0; i < frames; ++i) {
        const double phase = 2.0 * M_PI * frequency * i / 44100.0;
        const double v = std::min(
            32767.0,
            std::max(-32768.0, std::round(peak * 32768.0 * (cosine ? std::cos(phase) : std::sin(phase)))));
        qToLittleEndian<qint16>(qint16(v), p + 4 * i);
        qToLittleEndian<qint16>(second, p + 4 * i + 2);
    }
    return out;
}

inline QByteArray silence(int frames)
{
    return QByteArray(frames * 4, '\0');
}

} // namespace musictest
