#pragma once
// Texts and ends of the display's frequency scale. Audio frequencies are Hz
// within the passband; with the real-frequency option and a known dial
// frequency the scale shows radio frequencies (dial + audio) instead.
#include <QString>
#include <cstdint>

class CFrequencyLabel {
public:
    // bRealFrequency: the option to show radio frequencies; nDial: the radio's
    // dial frequency in Hz, 0 when unknown.
    CFrequencyLabel(bool bRealFrequency, int64_t nDial) : m_bRealFrequency(bRealFrequency), m_nDial(nDial) {}

    // The scale ends for the passband low..high, rounded outward to 100 Hz.
    void GetScaleRange(int nLow, int nHigh, int64_t& nLo, int64_t& nHi) const;
    // A scale label: "%d" below 10000, else grouped by "." with one final "0" dropped.
    const QString& FormatScale(int64_t nFrequency);
    // The radio frequency of an audio frequency: "%d" below 10000, else grouped by ".".
    const QString& Format(int nAudio);

    const QString& GetText() const { return m_strText; }
    bool IsRealFrequency() const { return m_bRealFrequency && m_nDial != 0; }

private:
    bool m_bRealFrequency;
    int64_t m_nDial;
    QString m_strText;
};
