#pragma once
// One decoding slot of the Super Browser: the DSP receive channel it drives
// (10-49), the slice of the passband it searches, the text it has decoded
// (raw, filtered for display, lower case for the alarms), the times that
// decide when it is shown and when it moves on, its last IMD reading, its
// box on screen, and the alarms it has already raised.
#include "brevio/display/BrowserEnvironment.h"
#include "shared/WinTypes.h"

#include <QString>
#include <QStringList>
#include <vector>

class CSuperChannel {
public:
    // The slashed zero received text may show for the digit 0.
    static constexpr int kSlashedZero = 0xD8;
    // Peaks closer than this (Hz, at PSK31) to a used frequency are taken.
    static constexpr int kPeakGuard = 25;
    // How much of the lower-case text the alarms see.
    static constexpr int kAlarmTextLength = 64;
    // How far (Hz, at PSK31) from a signal a receive channel still picks up
    // its sidebands and decodes them as junk ("t t tt").
    static constexpr int kSideReach = 60;

    // Zero ints, threshold 50, empty texts, box and titles, zero times.
    void Reset();
    // Forgets the text, its times, its alarms and the highlight; keeps the
    // searching state and the search time.
    void ClearText();
    void AddChar(int nChar);
    bool IsActive() const;
    int MsSinceSearch() const;
    // Enables the DSP channel and tunes it to a peak inside its slot; with
    // none there, to where it waits for one (RestingFrequency).
    void Restart();
    // Where a channel without a signal waits in its slot: its base frequency,
    // or, when a signal lies within the side reach of that, clear of it.
    int RestingFrequency() const;
    void ApplySquelch();
    // Retunes to the first peak no used frequency has taken, searching from
    // start (-1: the current frequency) up to high, then from low up to
    // start. The peak found, or -1 with nothing changed.
    int SearchNewFrequency(int nStart, int nHigh, int nLow, const std::vector<int>& used);
    // Fires the alarms that newly match the text of a shown channel.
    void CheckAlarms();

    // The box in picture coordinates, right and bottom exclusive.
    bool HasBox() const { return m_rectBox.right > m_rectBox.left && m_rectBox.bottom > m_rectBox.top; }
    void ClearBox() { m_rectBox = RECT(); }
    const RECT& GetBox() const { return m_rectBox; }
    void SetBox(const RECT& rect) { m_rectBox = rect; }

    static int ElapsedMs(const CTimeStamp& a, const CTimeStamp& b);

    int GetImdBound() const { return m_bImdBound; }
    void SetImdBound(int bBound) { m_bImdBound = bBound; }
    int GetImdValue() const { return m_nImd; }
    void SetImdValue(int nImd) { m_nImd = nImd; }
    int GetAlarmHit() const { return m_bAlarmHit; }
    void SetAlarmHit(int bHit) { m_bAlarmHit = bHit; }
    int IsSearching() const { return m_bSearching; }
    void SetSearching(int bSearching) { m_bSearching = bSearching; }
    int GetDspChannel() const { return m_nDspChannel; }
    void SetDspChannel(int nId) { m_nDspChannel = nId; }
    int GetBaseFrequency() const { return m_nBaseFrequency; }
    void SetBaseFrequency(int nHz) { m_nBaseFrequency = nHz; }
    int GetCurrentFrequency() const { return m_nCurrentFrequency; }
    void SetCurrentFrequency(int nHz) { m_nCurrentFrequency = nHz; }
    int GetSpan() const { return m_nSpan; }
    void SetSpan(int nHz) { m_nSpan = nHz; }
    int GetSquelchSpeed() const { return m_nSquelchSpeed; }
    int GetSquelch() const { return m_nSquelchThreshold; }
    void SetSquelch(int nThreshold) { m_nSquelchThreshold = nThreshold; }
    const QString& GetRawText() const { return m_strRaw; }
    const QString& GetDisplayText() const { return m_strDisplay; }
    const QString& GetLowerText() const { return m_strLower; }
    const QStringList& GetAlarmTitles() const { return m_alarmTitles; }
    const CTimeStamp& GetStartTime() const { return m_timeStart; }
    const CTimeStamp& GetLastCharTime() const { return m_timeLastChar; }
    void SetLastCharTime(const CTimeStamp& time) { m_timeLastChar = time; }
    const CTimeStamp& GetSearchTime() const { return m_timeSearch; }

    // The annotation texts of a spotted locator.
    static QString DistanceText(double dKm, double dMiles, bool bKilometres);
    static QString HeadingText(double dHeading);

private:
    void SpotLocator();

    int m_bImdBound = 0;
    int m_bAlarmHit = 0;
    int m_bSearching = 0;
    int m_nDspChannel = 0;
    int m_nBaseFrequency = 0;
    int m_nCurrentFrequency = 0;
    int m_nSpan = 0;
    int m_nSquelchSpeed = 0;
    int m_nSquelchThreshold = 50;
    int m_nImd = 0;
    RECT m_rectBox;
    QString m_strRaw;
    QString m_strDisplay;
    QString m_strLower;
    QStringList m_alarmTitles;
    CTimeStamp m_timeStart;
    CTimeStamp m_timeLastChar;
    CTimeStamp m_timeSearch;
};
