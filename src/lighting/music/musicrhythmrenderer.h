#pragma once

#include "dsoundcardaudiocapture.h"
#include "fftanalysis.h"
#include "spectrumdata.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <QVector>
#include <memory>

// The band's loudest point, 0.0 to 1.0.
struct SpectrumBar
{
    double value = 0.0;
    bool clipped = false;
};

// One key of the 22 x 6 music grid.
struct MusicRhythmCell
{
    int red = 0;
    int green = 0;
    int blue = 0;
    int intensity = 0; // 0..255
    int fadeMode = 0;  // 0 holds, 2 falls
    int level = 0;     // bar level of the column; 0 is dark
};

// Per-model exceptions to the band layout and palette; a default row changes nothing.
struct MusicModelRule
{
    int columnsFor68Keys = 16;
    bool oneColumnPerBand = false;
    bool rgbFirstPalette = false;
};

// What the applied keyboard light setting gives the music grid.
struct MusicRhythmLook
{
    QColor color1;
    QColor color2;
    bool fullColor = false;
    int darkerFactor = 100; // QColor::darker factor of the keyboard brightness
};

// The music-rhythm light: captured audio -> spectrum -> 11 frequency bands -> bars of 0..5 keys on
// a 22 x 6 key grid that fall back one key at a time per keyboard tick. The result is keyColors
// (row * 22 + column), announced with keyFrameReady after each tick. Everything runs on the GUI
// thread; only the capture has a thread of its own.
class MusicRhythmRenderer : public QObject
{
    Q_OBJECT

public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kKeys = kRows * kColumns;
    static constexpr int kWindowBytes = SpectrumAnalyserThread::kNumSamples * 4;
    static constexpr int kFadeStep = 25;

    // Takes the capture (may be null: no audio then).
    explicit MusicRhythmRenderer(std::unique_ptr<DSoundCardAudioCapture> capture, QObject *parent = nullptr);
    ~MusicRhythmRenderer() override;

    static const QVector<QColor> &hueOrderColors();
    static const QVector<QColor> &rgbFirstColors();
    // Key columns a keyboard of keyCount keys shows, and how they split over the bands.
    static int columnsForKeyCount(int keyCount, const MusicModelRule &rule = MusicModelRule());
    static QList<int> splitColumns(int columns, int bandCount);
    static int levelOfBar(double value);
    // One fade step of a cell's intensity; true when it just went dark.
    static bool stepCellFade(int &intensity, int step, int fadeMode);

    void initMusicalRhythm(int keyCount, int bandCount = 11, double lowFrequency = 30.0,
                           double highFrequency = 930.0, const MusicModelRule &rule = MusicModelRule());
    void prepareMusicalRhythmGrid(const MusicRhythmLook &look);
    void setMusicalRhythmActive(bool on);
    void renderMusicalRhythm();
    int bandIndexOfFrequency(double frequency) const;

    bool isActive() const { return m_musicRhythmActive; }
    bool isDeviceCheckRunning() const { return m_audioDeviceTimer.isActive(); }
    DSoundCardAudioCapture *capture() const { return m_capture.get(); }
    SpectrumAnalyser &analyser() { return m_analyser; }
    const QVector<SpectrumBar> &musicBands() const { return m_musicBands; }
    const QList<int> &bandColumnCounts() const { return m_bandColumnCounts; }
    const QMap<int, int> &columnBandMap() const { return m_columnBandMap; }
    const QList<int> &musicColumnLevels() const { return m_musicColumnLevels; }
    const QList<int> &musicColumnIntensities() const { return m_musicColumnIntensities; }
    const QVector<QColor> &keyColors() const { return m_keyColors; }
    const MusicRhythmCell &cell(int row, int column) const { return m_grid[row * kColumns + column]; }

public slots:
    void onSendCaptureAudioData(const QByteArray &data);
    void onSpectrumChanged(const FrequencySpectrum &spectrum);
    // The device check: restarts a capture that died and follows a new default output.
    void onAudioOutputDevListChanging();

signals:
    // keyColors after a tick or a blanking.
    void keyFrameReady(const QVector<QColor> &keyColors);
    // The freshly coloured grid for the keyboard picture (alpha 180).
    void previewColorsPrepared(const QVector<QColor> &colors);

private:
    void updateMusicLevels();
    void setColumnBar(int start, int count, int level);
    void blankKeyColors();
    void startCapture();

    std::unique_ptr<DSoundCardAudioCapture> m_capture;
    SpectrumAnalyser m_analyser;
    QTimer m_audioDeviceTimer;

    bool m_musicRhythmActive = false;
    QVector<SpectrumBar> m_musicBands;
    double m_lowFrequency = 30.0;
    double m_highFrequency = 930.0;
    QList<int> m_bandColumnCounts;
    QMap<int, int> m_columnBandMap;
    MusicModelRule m_rule;
    MusicRhythmLook m_look;
    FrequencySpectrum m_spectrum;
    QByteArray m_audioCaptureBuffer;
    int m_analysisCounter = 0;
    QString m_lastOutputDeviceName;
    QList<int> m_musicColumnLevels;
    QList<int> m_musicColumnIntensities;
    QVector<MusicRhythmCell> m_grid;
    QVector<QColor> m_keyColors;
};
