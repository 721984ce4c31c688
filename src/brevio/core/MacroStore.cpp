#include "brevio/core/MacroStore.h"

#include "platform/DataFolder.h"
#include "brevio/core/DefinitionFileHeader.h"
#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"

#include <QDir>
#include <QFileInfo>

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
    auto refuse = [pstrReason](const QString& reason) {
        if (pstrReason)
            *pstrReason = reason;
        return false;
    };
    static const QString kFileType = QStringLiteral("#@filetype=");
    bool banner = false;
    int records = 0, macroLines = 0;
    for (const QString& line : lines) {
        if (line.startsWith(kFileType)) {
            bool ok = false;
            const int kind = line.mid(kFileType.size()).trimmed().toInt(&ok);
            if (ok && kind != kFileKind) {
                const QString contents = CDefinitionFileHeader::ContentsText(kind);
                return refuse(contents.isEmpty() ? QStringLiteral("it is a definitions file of another kind (%1)").arg(kind)
                                                 : QStringLiteral("it holds %1").arg(contents.toLower()));
            }
            banner = banner || ok;
            continue;
        }
        if (line == QLatin1String("-@-")) {
            ++records;
            continue;
        }
        // Any other line that is not a record line is skipped when reading,
        // as a stray byte in an edited file makes it: it loses that line only.
        const bool code = line.size() >= 3 && line[0].isDigit() && line[1].isDigit() && line[2].isDigit() &&
                          (line.size() == 3 || line[3] == QLatin1Char(' '));
        if (code && line.left(3).toInt() >= 100 && line.left(3).toInt() <= 104)
            ++macroLines;
    }
    // Records of some other tagged-line file share the form, not the codes.
    if ((records == 0 && !banner) || (records > 0 && macroLines == 0))
        return refuse(QStringLiteral("it holds no macros"));
    return true;
}

bool CMacroStore::Load(const QString& strPath, QString* pstrError)
{
    CTextFile file(strPath, false);
    if (!file.Exists() && !QFileInfo::exists(strPath)) {
        RemoveAll();
        return true;
    }
    QStringList lines;
    file.ReadLines(lines);
    if (!file.IsOk()) {
        if (pstrError)
            pstrError->clear();
        return false;
    }
    if (!IsMacroFile(lines, pstrError))
        return false;
    RemoveAll();
    ReadLines(lines);
    return true;
}

void CMacroStore::LoadDefault()
{
    const QString path = DefaultPath();
    m_bDefaultUnread = false;
    // An empty file holds nothing that saving could lose.
    if (QFileInfo(path).isFile() && QFileInfo(path).size() == 0) {
        RemoveAll();
        return;
    }
    QString reason;
    if (Load(path, &reason))
        return;
    // Its macros are not here: saving must not put this store in their place.
    m_bDefaultUnread = true;
    if (!reason.isEmpty())
        platform::messageBox(GetMainWindow(),
                             QStringLiteral("\"%1\" is not a macro definitions file: %2.\nNothing was loaded.")
                                 .arg(QDir::toNativeSeparators(path), reason),
                             QStringLiteral("Error"), platform::MB_OK | int(platform::MB_ICONERROR));
}

bool CMacroStore::SaveDefault() const
{
    const QString path = DefaultPath();
    if (m_bDefaultUnread && QFileInfo::exists(path)) {
        platform::messageBox(GetMainWindow(),
                             QStringLiteral("The macros were not saved: \"%1\" could not be read when the program "
                                            "started, and saving would replace the macros it holds.")
                                 .arg(QDir::toNativeSeparators(path)),
                             QStringLiteral("Error"), platform::MB_OK | int(platform::MB_ICONERROR));
        return false;
    }
    return Save(path);
}

CMacroStore& Macros()
{
    static CMacroStore* store = new CMacroStore;
    return *store;
}
