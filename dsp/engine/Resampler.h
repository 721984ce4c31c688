#pragma once
#include <vector>

namespace pskdsp {

// Changes the sample rate of a real stream by any ratio with a windowed-sinc
// interpolator; going down, the kernel also band-limits to the new rate.
class Resampler {
public:
    void create(double inputRate, double outputRate);
    void reset();
    bool identity() const { return m_in == m_out; }
    // Appends the outputs that the given inputs complete.
    void execute(const float* in, int n, std::vector<float>& out);

private:
    double m_in = 8000, m_out = 8000;
    double m_step = 1;     // input samples per output sample
    double m_cutoff = 0.5; // of the input rate
    int m_half = 16;       // kernel half-width in input samples
    std::vector<float> m_buffer;
    double m_time = 0;     // position of the next output, relative to m_buffer[0]
};

} // namespace pskdsp
