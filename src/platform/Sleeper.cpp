#include "platform/Sleeper.h"

#include <chrono>
#include <thread>

namespace platform {

namespace {
class RealSleeper : public Sleeper {
public:
    void sleepMs(int milliseconds) override
    {
        if (milliseconds > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    int64_t nowMs() override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

RealSleeper g_real;
Sleeper* g_current = &g_real;
} // namespace

Sleeper& Sleeper::instance() { return *g_current; }
void Sleeper::setInstance(Sleeper* sleeper) { g_current = sleeper ? sleeper : &g_real; }

} // namespace platform
