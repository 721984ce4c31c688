#pragma once
// The modem's C interface: the 36 entry points the terminal program resolves by
// name at run time. All integers are 32-bit signed; every call is made from the
// program's user-interface thread, and the modem talks back only through the
// message sink given to fnStartSoundCardEx.
#include <stdint.h>

#if defined(__GNUC__)
#define PSKMODEM_EXPORT __attribute__((visibility("default")))
#else
#define PSKMODEM_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Owned by the program and alive while the modem runs. post() is called from
// the modem's own thread, never while it holds its internal lock, and must
// not call back into the modem.
struct PskMessageSink {
    void* context;
    void (*post)(void* context, unsigned int message, uintptr_t wParam, intptr_t lParam);
};

enum {
    PSK_WM_USER = 0x400,
    PSK_MSG_FFT_READY = PSK_WM_USER + 1000,
    PSK_MSG_CHARACTER = PSK_WM_USER + 1001,
    PSK_MSG_STATUS = PSK_WM_USER + 1002,
    PSK_MSG_IMD = PSK_WM_USER + 1003,
    PSK_MSG_CLOCK_ERROR = PSK_WM_USER + 1004,
};

enum {
    PSK_START_INPUT_FILE = 0x01,
    PSK_START_OUTPUT_FILE = 0x02,
    PSK_START_OUTPUT_FILE2 = 0x04,
    PSK_START_NO_OUTPUT_ECHO = 0x08,
    PSK_START_ECHO_INPUT = 0x10,
};

PSKMODEM_EXPORT int fnStartSoundCard(int card, int channels, int mode);
PSKMODEM_EXPORT int fnStopSoundCard(void);
PSKMODEM_EXPORT int fnSetRXFrequency(int frequency, int unused, int channel);
PSKMODEM_EXPORT int fnSetRXPSKMode(int mode, int channel);
PSKMODEM_EXPORT int fnGetRXFrequency(int channel);
PSKMODEM_EXPORT int fnSetFFTMode(int smoothing, int scale, int mode);
PSKMODEM_EXPORT int fnGetFFTData(int* buffer, int firstBin, int lastBin);
PSKMODEM_EXPORT int fnGetClosestPeak(int startFrequency, int limitFrequency);
PSKMODEM_EXPORT int fnGetVectorData(int* buffer, int channel);
PSKMODEM_EXPORT int fnGetSyncData(int a, int b);
PSKMODEM_EXPORT int fnGetRawData(int* buffer, int start, int count);
PSKMODEM_EXPORT int fnSetAFCLimit(int limit, int channel);
PSKMODEM_EXPORT int fnSetSquelchThreshold(int threshold, int speed, int channel);
PSKMODEM_EXPORT int fnGetSignalLevel(int channel);
PSKMODEM_EXPORT int fnStartTX(int mode);
PSKMODEM_EXPORT int fnStopTX(void);
PSKMODEM_EXPORT int fnAbortTX(void);
PSKMODEM_EXPORT int fnSetTXFrequency(int frequency);
PSKMODEM_EXPORT int fnSetCWIDString(const char* text);
PSKMODEM_EXPORT int fnSendTXCharacter(int character, int flag);
PSKMODEM_EXPORT int fnSendTXString(const char* text);
PSKMODEM_EXPORT int fnGetTXCharsRemaining(void);
PSKMODEM_EXPORT int fnClearTXBuffer(void);
PSKMODEM_EXPORT int fnSetCWIDSpeed(int speed);
PSKMODEM_EXPORT int fnSetComPort(int port, int mode);
PSKMODEM_EXPORT int fnSetClockErrorAdjustment(int ppm);
PSKMODEM_EXPORT int fnGetDLLVersion(void);
PSKMODEM_EXPORT int fnGetErrorString(char* buffer);
PSKMODEM_EXPORT int fnGetDebugData(int a, int b);
PSKMODEM_EXPORT int fnRewindInput(int value);
PSKMODEM_EXPORT int fnSetInputWavePath(const char* path, int* length, int offsetSeconds);
PSKMODEM_EXPORT int fnSetOutputWavePath(const char* path, int limitSeconds, int append);
PSKMODEM_EXPORT int fnStartSoundCardEx(struct PskMessageSink* sink, int card, int channels, int mode);
PSKMODEM_EXPORT int fnEnableRXChannel(int channel, int enable);
PSKMODEM_EXPORT int fnIsRXChannelActive(int channel);
PSKMODEM_EXPORT int fnGetNumActiveRXChannels(void);

#ifdef __cplusplus
}
#endif
