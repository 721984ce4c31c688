/* A stand-in DSP library for the binding's tests: records what it is told
 * and reports a settable error text. Built twice, once without two names. */
#include <stdint.h>
#include <string.h>

#define EXPORT __attribute__((visibility("default")))

struct PskMessageSink;

static char g_error[2048];
static int g_rxMode[64];
static int g_lastPort = -1, g_lastPttMode = -1;

EXPORT void stubSetError(const char* text) { strncpy(g_error, text, sizeof g_error - 1); }
EXPORT int stubRxMode(int channel) { return channel >= 0 && channel < 64 ? g_rxMode[channel] : -1; }
EXPORT int stubLastPort(void) { return g_lastPort; }
EXPORT int stubLastPttMode(void) { return g_lastPttMode; }

EXPORT int fnStartSoundCard(int a, int b, int c) { (void)a; (void)b; (void)c; return 0; }
EXPORT int fnStopSoundCard(void) { return 0; }
EXPORT int fnSetRXFrequency(int f, int u, int ch) { (void)f; (void)u; (void)ch; return 0; }
EXPORT int fnSetRXPSKMode(int mode, int ch) { if (ch >= 0 && ch < 64) g_rxMode[ch] = mode; return 0; }
EXPORT int fnGetRXFrequency(int ch) { (void)ch; return 1000; }
EXPORT int fnSetFFTMode(int a, int b, int c) { (void)a; (void)b; (void)c; return 0; }
EXPORT int fnGetFFTData(int* p, int a, int b) { (void)p; (void)a; (void)b; return 0; }
EXPORT int fnGetClosestPeak(int a, int b) { (void)b; return a; }
EXPORT int fnGetVectorData(int* p, int ch) { (void)p; (void)ch; return 0; }
#ifndef STUB_OMIT
EXPORT int fnGetSyncData(int a, int b) { (void)a; (void)b; return 0; }
#endif
EXPORT int fnGetRawData(int* p, int a, int b) { (void)p; (void)a; (void)b; return 0; }
EXPORT int fnSetAFCLimit(int a, int b) { (void)a; (void)b; return 0; }
EXPORT int fnSetSquelchThreshold(int a, int b, int c) { (void)a; (void)b; (void)c; return 0; }
EXPORT int fnGetSignalLevel(int ch) { (void)ch; return 0; }
EXPORT int fnStartTX(int m) { (void)m; return 0; }
EXPORT int fnStopTX(void) { return 0; }
EXPORT int fnAbortTX(void) { return 0; }
EXPORT int fnSetTXFrequency(int f) { (void)f; return 0; }
EXPORT int fnSetCWIDString(const char* s) { (void)s; return 0; }
EXPORT int fnSendTXCharacter(int c, int f) { (void)c; (void)f; return 0; }
EXPORT int fnSendTXString(const char* s) { (void)s; return 0; }
EXPORT int fnGetTXCharsRemaining(void) { return 0; }
EXPORT int fnClearTXBuffer(void) { return 0; }
EXPORT int fnSetCWIDSpeed(int s) { (void)s; return 0; }
EXPORT int fnSetComPort(int port, int mode) { g_lastPort = port; g_lastPttMode = mode; return mode > 3 ? 29 : 0; }
EXPORT int fnSetClockErrorAdjustment(int p) { (void)p; return 0; }
EXPORT int fnGetDLLVersion(void) { return 1; }
EXPORT int fnGetErrorString(char* buffer) { strncpy(buffer, g_error, 1023); buffer[1023] = 0; return (int)strlen(buffer); }
#ifndef STUB_OMIT
EXPORT int fnGetDebugData(int a, int b) { (void)a; (void)b; return 0; }
#endif
EXPORT int fnRewindInput(int v) { (void)v; return 0; }
EXPORT int fnSetInputWavePath(const char* p, int* l, int o) { (void)p; (void)o; if (l) *l = 0; return 0; }
EXPORT int fnSetOutputWavePath(const char* p, int l, int a) { (void)p; (void)l; (void)a; return 0; }
EXPORT int fnStartSoundCardEx(struct PskMessageSink* s, int a, int b, int c) { (void)s; (void)a; (void)b; (void)c; return 0; }
EXPORT int fnEnableRXChannel(int ch, int en) { (void)ch; (void)en; return 0; }
EXPORT int fnIsRXChannelActive(int ch) { (void)ch; return 0; }
EXPORT int fnGetNumActiveRXChannels(void) { return 0; }
