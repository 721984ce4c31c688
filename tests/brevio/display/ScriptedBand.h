#pragma once
// A band of signals for the Super Browser's engine: peaks the search finds,
// where each DSP channel is tuned, which channels are on, and a clock that
// moves only when the test moves it. Records the locator calls too.
#include "brevio/display/BrowserEnvironment.h"

#include <QStringList>
#include <algorithm>
#include <map>
#include <vector>

namespace testsupport {

class ScriptedBand : public CBrowserEnvironment {
public:
    ScriptedBand() { CBrowserEnvironment::SetInstance(this); }
    ~ScriptedBand() override { CBrowserEnvironment::SetInstance(nullptr); }

    CTimeStamp Now() const override { return m_now; }
    void Advance(int ms)
    {
        const int64_t total = m_now.nSeconds * 1000 + m_now.nMilliseconds + ms;
        m_now = CTimeStamp{total / 1000, int(total % 1000)};
    }

    // The first peak beyond start towards the limit, else start.
    int GetClosestPeak(int nLow, int nHigh) override
    {
        ++m_nPeakCalls;
        std::vector<int> p = m_peaks;
        std::sort(p.begin(), p.end());
        if (nHigh > nLow) {
            for (int f : p)
                if (f > nLow && f <= nHigh)
                    return f;
        } else if (nHigh < nLow) {
            for (auto it = p.rbegin(); it != p.rend(); ++it)
                if (*it < nLow && *it >= nHigh)
                    return *it;
        }
        return nLow;
    }
    void SetRxFrequency(int nFrequency, int nChannel) override
    {
        m_tuned[nChannel] = nFrequency;
        m_tunes.push_back({nChannel, nFrequency});
    }
    // Where the library's AFC has the channel: its tuning, or a drift set by the test.
    int GetRxFrequency(int nChannel) override
    {
        auto drift = m_drift.find(nChannel);
        if (drift != m_drift.end())
            return drift->second;
        auto it = m_tuned.find(nChannel);
        return it == m_tuned.end() ? 0 : it->second;
    }
    void EnableRxChannel(int nChannel, int bEnable) override
    {
        m_enabled[nChannel] = bEnable;
        m_enables.push_back({nChannel, bEnable});
    }
    void SetSquelchThreshold(int nThreshold, int nSpeed, int nChannel) override
    {
        m_squelch[nChannel] = nThreshold;
    }
    int GetSignalLevel(int nChannel) override { return m_level; }
    void GetVectorData(int* pBuffer, int nChannel) override
    {
        for (int i = 0; i < 16; ++i)
            pBuffer[i] = m_vectors[size_t(i)];
    }
    void SetAfcLimit(int nLimit, int nChannel) override { m_afc[nChannel] = nLimit; }
    void SetTxFrequency(int nFrequency) override { m_txFrequencies.push_back(nFrequency); }
    void AbortTx() override { ++m_nAborts; }
    void ClearTxBuffer() override { ++m_nTxClears; }
    void SendLocatorToOrbisk(const QString& strLocator) override { m_orbisk << strLocator; }
    void LogLocator(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                    const QString& strFrequency) override
    {
        m_logged << QStringList{strLocator, strDistance, strHeading, strFrequency}.join(QLatin1Char('|'));
    }
    int GetRadioFrequency() const override { return m_nRadio; }
    QString GetRadioFrequencyText() const override { return m_strRadio; }

    bool IsEnabled(int nChannel) const
    {
        auto it = m_enabled.find(nChannel);
        return it != m_enabled.end() && it->second;
    }

    CTimeStamp m_now{1000000, 0};
    std::vector<int> m_peaks;
    std::map<int, int> m_tuned;
    std::map<int, int> m_drift;
    std::vector<std::pair<int, int>> m_tunes;
    std::map<int, int> m_enabled;
    std::vector<std::pair<int, int>> m_enables;
    std::map<int, int> m_squelch;
    std::map<int, int> m_afc;
    std::vector<int> m_vectors = std::vector<int>(16, 0);
    int m_level = 0;
    int m_nPeakCalls = 0;
    std::vector<int> m_txFrequencies;
    int m_nAborts = 0;
    int m_nTxClears = 0;
    QStringList m_orbisk;
    QStringList m_logged;
    int m_nRadio = 0;
    QString m_strRadio;
};

} // namespace testsupport
