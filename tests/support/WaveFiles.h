#pragma once
// Wave files that tests hand the DSP engine in place of a sound card: 16-bit
// mono at 8000 Hz, the engine's rate. False when a file could not be written.
#include <QString>

#include <vector>

namespace testsupport {

// nSamples silent samples.
bool WriteSilence(const QString& path, int nSamples);
// Samples from -1 to 1 (clipped there), a little below full scale.
bool WriteWave(const QString& path, const std::vector<double>& samples);

} // namespace testsupport
