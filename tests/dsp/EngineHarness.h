#pragma once
// Drives the modem through wave files and records what it posts.
#include "PskModemApi.h"
#include "engine/Modem.h"

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace dsptest {

struct Posted {
    unsigned message;
    intptr_t wParam;
    intptr_t lParam;
};

class MessageLog {
public:
    MessageLog()
    {
        m_sink.context = this;
        m_sink.post = [](void* ctx, unsigned int msg, uintptr_t w, intptr_t l) {
            static_cast<MessageLog*>(ctx)->add({msg, intptr_t(w), l});
        };
    }
    PskMessageSink* sink() { return &m_sink; }
    void add(const Posted& p)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_posted.push_back(p);
        m_cv.notify_all();
    }
    // Waits (bounded) until pred holds over the messages so far.
    bool waitFor(const std::function<bool(const std::vector<Posted>&)>& pred, int ms = 20000)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_cv.wait_for(lock, std::chrono::milliseconds(ms), [&] { return pred(m_posted); });
    }
    bool waitStatus(int code, int ms = 20000)
    {
        return waitFor([code](const std::vector<Posted>& v) {
            for (const auto& p : v)
                if (p.message == PSK_MSG_STATUS && p.wParam == code)
                    return true;
            return false;
        }, ms);
    }
    std::vector<Posted> all()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_posted;
    }
    std::string text(int channel)
    {
        std::string s;
        for (const auto& p : all())
            if (p.message == PSK_MSG_CHARACTER && p.lParam == channel)
                s.push_back(char(p.wParam & 0xFF));
        return s;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_posted.clear();
    }

private:
    PskMessageSink m_sink{};
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<Posted> m_posted;
};

// A temporary folder for the test's wave files.
std::string scratchPath(const std::string& name);
// Writes seconds of digital silence.
void writeSilence(const std::string& path, double seconds);
std::vector<float> readWave(const std::string& path);
void writeWave(const std::string& path, const std::vector<float>& samples);

struct TxRequest {
    std::string text;
    int mode = 0;
    int frequency = 1000;
    std::string cwId;
    int cwSpeed = 1;
};

// Transmits into a wave file, as fast as the machine allows; the log gets
// everything the modem posted.
void transmitToFile(const std::string& path, const TxRequest& request, MessageLog* log = nullptr);

struct RxChannel {
    int channel = 0;
    int mode = 0;
    int frequency = 1000;
    int afc = 25;
    int squelch = 0;
};

// Plays a wave file into the given channels and returns what the modem posted.
void receiveFile(const std::string& path, const std::vector<RxChannel>& channels, MessageLog& log);

} // namespace dsptest
