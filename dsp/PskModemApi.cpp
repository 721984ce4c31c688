// The exported entry points: each forwards to the one modem of the process.
#include "PskModemApi.h"

#include "engine/Modem.h"

#include <cstdlib>
#include <cstring>

namespace {

pskdsp::Modem& modem()
{
    static pskdsp::Modem instance;
    static bool configured = [] {
        // Wave-file runs without a sound device go at real time unless asked
        // otherwise (tests run them as fast as the machine allows: 0).
        if (const char* speed = std::getenv("PSKMODEM117_FILE_SPEED"))
            instance.setFileSpeed(std::atof(speed));
        return true;
    }();
    (void)configured;
    return instance;
}

} // namespace

extern "C" {

int fnStartSoundCard(int card, int channels, int mode) { return modem().startSoundCard(nullptr, card, channels, mode); }
int fnStopSoundCard(void) { return modem().stopSoundCard(); }
int fnSetRXFrequency(int frequency, int, int channel) { return modem().setRxFrequency(frequency, channel); }
int fnSetRXPSKMode(int mode, int channel) { return modem().setRxMode(mode, channel); }
int fnGetRXFrequency(int channel) { return modem().rxFrequency(channel); }
int fnSetFFTMode(int smoothing, int scale, int mode) { return modem().setFftMode(smoothing, scale, mode); }
int fnGetFFTData(int* buffer, int firstBin, int lastBin) { return modem().fftData(buffer, firstBin, lastBin); }
int fnGetClosestPeak(int startFrequency, int limitFrequency) { return modem().closestPeak(startFrequency, limitFrequency); }
int fnGetVectorData(int* buffer, int channel) { return modem().vectorData(buffer, channel); }
int fnGetSyncData(int, int) { return 0; }
int fnGetRawData(int* buffer, int start, int count) { return modem().rawData(buffer, start, count); }
int fnSetAFCLimit(int limit, int channel) { return modem().setAfcLimit(limit, channel); }
int fnSetSquelchThreshold(int threshold, int speed, int channel) { return modem().setSquelch(threshold, speed, channel); }
int fnGetSignalLevel(int channel) { return modem().signalLevel(channel); }
int fnStartTX(int mode) { return modem().startTx(mode); }
int fnStopTX(void) { return modem().stopTx(); }
int fnAbortTX(void) { return modem().abortTx(); }
int fnSetTXFrequency(int frequency) { return modem().setTxFrequency(frequency); }
int fnSetCWIDString(const char* text) { return modem().setCwIdString(text); }
int fnSendTXCharacter(int character, int) { return modem().sendTxCharacter(character); }
int fnSendTXString(const char* text) { return modem().sendTxString(text); }
int fnGetTXCharsRemaining(void) { return modem().txCharsRemaining(); }
int fnClearTXBuffer(void) { return modem().clearTxBuffer(); }
int fnSetCWIDSpeed(int speed) { return modem().setCwIdSpeed(speed); }
int fnSetComPort(int port, int mode) { return modem().setComPort(port, mode); }
int fnSetClockErrorAdjustment(int ppm) { return modem().setClockAdjustment(ppm); }
int fnGetDLLVersion(void) { return 117; }

int fnGetErrorString(char* buffer)
{
    if (!buffer)
        return 0;
    const std::string text = modem().errorString();
    const size_t n = std::min<size_t>(text.size(), 1023);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return int(n);
}

int fnGetDebugData(int, int) { return 0; }
int fnRewindInput(int value) { return modem().rewindInput(value); }
int fnSetInputWavePath(const char* path, int* length, int offsetSeconds) { return modem().setInputWavePath(path, length, offsetSeconds); }
int fnSetOutputWavePath(const char* path, int limitSeconds, int append) { return modem().setOutputWavePath(path, limitSeconds, append); }
int fnStartSoundCardEx(PskMessageSink* sink, int card, int channels, int mode) { return modem().startSoundCard(sink, card, channels, mode); }
int fnEnableRXChannel(int channel, int enable) { return modem().enableRxChannel(channel, enable); }
int fnIsRXChannelActive(int channel) { return modem().isRxChannelActive(channel); }
int fnGetNumActiveRXChannels(void) { return modem().activeChannels(); }

} // extern "C"
