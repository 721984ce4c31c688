#pragma once
// The operator's alarms with their global on/off switch, and the alarms
// file "PSK31 Brevio Alarms.txt" of the program folder.
#include "brevio/display/Alarm.h"

#include <QStringList>
#include <memory>
#include <vector>

class CAlarmList {
public:
    static constexpr int kFileKind = 3;
    static QString DefaultFileName() { return QStringLiteral("PSK31 Brevio Alarms.txt"); }

    CAlarmList() = default;
    virtual ~CAlarmList() = default;
    CAlarmList(const CAlarmList&) = delete;
    CAlarmList& operator=(const CAlarmList&) = delete;

    int Enabled() const { return m_bEnabled; }
    void SetEnabled(int bEnabled) { m_bEnabled = bEnabled; }
    int GetCount() const { return int(m_alarms.size()); }
    CAlarm* GetAt(int nIndex) const;
    // Titles compare exactly (case-sensitive); the first match wins.
    CAlarm* FindByTitle(const QString& strTitle) const;
    void AddCopy(const CAlarm& alarm);
    void Add(int bEnabled, const QString& strTitle, const QString& strExpression, const QString& strComment,
             uint32_t nFlags, const QString& strWave, const QString& strSpeech);
    void ReplaceByTitle(const QString& strTitle, const CAlarm& alarm);
    void SetEnabledByTitle(const QString& strTitle, int bEnabled);
    void DeleteByTitle(const QString& strTitle);
    // Deletes every alarm; the switch goes back on.
    void RemoveAll();
    int CopyFrom(const CAlarmList& other);
    int GetTitles(QStringList& titles) const;
    // Byte order of the titles (upper case before lower case); equal titles
    // keep their order.
    void SortByTitle();

    // Both lists come back empty when nothing matches.
    bool MatchAll(const QString& strText, QStringList& titles, QStringList& matched) const;

    // A missing file leaves the list empty and says nothing; other file
    // errors are shown by the text file.
    void Load(const QString& strPath);
    void Save(const QString& strPath) const;
    // The lines Save writes, without the comment block around them.
    QStringList RecordLines() const;
    void LoadDefault();
    void SaveDefault() const;
    static QString DefaultPath();

private:
    std::vector<std::unique_ptr<CAlarm>> m_alarms;
    int m_bEnabled = 1;
};

// The application's one alarm list.
CAlarmList& Alarms();
