#include "engine/SoundDevice.h"

#include "engine/StatusCodes.h"

#include <portaudio.h>

#include <algorithm>
#include <cstdlib>
#include <thread>

namespace pskdsp {
namespace {
constexpr int kFrames = 512;
}

int SoundDevice::open(int card, bool input, bool output, std::string* error)
{
    close();
    if (const char* path = std::getenv("PSKMODEM117_SOUNDCARD_FILE"); path && *path)
        return openRecording(path, input, output, error);
    if (Pa_Initialize() != paNoError) {
        *error = statusText(25) + ": the sound system could not be started";
        return 25;
    }
    m_initialised = true;
    const int count = Pa_GetDeviceCount();
    PaDeviceIndex inDev = paNoDevice, outDev = paNoDevice;
    if (card == -1) {
        inDev = input ? Pa_GetDefaultInputDevice() : paNoDevice;
        outDev = output ? Pa_GetDefaultOutputDevice() : paNoDevice;
    } else if (card >= 0 && card < count) {
        const PaDeviceInfo* info = Pa_GetDeviceInfo(card);
        if (info && (!input || info->maxInputChannels > 0))
            inDev = input ? card : paNoDevice;
        if (info && (!output || info->maxOutputChannels > 0))
            outDev = output ? card : paNoDevice;
    }
    if ((input && inDev == paNoDevice) || (output && outDev == paNoDevice)) {
        *error = statusText(kErrBadDevice) + ": sound card " + std::to_string(card) +
                 (count <= 0 ? " (no sound device found)"
                             : " (" + std::to_string(count) + " devices, numbered 0 to " + std::to_string(count - 1) + ")");
        close();
        return kErrBadDevice;
    }
    PaStreamParameters in{}, out{};
    if (input) {
        in.device = inDev;
        in.channelCount = 1;
        in.sampleFormat = paFloat32;
        in.suggestedLatency = Pa_GetDeviceInfo(inDev)->defaultHighInputLatency;
    }
    if (output) {
        out.device = outDev;
        out.channelCount = 1;
        out.sampleFormat = paFloat32;
        out.suggestedLatency = Pa_GetDeviceInfo(outDev)->defaultHighOutputLatency;
    }
    // 8000 Hz when the device takes it, else its own rate with conversion.
    std::vector<double> rates = {8000.0};
    const PaDeviceInfo* ref = Pa_GetDeviceInfo(input ? inDev : outDev);
    if (ref && ref->defaultSampleRate > 0)
        rates.push_back(ref->defaultSampleRate);
    rates.push_back(48000.0);
    rates.push_back(44100.0);
    PaError err = paFormatIsSupported;
    for (double rate : rates) {
        err = Pa_IsFormatSupported(input ? &in : nullptr, output ? &out : nullptr, rate);
        if (err == paFormatIsSupported) {
            m_rate = rate;
            break;
        }
    }
    if (err != paFormatIsSupported) {
        *error = statusText(kErrFormat) + ": " + Pa_GetErrorText(err);
        close();
        return kErrFormat;
    }
    PaStream* stream = nullptr;
    const unsigned long frames = (unsigned long)(kFrames * m_rate / 8000.0);
    err = Pa_OpenStream(&stream, input ? &in : nullptr, output ? &out : nullptr, m_rate, frames, paClipOff, nullptr, nullptr);
    if (err != paNoError) {
        *error = statusText(kErrAllocated) + ": " + Pa_GetErrorText(err);
        close();
        return kErrAllocated;
    }
    err = Pa_StartStream(stream);
    if (err != paNoError) {
        Pa_CloseStream(stream);
        *error = statusText(kErrDriver) + ": " + Pa_GetErrorText(err);
        close();
        return kErrDriver;
    }
    m_stream = stream;
    m_input = input;
    m_output = output;
    m_down.create(m_rate, 8000.0);
    m_up.create(8000.0, m_rate);
    m_inPending.clear();
    m_outPending.clear();
    return 0;
}

int SoundDevice::openRecording(const char* path, bool input, bool output, std::string* error)
{
    const int code = m_recording.open(path, 0, error);
    if (code)
        return code;
    m_fromRecording = true;
    m_input = input;
    m_output = output;
    m_started = std::chrono::steady_clock::now();
    m_paced = 0;
    return 0;
}

void SoundDevice::pace(int samples)
{
    // As a card would: the samples take their time at 8000 Hz.
    m_paced += samples;
    std::this_thread::sleep_until(m_started + std::chrono::microseconds(m_paced * 1000000 / 8000));
}

void SoundDevice::close()
{
    m_recording.close();
    m_fromRecording = false;
    if (m_stream) {
        Pa_AbortStream(static_cast<PaStream*>(m_stream));
        Pa_CloseStream(static_cast<PaStream*>(m_stream));
        m_stream = nullptr;
    }
    if (m_initialised)
        Pa_Terminate();
    m_initialised = false;
}

int SoundDevice::read(float* out, int n)
{
    if (m_fromRecording) {
        if (!m_input)
            return kErrNoInputDevice;
        int got = 0;
        bool rewound = false;
        while (got < n) {
            const int r = m_recording.read(out + got, n - got);
            if (r > 0) {
                got += r;
                rewound = false;
                continue;
            }
            // An empty or unreadable recording is silence.
            if (rewound || !m_recording.rewind())
                break;
            rewound = true;
        }
        std::fill(out + got, out + n, 0.0f);
        pace(n);
        return 0;
    }
    if (!m_stream || !m_input)
        return kErrNoInputDevice;
    int status = 0;
    while (int(m_inPending.size()) < n) {
        const unsigned long frames = (unsigned long)(kFrames * m_rate / 8000.0);
        m_scratch.resize(frames);
        const PaError err = Pa_ReadStream(static_cast<PaStream*>(m_stream), m_scratch.data(), frames);
        if (err == paInputOverflowed)
            status = kStatusCpuTooSlow;
        else if (err != paNoError)
            return kErrInputOverflow;
        m_down.execute(m_scratch.data(), int(frames), m_inPending);
    }
    std::copy(m_inPending.begin(), m_inPending.begin() + n, out);
    m_inPending.erase(m_inPending.begin(), m_inPending.begin() + n);
    return status;
}

int SoundDevice::write(const float* in, int n)
{
    if (m_fromRecording) {
        if (!m_output)
            return kErrNoOutputDevice;
        if (!m_input)
            pace(n);
        return 0;
    }
    if (!m_stream || !m_output)
        return kErrNoOutputDevice;
    m_up.execute(in, n, m_outPending);
    const unsigned long frames = (unsigned long)m_outPending.size();
    if (frames == 0)
        return 0;
    const PaError err = Pa_WriteStream(static_cast<PaStream*>(m_stream), m_outPending.data(), frames);
    m_outPending.clear();
    if (err == paOutputUnderflowed)
        return kStatusCpuTooSlow;
    return err == paNoError ? 0 : 15;
}

} // namespace pskdsp
