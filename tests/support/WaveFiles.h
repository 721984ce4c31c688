#pragma once
// Wave files that tests hand the DSP engine in place of a sound card.
#include <QString>

namespace testsupport {

// A file of nSamples silent samples, 16-bit mono at 8000 Hz (the engine's
// rate); false when it could not be written.
bool WriteSilence(const QString& path, int nSamples);

} // namespace testsupport
