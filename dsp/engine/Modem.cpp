#include "engine/Modem.h"

#include "PskModemApi.h"
#include "engine/StatusCodes.h"

#include <chrono>
#include <cmath>
#include <cstring>

namespace pskdsp {
namespace {

constexpr int kMaxQueue = 65536;
constexpr int kMaxClockPpm = 50000;
// Longer than the slowest receive chain holds (filters, timing loop and
// equaliser at 31.25 baud come to about five symbols).
constexpr int kFlushSamples = 4000;

std::string range(const char* what, int value, int lo, int hi)
{
    return statusText(kErrInvalidParameter) + ": " + what + " " + std::to_string(value) + " is outside " +
           std::to_string(lo) + " to " + std::to_string(hi);
}

bool validRxMode(int mode)
{
    return mode == 0 || mode == 1 || mode == 2 || mode == 8 || mode == 9 || mode == 10;
}

} // namespace

Modem::Modem() : m_pttFactory(createSerialPttLine)
{
    for (auto& c : m_channels) {
        c = std::make_unique<Channel>();
        c->rx.create(kRate, 0, 1000);
        c->rx.setAfcLimit(25);
        c->rx.setSquelch(50, 0);
    }
    m_tx.create(kRate);
    m_tx.setFrequency(m_txFrequency);
}

Modem::~Modem()
{
    stopSoundCard();
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    if (m_ptt)
        m_ptt->close();
    m_ptt.reset();
}

void Modem::setPttLineFactory(PttLineFactory factory)
{
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_pttFactory = factory ? std::move(factory) : PttLineFactory(createSerialPttLine);
}

int Modem::ok()
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    m_error.clear();
    return 0;
}

int Modem::fail(int code, const std::string& text)
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    m_error = text;
    return code;
}

std::string Modem::errorString()
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    return m_error;
}

bool Modem::checkChannel(int channel)
{
    if (channel >= 0 && channel < kChannels)
        return true;
    fail(kErrInvalidParameter, range("channel", channel, 0, kChannels - 1));
    return false;
}

// ---------------------------------------------------------------- sound card

int Modem::startSoundCard(const PskMessageSink* sink, int card, int channels, int mode)
{
    if (channels < 1 || channels > kChannels)
        return fail(kErrInvalidParameter, range("number of channels", channels, 1, kChannels));
    if (mode & ~0x1F)
        return fail(kErrInvalidFlag, statusText(kErrInvalidFlag) + ": start mode " + std::to_string(mode));
    if (card < -1)
        return fail(kErrBadDevice, statusText(kErrBadDevice) + ": sound card " + std::to_string(card));
    stopSoundCard();

    const bool inFile = mode & PSK_START_INPUT_FILE;
    const bool outFile = mode & (PSK_START_OUTPUT_FILE | PSK_START_OUTPUT_FILE2);
    std::string error;
    if (inFile) {
        if (m_inputPath.empty())
            return fail(40, statusText(40) + ": no input wave file has been set");
        const int code = m_input.open(m_inputPath, m_inputOffset, &error);
        if (code)
            return fail(code, error);
    }
    if (outFile) {
        if (m_outputPath.empty()) {
            m_input.close();
            return fail(kErrFileNotOpen, statusText(kErrFileNotOpen) + ": no output wave file has been set");
        }
        // The path call created or truncated the file; a start only adds to it.
        const int code = m_output.open(m_outputPath, true, &error);
        if (code) {
            m_input.close();
            return fail(code, error);
        }
    }
    m_deviceIn = !inFile;
    m_deviceOut = !outFile || !(mode & PSK_START_NO_OUTPUT_ECHO) || (inFile && (mode & PSK_START_ECHO_INPUT));
    m_useDevice = m_deviceIn || m_deviceOut;
    if (m_useDevice) {
        const int code = m_device.open(card, m_deviceIn, m_deviceOut, &error);
        if (code) {
            m_input.close();
            m_output.close();
            return fail(code, error);
        }
    }
    {
        std::lock_guard<CallerFirstMutex> lock(m_mutex);
        m_channelCount = channels;
        m_sink = sink;
        m_mode = mode;
        m_spectrum.reset();
        // A new stream: fresh receivers, with every setting kept.
        for (auto& c : m_channels)
            c->rx.reset();
    }
    m_rewind = false;
    m_stop = false;
    m_thread = std::thread(&Modem::run, this);
    return ok();
}

int Modem::stopSoundCard()
{
    if (m_thread.joinable()) {
        m_stop = true;
        m_thread.join();
    }
    m_input.close();
    m_output.close();
    m_device.close();
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_tx.reset();
    key(false);
    m_sink = nullptr;
    return 0;
}

void Modem::run()
{
    std::vector<float> in(kBlock), out(kBlock), dev(kBlock);
    std::vector<Message> messages;
    const bool inFile = m_mode & PSK_START_INPUT_FILE;
    const long long limitSamples = (long long)m_outputLimit * (long long)kRate;
    bool inputEnded = false;
    // Silence still to run through the receivers after the file's last
    // sample, so that what is still in their filters is decoded, the same
    // way every time, before the end is reported.
    int flushLeft = 0;
    bool endPending = false;
    int lastIn = -1, lastOut = -1;
    const auto started = std::chrono::steady_clock::now();
    long long paced = 0;
    auto status = [&](int code, int value = 0) { messages.push_back({PSK_MSG_STATUS, uintptr_t(code), value}); };

    while (!m_stop) {
        messages.clear();
        if (inFile) {
            if (m_rewind.exchange(false)) {
                m_input.rewind();
                inputEnded = false;
                endPending = false;
                lastIn = -1;
            }
            int got = inputEnded ? 0 : m_input.read(in.data(), kBlock);
            if (got < 0) {
                status(kErrReadFile);
                inputEnded = true;
                got = 0;
            }
            if (endPending)
                flushLeft -= kBlock;
            std::fill(in.begin() + got, in.end(), 0.0f);
            if (!inputEnded) {
                const int pct = m_input.percent();
                if (pct != lastIn) {
                    lastIn = pct;
                    status(kStatusInputProgress, pct);
                }
                if (got < kBlock) {
                    inputEnded = true;
                    endPending = true;
                    flushLeft = kFlushSamples - (kBlock - got);
                }
            }
        } else {
            const int r = m_device.read(in.data(), kBlock);
            if (r == kStatusCpuTooSlow) {
                status(kStatusCpuTooSlow);
            } else if (r != 0) {
                status(r);
                std::fill(in.begin(), in.end(), 0.0f);
                std::this_thread::sleep_for(std::chrono::milliseconds(64));
            }
        }

        {
            m_mutex.lockAfterCallers();
            std::lock_guard<CallerFirstMutex> lock(m_mutex, std::adopt_lock);
            processBlock(in.data(), out.data(), messages);
        }
        if (endPending && flushLeft <= 0) {
            endPending = false;
            status(kStatusInputEnded);
        }

        if (m_output.isOpen()) {
            // Up to the time limit exactly.
            const int n = limitSamples > 0 ? int(std::min<long long>(kBlock, limitSamples - m_outputWritten)) : kBlock;
            if (m_output.write(out.data(), n) != 0) {
                status(kErrWriteFile);
                m_output.close();
            } else if (limitSamples > 0) {
                m_outputWritten += n;
                const int pct = int(std::min<long long>(100, m_outputWritten * 100 / limitSamples));
                if (pct != lastOut) {
                    lastOut = pct;
                    status(kStatusOutputProgress, pct);
                }
                if (m_outputWritten >= limitSamples) {
                    status(kStatusOutputLimit);
                    m_output.close();
                }
            }
        }

        if (m_sink && m_sink->post)
            for (const Message& m : messages)
                m_sink->post(m_sink->context, m.message, m.wParam, m.lParam);

        if (m_deviceOut) {
            const bool playTx = !(m_mode & (PSK_START_OUTPUT_FILE | PSK_START_OUTPUT_FILE2)) || !(m_mode & PSK_START_NO_OUTPUT_ECHO);
            for (int i = 0; i < kBlock; ++i)
                dev[i] = (playTx ? out[i] : 0.0f) + (inFile && (m_mode & PSK_START_ECHO_INPUT) ? in[i] : 0.0f);
            const int r = m_device.write(dev.data(), kBlock);
            if (r != 0 && m_sink && m_sink->post)
                m_sink->post(m_sink->context, PSK_MSG_STATUS, uintptr_t(r), 0);
        }

        if (!m_deviceIn && !m_deviceOut) {
            // Only files: our own clock sets the pace.
            paced += kBlock;
            if (m_fileSpeed > 0) {
                const auto due = started + std::chrono::duration<double>(double(paced) / (kRate * m_fileSpeed));
                std::this_thread::sleep_until(std::chrono::time_point_cast<std::chrono::steady_clock::duration>(due));
            } else {
                std::this_thread::yield();
            }
        }
    }

    // A transmission cut off by the stop still ends in receive.
    messages.clear();
    {
        std::lock_guard<CallerFirstMutex> lock(m_mutex);
        if (m_tx.active()) {
            m_tx.reset();
            messages.push_back({PSK_MSG_STATUS, uintptr_t(kStatusReceive), 0});
        }
        key(false);
    }
    if (m_sink && m_sink->post)
        for (const Message& m : messages)
            m_sink->post(m_sink->context, m.message, m.wParam, m.lParam);
}

void Modem::processBlock(const float* in, float* out, std::vector<Message>& messages)
{
    const int blocks = m_spectrum.execute(in, kBlock);
    for (int b = 0; b < blocks; ++b)
        messages.push_back({PSK_MSG_FFT_READY, 0, 0});
    RxEvents events;
    for (int ch = 0; ch < m_channelCount; ++ch) {
        Channel& c = *m_channels[ch];
        if (!c.enabled)
            continue;
        events.clear();
        c.rx.execute(in, kBlock, events);
        for (int character : events.characters)
            messages.push_back({PSK_MSG_CHARACTER, uintptr_t(character & 0xFF), ch});
        if (events.imd) {
            const ImdReading& r = events.imdReading;
            messages.push_back({PSK_MSG_IMD, uintptr_t(intptr_t(r.db)), ch | (r.kind == ImdReading::Bound ? 0x80 : 0)});
        }
        if (events.clock)
            messages.push_back({PSK_MSG_CLOCK_ERROR, uintptr_t(intptr_t(events.clockPpm)), ch});
    }
    TxEvents tx;
    m_tx.execute(out, kBlock, m_txQueue, tx);
    for (const auto& e : tx.events) {
        switch (e.kind) {
        case TxEvents::Transmitting:
            key(true);
            messages.push_back({PSK_MSG_STATUS, uintptr_t(kStatusTransmit), 0});
            break;
        case TxEvents::Echo:
            messages.push_back({PSK_MSG_CHARACTER, uintptr_t(e.value & 0xFF), -1});
            break;
        case TxEvents::Completed:
            messages.push_back({PSK_MSG_STATUS, uintptr_t(kStatusTxComplete), 0});
            break;
        case TxEvents::Receiving:
            key(false);
            messages.push_back({PSK_MSG_STATUS, uintptr_t(kStatusReceive), 0});
            break;
        }
    }
}

void Modem::key(bool on)
{
    m_keyed = on;
    if (!m_ptt)
        return;
    std::string error;
    m_ptt->setLines(on && (m_pttMode & 1), on && (m_pttMode & 2), &error);
}

// ------------------------------------------------------------ receive channels

int Modem::setRxFrequency(int hz, int channel)
{
    if (!checkChannel(channel))
        return kErrInvalidParameter;
    if (hz < PskReceiver::kMinFrequency || hz > PskReceiver::kMaxFrequency)
        return fail(kErrInvalidParameter, range("receive frequency", hz, int(PskReceiver::kMinFrequency), int(PskReceiver::kMaxFrequency)));
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_channels[channel]->rx.setFrequency(hz);
    return ok();
}

int Modem::setRxMode(int mode, int channel)
{
    if (!checkChannel(channel))
        return kErrInvalidParameter;
    if (!validRxMode(mode))
        return fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": receive mode " + std::to_string(mode) +
                                              " (0, 1, 2, 8, 9 or 10)");
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_channels[channel]->rx.setMode(mode);
    return ok();
}

int Modem::rxFrequency(int channel)
{
    if (!checkChannel(channel))
        return -1;
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    const int hz = int(std::lround(m_channels[channel]->rx.frequency()));
    ok();
    return hz;
}

int Modem::setAfcLimit(int limit, int channel)
{
    if (!checkChannel(channel))
        return kErrInvalidParameter;
    if (limit < 0 || limit > 3000)
        return fail(kErrInvalidParameter, range("AFC limit", limit, 0, 3000));
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_channels[channel]->rx.setAfcLimit(limit);
    return ok();
}

int Modem::setSquelch(int threshold, int speed, int channel)
{
    if (!checkChannel(channel))
        return kErrInvalidParameter;
    if (threshold < 0 || threshold > 99)
        return fail(kErrInvalidParameter, range("squelch threshold", threshold, 0, 99));
    if (!(speed == 0 || speed == 1 || (speed >= 10 && speed <= 200)))
        return fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": squelch speed " + std::to_string(speed) +
                                              " (0 fast, 1 slow, 10 to 200)");
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_channels[channel]->rx.setSquelch(threshold, speed);
    return ok();
}

int Modem::signalLevel(int channel)
{
    if (!checkChannel(channel))
        return -1;
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    const int level = m_channels[channel]->enabled ? m_channels[channel]->rx.level() : 0;
    ok();
    return level;
}

int Modem::vectorData(int* buffer, int channel)
{
    if (!checkChannel(channel))
        return kErrInvalidParameter;
    if (!buffer)
        return fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": no buffer for the vector data");
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_channels[channel]->rx.vectors(buffer);
    return ok();
}

int Modem::enableRxChannel(int channel, int enable)
{
    if (!checkChannel(channel))
        return kErrInvalidParameter;
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    Channel& c = *m_channels[channel];
    if (enable && !c.enabled)
        c.rx.reset(); // a fresh start, with frequency and settings kept
    c.enabled = enable != 0;
    return ok();
}

int Modem::isRxChannelActive(int channel)
{
    if (!checkChannel(channel))
        return 0;
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    const bool on = m_channels[channel]->enabled;
    ok();
    return on ? 1 : 0;
}

int Modem::activeChannels()
{
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    int n = 0;
    for (const auto& c : m_channels)
        n += c->enabled ? 1 : 0;
    return n;
}

// ------------------------------------------------------------------ spectrum

int Modem::setFftMode(int smoothing, int scale, int mode)
{
    if (!Spectrum::validMode(smoothing, scale, mode))
        return fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": spectrum smoothing " +
                                              std::to_string(smoothing) + " (1-10), scale " + std::to_string(scale) +
                                              ", mode " + std::to_string(mode) + " (0, 1 or 10-90)");
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_spectrum.setMode(smoothing, scale, mode);
    return ok();
}

int Modem::fftData(int* buffer, int first, int last)
{
    if (!buffer || first < 0 || last >= Spectrum::kBufferEntries || first > last) {
        fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": spectrum bins " + std::to_string(first) + " to " +
                                       std::to_string(last) + " (0 to " + std::to_string(Spectrum::kBufferEntries - 1) + ")");
        return 0;
    }
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    const bool overload = m_spectrum.read(buffer, first, last);
    ok();
    return overload ? 1 : 0;
}

int Modem::rawData(int* buffer, int start, int count)
{
    if (!buffer || start < 0 || count < 1 || start + count > Spectrum::kBufferEntries) {
        fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": raw data " + std::to_string(count) +
                                       " values from " + std::to_string(start) + " (at most " +
                                       std::to_string(Spectrum::kBufferEntries) + ")");
        return 0;
    }
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    const bool clipped = m_spectrum.raw(buffer + start, count);
    ok();
    return clipped ? 1 : 0;
}

int Modem::closestPeak(int start, int limit)
{
    if (start < 0 || start > 4000 || limit < 0 || limit > 4000) {
        fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": peak search from " + std::to_string(start) +
                                       " to " + std::to_string(limit) + " Hz (0 to 4000)");
        return start;
    }
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    const int hz = m_spectrum.closestPeak(start, limit);
    ok();
    return hz;
}

// ---------------------------------------------------------------- transmit

int Modem::startTx(int mode)
{
    if (!(validRxMode(mode) || mode == 4))
        return fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": transmit mode " + std::to_string(mode) +
                                              " (0, 1, 2, 4, 8, 9 or 10)");
    if (!running())
        return fail(kErrNoOutputDevice, statusText(kErrNoOutputDevice) + ": start the sound card before transmitting");
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_tx.setSampleRate(effectiveRate());
    m_tx.setFrequency(m_txFrequency);
    m_tx.setCwText(m_cwText);
    m_tx.setCwSpeed(m_cwSpeed);
    m_tx.start(mode);
    return ok();
}

int Modem::stopTx()
{
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_tx.stop();
    return 0;
}

int Modem::abortTx()
{
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_tx.abort();
    return 0;
}

int Modem::setTxFrequency(int hz)
{
    if (hz < PskReceiver::kMinFrequency || hz > PskReceiver::kMaxFrequency)
        return fail(kErrInvalidParameter, range("transmit frequency", hz, int(PskReceiver::kMinFrequency), int(PskReceiver::kMaxFrequency)));
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_txFrequency = hz;
    m_tx.setFrequency(hz);
    return ok();
}

int Modem::setCwIdString(const char* text)
{
    if (!text)
        return fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": no identification text");
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_cwText.assign(text, strnlen(text, 1023));
    m_tx.setCwText(m_cwText);
    return ok();
}

int Modem::setCwIdSpeed(int speed)
{
    if (speed < 1 || speed > 4)
        return fail(kErrInvalidParameter, range("identification speed", speed, 1, 4));
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_cwSpeed = speed;
    m_tx.setCwSpeed(speed);
    return ok();
}

int Modem::sendTxCharacter(int character)
{
    // The program widens a signed byte, so 128-255 may arrive as -128..-1.
    if (character < -128 || character > 255)
        return fail(kErrInvalidParameter, range("character", character, -128, 255));
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    if (int(m_txQueue.size()) >= kMaxQueue)
        return fail(kErrOutOfRange, statusText(kErrOutOfRange) + ": the transmit queue is full");
    m_txQueue.push_back(uint8_t(character & 0xFF));
    return ok();
}

int Modem::sendTxString(const char* text)
{
    if (!text)
        return fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": no text");
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    for (const char* p = text; *p; ++p) {
        if (int(m_txQueue.size()) >= kMaxQueue)
            return fail(kErrOutOfRange, statusText(kErrOutOfRange) + ": the transmit queue is full");
        m_txQueue.push_back(uint8_t(*p));
    }
    return ok();
}

int Modem::txCharsRemaining()
{
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    return int(m_txQueue.size());
}

int Modem::clearTxBuffer()
{
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_txQueue.clear();
    return 0;
}

// ------------------------------------------------------------ PTT and clock

int Modem::setComPort(int port, int mode)
{
    if (mode < 0 || mode > 3)
        return fail(kErrInvalidParameter, statusText(kErrInvalidParameter) + ": PTT mode " + std::to_string(mode) +
                                              " (0 off, 1 RTS, 2 DTR, 3 RTS and DTR)");
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    if (m_ptt)
        m_ptt->close();
    m_ptt.reset();
    m_pttMode = 0;
    if (mode == 0)
        return ok();
    if (port < 1 || port > 256)
        return fail(kErrInvalidParameter, range("COM port", port, 1, 256));
    const std::string device = pttDeviceForPort(port);
    auto line = m_pttFactory();
    std::string error;
    if (!line || !line->open(device, &error))
        return fail(24, statusText(24) + ": cannot open COM" + std::to_string(port) + " (" + error + ")");
    m_ptt = std::move(line);
    m_pttMode = mode;
    if (m_keyed)
        key(true);
    return ok();
}

int Modem::setClockAdjustment(int ppm)
{
    if (ppm < -kMaxClockPpm || ppm > kMaxClockPpm)
        return fail(kErrInvalidParameter, range("clock adjustment (ppm)", ppm, -kMaxClockPpm, kMaxClockPpm));
    std::lock_guard<CallerFirstMutex> lock(m_mutex);
    m_clockPpm = ppm;
    for (auto& c : m_channels)
        c->rx.setSampleRate(effectiveRate());
    m_tx.setSampleRate(effectiveRate());
    return ok();
}

// ---------------------------------------------------------------- wave files

int Modem::setInputWavePath(const char* path, int* length, int offsetSeconds)
{
    if (length)
        *length = 0;
    if (!path)
        return fail(kErrOpenInput, statusText(kErrOpenInput) + ": (no name)");
    WaveInput probe;
    std::string error;
    const int code = probe.open(path, offsetSeconds, &error);
    if (code)
        return fail(code, error);
    if (length)
        *length = probe.lengthSeconds();
    m_inputPath = path;
    m_inputOffset = offsetSeconds;
    return ok();
}

int Modem::setOutputWavePath(const char* path, int limitSeconds, int append)
{
    if (!path)
        return fail(kErrOpenOutput, statusText(kErrOpenOutput) + ": (no name)");
    if (limitSeconds < 0)
        return fail(kErrInvalidParameter, range("output limit (seconds)", limitSeconds, 0, 0x7fffffff));
    // The file may be the one being recorded: the card is restarted after this anyway.
    if (running() && (m_mode & (PSK_START_OUTPUT_FILE | PSK_START_OUTPUT_FILE2)))
        stopSoundCard();
    WaveOutput probe;
    std::string error;
    const int code = probe.open(path, append != 0, &error);
    if (code)
        return fail(code, error);
    probe.close();
    m_outputPath = path;
    m_outputLimit = limitSeconds;
    m_outputAppend = append != 0;
    m_outputWritten = 0;
    return ok();
}

int Modem::rewindInput(int)
{
    if (!running() || !(m_mode & PSK_START_INPUT_FILE))
        return fail(40, statusText(40));
    m_rewind = true;
    return ok();
}

} // namespace pskdsp
