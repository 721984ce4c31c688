// pskchannelsim: puts a clean recording through a simulated radio channel.
#include "ChannelSimulator.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static const char kUsage[] =
    "usage: pskchannelsim IN.wav OUT.wav [--snr DB] [--offset HZ] [--drift HZ_PER_S]\n"
    "                     [--clock PPM] [--seed N] [--rms LEVEL]\n"
    "  --snr     white Gaussian noise, SNR measured in 3000 Hz bandwidth\n"
    "  --offset  frequency shift; --drift its change per second\n"
    "  --clock   sample-clock error of the receiving sound card\n"
    "  --rms     output level (full scale 1.0, default 0.1)\n"
    "  --help    this text\n";

static int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    // Options come after the two file names; a name that looks like one is a mistake.
    if (argc < 3 || argv[1][0] == '-' || argv[2][0] == '-')
        return usage();
    pskchannelsim::ChannelParams p;
    for (int i = 3; i < argc; ++i) {
        if (i + 1 >= argc)
            return usage();
        const std::string opt = argv[i];
        const double v = std::atof(argv[++i]);
        if (opt == "--snr") p.snrDb = v;
        else if (opt == "--offset") p.offsetHz = v;
        else if (opt == "--drift") p.driftHzPerSecond = v;
        else if (opt == "--clock") p.clockPpm = v;
        else if (opt == "--seed") p.seed = uint32_t(v);
        else if (opt == "--rms") p.outputRms = v;
        else return usage();
    }
    std::vector<float> in;
    double rate = 0;
    std::string error;
    if (!pskchannelsim::readWave(argv[1], &in, &rate, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const auto out = pskchannelsim::simulate(in, p, rate);
    if (!pskchannelsim::writeWave(argv[2], out, rate, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
