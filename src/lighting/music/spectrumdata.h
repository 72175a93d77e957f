#pragma once

#include <QMetaType>
#include <QVector>

// One analysis result: per frequency point its frequency (Hz) and an amplitude of 0.0 to 1.0.
class FrequencySpectrum
{
public:
    struct Point
    {
        double frequency = 0.0;
        double amplitude = 0.0;
        double phase = 0.0;
        bool clipped = false;
    };

    explicit FrequencySpectrum(int numPoints = 0) : m_points(numPoints) {}

    int count() const { return m_points.size(); }
    Point &operator[](int index) { return m_points[index]; }
    const Point &operator[](int index) const { return m_points[index]; }
    QVector<Point>::const_iterator begin() const { return m_points.cbegin(); }
    QVector<Point>::const_iterator end() const { return m_points.cend(); }

private:
    QVector<Point> m_points;
};

Q_DECLARE_METATYPE(FrequencySpectrum)
