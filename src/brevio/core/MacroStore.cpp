#include "brevio/core/MacroStore.h"

#include "platform/DataFolder.h"
#include "brevio/core/DefinitionFileHeader.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"


void CMacro::Reset()
{
    m_strTitle.clear();
    m_strShortTitle.clear();
    m_lines.clear();
    m_nFlags = 0;
    m_bEnabled = 1;
}

int CMacro::MakeFlags(bool bErase, bool bAlwaysPrompt, bool bSendNow, bool bSuperBrowserOnly, bool bLeaveHisInfo)
{
    return (bErase ? kEraseFirst : 0) | (bAlwaysPrompt ? kAlwaysPrompt : 0) | (bSendNow ? kSendNow : 0) |
           (bSuperBrowserOnly ? kSuperBrowserOnly : 0) | (bLeaveHisInfo ? kOwnStationOnly : 0);
}

QString CMacroStore::DefaultPath()
{
    return platform::dataFilePath(DefaultFileName());
}

CMacro* CMacroStore::FindByTitle(const QString& strTitle) const
{
    const int index = IndexOf(strTitle);
    return index >= 0 ? m_macros[size_t(index)].get() : nullptr;
}

int CMacroStore::IndexOf(const QString& strTitle) const
{
    for (size_t i = 0; i < m_macros.size(); ++i)
        if (m_macros[i]->m_strTitle == strTitle)
            return int(i);
    return -1;
}

CMacro* CMacroStore::Add(const QString& strFullTitle, const QString& strShortTitle, const QStringList& lines,
                         bool bErase, bool bAlwaysPrompt, bool bSendNow, bool bSuperBrowserOnly, int nEnabled,
                         bool bLeaveHisInfo)
{
    auto macro = std::make_unique<CMacro>(strFullTitle, lines,
                                          CMacro::MakeFlags(bErase, bAlwaysPrompt, bSendNow, bSuperBrowserOnly,
                                                            bLeaveHisInfo));
    macro->m_strShortTitle = strShortTitle;
    macro->m_bEnabled = nEnabled;
    m_macros.push_back(std::move(macro));
    return m_macros.back().get();
}

CMacro* CMacroStore::Add(const QString& strTitle, const QStringList& lines, int nFlags)
{
    m_macros.push_back(std::make_unique<CMacro>(strTitle, lines, nFlags & CMacro::kKnownFlags));
    return m_macros.back().get();
}

void CMacroStore::Update(const QString& strKeyTitle, const QString& strFullTitle, const QString& strShortTitle,
                         const QStringList& lines, bool bErase, bool bAlwaysPrompt, bool bSendNow,
                         bool bSuperBrowserOnly, int nEnabled, bool bLeaveHisInfo)
{
    CMacro* macro = FindByTitle(strKeyTitle);
    if (!macro)
        return;
    macro->m_strTitle = strFullTitle;
    macro->m_strShortTitle = strShortTitle;
    macro->m_lines = lines;
    macro->m_nFlags = CMacro::MakeFlags(bErase, bAlwaysPrompt, bSendNow, bSuperBrowserOnly, bLeaveHisInfo);
    macro->m_bEnabled = nEnabled;
}

void CMacroStore::DeleteByTitle(const QString& strTitle)
{
    const int index = IndexOf(strTitle);
    if (index >= 0)
        m_macros.erase(m_macros.begin() + index);
}

void CMacroStore::RemoveAll()
{
    m_macros.clear();
}

int CMacroStore::CopyFrom(const CMacroStore& other)
{
    if (&other == this)
        return GetCount();
    RemoveAll();
    for (const auto& m : other.m_macros)
        Add(m->m_strTitle, m->m_strShortTitle, m->m_lines, m->IsEraseFirst(), m->IsAlwaysPrompt(), m->IsSendNow(),
            m->IsSuperBrowserOnly(), m->m_bEnabled, m->IsLeaveHisInfoEmpty());
    return GetCount();
}

int CMacroStore::GetTitles(QStringList& titles) const
{
    titles.clear();
    for (const auto& m : m_macros)
        titles.append(m->m_strTitle);
    return int(titles.size());
}

void CMacroStore::SortByTitle()
{
    // Titles compare as the file's single bytes, so "B" sorts before "a".
    const int n = GetCount();
    for (int i = n - 1; i >= 0; --i)
        for (int j = 1; j <= i; ++j)
            if (m_macros[size_t(j - 1)]->m_strTitle.toLatin1() > m_macros[size_t(j)]->m_strTitle.toLatin1())
                std::swap(m_macros[size_t(j - 1)], m_macros[size_t(j)]);
}

void CMacroStore::Swap(int a, int b)
{
    if (a < 0 || b < 0 || a >= GetCount() || b >= GetCount())
        return;
    std::swap(m_macros[size_t(a)], m_macros[size_t(b)]);
}

QStringList CMacroStore::RecordLines() const
{
    QStringList lines;
    lines.reserve(qsizetype(m_macros.size()) * 8);
    for (const auto& m : m_macros) {
        lines << QStringLiteral("#");
        lines << QStringLiteral("100 ") + m->m_strTitle;
        lines << QStringLiteral("104 ") + m->m_strShortTitle;
        lines << QString::asprintf("%03d %u", 102, unsigned(m->m_nFlags));
        lines << QString::asprintf("%03d %u", 103, unsigned(m->m_bEnabled));
        for (const QString& line : m->m_lines)
            lines << QStringLiteral("101 ") + line;
        lines << QStringLiteral("-@-");
    }
    return lines;
}

bool CMacroStore::Save(const QString& strPath) const
{
    QStringList lines = RecordLines();
    CDefinitionFileHeader().Write(kFileKind, lines);
    CTextFile file(strPath, false);
    file.WriteLines(lines, false);
    return file.IsOk();
}

void CMacroStore::ReadLines(const QStringList& lines)
{
    CMacro working;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line == QLatin1String("-@-")) {
            // Rebuilt through Add, so only the known flag bits survive.
            Add(working.m_strTitle, working.m_strShortTitle, working.m_lines, working.IsEraseFirst(),
                working.IsAlwaysPrompt(), working.IsSendNow(), working.IsSuperBrowserOnly(), working.m_bEnabled,
                working.IsLeaveHisInfoEmpty());
            working.Reset();
            continue;
        }
        const int code = RegistryAtol(line.left(3).toLatin1());
        const QString value = line.mid(4);
        switch (code) {
        case 100:
            working.m_strTitle = value;
            break;
        case 101:
            working.m_lines.append(value);
            break;
        case 102:
            working.m_nFlags = int(uint32_t(RegistryAtol(value.toLatin1())));
            break;
        case 103:
            working.m_bEnabled = RegistryAtol(value.toLatin1());
            break;
        case 104:
            working.m_strShortTitle = value;
            break;
        default:
            break;
        }
    }
}

bool CMacroStore::IsMacroFile(const QStringList& lines, QString* pstrReason)
{
    return CMacroStore().m_guard.Recognises(lines, pstrReason);
}

bool CMacroStore::Load(const QString& strPath, QString* pstrError)
{
    QStringList lines;
    if (m_guard.Read(strPath, lines, pstrError) == CDefinitionFileGuard::Result::kRefused)
        return false;
    RemoveAll();
    ReadLines(lines);
    return true;
}

void CMacroStore::LoadDefault(QStringList* pUnread)
{
    QStringList lines;
    if (m_guard.ReadDefault(DefaultPath(), lines, pUnread) == CDefinitionFileGuard::Result::kRefused)
        return;
    RemoveAll();
    ReadLines(lines);
}

bool CMacroStore::SaveDefault() const
{
    return m_guard.MaySave(DefaultPath()) && Save(DefaultPath());
}

CMacroStore& Macros()
{
    static CMacroStore* store = new CMacroStore;
    return *store;
}
