#pragma once
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace pskchannelsim {

// What the air does to a clean signal between two stations.
struct ChannelParams {
    double snrDb = std::numeric_limits<double>::infinity(); // in 3000 Hz bandwidth
    double offsetHz = 0;       // frequency shift at the start
    double driftHzPerSecond = 0;
    double clockPpm = 0;       // receiver's sample clock fast by this much
    uint32_t seed = 1;
    double outputRms = 0.1;    // level of the result (full scale 1.0); 0 keeps the level
};

// Average power of the part of the signal that is not silence.
double signalPower(const std::vector<float>& x);

// Applies the channel to 8000 Hz samples: shift and drift through the
// analytic signal, the clock error by resampling, then white Gaussian noise
// whose power in 3000 Hz is the signal power less the SNR.
std::vector<float> simulate(const std::vector<float>& clean, const ChannelParams& p, double sampleRate = 8000.0);

// Sums several tracks sample by sample (the longest sets the length).
std::vector<float> mix(const std::vector<std::vector<float>>& tracks);

bool readWave(const std::string& path, std::vector<float>* samples, double* rate, std::string* error);
bool writeWave(const std::string& path, const std::vector<float>& samples, double rate, std::string* error);

} // namespace pskchannelsim
