#pragma once
// The program's side of the DSP library: loading it, one function pointer per
// entry point resolved by name, thin wrappers with the entry points' names,
// the receive-mode codes, COM-port PTT and the library's error text. Every
// other part of the program reaches the library only through these.
#include <QEvent>
#include <QString>
#include <cstdint>
#include <functional>

class QObject;
class QWidget;

// Given to fnStartSoundCardEx: the library posts its messages through it from
// its own threads. Owned by the program, alive while the library runs.
struct PskMessageSink {
    void* context;
    void (*post)(void* context, unsigned int message, uintptr_t wParam, intptr_t lParam);
};

namespace dsp {
// WM_USER + 1000 .. + 1004.
constexpr unsigned kWmUser = 0x400;
constexpr unsigned kMsgFftReady = kWmUser + 1000;
constexpr unsigned kMsgCharacter = kWmUser + 1001;
constexpr unsigned kMsgStatus = kWmUser + 1002;
constexpr unsigned kMsgImd = kWmUser + 1003;
constexpr unsigned kMsgClockError = kWmUser + 1004;
constexpr int kChannelCount = 50;
constexpr int kFftBins = 2048;
constexpr int kFftBufferSize = 2058;
constexpr int kErrorBufferSize = 1024;
} // namespace dsp

// One message of the library, posted to the receiver on its own thread.
class DspMessageEvent final : public QEvent {
public:
    DspMessageEvent(unsigned message, uintptr_t wParam, intptr_t lParam);
    static QEvent::Type eventType();
    unsigned message() const { return m_message; }
    uintptr_t wParam() const { return m_wParam; }
    intptr_t lParam() const { return m_lParam; }

private:
    unsigned m_message;
    uintptr_t m_wParam;
    intptr_t m_lParam;
};

// Turns the library's post calls into DspMessageEvents for one receiver (the
// main frame), which must outlive the running sound card.
class DspMessageSink {
public:
    explicit DspMessageSink(QObject* receiver);
    PskMessageSink* sink() { return &m_sink; }

private:
    static void post(void* context, unsigned int message, uintptr_t wParam, intptr_t lParam);
    QObject* m_receiver;
    PskMessageSink m_sink;
};

// The library's file and where the program looks for it: beside the program.
QString DspLibraryFileName();
QString DspLibraryPath();

// Loads the library by its absolute path and resolves all 36 entry points;
// shows a box for a missing library and for each missing name. TRUE when all
// were found.
bool LoadDspLibrary(QWidget* mainFrame);
bool LoadDspLibrary(QWidget* mainFrame, const QString& path);
bool IsDspLibraryLoaded();
// Forgets the resolved pointers so a test can load another build; the
// library itself stays loaded, as it always does.
void ForgetDspLibrary();

// The wrappers, in the library's order.
int fnStartSoundCard(int card, int channels, int mode);
int fnStopSoundCard();
int fnSetRXFrequency(int frequency, int unused, int channel);
int fnSetRXPSKMode(int mode, int channel);
int fnGetRXFrequency(int channel);
int fnSetFFTMode(int smoothing, int scale, int mode);
int fnGetFFTData(int* buffer, int firstBin, int lastBin);
int fnGetClosestPeak(int startFrequency, int limitFrequency);
int fnGetVectorData(int* buffer, int channel);
int fnGetSyncData(int a, int b);
int fnGetRawData(int* buffer, int start, int count);
int fnSetAFCLimit(int limit, int channel);
int fnSetSquelchThreshold(int threshold, int speed, int channel);
int fnGetSignalLevel(int channel);
int fnStartTX(int mode);
int fnStopTX();
int fnAbortTX();
int fnSetTXFrequency(int frequency);
int fnSetCWIDString(const char* text);
int fnSendTXCharacter(int character, int flag);
int fnSendTXString(const char* text);
int fnGetTXCharsRemaining();
int fnClearTXBuffer();
int fnSetCWIDSpeed(int speed);
int fnSetComPort(int port, int mode);
int fnSetClockErrorAdjustment(int ppm);
int fnGetDLLVersion();
int fnGetErrorString(char* buffer);
int fnGetDebugData(int a, int b);
int fnRewindInput(int value);
int fnSetInputWavePath(const char* path, int* length, int offsetSeconds);
int fnSetOutputWavePath(const char* path, int limitSeconds, int append);
int fnStartSoundCardEx(PskMessageSink* sink, int card, int channels, int mode);
// Also applies the receive mode to a channel it enables.
int fnEnableRXChannel(int channel, int enable);
int fnIsRXChannelActive(int channel);
int fnGetNumActiveRXChannels();

// Receive and transmit mode code from the speed (0 PSK31, 1 PSK63) and the
// modulation (0 BPSK, 1 QPSK-USB, 2 QPSK-LSB); anything else gives 0.
int RxModeCode(int speed, int modulation);
// Where ApplyRxMode reads the speed and the mode toolbar's modulation; the
// main frame connects them to the settings and its mode toolbar.
void SetRxModeSource(std::function<int()> speed, std::function<int()> modulation);
void ApplyRxMode(int channel);
void ApplyRxModeToAllChannels();

// fnSetComPort with its six log lines; returns the library's result.
int SetComPortPtt(int port, int mode);
// Where the binding writes its log lines (the log window).
void SetDspLogSink(std::function<void(const QString&)> sink);

// The library's last error: "OK" when empty, tabs and line ends as blanks.
QString GetDspErrorText();
