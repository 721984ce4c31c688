#pragma once
// Frequency to FFT bin arithmetic of the display: the modem's spectrum has
// 2048 bins over 8000 samples per second (3.90625 Hz a bin), delivered into
// a buffer of 2058 ints indexed by absolute bin number.
#include <cstddef>
#include <vector>

namespace dspdisplay {
constexpr int kFftSize = 2048;
constexpr int kSampleRate = 8000;
constexpr int kBufferSize = 2058;
} // namespace dspdisplay

class CBinMap {
public:
    // The bin of a range end, truncated, kept inside the data buffer so that a
    // damaged range setting can never make the modem write past it.
    static int FrequencyToBin(int nFrequency);

    // One bin per plot row (vertical) or column (horizontal), entry 0 the
    // lowest frequency: n entries spread over low..high, each rounded to the
    // nearest Hz and then to the nearest bin. Empty for n <= 0.
    void Build(int nLow, int nHigh, int n);

    int size() const { return int(m_bins.size()); }
    unsigned operator[](int i) const { return m_bins[size_t(i)]; }
    const unsigned* data() const { return m_bins.data(); }

private:
    std::vector<unsigned> m_bins;
};
