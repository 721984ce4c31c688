// pskmodem_bench: how well and how cheaply the modem copies.
//
//   pskmodem_bench [--quick] [--chars N]
//
// 1. Character error rate against SNR (white Gaussian noise, SNR measured in
//    3000 Hz), for PSK31 BPSK and QPSK, next to differential BPSK theory.
// 2. CPU time per second of audio with 1, 4 and 50 receive channels enabled.
#include "PskModemApi.h"
#include "engine/Modem.h"
#include "engine/Varicode.h"

#include "ChannelSimulator.h"

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <random>
#include <string>
#include <vector>

namespace {

struct Log {
    std::mutex m;
    std::condition_variable cv;
    std::string text[50];
    bool status[64] = {};
    PskMessageSink sink{this, [](void* c, unsigned msg, uintptr_t w, intptr_t l) {
                            auto* self = static_cast<Log*>(c);
                            std::lock_guard<std::mutex> lock(self->m);
                            if (msg == PSK_MSG_CHARACTER && l >= 0 && l < 50)
                                self->text[l].push_back(char(w));
                            if (msg == PSK_MSG_STATUS && w < 64)
                                self->status[w] = true;
                            self->cv.notify_all();
                        }};
    bool wait(int code)
    {
        std::unique_lock<std::mutex> lock(m);
        return cv.wait_for(lock, std::chrono::minutes(10), [&] { return status[code]; });
    }
};

std::string plainText(size_t n, unsigned seed)
{
    static const char* words[] = {
        "the", "of", "and", "to", "in", "is", "you", "that", "it", "he", "was", "for", "on", "are", "as", "with",
        "his", "they", "at", "be", "this", "have", "from", "or", "one", "had", "by", "word", "but", "not", "what",
        "all", "were", "we", "when", "your", "can", "said", "there", "use", "each", "which", "she", "do", "how",
        "their", "if", "will", "up", "other", "about", "out", "many", "then", "them", "these", "so", "some", "her",
        "would", "make", "like", "him", "into", "time", "has", "look", "two", "more", "write", "go", "see", "number",
        "no", "way", "could", "people", "my", "than", "first", "water", "been", "call", "who", "oil", "its", "now",
        "find", "long", "down", "day", "did", "get", "come", "made", "may", "part", "antenna", "radio", "weather",
        "rig", "power", "watts", "name", "here", "report", "thanks", "good", "signal", "band", "conditions"};
    std::mt19937 rng(seed);
    std::string s;
    bool capital = true;
    while (s.size() < n) {
        std::string w = words[rng() % (sizeof(words) / sizeof(words[0]))];
        if (capital)
            w[0] = char(std::toupper(w[0]));
        capital = false;
        s += w;
        const unsigned r = rng() % 12;
        if (r == 0) {
            s += ". ";
            capital = true;
        } else if (r == 1) {
            s += ", ";
        } else if (r == 2) {
            s += ".\r\n";
            capital = true;
        } else {
            s += " ";
        }
    }
    s.resize(n);
    return s;
}

size_t editDistance(const std::string& a, const std::string& b)
{
    std::vector<size_t> prev(b.size() + 1), cur(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        prev[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        cur[0] = i;
        for (size_t j = 1; j <= b.size(); ++j)
            cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        std::swap(prev, cur);
    }
    return prev[b.size()];
}

std::string g_dir;
int g_afc = 25;
int g_tuneOffset = 2;
int g_onlySnr = 99;
bool g_dump = false;

std::string path(const std::string& name) { return g_dir + "/" + name; }

void writeWave(const std::string& p, const std::vector<float>& v)
{
    std::string error;
    if (!pskchannelsim::writeWave(p, v, 8000, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
}

std::vector<float> readWave(const std::string& p)
{
    std::vector<float> v;
    double rate;
    std::string error;
    if (!pskchannelsim::readWave(p, &v, &rate, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::exit(1);
    }
    return v;
}

std::vector<float> transmit(const std::string& text, int mode, int frequency)
{
    pskdsp::Modem modem;
    modem.setFileSpeed(0);
    writeWave(path("silence.wav"), std::vector<float>(800, 0.0f));
    int length;
    modem.setInputWavePath(path("silence.wav").c_str(), &length, 0);
    modem.setOutputWavePath(path("tx.wav").c_str(), 0, 0);
    modem.setTxFrequency(frequency);
    modem.sendTxString(text.c_str());
    Log log;
    if (modem.startSoundCard(&log.sink, -1, 50, 0x0F) != 0) {
        std::fprintf(stderr, "start: %s\n", modem.errorString().c_str());
        std::exit(1);
    }
    modem.startTx(mode);
    modem.stopTx();
    log.wait(0);
    modem.stopSoundCard();
    // Keep only the transmission: the silence the modem wrote around it
    // (its length depends on thread timing) would be noise after the channel,
    // and an open squelch shows noise as text.
    auto x = readWave(path("tx.wav"));
    size_t first = 0, last = x.size();
    while (first < last && std::abs(x[first]) < 1e-4f)
        ++first;
    while (last > first && std::abs(x[last - 1]) < 1e-4f)
        --last;
    return std::vector<float>(x.begin() + long(first), x.begin() + long(last));
}

struct Channel {
    int channel, mode, frequency;
};

// Plays a file into the given channels; returns the decoded texts and the
// CPU seconds the process used meanwhile.
double receive(const std::vector<float>& audio, const std::vector<Channel>& channels, Log& log, int squelch = 0)
{
    writeWave(path("rx.wav"), audio);
    pskdsp::Modem modem;
    modem.setFileSpeed(0);
    int length;
    modem.setInputWavePath(path("rx.wav").c_str(), &length, 0);
    modem.setOutputWavePath(path("rx-out.wav").c_str(), 0, 0);
    for (const Channel& c : channels) {
        modem.setRxMode(c.mode, c.channel);
        modem.setRxFrequency(c.frequency, c.channel);
        modem.setSquelch(squelch, 0, c.channel);
        modem.setAfcLimit(g_afc, c.channel);
        modem.enableRxChannel(c.channel, 1);
    }
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    modem.startSoundCard(&log.sink, -1, 50, 0x0F);
    log.wait(4);
    modem.stopSoundCard();
    getrusage(RUSAGE_SELF, &after);
    auto secs = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec * 1e-6; };
    return secs(after.ru_utime) - secs(before.ru_utime) + secs(after.ru_stime) - secs(before.ru_stime);
}

double bitsPerChar(const std::string& text)
{
    double bits = 0;
    for (unsigned char c : text)
        bits += double(pskdsp::Varicode::encode(c).size() + 2);
    return bits / double(text.size());
}

} // namespace

int main(int argc, char** argv)
{
    bool quick = false;
    size_t chars = 2000;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--quick"))
            quick = true;
        else if (!std::strcmp(argv[i], "--snr") && i + 1 < argc)
            g_onlySnr = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--dump"))
            g_dump = true;
        else if (!std::strcmp(argv[i], "--afc") && i + 1 < argc)
            g_afc = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--offset") && i + 1 < argc)
            g_tuneOffset = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--chars") && i + 1 < argc)
            chars = size_t(std::atoi(argv[++i]));
    }
    if (quick)
        chars = std::min<size_t>(chars, 400);
    char tmpl[] = "/tmp/pskmodem-bench-XXXXXX";
    g_dir = mkdtemp(tmpl);

    const std::string text = plainText(chars, 2024);
    const double bpc = bitsPerChar(text);
    std::printf("PSK31 character error rate against SNR\n");
    std::printf("  noise: white Gaussian, SNR = signal power / noise power in 3000 Hz\n");
    std::printf("  text: %zu characters of plain English text (%.2f bits per character with separators)\n", text.size(), bpc);
    std::printf("  receiver tuned %d Hz off the signal, AFC %d Hz, squelch 0; CER = edit distance / characters sent\n", g_tuneOffset, g_afc);
    std::printf("  theory: differential BPSK, BER = exp(-Eb/N0) / 2, CER ~ 1 - (1 - BER)^bits per character\n\n");

    const auto bpsk = transmit(text, 0, 1000);
    const auto qpsk = transmit(text, 1, 1000);
    std::printf("  %9s %8s %12s %12s %14s %14s\n", "SNR 3 kHz", "Eb/N0", "BPSK31 CER", "QPSK31 CER", "theory BER", "theory CER");
    for (int snr = -15; snr <= 0; snr += (quick ? 3 : 1)) {
        if (g_onlySnr != 99 && snr != g_onlySnr)
            continue;
        const double ebn0 = snr + 10 * std::log10(3000.0 / 31.25);
        const double ber = 0.5 * std::exp(-std::pow(10.0, ebn0 / 10));
        const double cerTheory = 1 - std::pow(1 - ber, bpc);
        double cer[2];
        for (int m = 0; m < 2; ++m) {
            pskchannelsim::ChannelParams p;
            p.snrDb = snr;
            p.seed = uint32_t(1000 + snr * 7 + m);
            Log log;
            receive(pskchannelsim::simulate(m == 0 ? bpsk : qpsk, p), {{0, m == 0 ? 0 : 1, 1000 + g_tuneOffset}}, log);
            cer[m] = double(editDistance(text, log.text[0])) / double(text.size());
            if (g_dump)
                std::printf("---- %s\n%s\n----\n", m ? "QPSK" : "BPSK", log.text[0].c_str());
        }
        std::printf("  %6d dB %5.1f dB %11.2f%% %11.2f%% %14.2e %13.2f%%\n", snr, ebn0, 100 * cer[0], 100 * cer[1], ber,
                    100 * cerTheory);
        std::fflush(stdout);
    }

    if (g_onlySnr != 99)
        return 0;
    // CPU: a minute of audio with several tracks, decoded by 1, 4 and 50 channels.
    std::printf("\nCPU time per second of audio (one core, whole engine: input, spectrum, channels)\n");
    const double seconds = quick ? 20 : 60;
    std::vector<std::vector<float>> tracks;
    const std::string shortText = plainText(size_t(seconds * 3), 7);
    for (int k = 0; k < 8; ++k) {
        auto s = transmit(shortText, (k % 2) ? 1 : 0, 500 + 300 * k);
        s.resize(size_t(seconds * 8000), 0.0f);
        tracks.push_back(s);
    }
    pskchannelsim::ChannelParams p;
    p.snrDb = 0;
    const auto band = pskchannelsim::simulate(pskchannelsim::mix(tracks), p);
    const double audioSeconds = double(band.size()) / 8000.0;
    std::printf("  %10s %16s %22s\n", "channels", "CPU s / audio s", "real-time load, 1 core");
    for (int n : {1, 4, 50}) {
        std::vector<Channel> channels;
        for (int i = 0; i < n; ++i) {
            const int ch = i < 4 ? i : i;
            channels.push_back({ch, (i % 2) ? 1 : 0, 300 + (3200 * i) / std::max(1, n)});
        }
        Log log;
        const double cpu = receive(band, channels, log);
        std::printf("  %10d %16.4f %21.1f%%\n", n, cpu / audioSeconds, 100 * cpu / audioSeconds);
        std::fflush(stdout);
    }
    std::filesystem::remove_all(g_dir);
    return 0;
}
