#pragma once
// Calls into the DSP engine by its 36 entry-point names, while the program's
// loader of the engine library is being written: each call goes through a
// table that a test fills with a recording engine (null entries do nothing and
// answer 0). Replaced by the real binding once it is in.
#include <cstdint>

namespace pendingdsp {

// The receiver of the engine's messages (WM_USER + 1000 .. + 1004).
struct PskMessageSink {
    void* context;
    void (*post)(void* context, unsigned int message, uintptr_t wParam, intptr_t lParam);
};

struct Table {
    int (*fnStartSoundCard)(int a, int b, int c) = nullptr;
    int (*fnStopSoundCard)() = nullptr;
    int (*fnSetRXFrequency)(int frequency, int unused, int channel) = nullptr;
    int (*fnSetRXPSKMode)(int mode, int channel) = nullptr;
    int (*fnGetRXFrequency)(int channel) = nullptr;
    int (*fnSetFFTMode)(int smoothing, int scale, int mode) = nullptr;
    int (*fnGetFFTData)(int* buffer, int firstBin, int lastBin) = nullptr;
    int (*fnGetClosestPeak)(int start, int limit) = nullptr;
    int (*fnGetVectorData)(int* buffer, int channel) = nullptr;
    int (*fnGetSyncData)(int a, int b) = nullptr;
    int (*fnGetRawData)(int* buffer, int start, int count) = nullptr;
    int (*fnSetAFCLimit)(int limit, int channel) = nullptr;
    int (*fnSetSquelchThreshold)(int threshold, int speed, int channel) = nullptr;
    int (*fnGetSignalLevel)(int channel) = nullptr;
    int (*fnStartTX)(int mode) = nullptr;
    int (*fnStopTX)() = nullptr;
    int (*fnAbortTX)() = nullptr;
    int (*fnSetTXFrequency)(int frequency) = nullptr;
    int (*fnSetCWIDString)(const char* text) = nullptr;
    int (*fnSendTXCharacter)(int character, int flag) = nullptr;
    int (*fnSendTXString)(const char* text) = nullptr;
    int (*fnGetTXCharsRemaining)() = nullptr;
    int (*fnClearTXBuffer)() = nullptr;
    int (*fnSetCWIDSpeed)(int speed) = nullptr;
    int (*fnSetComPort)(int port, int mode) = nullptr;
    int (*fnSetClockErrorAdjustment)(int ppm) = nullptr;
    int (*fnGetDLLVersion)() = nullptr;
    int (*fnGetErrorString)(char* buffer) = nullptr;
    int (*fnGetDebugData)(int a, int b) = nullptr;
    int (*fnRewindInput)(int value) = nullptr;
    int (*fnSetInputWavePath)(const char* path, int* length, int offsetSeconds) = nullptr;
    int (*fnSetOutputWavePath)(const char* path, int limitSeconds, int append) = nullptr;
    int (*fnStartSoundCardEx)(PskMessageSink* sink, int card, int channels, int mode) = nullptr;
    int (*fnEnableRXChannel)(int channel, int enable) = nullptr;
    int (*fnIsRXChannelActive)(int channel) = nullptr;
    int (*fnGetNumActiveRXChannels)() = nullptr;
};
Table& table();

inline int fnStartSoundCard(int a, int b, int c)
{
    auto p = table().fnStartSoundCard;
    return p ? p(a, b, c) : 0;
}
inline int fnStopSoundCard()
{
    auto p = table().fnStopSoundCard;
    return p ? p() : 0;
}
inline int fnSetRXFrequency(int frequency, int unused, int channel)
{
    auto p = table().fnSetRXFrequency;
    return p ? p(frequency, unused, channel) : 0;
}
inline int fnSetRXPSKMode(int mode, int channel)
{
    auto p = table().fnSetRXPSKMode;
    return p ? p(mode, channel) : 0;
}
inline int fnGetRXFrequency(int channel)
{
    auto p = table().fnGetRXFrequency;
    return p ? p(channel) : 0;
}
inline int fnSetFFTMode(int smoothing, int scale, int mode)
{
    auto p = table().fnSetFFTMode;
    return p ? p(smoothing, scale, mode) : 0;
}
inline int fnGetFFTData(int* buffer, int firstBin, int lastBin)
{
    auto p = table().fnGetFFTData;
    return p ? p(buffer, firstBin, lastBin) : 0;
}
inline int fnGetClosestPeak(int start, int limit)
{
    auto p = table().fnGetClosestPeak;
    return p ? p(start, limit) : 0;
}
inline int fnGetVectorData(int* buffer, int channel)
{
    auto p = table().fnGetVectorData;
    return p ? p(buffer, channel) : 0;
}
inline int fnGetSyncData(int a, int b)
{
    auto p = table().fnGetSyncData;
    return p ? p(a, b) : 0;
}
inline int fnGetRawData(int* buffer, int start, int count)
{
    auto p = table().fnGetRawData;
    return p ? p(buffer, start, count) : 0;
}
inline int fnSetAFCLimit(int limit, int channel)
{
    auto p = table().fnSetAFCLimit;
    return p ? p(limit, channel) : 0;
}
inline int fnSetSquelchThreshold(int threshold, int speed, int channel)
{
    auto p = table().fnSetSquelchThreshold;
    return p ? p(threshold, speed, channel) : 0;
}
inline int fnGetSignalLevel(int channel)
{
    auto p = table().fnGetSignalLevel;
    return p ? p(channel) : 0;
}
inline int fnStartTX(int mode)
{
    auto p = table().fnStartTX;
    return p ? p(mode) : 0;
}
inline int fnStopTX()
{
    auto p = table().fnStopTX;
    return p ? p() : 0;
}
inline int fnAbortTX()
{
    auto p = table().fnAbortTX;
    return p ? p() : 0;
}
inline int fnSetTXFrequency(int frequency)
{
    auto p = table().fnSetTXFrequency;
    return p ? p(frequency) : 0;
}
inline int fnSetCWIDString(const char* text)
{
    auto p = table().fnSetCWIDString;
    return p ? p(text) : 0;
}
inline int fnSendTXCharacter(int character, int flag)
{
    auto p = table().fnSendTXCharacter;
    return p ? p(character, flag) : 0;
}
inline int fnSendTXString(const char* text)
{
    auto p = table().fnSendTXString;
    return p ? p(text) : 0;
}
inline int fnGetTXCharsRemaining()
{
    auto p = table().fnGetTXCharsRemaining;
    return p ? p() : 0;
}
inline int fnClearTXBuffer()
{
    auto p = table().fnClearTXBuffer;
    return p ? p() : 0;
}
inline int fnSetCWIDSpeed(int speed)
{
    auto p = table().fnSetCWIDSpeed;
    return p ? p(speed) : 0;
}
inline int fnSetComPort(int port, int mode)
{
    auto p = table().fnSetComPort;
    return p ? p(port, mode) : 0;
}
inline int fnSetClockErrorAdjustment(int ppm)
{
    auto p = table().fnSetClockErrorAdjustment;
    return p ? p(ppm) : 0;
}
inline int fnGetDLLVersion()
{
    auto p = table().fnGetDLLVersion;
    return p ? p() : 0;
}
inline int fnGetErrorString(char* buffer)
{
    auto p = table().fnGetErrorString;
    return p ? p(buffer) : 0;
}
inline int fnGetDebugData(int a, int b)
{
    auto p = table().fnGetDebugData;
    return p ? p(a, b) : 0;
}
inline int fnRewindInput(int value)
{
    auto p = table().fnRewindInput;
    return p ? p(value) : 0;
}
inline int fnSetInputWavePath(const char* path, int* length, int offsetSeconds)
{
    auto p = table().fnSetInputWavePath;
    return p ? p(path, length, offsetSeconds) : 0;
}
inline int fnSetOutputWavePath(const char* path, int limitSeconds, int append)
{
    auto p = table().fnSetOutputWavePath;
    return p ? p(path, limitSeconds, append) : 0;
}
inline int fnStartSoundCardEx(PskMessageSink* sink, int card, int channels, int mode)
{
    auto p = table().fnStartSoundCardEx;
    return p ? p(sink, card, channels, mode) : 0;
}
inline int fnEnableRXChannel(int channel, int enable)
{
    auto p = table().fnEnableRXChannel;
    return p ? p(channel, enable) : 0;
}
inline int fnIsRXChannelActive(int channel)
{
    auto p = table().fnIsRXChannelActive;
    return p ? p(channel) : 0;
}
inline int fnGetNumActiveRXChannels()
{
    auto p = table().fnGetNumActiveRXChannels;
    return p ? p() : 0;
}

} // namespace pendingdsp
