// pskdemo OUT.wav: a short recording of a band with three PSK31 stations
// calling and answering, with a little noise, as a sound card would hear it.
#include "ChannelSimulator.h"
#include "engine/PskTransmitter.h"

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: pskdemo OUT.wav\n"
    "  writes a recording of three PSK31 stations (1000, 1500 and 700 Hz) with a\n"
    "  little noise, 8000 samples per second, as a sound card would hear them\n"
    "  --help  this text\n";

struct Station {
    double startSeconds;
    double frequency;
    double driftHzPerSecond;
    const char* text;
};

std::vector<float> transmit(const Station& station)
{
    std::vector<float> samples(size_t(station.startSeconds * 8000), 0.0f);
    pskdsp::PskTransmitter tx;
    tx.create(8000.0);
    tx.setFrequency(station.frequency);
    std::deque<uint8_t> queue;
    for (const char* c = station.text; *c; ++c)
        queue.push_back(uint8_t(*c));
    tx.start(0);
    tx.stop();
    pskdsp::TxEvents events;
    float block[256];
    // A transmission ends by itself; the bound only guards against a fault.
    for (int n = 0; n < 8000 * 120 / 256; ++n) {
        tx.execute(block, 256, queue, events);
        samples.insert(samples.end(), block, block + 256);
        if (!tx.active())
            break;
    }
    pskchannelsim::ChannelParams air;
    air.driftHzPerSecond = station.driftHzPerSecond;
    air.outputRms = 0;
    return pskchannelsim::simulate(samples, air);
}

} // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    // Anything that looks like an option is not a file name to write over.
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const Station stations[] = {
        {0.5, 1000, 0.0, "CQ CQ CQ de QT9XVK QT9XVK QT9XVK pse k\r\n"},
        {3.0, 1500, 0.05, "QT7ABC de QT2DEF ur 599 599 - name Ann - hw? btu QT7ABC de QT2DEF kn\r\n"},
        {6.0, 700, -0.05, "TEST de QT5XYZ QT5XYZ test\r\n"},
    };
    std::vector<std::vector<float>> tracks;
    for (const Station& s : stations)
        tracks.push_back(transmit(s));
    std::vector<float> band = pskchannelsim::mix(tracks);
    // A moment of quiet before the recording starts again.
    band.resize(band.size() + 8000 * 2, 0.0f);
    pskchannelsim::ChannelParams noise;
    noise.snrDb = 15;
    noise.outputRms = 0.1;
    const std::vector<float> heard = pskchannelsim::simulate(band, noise);
    std::string error;
    if (!pskchannelsim::writeWave(argv[1], heard, 8000.0, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
