#include "brevio/core/DspLibrary.h"

#include "platform/Prompter.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

// One pointer per entry point, in the order they are resolved.
struct EntryPoints {
    int (*fnStartSoundCard)(int, int, int) = nullptr;
    int (*fnStopSoundCard)() = nullptr;
    int (*fnSetRXFrequency)(int, int, int) = nullptr;
    int (*fnSetRXPSKMode)(int, int) = nullptr;
    int (*fnGetRXFrequency)(int) = nullptr;
    int (*fnSetFFTMode)(int, int, int) = nullptr;
    int (*fnGetFFTData)(int*, int, int) = nullptr;
    int (*fnGetClosestPeak)(int, int) = nullptr;
    int (*fnGetVectorData)(int*, int) = nullptr;
    int (*fnGetSyncData)(int, int) = nullptr;
    int (*fnGetRawData)(int*, int, int) = nullptr;
    int (*fnSetAFCLimit)(int, int) = nullptr;
    int (*fnSetSquelchThreshold)(int, int, int) = nullptr;
    int (*fnGetSignalLevel)(int) = nullptr;
    int (*fnStartTX)(int) = nullptr;
    int (*fnStopTX)() = nullptr;
    int (*fnAbortTX)() = nullptr;
    int (*fnSetTXFrequency)(int) = nullptr;
    int (*fnSetCWIDString)(const char*) = nullptr;
    int (*fnSendTXCharacter)(int, int) = nullptr;
    int (*fnSendTXString)(const char*) = nullptr;
    int (*fnGetTXCharsRemaining)() = nullptr;
    int (*fnClearTXBuffer)() = nullptr;
    int (*fnSetCWIDSpeed)(int) = nullptr;
    int (*fnSetComPort)(int, int) = nullptr;
    int (*fnSetClockErrorAdjustment)(int) = nullptr;
    int (*fnGetDLLVersion)() = nullptr;
    int (*fnGetErrorString)(char*) = nullptr;
    int (*fnGetDebugData)(int, int) = nullptr;
    int (*fnRewindInput)(int) = nullptr;
    int (*fnSetInputWavePath)(const char*, int*, int) = nullptr;
    int (*fnSetOutputWavePath)(const char*, int, int) = nullptr;
    int (*fnStartSoundCardEx)(PskMessageSink*, int, int, int) = nullptr;
    int (*fnEnableRXChannel)(int, int) = nullptr;
    int (*fnIsRXChannelActive)(int) = nullptr;
    int (*fnGetNumActiveRXChannels)() = nullptr;
};

EntryPoints g_fn;
QLibrary* g_library = nullptr; // never unloaded
int g_unresolved = 0;
bool g_loaded = false;
std::function<int()> g_speed;
std::function<int()> g_modulation;
std::function<void(const QString&)> g_log;

void log(const QString& line)
{
    if (g_log)
        g_log(line);
}

template <typename F>
void resolve(QLibrary& lib, const char* name, F*& slot, QWidget* owner, const QString& path)
{
    slot = reinterpret_cast<F*>(lib.resolve(name));
    if (!slot) {
        platform::messageBox(owner, QStringLiteral("Unable to find '%1' in '%2'").arg(QLatin1String(name), path),
                             QStringLiteral("Error"), platform::MB_OK | platform::MB_ICONERROR);
        ++g_unresolved;
    }
}

} // namespace

DspMessageEvent::DspMessageEvent(unsigned message, uintptr_t wParam, intptr_t lParam)
    : QEvent(eventType()), m_message(message), m_wParam(wParam), m_lParam(lParam)
{
}

QEvent::Type DspMessageEvent::eventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

DspMessageSink::DspMessageSink(QObject* receiver) : m_receiver(receiver)
{
    m_sink.context = this;
    m_sink.post = &DspMessageSink::post;
}

void DspMessageSink::post(void* context, unsigned int message, uintptr_t wParam, intptr_t lParam)
{
    auto* self = static_cast<DspMessageSink*>(context);
    // postEvent is thread-safe: the receiver handles it on its own thread.
    QCoreApplication::postEvent(self->m_receiver, new DspMessageEvent(message, wParam, lParam));
}

QString DspLibraryFileName()
{
    return QStringLiteral("libpskmodem117.so");
}

QString DspLibraryPath()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + DspLibraryFileName();
}

bool LoadDspLibrary(QWidget* mainFrame)
{
    return LoadDspLibrary(mainFrame, DspLibraryPath());
}

bool LoadDspLibrary(QWidget* mainFrame, const QString& path)
{
    ForgetDspLibrary();
    // By absolute path only: never a library of the same name from elsewhere.
    auto* lib = new QLibrary(path);
    if (!lib->load()) {
        delete lib;
        platform::messageBox(mainFrame, QStringLiteral("Cannot find %1").arg(path), QStringLiteral("Error"),
                             platform::MB_OK | platform::MB_ICONERROR);
        return false;
    }
    g_library = lib;
    g_unresolved = 0;
    resolve(*lib, "fnStartSoundCard", g_fn.fnStartSoundCard, mainFrame, path);
    resolve(*lib, "fnStopSoundCard", g_fn.fnStopSoundCard, mainFrame, path);
    resolve(*lib, "fnSetRXFrequency", g_fn.fnSetRXFrequency, mainFrame, path);
    resolve(*lib, "fnSetRXPSKMode", g_fn.fnSetRXPSKMode, mainFrame, path);
    resolve(*lib, "fnGetRXFrequency", g_fn.fnGetRXFrequency, mainFrame, path);
    resolve(*lib, "fnSetFFTMode", g_fn.fnSetFFTMode, mainFrame, path);
    resolve(*lib, "fnGetFFTData", g_fn.fnGetFFTData, mainFrame, path);
    resolve(*lib, "fnGetClosestPeak", g_fn.fnGetClosestPeak, mainFrame, path);
    resolve(*lib, "fnGetVectorData", g_fn.fnGetVectorData, mainFrame, path);
    resolve(*lib, "fnGetSyncData", g_fn.fnGetSyncData, mainFrame, path);
    resolve(*lib, "fnGetRawData", g_fn.fnGetRawData, mainFrame, path);
    resolve(*lib, "fnSetAFCLimit", g_fn.fnSetAFCLimit, mainFrame, path);
    resolve(*lib, "fnSetSquelchThreshold", g_fn.fnSetSquelchThreshold, mainFrame, path);
    resolve(*lib, "fnGetSignalLevel", g_fn.fnGetSignalLevel, mainFrame, path);
    resolve(*lib, "fnStartTX", g_fn.fnStartTX, mainFrame, path);
    resolve(*lib, "fnStopTX", g_fn.fnStopTX, mainFrame, path);
    resolve(*lib, "fnAbortTX", g_fn.fnAbortTX, mainFrame, path);
    resolve(*lib, "fnSetTXFrequency", g_fn.fnSetTXFrequency, mainFrame, path);
    resolve(*lib, "fnSetCWIDString", g_fn.fnSetCWIDString, mainFrame, path);
    resolve(*lib, "fnSendTXCharacter", g_fn.fnSendTXCharacter, mainFrame, path);
    resolve(*lib, "fnSendTXString", g_fn.fnSendTXString, mainFrame, path);
    resolve(*lib, "fnGetTXCharsRemaining", g_fn.fnGetTXCharsRemaining, mainFrame, path);
    resolve(*lib, "fnClearTXBuffer", g_fn.fnClearTXBuffer, mainFrame, path);
    resolve(*lib, "fnSetCWIDSpeed", g_fn.fnSetCWIDSpeed, mainFrame, path);
    resolve(*lib, "fnSetComPort", g_fn.fnSetComPort, mainFrame, path);
    resolve(*lib, "fnSetClockErrorAdjustment", g_fn.fnSetClockErrorAdjustment, mainFrame, path);
    resolve(*lib, "fnGetDLLVersion", g_fn.fnGetDLLVersion, mainFrame, path);
    resolve(*lib, "fnGetErrorString", g_fn.fnGetErrorString, mainFrame, path);
    resolve(*lib, "fnGetDebugData", g_fn.fnGetDebugData, mainFrame, path);
    resolve(*lib, "fnRewindInput", g_fn.fnRewindInput, mainFrame, path);
    resolve(*lib, "fnSetInputWavePath", g_fn.fnSetInputWavePath, mainFrame, path);
    resolve(*lib, "fnSetOutputWavePath", g_fn.fnSetOutputWavePath, mainFrame, path);
    resolve(*lib, "fnStartSoundCardEx", g_fn.fnStartSoundCardEx, mainFrame, path);
    resolve(*lib, "fnEnableRXChannel", g_fn.fnEnableRXChannel, mainFrame, path);
    resolve(*lib, "fnIsRXChannelActive", g_fn.fnIsRXChannelActive, mainFrame, path);
    resolve(*lib, "fnGetNumActiveRXChannels", g_fn.fnGetNumActiveRXChannels, mainFrame, path);
    g_loaded = g_unresolved == 0;
    return g_loaded;
}

bool IsDspLibraryLoaded()
{
    return g_loaded;
}

void ForgetDspLibrary()
{
    g_fn = EntryPoints{};
    g_loaded = false;
    g_unresolved = 0;
    // Deleting the QLibrary object does not unload the engine: it stays in
    // the process, and the entry points of a later load are its own.
    delete g_library;
    g_library = nullptr;
}

// A wrapper is only ever called once every name was found (start-up ends
// otherwise); the guard keeps a stray early call from jumping through null.
#define DSP_FORWARD(name, fallback, ...) \
    return g_fn.name ? g_fn.name(__VA_ARGS__) : (fallback)

int fnStartSoundCard(int card, int channels, int mode) { DSP_FORWARD(fnStartSoundCard, -1, card, channels, mode); }
int fnStopSoundCard() { DSP_FORWARD(fnStopSoundCard, -1); }
int fnSetRXFrequency(int frequency, int unused, int channel) { DSP_FORWARD(fnSetRXFrequency, -1, frequency, unused, channel); }
int fnSetRXPSKMode(int mode, int channel) { DSP_FORWARD(fnSetRXPSKMode, -1, mode, channel); }
int fnGetRXFrequency(int channel) { DSP_FORWARD(fnGetRXFrequency, 0, channel); }
int fnSetFFTMode(int smoothing, int scale, int mode) { DSP_FORWARD(fnSetFFTMode, -1, smoothing, scale, mode); }
int fnGetFFTData(int* buffer, int firstBin, int lastBin) { DSP_FORWARD(fnGetFFTData, 0, buffer, firstBin, lastBin); }
int fnGetClosestPeak(int startFrequency, int limitFrequency) { DSP_FORWARD(fnGetClosestPeak, startFrequency, startFrequency, limitFrequency); }
int fnGetVectorData(int* buffer, int channel) { DSP_FORWARD(fnGetVectorData, -1, buffer, channel); }
int fnGetSyncData(int a, int b) { DSP_FORWARD(fnGetSyncData, 0, a, b); }
int fnGetRawData(int* buffer, int start, int count) { DSP_FORWARD(fnGetRawData, 0, buffer, start, count); }
int fnSetAFCLimit(int limit, int channel) { DSP_FORWARD(fnSetAFCLimit, -1, limit, channel); }
int fnSetSquelchThreshold(int threshold, int speed, int channel) { DSP_FORWARD(fnSetSquelchThreshold, -1, threshold, speed, channel); }
int fnGetSignalLevel(int channel) { DSP_FORWARD(fnGetSignalLevel, 0, channel); }
int fnStartTX(int mode) { DSP_FORWARD(fnStartTX, -1, mode); }
int fnStopTX() { DSP_FORWARD(fnStopTX, -1); }
int fnAbortTX() { DSP_FORWARD(fnAbortTX, -1); }
int fnSetTXFrequency(int frequency) { DSP_FORWARD(fnSetTXFrequency, -1, frequency); }
int fnSetCWIDString(const char* text) { DSP_FORWARD(fnSetCWIDString, -1, text); }
int fnSendTXCharacter(int character, int flag) { DSP_FORWARD(fnSendTXCharacter, -1, character, flag); }
int fnSendTXString(const char* text) { DSP_FORWARD(fnSendTXString, -1, text); }
int fnGetTXCharsRemaining() { DSP_FORWARD(fnGetTXCharsRemaining, 0); }
int fnClearTXBuffer() { DSP_FORWARD(fnClearTXBuffer, -1); }
int fnSetCWIDSpeed(int speed) { DSP_FORWARD(fnSetCWIDSpeed, -1, speed); }
int fnSetComPort(int port, int mode) { DSP_FORWARD(fnSetComPort, -1, port, mode); }
int fnSetClockErrorAdjustment(int ppm) { DSP_FORWARD(fnSetClockErrorAdjustment, -1, ppm); }
int fnGetDLLVersion() { DSP_FORWARD(fnGetDLLVersion, 0); }
int fnGetErrorString(char* buffer) { DSP_FORWARD(fnGetErrorString, 0, buffer); }
int fnGetDebugData(int a, int b) { DSP_FORWARD(fnGetDebugData, 0, a, b); }
int fnRewindInput(int value) { DSP_FORWARD(fnRewindInput, -1, value); }
int fnSetInputWavePath(const char* path, int* length, int offsetSeconds) { DSP_FORWARD(fnSetInputWavePath, -1, path, length, offsetSeconds); }
int fnSetOutputWavePath(const char* path, int limitSeconds, int append) { DSP_FORWARD(fnSetOutputWavePath, -1, path, limitSeconds, append); }
int fnStartSoundCardEx(PskMessageSink* sink, int card, int channels, int mode) { DSP_FORWARD(fnStartSoundCardEx, -1, sink, card, channels, mode); }
int fnIsRXChannelActive(int channel) { DSP_FORWARD(fnIsRXChannelActive, 0, channel); }
int fnGetNumActiveRXChannels() { DSP_FORWARD(fnGetNumActiveRXChannels, 0); }

int fnEnableRXChannel(int channel, int enable)
{
    const int result = g_fn.fnEnableRXChannel ? g_fn.fnEnableRXChannel(channel, enable) : -1;
    if (enable)
        ApplyRxMode(channel);
    return result;
}

#undef DSP_FORWARD

int RxModeCode(int speed, int modulation)
{
    if (modulation < 0 || modulation > 2)
        return 0;
    if (speed == 0)
        return modulation;
    if (speed == 1)
        return 8 + modulation;
    return 0;
}

void SetRxModeSource(std::function<int()> speed, std::function<int()> modulation)
{
    g_speed = std::move(speed);
    g_modulation = std::move(modulation);
}

void ApplyRxMode(int channel)
{
    const int speed = g_speed ? g_speed() : 0;
    const int modulation = g_modulation ? g_modulation() : 0;
    fnSetRXPSKMode(RxModeCode(speed, modulation), channel);
}

void ApplyRxModeToAllChannels()
{
    for (int channel = 0; channel < dsp::kChannelCount; ++channel)
        ApplyRxMode(channel);
}

void SetDspLogSink(std::function<void(const QString&)> sink)
{
    g_log = std::move(sink);
}

int SetComPortPtt(int port, int mode)
{
    const int result = fnSetComPort(port, mode);
    static const char* const modes[] = {"OFF", "RTS", "DTR", "RTS + DTR"};
    log(QStringLiteral("Setting COM port"));
    log(QStringLiteral("----------------"));
    log(QStringLiteral("Port number ...: %1").arg(uint32_t(port)));
    log(QStringLiteral("Mode ..........: %1").arg(QLatin1String(mode >= 0 && mode <= 3 ? modes[mode] : "Invalid")));
    log(QStringLiteral("Status ........: %1").arg(GetDspErrorText()));
    log(QString());
    return result;
}

QString GetDspErrorText()
{
    char buffer[dsp::kErrorBufferSize] = {};
    fnGetErrorString(buffer);
    buffer[dsp::kErrorBufferSize - 1] = '\0';
    QString text = QString::fromLocal8Bit(buffer);
    if (text.isEmpty())
        return QStringLiteral("OK");
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}
