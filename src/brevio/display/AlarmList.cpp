#include "brevio/display/AlarmList.h"

#include "platform/DataFolder.h"
#include "brevio/core/DefinitionFileHeader.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"

#include <cstring>

namespace {
// The flags word is unsigned: every one of its 32 bits comes back as saved.
uint32_t ParseUnsigned(const QString& strText)
{
    qsizetype i = 0;
    while (i < strText.size() && (strText[i] == QLatin1Char(' ') || (strText[i] >= QLatin1Char('\t') && strText[i] <= QLatin1Char('\r'))))
        ++i;
    if (i < strText.size() && strText[i] == QLatin1Char('-'))
        return uint32_t(RegistryAtol(strText.toLatin1()));
    if (i < strText.size() && strText[i] == QLatin1Char('+'))
        ++i;
    uint64_t value = 0;
    for (; i < strText.size() && strText[i].isDigit() && strText[i].unicode() < 128; ++i) {
        value = value * 10 + uint64_t(strText[i].unicode() - '0');
        if (value > 0xFFFFFFFFull)
            return 0xFFFFFFFFu;
    }
    return uint32_t(value);
}
} // namespace

CAlarmList& Alarms()
{
    static CAlarmList list;
    return list;
}

CAlarm* CAlarmList::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_alarms[size_t(nIndex)].get() : nullptr;
}

CAlarm* CAlarmList::FindByTitle(const QString& strTitle) const
{
    for (const auto& alarm : m_alarms)
        if (alarm->GetTitle() == strTitle)
            return alarm.get();
    return nullptr;
}

void CAlarmList::AddCopy(const CAlarm& alarm)
{
    m_alarms.push_back(std::make_unique<CAlarm>(alarm));
}

void CAlarmList::Add(int bEnabled, const QString& strTitle, const QString& strExpression, const QString& strComment,
                     uint32_t nFlags, const QString& strWave, const QString& strSpeech)
{
    CAlarm alarm;
    alarm.SetEnabled(bEnabled);
    alarm.SetTitle(strTitle);
    alarm.SetExpression(strExpression);
    alarm.SetComment(strComment);
    alarm.SetFlags(nFlags);
    alarm.SetWaveFile(strWave);
    alarm.SetSpeechText(strSpeech);
    AddCopy(alarm);
}

void CAlarmList::ReplaceByTitle(const QString& strTitle, const CAlarm& alarm)
{
    if (CAlarm* target = FindByTitle(strTitle))
        *target = alarm;
}

void CAlarmList::SetEnabledByTitle(const QString& strTitle, int bEnabled)
{
    if (CAlarm* target = FindByTitle(strTitle))
        target->SetEnabled(bEnabled);
}

void CAlarmList::DeleteByTitle(const QString& strTitle)
{
    for (auto it = m_alarms.begin(); it != m_alarms.end(); ++it) {
        if ((*it)->GetTitle() == strTitle) {
            m_alarms.erase(it);
            return;
        }
    }
}

void CAlarmList::RemoveAll()
{
    m_alarms.clear();
    m_bEnabled = 1;
}

int CAlarmList::CopyFrom(const CAlarmList& other)
{
    if (&other == this)
        return GetCount();
    RemoveAll();
    m_bEnabled = other.m_bEnabled;
    for (const auto& alarm : other.m_alarms)
        AddCopy(*alarm);
    return GetCount();
}

int CAlarmList::GetTitles(QStringList& titles) const
{
    titles.clear();
    for (const auto& alarm : m_alarms)
        titles.append(alarm->GetTitle());
    return int(titles.size());
}

void CAlarmList::SortByTitle()
{
    const int n = GetCount();
    for (int i = n - 1; i >= 0; --i) {
        for (int j = 1; j <= i; ++j) {
            const QByteArray a = m_alarms[size_t(j - 1)]->GetTitle().toLatin1();
            const QByteArray b = m_alarms[size_t(j)]->GetTitle().toLatin1();
            if (std::strcmp(a.constData(), b.constData()) > 0)
                std::swap(m_alarms[size_t(j - 1)], m_alarms[size_t(j)]);
        }
    }
}

bool CAlarmList::MatchAll(const QString& strText, QStringList& titles, QStringList& matched) const
{
    titles.clear();
    matched.clear();
    for (const auto& alarm : m_alarms) {
        QString found;
        if (alarm->Match(strText, found)) {
            titles.append(alarm->GetTitle());
            matched.append(found);
        }
    }
    return !titles.isEmpty();
}

QStringList CAlarmList::RecordLines() const
{
    QStringList lines;
    lines.reserve(1000);
    lines << QStringLiteral("#") << QString::asprintf("%03d %u", 200, unsigned(m_bEnabled));
    for (const auto& alarm : m_alarms) {
        lines << QStringLiteral("#");
        lines << QStringLiteral("100 ") + alarm->GetSpeechText();
        lines << QStringLiteral("101 ") + alarm->GetExpression();
        lines << QStringLiteral("106 ") + alarm->GetComment();
        lines << QStringLiteral("102 ") + alarm->GetTitle();
        lines << QStringLiteral("103 ") + alarm->GetWaveFile();
        lines << QString::asprintf("%03d %u", 104, unsigned(alarm->GetFlags()));
        lines << QString::asprintf("%03d %u", 105, unsigned(alarm->GetEnabled()));
        lines << QStringLiteral("-@-");
    }
    return lines;
}

void CAlarmList::Save(const QString& strPath) const
{
    QStringList lines = RecordLines();
    CDefinitionFileHeader().Write(kFileKind, lines);
    CTextFile(strPath, false).WriteLines(lines, false);
}

void CAlarmList::Load(const QString& strPath)
{
    RemoveAll();
    CTextFile file(strPath, false);
    if (!file.Exists())
        return;
    QStringList lines;
    file.ReadLines(lines);

    CAlarm working;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line == QLatin1String("-@-")) {
            AddCopy(working);
            working.Clear();
            continue;
        }
        const int code = RegistryAtol(line.left(3).toLatin1());
        const QString value = line.mid(4);
        const int32_t number = RegistryAtol(value.toLatin1());
        switch (code) {
        case 100:
            working.SetSpeechText(value);
            break;
        case 101:
            working.SetExpression(value);
            break;
        case 102:
            working.SetTitle(value);
            break;
        case 103:
            working.SetWaveFile(value);
            break;
        case 104:
            working.SetFlags(ParseUnsigned(value));
            break;
        case 105:
            working.SetEnabled(number);
            break;
        case 106:
            working.SetComment(value);
            break;
        case 200:
            m_bEnabled = number;
            break;
        default:
            break;
        }
    }
}

QString CAlarmList::DefaultPath()
{
    return platform::dataFilePath(DefaultFileName());
}

void CAlarmList::LoadDefault()
{
    Load(DefaultPath());
}

void CAlarmList::SaveDefault() const
{
    Save(DefaultPath());
}
