#pragma once
#include <vector>

#include "engine/Fft.h"

namespace pskdsp {

// The display spectrum: 2048 points of the 8000 Hz input, a new block every
// hop of 512 samples, smoothed over blocks and read out in one of the data
// modes. Also keeps a slower average for the search of signal peaks.
class Spectrum {
public:
    static constexpr int kSize = 2048;
    static constexpr int kBins = kSize / 2 + 1;
    static constexpr int kHop = 512;
    static constexpr int kBufferEntries = 2058;
    static constexpr double kRate = 8000.0;

    Spectrum();
    void reset();
    // Feeds samples (full scale 1.0); returns the number of new blocks.
    int execute(const float* in, int n);

    // fnSetFFTMode's arguments; invalid values are refused.
    static bool validMode(int smoothing, int scale, int mode);
    void setMode(int smoothing, int scale, int mode);
    // Fills out[first..last] (bins above the top get 0); true when overloaded.
    bool read(int* out, int first, int last) const;
    // The newest count input samples in 16-bit range, oldest first.
    bool raw(int* out, int count) const;
    bool overloaded() const { return m_overload; }
    // Nearest signal peak from start towards limit (Hz), or start.
    int closestPeak(int start, int limit) const;

private:
    void block();
    double binFrequency(double bin) const { return bin * kRate / kSize; }

    std::vector<float> m_input;   // ring of the latest kSize samples
    int m_inputPos = 0;
    int m_sinceBlock = 0;
    long m_blocks = 0;
    std::vector<float> m_window;
    FftBuffer<float> m_fftIn;
    FftBuffer<fftwf_complex> m_fftOut;
    std::vector<double> m_display; // smoothed power, full-scale sine = 1
    std::vector<double> m_search;  // slow average for peaks
    bool m_overload = false;
    bool m_blockOverload = false;
    int m_smoothing = 1, m_scale = 255, m_mode = 10;
};

} // namespace pskdsp
