#pragma once
#include <string>
#include <vector>

#include "engine/Resampler.h"

namespace pskdsp {

// The sound card through PortAudio's blocking streams, at 8000 Hz where the
// device allows it and converted from the device's own rate where not.
class SoundDevice {
public:
    ~SoundDevice() { close(); }
    // card -1 is the default device, otherwise PortAudio's device index.
    // 0, or a status code with a text.
    int open(int card, bool input, bool output, std::string* error);
    void close();
    // 0; 2 when samples were lost (the stream goes on); another code on failure.
    int read(float* out, int n);
    int write(const float* in, int n);

private:
    void* m_stream = nullptr;
    bool m_input = false, m_output = false;
    bool m_initialised = false;
    double m_rate = 8000;
    Resampler m_down, m_up;
    std::vector<float> m_inPending, m_outPending, m_scratch;
};

} // namespace pskdsp
