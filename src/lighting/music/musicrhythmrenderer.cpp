#include "musicrhythmrenderer.h"

#include <QDebug>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kDeviceCheckMs = 1000;
constexpr int kAnalysisEvery = 10;
} // namespace

MusicRhythmRenderer::MusicRhythmRenderer(std::unique_ptr<DSoundCardAudioCapture> capture, QObject *parent)
    : QObject(parent), m_capture(std::move(capture)), m_grid(kKeys), m_keyColors(kKeys, QColor(0, 0, 0, 128))
{
    m_audioDeviceTimer.setInterval(kDeviceCheckMs);
    connect(&m_audioDeviceTimer, &QTimer::timeout, this, &MusicRhythmRenderer::onAudioOutputDevListChanging);
    connect(&m_analyser, &SpectrumAnalyser::spectrumChanged, this, &MusicRhythmRenderer::onSpectrumChanged);
    if (m_capture)
        connect(m_capture.get(), &DSoundCardAudioCapture::sigSendCaptureAudioData, this,
                &MusicRhythmRenderer::onSendCaptureAudioData);
}

MusicRhythmRenderer::~MusicRhythmRenderer()
{
    if (m_capture)
        m_capture->stop();
}

const QVector<QColor> &MusicRhythmRenderer::hueOrderColors()
{
    static const QVector<QColor> colors{{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {128, 255, 0},
                                        {0, 255, 0}, {0, 255, 128}, {0, 255, 255}, {0, 128, 255},
                                        {0, 0, 255}, {128, 0, 255}, {255, 0, 255}};
    return colors;
}

const QVector<QColor> &MusicRhythmRenderer::rgbFirstColors()
{
    static const QVector<QColor> colors{{255, 0, 0},   {0, 255, 0},   {0, 0, 255},   {255, 0, 255},
                                        {255, 128, 0}, {255, 255, 0}, {128, 255, 0}, {0, 255, 128},
                                        {0, 255, 255}, {0, 128, 255}, {128, 0, 255}};
    return colors;
}

int MusicRhythmRenderer::columnsForKeyCount(int keyCount, const MusicModelRule &rule)
{
    switch (keyCount) {
    case 18:
    case 21:
        return 11;
    case 34:
        return 7;
    case 61:
    case 62:
    case 63:
    case 65:
        return 15;
    case 68:
        return rule.columnsFor68Keys;
    case 69:
    case 84:
        return 16;
    case 81:
    case 82:
    case 83:
        return 17;
    case 87:
    case 88:
    case 91:
        return 18;
    case 97:
    case 98:
    case 99:
        return 19;
    default:
        return kColumns;
    }
}

QList<int> MusicRhythmRenderer::splitColumns(int columns, int bandCount)
{
    QList<int> counts;
    if (bandCount <= 0)
        return counts;
    const int base = columns / bandCount;
    const int rest = columns % bandCount;
    // The extra columns go to the bands in the middle.
    const int first = bandCount / 2 - rest / 2;
    for (int band = 0; band < bandCount; ++band)
        counts.append(rest != 0 && band >= first && band < first + rest ? base + 1 : base);
    return counts;
}

int MusicRhythmRenderer::levelOfBar(double value)
{
    static const double kThresholds[] = {0.1, 0.25, 0.4, 0.55, 0.7};
    if (!(value >= 0.0)) // negative and NaN
        return 0;
    int level = 0;
    for (double threshold : kThresholds)
        if (value >= threshold)
            ++level;
    return level;
}

bool MusicRhythmRenderer::stepCellFade(int &intensity, int step, int fadeMode)
{
    if (fadeMode != 2)
        return false;
    if (intensity >= step) {
        intensity -= step;
        return false;
    }
    intensity = 0;
    return true;
}

void MusicRhythmRenderer::initMusicalRhythm(int keyCount, int bandCount, double lowFrequency,
                                            double highFrequency, const MusicModelRule &rule)
{
    // More bands than columns could never be shown.
    bandCount = std::clamp(bandCount, 1, kColumns);
    m_rule = rule;
    m_musicBands = QVector<SpectrumBar>(bandCount);
    m_lowFrequency = lowFrequency;
    m_highFrequency = highFrequency;
    m_bandColumnCounts = splitColumns(columnsForKeyCount(keyCount, rule), bandCount);
    if (rule.oneColumnPerBand)
        m_bandColumnCounts = QVector<int>(bandCount, 1).toList();
    while (m_bandColumnCounts.size() < kColumns)
        m_bandColumnCounts.append(0);

    m_columnBandMap.clear();
    int column = 0;
    for (int band = 0; band < m_bandColumnCounts.size(); ++band)
        for (int n = 0; n < m_bandColumnCounts[band] && column < kColumns; ++n)
            m_columnBandMap.insert(column++, band);
    while (column < kColumns)
        m_columnBandMap.insert(column++, 0);
    qDebug() << "------------- Init [Musical Rhythm] Over ---------------";
}

void MusicRhythmRenderer::prepareMusicalRhythmGrid(const MusicRhythmLook &look)
{
    m_look = look;
    const QVector<QColor> &palette = m_rule.rgbFirstPalette ? rgbFirstColors() : hueOrderColors();
    QVector<QColor> preview(kKeys);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int index = row * kColumns + column;
            const int band = m_columnBandMap.value(column, 0);
            const QColor color = look.fullColor ? palette[band % palette.size()] : look.color1;
            MusicRhythmCell &c = m_grid[index];
            c = MusicRhythmCell();
            c.red = color.red();
            c.green = color.green();
            c.blue = color.blue();
            m_keyColors[index] = QColor(c.red, c.green, c.blue, 255);
            preview[index] = QColor(c.red, c.green, c.blue, 180);
        }
    }
    emit previewColorsPrepared(preview);
}

void MusicRhythmRenderer::setMusicalRhythmActive(bool on)
{
    const bool wasOn =
        m_musicRhythmActive || m_audioDeviceTimer.isActive() || (m_capture && m_capture->isRunning());
    m_musicRhythmActive = on;
    if (on) {
        if (m_capture && m_capture->isRunning())
            return;
        m_lastOutputDeviceName.clear();
        m_audioDeviceTimer.start();
        blankKeyColors();
        m_analyser.cancel();
        startCapture();
        return;
    }
    // Off always ends the device check and the capture, also after a failed start, so nothing
    // records while another light runs.
    m_audioDeviceTimer.stop();
    if (m_capture && m_capture->isRunning())
        m_capture->stop();
    m_analyser.cancel();
    if (wasOn)
        blankKeyColors();
}

void MusicRhythmRenderer::startCapture()
{
    if (m_capture && m_capture->start() == 0)
        m_lastOutputDeviceName = m_capture->currentOutputName();
}

void MusicRhythmRenderer::onSendCaptureAudioData(const QByteArray &data)
{
    if (!m_musicRhythmActive)
        return;
    m_audioCaptureBuffer.append(data);
    if (m_audioCaptureBuffer.size() <= kWindowBytes)
        return;
    if (m_analysisCounter == 0) {
        // The newest window: the bars show what is heard now, not what was heard a cycle ago.
        const QByteArray window = m_audioCaptureBuffer.right(kWindowBytes);
        m_audioCaptureBuffer.clear();
        m_analyser.calculate(window, DSoundCardAudioCapture::kSampleRate,
                             DSoundCardAudioCapture::kBytesPerFrame);
    }
    if (++m_analysisCounter == kAnalysisEvery)
        m_analysisCounter = 0;
}

int MusicRhythmRenderer::bandIndexOfFrequency(double frequency) const
{
    const double width = (m_highFrequency - m_lowFrequency) / m_musicBands.size();
    return int((frequency - m_lowFrequency) / width);
}

void MusicRhythmRenderer::onSpectrumChanged(const FrequencySpectrum &spectrum)
{
    if (!m_musicRhythmActive || m_musicBands.isEmpty())
        return;
    m_spectrum = spectrum;
    std::fill(m_musicBands.begin(), m_musicBands.end(), SpectrumBar());
    for (const FrequencySpectrum::Point &point : spectrum) {
        if (point.frequency < m_lowFrequency || point.frequency >= m_highFrequency)
            continue;
        // Rounding can put a point just below the top edge into one band too many.
        const int band = std::min(bandIndexOfFrequency(point.frequency), int(m_musicBands.size()) - 1);
        SpectrumBar &bar = m_musicBands[band];
        bar.value = std::max(bar.value, point.amplitude);
        bar.clipped = bar.clipped || point.clipped;
    }
    updateMusicLevels();
}

void MusicRhythmRenderer::updateMusicLevels()
{
    int start = 0;
    for (int band = 0; band < m_musicBands.size(); ++band) {
        const int count = m_bandColumnCounts.value(band, 0);
        setColumnBar(start, count, levelOfBar(m_musicBands[band].value));
        start += count;
    }
}

void MusicRhythmRenderer::setColumnBar(int start, int count, int level)
{
    for (int column = start; column < start + count && column < kColumns; ++column) {
        for (int k = 0; k < kRows; ++k) {
            MusicRhythmCell &c = m_grid[(kRows - 1 - k) * kColumns + column];
            if (k <= level) {
                c.intensity = 255;
                c.level = level;
                c.fadeMode = k == level ? 2 : 0;
            } else {
                c.intensity = 0;
                c.fadeMode = 0;
                c.level = 0;
            }
        }
    }
}

void MusicRhythmRenderer::renderMusicalRhythm()
{
    m_musicColumnLevels.clear();
    m_musicColumnIntensities.clear();
    const QColor &c2 = m_look.color2;
    const bool c2Black = c2.red() == 0 && c2.green() == 0 && c2.blue() == 0;
    for (int column = 0; column < kColumns; ++column) {
        bool listed = false;
        for (int row = 0; row < kRows; ++row) {
            MusicRhythmCell &c = m_grid[row * kColumns + column];
            if (stepCellFade(c.intensity, kFadeStep, c.fadeMode)) {
                c.fadeMode = 0;
                if (row < kRows - 1)
                    m_grid[(row + 1) * kColumns + column].fadeMode = 2;
            }
            const int shown = c.level == 0 ? 0 : c.intensity;
            if (c.level > 0 && !listed) {
                m_musicColumnLevels.append(c.level);
                m_musicColumnIntensities.append(c.intensity);
                listed = true;
            }
            const int red = (c.red * shown + (255 - shown) * c2.red()) / 256;
            const int green = (c.green * shown + (255 - shown) * c2.green()) / 256;
            const int blue = (c.blue * shown + (255 - shown) * c2.blue()) / 256;
            int alpha = 180;
            if (c2Black)
                alpha = red == 0 && green == 0 && blue == 0 ? 0 : std::min(c.intensity, 200);
            const QColor color(red, green, blue, alpha);
            // darker() goes through HSV even at 100; full brightness is the common case.
            m_keyColors[row * kColumns + column] =
                m_look.darkerFactor == 100 ? color : color.darker(m_look.darkerFactor);
        }
        if (!listed) {
            m_musicColumnLevels.append(0);
            m_musicColumnIntensities.append(0);
        }
    }
    emit keyFrameReady(m_keyColors);
}

void MusicRhythmRenderer::blankKeyColors()
{
    std::fill(m_keyColors.begin(), m_keyColors.end(), QColor(0, 0, 0, 128));
    emit keyFrameReady(m_keyColors);
}

void MusicRhythmRenderer::onAudioOutputDevListChanging()
{
    if (!m_capture)
        return;
    if (!m_capture->isRunning()) {
        // A failed start or a stream that died: try again while the light is on.
        if (m_musicRhythmActive) {
            m_analyser.cancel();
            startCapture();
        }
        return;
    }
    const QString name = m_capture->currentOutputName();
    if (name.isEmpty())
        return;
    if (!m_lastOutputDeviceName.isEmpty() && name != m_lastOutputDeviceName) {
        m_capture->stop();
        m_analyser.cancel();
        m_capture->start();
    }
    m_lastOutputDeviceName = name;
}
