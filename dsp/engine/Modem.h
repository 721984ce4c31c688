#pragma once
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/CallerFirstMutex.h"
#include "engine/PskReceiver.h"
#include "engine/PskTransmitter.h"
#include "engine/PttLine.h"
#include "engine/SoundDevice.h"
#include "engine/Spectrum.h"
#include "engine/WaveFile.h"

struct PskMessageSink;

namespace pskdsp {

// The whole modem behind the C interface: configuration, the processing
// thread, the sound card or wave files, the receive channels, the spectrum,
// the transmitter and the PTT line. Every public call may come from one
// controlling thread while the processing thread runs; calls that can fail
// return 0 or an error code and leave a text for errorString().
class Modem {
public:
    static constexpr int kChannels = 50;
    static constexpr int kBlock = 512;
    static constexpr double kRate = 8000.0;

    Modem();
    ~Modem();
    Modem(const Modem&) = delete;
    Modem& operator=(const Modem&) = delete;

    // Test seams: the PTT line, and how fast wave files run when no sound
    // device paces them (1 real time, 0 as fast as possible).
    void setPttLineFactory(PttLineFactory factory);
    void setFileSpeed(double factor) { m_fileSpeed = factor; }

    int startSoundCard(const PskMessageSink* sink, int card, int channels, int mode);
    int stopSoundCard();
    bool running() const { return m_thread.joinable(); }

    int setRxFrequency(int hz, int channel);
    int setRxMode(int mode, int channel);
    int rxFrequency(int channel);
    int setAfcLimit(int limit, int channel);
    int setSquelch(int threshold, int speed, int channel);
    int signalLevel(int channel);
    int vectorData(int* buffer, int channel);
    int enableRxChannel(int channel, int enable);
    int isRxChannelActive(int channel);
    int activeChannels();

    int setFftMode(int smoothing, int scale, int mode);
    int fftData(int* buffer, int first, int last);
    int rawData(int* buffer, int start, int count);
    int closestPeak(int start, int limit);

    int startTx(int mode);
    int stopTx();
    int abortTx();
    int setTxFrequency(int hz);
    int setCwIdString(const char* text);
    int setCwIdSpeed(int speed);
    int sendTxCharacter(int character);
    int sendTxString(const char* text);
    int txCharsRemaining();
    int clearTxBuffer();

    int setComPort(int port, int mode);
    int setClockAdjustment(int ppm);

    int setInputWavePath(const char* path, int* length, int offsetSeconds);
    int setOutputWavePath(const char* path, int limitSeconds, int append);
    int rewindInput(int value);

    std::string errorString();

private:
    struct Message {
        unsigned message;
        uintptr_t wParam;
        intptr_t lParam;
    };
    struct Channel {
        PskReceiver rx;
        bool enabled = false;
    };

    int ok();
    int fail(int code, const std::string& text);
    bool checkChannel(int channel);
    void run();
    void processBlock(const float* in, float* out, std::vector<Message>& messages);
    void key(bool on);
    double effectiveRate() const { return kRate * (1.0 + m_clockPpm * 1e-6); }

    CallerFirstMutex m_mutex; // everything below, shared with the processing thread
    std::array<std::unique_ptr<Channel>, kChannels> m_channels;
    int m_channelCount = kChannels;
    Spectrum m_spectrum;
    PskTransmitter m_tx;
    std::deque<uint8_t> m_txQueue;
    int m_txFrequency = 1000;
    std::string m_cwText;
    int m_cwSpeed = 1;
    int m_clockPpm = 0;

    PttLineFactory m_pttFactory;
    std::unique_ptr<PttLine> m_ptt;
    int m_pttMode = 0;
    bool m_keyed = false;

    std::string m_inputPath;
    int m_inputOffset = 0;
    std::string m_outputPath;
    int m_outputLimit = 0;
    long long m_outputWritten = 0; // samples since the path was set
    bool m_outputAppend = false;
    std::atomic<bool> m_rewind{false};

    // Owned by the processing thread while it runs.
    PskMessageSink const* m_sink = nullptr;
    int m_mode = 0;
    WaveInput m_input;
    WaveOutput m_output;
    SoundDevice m_device;
    bool m_useDevice = false, m_deviceIn = false, m_deviceOut = false;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    double m_fileSpeed = 1.0;

    std::mutex m_errorMutex;
    std::string m_error;
};

} // namespace pskdsp
