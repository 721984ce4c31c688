// The DSP engine's wave-file input: any file the operator names as a
// recording to play.
#include "FuzzTarget.h"

#include "engine/WaveFile.h"

#include <QFile>

CORVANE_FUZZ_TARGET(WaveInput)
{
    const QString path = fuzz::WriteFile(QStringLiteral("fuzz-input.wav"), data, size);
    pskdsp::WaveInput input;
    std::string error;
    if (input.open(QFile::encodeName(path).toStdString(), 0, &error) != 0)
        return 0;
    input.lengthSeconds();
    float samples[512];
    // A bounded number of blocks: a header may claim any length.
    for (int block = 0; block < 64; ++block) {
        const int got = input.read(samples, 512);
        input.percent();
        if (got <= 0)
            break;
    }
    if (input.rewind())
        input.read(samples, 512);
    return 0;
}
