/* A stand-in DSP library that plays back scripted display data: spectrum
 * values on the 0-255 scale (scaled to the range the caller asks for), raw
 * samples, phase vectors and channel frequencies, and counts what it is asked. */
#include <string.h>

#define EXPORT __attribute__((visibility("default")))
#define BUFFER 2058
#define CHANNELS 64

struct PskMessageSink;

static int g_spectrum[BUFFER];
static int g_raw[BUFFER];
static int g_fftResult, g_rawResult;
static int g_rxFrequency[CHANNELS];
static int g_vectors[CHANNELS][16];
static int g_vectorCalls;
static int g_scale = 255;
static int g_fftModes[64][3];
static int g_fftModeCount;
static int g_lastFirst = -1, g_lastLast = -1, g_fftCalls;
static int g_rawCount = -1, g_rawCalls;
static int g_tunes[64][2];
static int g_tuneCount;
static int g_rewinds;

EXPORT void scriptReset(void)
{
    memset(g_spectrum, 0, sizeof g_spectrum);
    memset(g_raw, 0, sizeof g_raw);
    memset(g_rxFrequency, 0, sizeof g_rxFrequency);
    memset(g_vectors, 0, sizeof g_vectors);
    g_fftResult = g_rawResult = 0;
    g_vectorCalls = g_fftModeCount = g_fftCalls = g_rawCalls = g_tuneCount = g_rewinds = 0;
    g_scale = 255;
    g_lastFirst = g_lastLast = g_rawCount = -1;
}
EXPORT void scriptSetSpectrum(const int* values, int n) { memcpy(g_spectrum, values, sizeof(int) * (unsigned)(n < BUFFER ? n : BUFFER)); }
EXPORT void scriptSetRaw(const int* values, int n) { memcpy(g_raw, values, sizeof(int) * (unsigned)(n < BUFFER ? n : BUFFER)); }
EXPORT void scriptSetResults(int fft, int raw) { g_fftResult = fft; g_rawResult = raw; }
EXPORT void scriptSetRxFrequency(int channel, int f) { if (channel >= 0 && channel < CHANNELS) g_rxFrequency[channel] = f; }
EXPORT void scriptSetVectors(int channel, const int* points) { if (channel >= 0 && channel < CHANNELS) memcpy(g_vectors[channel], points, sizeof g_vectors[0]); }
EXPORT int scriptVectorCalls(void) { return g_vectorCalls; }
EXPORT int scriptFftModeCount(void) { return g_fftModeCount; }
EXPORT int scriptFftMode(int i, int part) { return i >= 0 && i < 64 && part >= 0 && part < 3 ? g_fftModes[i][part] : -1; }
EXPORT int scriptFftCalls(void) { return g_fftCalls; }
EXPORT int scriptLastFirstBin(void) { return g_lastFirst; }
EXPORT int scriptLastLastBin(void) { return g_lastLast; }
EXPORT int scriptRawCalls(void) { return g_rawCalls; }
EXPORT int scriptRawCount(void) { return g_rawCount; }
EXPORT int scriptTuneCount(void) { return g_tuneCount; }
EXPORT int scriptTune(int i, int part) { return i >= 0 && i < 64 && part >= 0 && part < 2 ? g_tunes[i][part] : -1; }
EXPORT int scriptRewinds(void) { return g_rewinds; }

EXPORT int fnStartSoundCard(int a, int b, int c) { (void)a; (void)b; (void)c; return 0; }
EXPORT int fnStopSoundCard(void) { return 0; }
EXPORT int fnSetRXFrequency(int f, int u, int ch)
{
    (void)u;
    if (g_tuneCount < 64) {
        g_tunes[g_tuneCount][0] = f;
        g_tunes[g_tuneCount][1] = ch;
        ++g_tuneCount;
    }
    if (ch >= 0 && ch < CHANNELS)
        g_rxFrequency[ch] = f;
    return 0;
}
EXPORT int fnSetRXPSKMode(int mode, int ch) { (void)mode; (void)ch; return 0; }
EXPORT int fnGetRXFrequency(int ch) { return ch >= 0 && ch < CHANNELS ? g_rxFrequency[ch] : 0; }
EXPORT int fnSetFFTMode(int smoothing, int scale, int mode)
{
    if (g_fftModeCount < 64) {
        g_fftModes[g_fftModeCount][0] = smoothing;
        g_fftModes[g_fftModeCount][1] = scale;
        g_fftModes[g_fftModeCount][2] = mode;
        ++g_fftModeCount;
    }
    g_scale = scale;
    return 0;
}
EXPORT int fnGetFFTData(int* p, int first, int last)
{
    ++g_fftCalls;
    g_lastFirst = first;
    g_lastLast = last;
    for (int b = first; b <= last && b < BUFFER; ++b)
        if (b >= 0)
            p[b] = g_scale == 255 ? g_spectrum[b] : (int)((long long)g_spectrum[b] * g_scale / 255);
    return g_fftResult;
}
EXPORT int fnGetClosestPeak(int a, int b) { (void)b; return a; }
EXPORT int fnGetVectorData(int* p, int ch)
{
    ++g_vectorCalls;
    if (ch >= 0 && ch < CHANNELS)
        memcpy(p, g_vectors[ch], sizeof g_vectors[0]);
    return 0;
}
EXPORT int fnGetSyncData(int a, int b) { (void)a; (void)b; return 0; }
EXPORT int fnGetRawData(int* p, int start, int count)
{
    ++g_rawCalls;
    g_rawCount = count;
    for (int i = 0; i < count && start + i < BUFFER; ++i)
        p[i] = g_raw[start + i];
    return g_rawResult;
}
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
EXPORT int fnSetComPort(int port, int mode) { (void)port; (void)mode; return 0; }
EXPORT int fnSetClockErrorAdjustment(int p) { (void)p; return 0; }
EXPORT int fnGetDLLVersion(void) { return 1; }
EXPORT int fnGetErrorString(char* buffer) { buffer[0] = 0; return 0; }
EXPORT int fnGetDebugData(int a, int b) { (void)a; (void)b; return 0; }
EXPORT int fnRewindInput(int v) { (void)v; ++g_rewinds; return 0; }
EXPORT int fnSetInputWavePath(const char* p, int* l, int o) { (void)p; (void)o; if (l) *l = 0; return 0; }
EXPORT int fnSetOutputWavePath(const char* p, int l, int a) { (void)p; (void)l; (void)a; return 0; }
EXPORT int fnStartSoundCardEx(struct PskMessageSink* s, int a, int b, int c) { (void)s; (void)a; (void)b; (void)c; return 0; }
EXPORT int fnEnableRXChannel(int ch, int en) { (void)ch; (void)en; return 0; }
EXPORT int fnIsRXChannelActive(int ch) { (void)ch; return 0; }
EXPORT int fnGetNumActiveRXChannels(void) { return 0; }
