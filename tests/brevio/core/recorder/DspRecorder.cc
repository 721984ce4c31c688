// A recording stand-in for the DSP engine, loaded through the program's own
// binding: every call is kept as "name(arg, ...)" and answered from a small
// script that the tests set through the rec* functions.
#include <cstdint>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#define EXPORT extern "C" __attribute__((visibility("default")))

struct PskMessageSink {
    void* context;
    void (*post)(void* context, unsigned int message, uintptr_t wParam, intptr_t lParam);
};

namespace {
std::mutex g_mutex;
std::vector<std::string> g_calls;
std::map<std::string, int> g_results;
std::string g_error;
int g_inputLength = 0;
PskMessageSink* g_sink = nullptr;
int g_active[64] = {};
std::string g_joined;

void Record(const char* name, const std::vector<std::string>& args)
{
    std::string text = std::string(name) + "(";
    for (size_t i = 0; i < args.size(); ++i)
        text += (i ? ", " : "") + args[i];
    text += ")";
    std::lock_guard lock(g_mutex);
    g_calls.push_back(text);
}
int Result(const char* name)
{
    std::lock_guard lock(g_mutex);
    auto it = g_results.find(name);
    return it == g_results.end() ? 0 : it->second;
}
std::string N(long v) { return std::to_string(v); }
std::string S(const char* t) { return t ? t : ""; }
std::string P(const void*) { return "ptr"; }
} // namespace

EXPORT void recClear() { std::lock_guard lock(g_mutex); g_calls.clear(); }
EXPORT void recReset() { std::lock_guard lock(g_mutex); g_calls.clear(); g_results.clear(); g_error.clear(); g_inputLength = 0; std::memset(g_active, 0, sizeof g_active); }
EXPORT const char* recCalls() { std::lock_guard lock(g_mutex); g_joined.clear(); for (auto& c : g_calls) { g_joined += c; g_joined += "\n"; } return g_joined.c_str(); }
EXPORT void recSetResult(const char* name, int value) { std::lock_guard lock(g_mutex); g_results[name] = value; }
EXPORT void recSetError(const char* text) { std::lock_guard lock(g_mutex); g_error = text; }
EXPORT void recSetInputLength(int n) { g_inputLength = n; }
EXPORT PskMessageSink* recSink() { return g_sink; }
EXPORT void recPost(unsigned message, uintptr_t wParam, intptr_t lParam) { if (g_sink && g_sink->post) g_sink->post(g_sink->context, message, wParam, lParam); }

EXPORT int fnStartSoundCard(int a, int b, int c)
{
    Record("fnStartSoundCard", {N(a), N(b), N(c)});
    return Result("fnStartSoundCard");
}
EXPORT int fnStopSoundCard(void)
{
    Record("fnStopSoundCard", {});
    return Result("fnStopSoundCard");
}
EXPORT int fnSetRXFrequency(int frequency, int unused, int channel)
{
    Record("fnSetRXFrequency", {N(frequency), N(unused), N(channel)});
    return Result("fnSetRXFrequency");
}
EXPORT int fnSetRXPSKMode(int mode, int channel)
{
    Record("fnSetRXPSKMode", {N(mode), N(channel)});
    return Result("fnSetRXPSKMode");
}
EXPORT int fnGetRXFrequency(int channel)
{
    Record("fnGetRXFrequency", {N(channel)});
    return Result("fnGetRXFrequency");
}
EXPORT int fnSetFFTMode(int smoothing, int scale, int mode)
{
    Record("fnSetFFTMode", {N(smoothing), N(scale), N(mode)});
    return Result("fnSetFFTMode");
}
EXPORT int fnGetFFTData(int* buffer, int firstBin, int lastBin)
{
    Record("fnGetFFTData", {P(buffer), N(firstBin), N(lastBin)});
    return Result("fnGetFFTData");
}
EXPORT int fnGetClosestPeak(int start, int limit)
{
    Record("fnGetClosestPeak", {N(start), N(limit)});
    return Result("fnGetClosestPeak");
}
EXPORT int fnGetVectorData(int* buffer, int channel)
{
    Record("fnGetVectorData", {P(buffer), N(channel)});
    return Result("fnGetVectorData");
}
EXPORT int fnGetSyncData(int a, int b)
{
    Record("fnGetSyncData", {N(a), N(b)});
    return Result("fnGetSyncData");
}
EXPORT int fnGetRawData(int* buffer, int start, int count)
{
    Record("fnGetRawData", {P(buffer), N(start), N(count)});
    return Result("fnGetRawData");
}
EXPORT int fnSetAFCLimit(int limit, int channel)
{
    Record("fnSetAFCLimit", {N(limit), N(channel)});
    return Result("fnSetAFCLimit");
}
EXPORT int fnSetSquelchThreshold(int threshold, int speed, int channel)
{
    Record("fnSetSquelchThreshold", {N(threshold), N(speed), N(channel)});
    return Result("fnSetSquelchThreshold");
}
EXPORT int fnGetSignalLevel(int channel)
{
    Record("fnGetSignalLevel", {N(channel)});
    return Result("fnGetSignalLevel");
}
EXPORT int fnStartTX(int mode)
{
    Record("fnStartTX", {N(mode)});
    return Result("fnStartTX");
}
EXPORT int fnStopTX(void)
{
    Record("fnStopTX", {});
    return Result("fnStopTX");
}
EXPORT int fnAbortTX(void)
{
    Record("fnAbortTX", {});
    return Result("fnAbortTX");
}
EXPORT int fnSetTXFrequency(int frequency)
{
    Record("fnSetTXFrequency", {N(frequency)});
    return Result("fnSetTXFrequency");
}
EXPORT int fnSetCWIDString(const char* text)
{
    Record("fnSetCWIDString", {S(text)});
    return Result("fnSetCWIDString");
}
EXPORT int fnSendTXCharacter(int character, int flag)
{
    Record("fnSendTXCharacter", {N(character), N(flag)});
    return Result("fnSendTXCharacter");
}
EXPORT int fnSendTXString(const char* text)
{
    Record("fnSendTXString", {S(text)});
    return Result("fnSendTXString");
}
EXPORT int fnGetTXCharsRemaining(void)
{
    Record("fnGetTXCharsRemaining", {});
    return Result("fnGetTXCharsRemaining");
}
EXPORT int fnClearTXBuffer(void)
{
    Record("fnClearTXBuffer", {});
    return Result("fnClearTXBuffer");
}
EXPORT int fnSetCWIDSpeed(int speed)
{
    Record("fnSetCWIDSpeed", {N(speed)});
    return Result("fnSetCWIDSpeed");
}
EXPORT int fnSetComPort(int port, int mode)
{
    Record("fnSetComPort", {N(port), N(mode)});
    return Result("fnSetComPort");
}
EXPORT int fnSetClockErrorAdjustment(int ppm)
{
    Record("fnSetClockErrorAdjustment", {N(ppm)});
    return Result("fnSetClockErrorAdjustment");
}
EXPORT int fnGetDLLVersion(void)
{
    Record("fnGetDLLVersion", {});
    return Result("fnGetDLLVersion");
}
EXPORT int fnGetErrorString(char* buffer)
{
    Record("fnGetErrorString", {P(buffer)});
    { std::lock_guard lock(g_mutex); std::strncpy(buffer, g_error.c_str(), 1023); buffer[1023] = 0; }
    return Result("fnGetErrorString");
}
EXPORT int fnGetDebugData(int a, int b)
{
    Record("fnGetDebugData", {N(a), N(b)});
    return Result("fnGetDebugData");
}
EXPORT int fnRewindInput(int value)
{
    Record("fnRewindInput", {N(value)});
    return Result("fnRewindInput");
}
EXPORT int fnSetInputWavePath(const char* path, int* length, int offsetSeconds)
{
    Record("fnSetInputWavePath", {S(path), P(length), N(offsetSeconds)});
    if (length) *length = g_inputLength;
    return Result("fnSetInputWavePath");
}
EXPORT int fnSetOutputWavePath(const char* path, int limitSeconds, int append)
{
    Record("fnSetOutputWavePath", {S(path), N(limitSeconds), N(append)});
    return Result("fnSetOutputWavePath");
}
EXPORT int fnStartSoundCardEx(PskMessageSink* sink, int card, int channels, int mode)
{
    Record("fnStartSoundCardEx", {P(sink), N(card), N(channels), N(mode)});
    g_sink = sink;
    return Result("fnStartSoundCardEx");
}
EXPORT int fnEnableRXChannel(int channel, int enable)
{
    Record("fnEnableRXChannel", {N(channel), N(enable)});
    if (channel >= 0 && channel < 64) g_active[channel] = enable;
    return Result("fnEnableRXChannel");
}
EXPORT int fnIsRXChannelActive(int channel)
{
    Record("fnIsRXChannelActive", {N(channel)});
    if (channel >= 0 && channel < 64) return g_active[channel];
    return Result("fnIsRXChannelActive");
}
EXPORT int fnGetNumActiveRXChannels(void)
{
    Record("fnGetNumActiveRXChannels", {});
    return Result("fnGetNumActiveRXChannels");
}
