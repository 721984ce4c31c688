#include "RecordingDsp.h"

namespace testsupport {

RecordingDsp* RecordingDsp::current = nullptr;

namespace {
int Result(const char* name)
{
    return RecordingDsp::current ? RecordingDsp::current->m_results.value(QLatin1String(name), 0) : 0;
}
void Record(const QString& text)
{
    if (RecordingDsp::current)
        RecordingDsp::current->m_calls.append(text);
}
int rec_fnStartSoundCard(int a, int b, int c)
{
    Record(QStringLiteral("fnStartSoundCard(") + QString::number(a) + QStringLiteral(", ") + QString::number(b) + QStringLiteral(", ") + QString::number(c) + QStringLiteral(")"));
    return Result("fnStartSoundCard");
}
int rec_fnStopSoundCard()
{
    Record(QStringLiteral("fnStopSoundCard(") + QString() + QStringLiteral(")"));
    return Result("fnStopSoundCard");
}
int rec_fnSetRXFrequency(int frequency, int unused, int channel)
{
    Record(QStringLiteral("fnSetRXFrequency(") + QString::number(frequency) + QStringLiteral(", ") + QString::number(unused) + QStringLiteral(", ") + QString::number(channel) + QStringLiteral(")"));
    return Result("fnSetRXFrequency");
}
int rec_fnSetRXPSKMode(int mode, int channel)
{
    Record(QStringLiteral("fnSetRXPSKMode(") + QString::number(mode) + QStringLiteral(", ") + QString::number(channel) + QStringLiteral(")"));
    return Result("fnSetRXPSKMode");
}
int rec_fnGetRXFrequency(int channel)
{
    Record(QStringLiteral("fnGetRXFrequency(") + QString::number(channel) + QStringLiteral(")"));
    return Result("fnGetRXFrequency");
}
int rec_fnSetFFTMode(int smoothing, int scale, int mode)
{
    Record(QStringLiteral("fnSetFFTMode(") + QString::number(smoothing) + QStringLiteral(", ") + QString::number(scale) + QStringLiteral(", ") + QString::number(mode) + QStringLiteral(")"));
    return Result("fnSetFFTMode");
}
int rec_fnGetFFTData(int* buffer, int firstBin, int lastBin)
{
    Record(QStringLiteral("fnGetFFTData(") + QStringLiteral("ptr") + QStringLiteral(", ") + QString::number(firstBin) + QStringLiteral(", ") + QString::number(lastBin) + QStringLiteral(")"));
    return Result("fnGetFFTData");
}
int rec_fnGetClosestPeak(int start, int limit)
{
    Record(QStringLiteral("fnGetClosestPeak(") + QString::number(start) + QStringLiteral(", ") + QString::number(limit) + QStringLiteral(")"));
    return Result("fnGetClosestPeak");
}
int rec_fnGetVectorData(int* buffer, int channel)
{
    Record(QStringLiteral("fnGetVectorData(") + QStringLiteral("ptr") + QStringLiteral(", ") + QString::number(channel) + QStringLiteral(")"));
    return Result("fnGetVectorData");
}
int rec_fnGetSyncData(int a, int b)
{
    Record(QStringLiteral("fnGetSyncData(") + QString::number(a) + QStringLiteral(", ") + QString::number(b) + QStringLiteral(")"));
    return Result("fnGetSyncData");
}
int rec_fnGetRawData(int* buffer, int start, int count)
{
    Record(QStringLiteral("fnGetRawData(") + QStringLiteral("ptr") + QStringLiteral(", ") + QString::number(start) + QStringLiteral(", ") + QString::number(count) + QStringLiteral(")"));
    return Result("fnGetRawData");
}
int rec_fnSetAFCLimit(int limit, int channel)
{
    Record(QStringLiteral("fnSetAFCLimit(") + QString::number(limit) + QStringLiteral(", ") + QString::number(channel) + QStringLiteral(")"));
    return Result("fnSetAFCLimit");
}
int rec_fnSetSquelchThreshold(int threshold, int speed, int channel)
{
    Record(QStringLiteral("fnSetSquelchThreshold(") + QString::number(threshold) + QStringLiteral(", ") + QString::number(speed) + QStringLiteral(", ") + QString::number(channel) + QStringLiteral(")"));
    return Result("fnSetSquelchThreshold");
}
int rec_fnGetSignalLevel(int channel)
{
    Record(QStringLiteral("fnGetSignalLevel(") + QString::number(channel) + QStringLiteral(")"));
    return Result("fnGetSignalLevel");
}
int rec_fnStartTX(int mode)
{
    Record(QStringLiteral("fnStartTX(") + QString::number(mode) + QStringLiteral(")"));
    return Result("fnStartTX");
}
int rec_fnStopTX()
{
    Record(QStringLiteral("fnStopTX(") + QString() + QStringLiteral(")"));
    return Result("fnStopTX");
}
int rec_fnAbortTX()
{
    Record(QStringLiteral("fnAbortTX(") + QString() + QStringLiteral(")"));
    return Result("fnAbortTX");
}
int rec_fnSetTXFrequency(int frequency)
{
    Record(QStringLiteral("fnSetTXFrequency(") + QString::number(frequency) + QStringLiteral(")"));
    return Result("fnSetTXFrequency");
}
int rec_fnSetCWIDString(const char* text)
{
    Record(QStringLiteral("fnSetCWIDString(") + QString::fromLocal8Bit(text ? text : "") + QStringLiteral(")"));
    return Result("fnSetCWIDString");
}
int rec_fnSendTXCharacter(int character, int flag)
{
    Record(QStringLiteral("fnSendTXCharacter(") + QString::number(character) + QStringLiteral(", ") + QString::number(flag) + QStringLiteral(")"));
    return Result("fnSendTXCharacter");
}
int rec_fnSendTXString(const char* text)
{
    Record(QStringLiteral("fnSendTXString(") + QString::fromLocal8Bit(text ? text : "") + QStringLiteral(")"));
    return Result("fnSendTXString");
}
int rec_fnGetTXCharsRemaining()
{
    Record(QStringLiteral("fnGetTXCharsRemaining(") + QString() + QStringLiteral(")"));
    return Result("fnGetTXCharsRemaining");
}
int rec_fnClearTXBuffer()
{
    Record(QStringLiteral("fnClearTXBuffer(") + QString() + QStringLiteral(")"));
    return Result("fnClearTXBuffer");
}
int rec_fnSetCWIDSpeed(int speed)
{
    Record(QStringLiteral("fnSetCWIDSpeed(") + QString::number(speed) + QStringLiteral(")"));
    return Result("fnSetCWIDSpeed");
}
int rec_fnSetComPort(int port, int mode)
{
    Record(QStringLiteral("fnSetComPort(") + QString::number(port) + QStringLiteral(", ") + QString::number(mode) + QStringLiteral(")"));
    return Result("fnSetComPort");
}
int rec_fnSetClockErrorAdjustment(int ppm)
{
    Record(QStringLiteral("fnSetClockErrorAdjustment(") + QString::number(ppm) + QStringLiteral(")"));
    return Result("fnSetClockErrorAdjustment");
}
int rec_fnGetDLLVersion()
{
    Record(QStringLiteral("fnGetDLLVersion(") + QString() + QStringLiteral(")"));
    return Result("fnGetDLLVersion");
}
int rec_fnGetErrorString(char* buffer)
{
    Record(QStringLiteral("fnGetErrorString(") + QStringLiteral("ptr") + QStringLiteral(")"));
    if (buffer && RecordingDsp::current) {
        const QByteArray t = RecordingDsp::current->m_errorText.toLocal8Bit().left(1023);
        memcpy(buffer, t.constData(), size_t(t.size()));
        buffer[t.size()] = 0;
    }
    return Result("fnGetErrorString");
}
int rec_fnGetDebugData(int a, int b)
{
    Record(QStringLiteral("fnGetDebugData(") + QString::number(a) + QStringLiteral(", ") + QString::number(b) + QStringLiteral(")"));
    return Result("fnGetDebugData");
}
int rec_fnRewindInput(int value)
{
    Record(QStringLiteral("fnRewindInput(") + QString::number(value) + QStringLiteral(")"));
    return Result("fnRewindInput");
}
int rec_fnSetInputWavePath(const char* path, int* length, int offsetSeconds)
{
    Record(QStringLiteral("fnSetInputWavePath(") + QString::fromLocal8Bit(path ? path : "") + QStringLiteral(", ") + QStringLiteral("ptr") + QStringLiteral(", ") + QString::number(offsetSeconds) + QStringLiteral(")"));
    if (length && RecordingDsp::current)
        *length = RecordingDsp::current->m_inputLength;
    return Result("fnSetInputWavePath");
}
int rec_fnSetOutputWavePath(const char* path, int limitSeconds, int append)
{
    Record(QStringLiteral("fnSetOutputWavePath(") + QString::fromLocal8Bit(path ? path : "") + QStringLiteral(", ") + QString::number(limitSeconds) + QStringLiteral(", ") + QString::number(append) + QStringLiteral(")"));
    return Result("fnSetOutputWavePath");
}
int rec_fnStartSoundCardEx(pendingdsp::PskMessageSink* sink, int card, int channels, int mode)
{
    Record(QStringLiteral("fnStartSoundCardEx(") + QStringLiteral("ptr") + QStringLiteral(", ") + QString::number(card) + QStringLiteral(", ") + QString::number(channels) + QStringLiteral(", ") + QString::number(mode) + QStringLiteral(")"));
    if (RecordingDsp::current)
        RecordingDsp::current->m_sink = sink;
    return Result("fnStartSoundCardEx");
}
int rec_fnEnableRXChannel(int channel, int enable)
{
    Record(QStringLiteral("fnEnableRXChannel(") + QString::number(channel) + QStringLiteral(", ") + QString::number(enable) + QStringLiteral(")"));
    if (RecordingDsp::current && channel >= 0 && channel < 50)
        RecordingDsp::current->m_activeChannels[channel] = enable;
    return Result("fnEnableRXChannel");
}
int rec_fnIsRXChannelActive(int channel)
{
    Record(QStringLiteral("fnIsRXChannelActive(") + QString::number(channel) + QStringLiteral(")"));
    if (RecordingDsp::current && channel >= 0 && channel < 50)
        return RecordingDsp::current->m_activeChannels[channel];
    return Result("fnIsRXChannelActive");
}
int rec_fnGetNumActiveRXChannels()
{
    Record(QStringLiteral("fnGetNumActiveRXChannels(") + QString() + QStringLiteral(")"));
    return Result("fnGetNumActiveRXChannels");
}
} // namespace

RecordingDsp::RecordingDsp()
{
    current = this;
    auto& t = pendingdsp::table();
    t.fnStartSoundCard = rec_fnStartSoundCard;
    t.fnStopSoundCard = rec_fnStopSoundCard;
    t.fnSetRXFrequency = rec_fnSetRXFrequency;
    t.fnSetRXPSKMode = rec_fnSetRXPSKMode;
    t.fnGetRXFrequency = rec_fnGetRXFrequency;
    t.fnSetFFTMode = rec_fnSetFFTMode;
    t.fnGetFFTData = rec_fnGetFFTData;
    t.fnGetClosestPeak = rec_fnGetClosestPeak;
    t.fnGetVectorData = rec_fnGetVectorData;
    t.fnGetSyncData = rec_fnGetSyncData;
    t.fnGetRawData = rec_fnGetRawData;
    t.fnSetAFCLimit = rec_fnSetAFCLimit;
    t.fnSetSquelchThreshold = rec_fnSetSquelchThreshold;
    t.fnGetSignalLevel = rec_fnGetSignalLevel;
    t.fnStartTX = rec_fnStartTX;
    t.fnStopTX = rec_fnStopTX;
    t.fnAbortTX = rec_fnAbortTX;
    t.fnSetTXFrequency = rec_fnSetTXFrequency;
    t.fnSetCWIDString = rec_fnSetCWIDString;
    t.fnSendTXCharacter = rec_fnSendTXCharacter;
    t.fnSendTXString = rec_fnSendTXString;
    t.fnGetTXCharsRemaining = rec_fnGetTXCharsRemaining;
    t.fnClearTXBuffer = rec_fnClearTXBuffer;
    t.fnSetCWIDSpeed = rec_fnSetCWIDSpeed;
    t.fnSetComPort = rec_fnSetComPort;
    t.fnSetClockErrorAdjustment = rec_fnSetClockErrorAdjustment;
    t.fnGetDLLVersion = rec_fnGetDLLVersion;
    t.fnGetErrorString = rec_fnGetErrorString;
    t.fnGetDebugData = rec_fnGetDebugData;
    t.fnRewindInput = rec_fnRewindInput;
    t.fnSetInputWavePath = rec_fnSetInputWavePath;
    t.fnSetOutputWavePath = rec_fnSetOutputWavePath;
    t.fnStartSoundCardEx = rec_fnStartSoundCardEx;
    t.fnEnableRXChannel = rec_fnEnableRXChannel;
    t.fnIsRXChannelActive = rec_fnIsRXChannelActive;
    t.fnGetNumActiveRXChannels = rec_fnGetNumActiveRXChannels;
}

RecordingDsp::~RecordingDsp()
{
    pendingdsp::table() = pendingdsp::Table();
    current = nullptr;
}

QStringList RecordingDsp::Calls(const QString& prefix) const
{
    QStringList out;
    for (const QString& c : m_calls)
        if (c.startsWith(prefix))
            out.append(c);
    return out;
}

void RecordingDsp::Post(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (m_sink && m_sink->post)
        m_sink->post(m_sink->context, message, wParam, lParam);
}

} // namespace testsupport
