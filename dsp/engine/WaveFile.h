#pragma once
#include <string>
#include <vector>

#include "engine/Resampler.h"

typedef struct sf_private_tag SNDFILE;

namespace pskdsp {

// Reads a wave file as 8000 Hz mono samples (other rates are converted,
// several channels mixed down).
class WaveInput {
public:
    ~WaveInput() { close(); }
    // 0, or the status code of the failure with a text in *error.
    int open(const std::string& path, int offsetSeconds, std::string* error);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    int lengthSeconds() const;
    // Fills up to n samples; fewer at the end of the file; -1 on a read error.
    int read(float* out, int n);
    bool rewind();
    int percent() const;

private:
    SNDFILE* m_file = nullptr;
    int m_channels = 1;
    int m_rate = 8000;
    long long m_frames = 0;
    long long m_position = 0; // frames read
    long long m_offsetFrames = 0;
    Resampler m_resampler;
    std::vector<float> m_pending;
    std::vector<float> m_raw;
};

// Writes 8000 Hz mono 16-bit wave files, appending when asked.
class WaveOutput {
public:
    ~WaveOutput() { close(); }
    int open(const std::string& path, bool append, std::string* error);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    // 0, or the status code of a write failure.
    int write(const float* in, int n);

private:
    SNDFILE* m_file = nullptr;
};

} // namespace pskdsp
