#include "engine/WaveFile.h"

#include "engine/StatusCodes.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace pskdsp {

int WaveInput::open(const std::string& path, int offsetSeconds, std::string* error)
{
    close();
    struct stat st;
    if (path.empty()) {
        *error = statusText(34) + ": (no name)";
        return 34;
    }
    if (::stat(path.c_str(), &st) != 0) {
        *error = statusText(34) + ": " + path + ": " + std::strerror(errno);
        return 34;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = statusText(34) + ": " + path + ": not a file";
        return 34;
    }
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) {
        const int e = sf_error(nullptr);
        int code = 36;
        if (e == SF_ERR_UNRECOGNISED_FORMAT)
            code = 35;
        else if (e == SF_ERR_SYSTEM)
            code = 34;
        else if (e == SF_ERR_UNSUPPORTED_ENCODING)
            code = 38;
        *error = statusText(code) + ": " + path + ": " + sf_strerror(nullptr);
        return code;
    }
    const int major = info.format & SF_FORMAT_TYPEMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX && major != SF_FORMAT_RF64) {
        sf_close(f);
        *error = statusText(35) + ": " + path;
        return 35;
    }
    if (info.channels < 1 || info.samplerate < 1000 || info.samplerate > 384000) {
        sf_close(f);
        *error = statusText(38) + ": " + path + ": " + std::to_string(info.channels) + " channels at " +
                 std::to_string(info.samplerate) + " Hz";
        return 38;
    }
    if (info.frames <= 0) {
        sf_close(f);
        *error = statusText(37) + ": " + path;
        return 37;
    }
    const long long offset = (long long)offsetSeconds * info.samplerate;
    if (offsetSeconds < 0 || offset >= info.frames) {
        sf_close(f);
        *error = statusText(29) + ": the start offset of " + std::to_string(offsetSeconds) +
                 " s lies outside the file (" + std::to_string((info.frames + info.samplerate - 1) / info.samplerate) + " s)";
        return 29;
    }
    if (sf_seek(f, offset, SEEK_SET) < 0) {
        sf_close(f);
        *error = statusText(39) + ": " + path;
        return 39;
    }
    m_file = f;
    m_channels = info.channels;
    m_rate = info.samplerate;
    m_frames = info.frames;
    m_offsetFrames = offset;
    m_position = offset;
    m_resampler.create(m_rate, 8000.0);
    m_pending.clear();
    return 0;
}

void WaveInput::close()
{
    if (m_file)
        sf_close(m_file);
    m_file = nullptr;
}

int WaveInput::lengthSeconds() const
{
    return int((m_frames + m_rate - 1) / m_rate);
}

int WaveInput::read(float* out, int n)
{
    if (!m_file)
        return -1;
    while (int(m_pending.size()) < n && m_position < m_frames) {
        const int chunk = 1024;
        m_raw.resize(size_t(chunk) * m_channels);
        const sf_count_t got = sf_readf_float(m_file, m_raw.data(), chunk);
        if (got <= 0) {
            if (sf_error(m_file) != SF_ERR_NO_ERROR)
                return -1;
            m_position = m_frames;
            break;
        }
        m_position += got;
        std::vector<float> mono(static_cast<size_t>(got));
        for (sf_count_t i = 0; i < got; ++i) {
            float s = 0;
            for (int c = 0; c < m_channels; ++c)
                s += m_raw[size_t(i) * m_channels + c];
            mono[size_t(i)] = s / m_channels;
        }
        m_resampler.execute(mono.data(), int(got), m_pending);
    }
    const int count = std::min<int>(n, int(m_pending.size()));
    std::copy(m_pending.begin(), m_pending.begin() + count, out);
    m_pending.erase(m_pending.begin(), m_pending.begin() + count);
    return count;
}

bool WaveInput::rewind()
{
    if (!m_file || sf_seek(m_file, m_offsetFrames, SEEK_SET) < 0)
        return false;
    m_position = m_offsetFrames;
    m_pending.clear();
    m_resampler.reset();
    return true;
}

int WaveInput::percent() const
{
    if (m_frames <= 0)
        return 100;
    return int(std::min<long long>(100, m_position * 100 / m_frames));
}

int WaveOutput::open(const std::string& path, bool append, std::string* error)
{
    close();
    if (path.empty()) {
        *error = statusText(41) + ": (no name)";
        return 41;
    }
    SF_INFO info{};
    struct stat st;
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (append && exists) {
        SNDFILE* f = sf_open(path.c_str(), SFM_RDWR, &info);
        if (!f) {
            *error = statusText(41) + ": " + path + ": " + sf_strerror(nullptr);
            return 41;
        }
        if ((info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_WAV || info.channels != 1 || info.samplerate != 8000) {
            sf_close(f);
            *error = statusText(41) + ": " + path + ": cannot append to a file that is not 8000 Hz mono wave";
            return 41;
        }
        sf_seek(f, 0, SEEK_END);
        m_file = f;
        return 0;
    }
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) {
        *error = statusText(41) + ": " + path + ": " + sf_strerror(nullptr);
        return 41;
    }
    m_file = f;
    return 0;
}

void WaveOutput::close()
{
    if (m_file)
        sf_close(m_file);
    m_file = nullptr;
}

int WaveOutput::write(const float* in, int n)
{
    if (!m_file)
        return 43;
    return sf_writef_float(m_file, in, n) == n ? 0 : 42;
}

} // namespace pskdsp
