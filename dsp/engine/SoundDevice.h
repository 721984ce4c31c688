#pragma once
#include <chrono>
#include <string>
#include <vector>

#include "engine/Resampler.h"
#include "engine/WaveFile.h"

namespace pskdsp {

// The sound card through PortAudio's blocking streams, at 8000 Hz where the
// device allows it and converted from the device's own rate where not.
//
// A machine without a sound card can be given a recording in its place: with
// PSKMODEM117_SOUNDCARD_FILE naming a wave file, the card hears that file
// over and over at real time, and what it plays goes nowhere.
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
    int openRecording(const char* path, bool input, bool output, std::string* error);
    void pace(int samples);

    void* m_stream = nullptr;
    WaveInput m_recording;
    bool m_fromRecording = false;
    std::chrono::steady_clock::time_point m_started;
    long long m_paced = 0;
    bool m_input = false, m_output = false;
    bool m_initialised = false;
    double m_rate = 8000;
    Resampler m_down, m_up;
    std::vector<float> m_inPending, m_outPending, m_scratch;
};

} // namespace pskdsp
