#pragma once
// What the Super Browser's channel engine asks of the world around it: the
// clock, the DSP library's receive channels and peak search, and the main
// frame's locator services. The program's answers are installed by
// default; tests put a scripted band of signals and a clock of their own in
// place to drive the engine without a sound card.
#include <QString>
#include <cstdint>

// A time as seconds and milliseconds; all zero means "never".
struct CTimeStamp {
    int64_t nSeconds = 0;
    int nMilliseconds = 0;
    bool IsZero() const { return nSeconds == 0 && nMilliseconds == 0; }
    bool operator==(const CTimeStamp&) const = default;
};

class CBrowserEnvironment {
public:
    virtual ~CBrowserEnvironment() = default;

    static CBrowserEnvironment& Instance();
    // nullptr puts the program's own answers back.
    static void SetInstance(CBrowserEnvironment* pEnvironment);

    virtual CTimeStamp Now() const;

    // The DSP library's receive side (channel = DSP id).
    virtual int GetClosestPeak(int nLow, int nHigh);
    virtual void SetRxFrequency(int nFrequency, int nChannel);
    virtual int GetRxFrequency(int nChannel);
    virtual void EnableRxChannel(int nChannel, int bEnable);
    virtual void SetSquelchThreshold(int nThreshold, int nSpeed, int nChannel);
    virtual int GetSignalLevel(int nChannel);
    virtual void GetVectorData(int* pBuffer, int nChannel);
    virtual void SetAfcLimit(int nLimit, int nChannel);
    // The transmit side.
    virtual void SetTxFrequency(int nFrequency);
    virtual void AbortTx();
    virtual void ClearTxBuffer();

    // The main frame's locator services and the radio toolbar's dial.
    virtual void SendLocatorToOrbisk(const QString& strLocator);
    virtual void LogLocator(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                            const QString& strFrequency);
    virtual int GetRadioFrequency() const;
    virtual QString GetRadioFrequencyText() const;
};
