#include "brevio/core/TagStore.h"

#include "platform/DataFolder.h"
#include "brevio/core/DefinitionFileHeader.h"
#include "brevio/core/Locator.h"
#include "brevio/core/PSK31Settings.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"
#include "shared/VersionInfo.h"

void CTag::Reset()
{
    m_bEnabled = m_bLocked = m_bOwnStation = 0;
    m_strLogField.clear();
    m_strTitle.clear();
    m_strValue.clear();
    for (QString& s : m_strChannelValues)
        s.clear();
}

void CTag::CopyFrom(const CTag& other)
{
    m_bEnabled = other.m_bEnabled;
    m_bLocked = other.m_bLocked;
    m_bOwnStation = other.m_bOwnStation;
    m_strLogField = other.m_strLogField;
    m_strTitle = other.m_strTitle;
    m_strValue = other.m_strValue;
    m_strChannelValues = other.m_strChannelValues;
}

const QString& CTag::Value(int nChannel) const
{
    if (m_bOwnStation || nChannel < 0 || nChannel >= kChannels)
        return m_strValue;
    return m_strChannelValues[size_t(nChannel)];
}

QString& CTag::Value(int nChannel)
{
    if (m_bOwnStation || nChannel < 0 || nChannel >= kChannels)
        return m_strValue;
    return m_strChannelValues[size_t(nChannel)];
}

CTagStore::CTagStore() = default;
CTagStore::~CTagStore() = default;

const std::vector<std::pair<QString, QString>>& CTagStore::BuiltInTags()
{
    static const std::vector<std::pair<QString, QString>> tags = {
        {QStringLiteral("Callsign"), QStringLiteral("call")},
        {QStringLiteral("Name"), QStringLiteral("name")},
        {QStringLiteral("QTH"), QStringLiteral("qth")},
        {QStringLiteral("Locator"), QStringLiteral("gridsquare")},
        {QStringLiteral("Band"), QStringLiteral("band")},
        {QStringLiteral("Mode"), QStringLiteral("mode")},
        {QStringLiteral("Sent"), QStringLiteral("rst_sent")},
        {QStringLiteral("Rcvd"), QStringLiteral("rst_rcvd")},
        {QStringLiteral("Notes"), QStringLiteral("notes")},
    };
    return tags;
}

const QStringList& CTagStore::DefaultOwnStationTags()
{
    static const QStringList titles = {
        QStringLiteral("My Callsign"), QStringLiteral("My Locator"), QStringLiteral("My Name"),
        QStringLiteral("My QTH"),      QStringLiteral("My Antenna"), QStringLiteral("My Rig"),
        QStringLiteral("My Temp"),     QStringLiteral("My Weather"), QStringLiteral("My Power"),
    };
    return titles;
}

void CTagStore::Clear()
{
    m_tags.clear();
}

CTag* CTagStore::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_tags[size_t(nIndex)].get() : nullptr;
}

CTag* CTagStore::FindByTitle(const QString& strTitle) const
{
    for (const auto& tag : m_tags)
        if (tag->m_strTitle == strTitle)
            return tag.get();
    return nullptr;
}

void CTagStore::Add(const QString& strTitle, const QString& strLogField, int bOwnStation, int bEnabled, int bLocked)
{
    AddBuiltIn(strTitle, strLogField, QString(), bOwnStation, bEnabled, bLocked);
}

void CTagStore::AddBuiltIn(const QString& strTitle, const QString& strLogField, const QString& strValue,
                           int bOwnStation, int bEnabled, int bLocked)
{
    auto tag = std::make_unique<CTag>();
    tag->m_strTitle = strTitle;
    tag->m_strLogField = strLogField;
    tag->m_strValue = strValue;
    tag->m_bOwnStation = bOwnStation;
    tag->m_bEnabled = bEnabled;
    tag->m_bLocked = bLocked;
    m_tags.push_back(std::move(tag));
}

void CTagStore::SetDefaults()
{
    Clear();
    for (const auto& [title, field] : BuiltInTags())
        Add(title, field, 0, 1, 1);
    for (const QString& title : DefaultOwnStationTags())
        Add(title, QString(), 1, 1, 0);
}

QString CTagStore::DefaultPath()
{
    return platform::dataFilePath(DefaultFileName());
}

int CTagStore::CopyFrom(const CTagStore& source)
{
    if (&source == this)
        return GetCount();
    Clear();
    for (const auto& tag : source.m_tags) {
        auto copy = std::make_unique<CTag>();
        copy->CopyFrom(*tag);
        m_tags.push_back(std::move(copy));
    }
    return GetCount();
}

int CTagStore::IndexOf(const QString& strTitle) const
{
    for (size_t i = 0; i < m_tags.size(); ++i)
        if (m_tags[i]->m_strTitle == strTitle)
            return int(i);
    return -1;
}

void CTagStore::DeleteByTitle(const QString& strTitle)
{
    for (auto it = m_tags.begin(); it != m_tags.end(); ++it) {
        if ((*it)->m_strTitle == strTitle && !(*it)->m_bLocked) {
            m_tags.erase(it);
            return;
        }
    }
}

void CTagStore::Update(const QString& strOldTitle, const QString& strNewTitle, const QString& strLogField,
                       int bOwnStation, int bEnabled, int bLocked)
{
    CTag* tag = FindByTitle(strOldTitle);
    if (!tag)
        return;
    tag->m_strTitle = strNewTitle;
    tag->m_strLogField = strLogField;
    tag->m_bOwnStation = bOwnStation;
    tag->m_bEnabled = bEnabled;
    tag->m_bLocked = bLocked;
}

void CTagStore::Reorder(const QStringList& titles)
{
    std::vector<std::unique_ptr<CTag>> ordered;
    ordered.reserve(m_tags.size());
    for (const QString& title : titles) {
        for (auto& tag : m_tags) {
            if (tag && tag->m_strTitle == title) {
                ordered.push_back(std::move(tag));
                break;
            }
        }
    }
    for (auto& tag : m_tags)
        if (tag)
            ordered.push_back(std::move(tag));
    m_tags = std::move(ordered);
}

QList<int> CTagStore::SetValues(const QStringList& titles, const QStringList& values, int nChannel)
{
    QList<int> refused;
    for (qsizetype i = 0; i < titles.size(); ++i)
        if (!SetValue(titles[i], values.value(i), nChannel))
            refused.append(int(i));
    return refused;
}

QStringList CTagStore::RecordLines() const
{
    QStringList lines;
    lines.reserve(qsizetype(m_tags.size()) * 7);
    for (const auto& tag : m_tags) {
        // Built-in tags come back from the program itself, never from the file.
        if (tag->m_bLocked)
            continue;
        lines << QStringLiteral("#");
        lines << QStringLiteral("100 ") + tag->m_strTitle;
        lines << QString::asprintf("%03d %u", 102, tag->m_bOwnStation ? 1u : 0u);
        lines << QString::asprintf("%03d %u", 103, tag->m_bEnabled ? 1u : 0u);
        lines << QString::asprintf("%03d %u", 104, 0u);
        // Only the operator's own station's values outlive the program.
        lines << QStringLiteral("106 ") + (tag->m_bOwnStation ? tag->m_strValue : QString());
        lines << QStringLiteral("-@-");
    }
    return lines;
}

bool CTagStore::Save(const QString& strPath) const
{
    QStringList lines = RecordLines();
    CDefinitionFileHeader().Write(kFileKind, lines);
    CTextFile file(strPath, false);
    file.WriteLines(lines, false);
    return file.IsOk();
}

void CTagStore::ReadLines(const QStringList& lines)
{
    Clear();
    for (const auto& [title, field] : BuiltInTags())
        Add(title, field, 0, 1, 1);
    CTag pending;
    bool ownStationRead = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line == QLatin1String("-@-")) {
            if (!pending.m_bLocked) {
                AddBuiltIn(pending.m_strTitle, pending.m_strLogField, pending.m_strValue, pending.m_bOwnStation,
                           pending.m_bEnabled, pending.m_bLocked);
                if (pending.m_bOwnStation)
                    ownStationRead = true;
            }
            pending.Reset();
            continue;
        }
        const int code = RegistryAtol(line.left(3).toLatin1());
        const QString text = line.mid(4);
        const int flag = RegistryAtol(text.toLatin1()) != 0 ? 1 : 0;
        switch (code) {
        case 100:
            pending.m_strTitle = text;
            break;
        case 102:
            pending.m_bOwnStation = flag;
            break;
        case 103:
            pending.m_bEnabled = flag;
            break;
        case 104:
            pending.m_bLocked = flag;
            break;
        case 106:
            pending.m_strValue = text;
            break;
        default:
            break;
        }
    }
    if (!ownStationRead)
        for (const QString& title : DefaultOwnStationTags())
            Add(title, QString(), 1, 1, 0);
}

bool CTagStore::IsTagFile(const QStringList& lines, QString* pstrReason)
{
    return CTagStore().m_guard.Recognises(lines, pstrReason);
}

bool CTagStore::Load(const QString& strPath, QString* pstrError)
{
    QStringList lines;
    if (m_guard.Read(strPath, lines, pstrError) == CDefinitionFileGuard::Result::kRefused)
        return false;
    ReadLines(lines);
    return true;
}

void CTagStore::LoadDefault(QStringList* pUnread)
{
    QStringList lines;
    // Without the file's tags the session still has the built-in ones.
    if (m_guard.ReadDefault(DefaultPath(), lines, pUnread) == CDefinitionFileGuard::Result::kRefused)
        lines.clear();
    ReadLines(lines);
}

bool CTagStore::SaveDefault(bool bBoxEveryTime) const
{
    return m_guard.MaySave(DefaultPath(), bBoxEveryTime) && Save(DefaultPath());
}

bool CTag::HoldsLocator() const
{
    return m_strLogField.compare(QLatin1String("gridsquare"), Qt::CaseInsensitive) == 0 ||
           m_strLogField.compare(QLatin1String("my_gridsquare"), Qt::CaseInsensitive) == 0 ||
           m_strTitle == QLatin1String("My Locator");
}

bool CTagStore::CheckValue(const CTag& tag, QString& strValue)
{
    // The logbook and the distance tools take only a real locator.
    return !tag.HoldsLocator() || TakeLocatorEntry(strValue);
}

bool CTagStore::CheckValueFor(const QString& strName, QString& strValue) const
{
    for (const auto& tag : m_tags)
        if (tag->m_strTitle.compare(strName, Qt::CaseInsensitive) == 0 && !CheckValue(*tag, strValue))
            return false;
    return true;
}

bool CTagStore::SetValue(const QString& strTitle, const QString& strValue, int nChannel)
{
    CTag* tag = FindByTitle(strTitle);
    if (!tag)
        return true;
    QString value = strValue;
    if (!CheckValue(*tag, value))
        return false;
    tag->Value(nChannel) = value;
    return true;
}

QString CTagStore::GetValue(const QString& strTitle, int nChannel) const
{
    const CTag* tag = FindByTitle(strTitle);
    return tag ? tag->Value(nChannel) : QString();
}

QString CTagStore::ImdText(int bLessThan, int nImd)
{
    if (nImd == -999 || nImd == 0)
        return QStringLiteral("unknown");
    return QStringLiteral("%1%2dB").arg(bLessThan ? QStringLiteral("< ") : QString()).arg(nImd);
}

QString CTagStore::ProgramText()
{
    const CVersionInfo version;
    const QString special = version.GetSpecialBuild();
    return QStringLiteral("%1 v%2%3%4")
        .arg(version.GetProductName(), version.GetProductVersion(), special.isEmpty() ? QString() : QStringLiteral(" "),
             special);
}

int CTagStore::ExpandFixedTags(QStringList& lines, int bLessThan, int nImd) const
{
    const QString fixed[] = {QStringLiteral("[imd]"), QStringLiteral("[program]")};
    for (QString& line : lines) {
        for (const QString& tag : fixed) {
            int at = line.indexOf(tag, 0, Qt::CaseInsensitive);
            if (at < 0)
                continue;
            const QString text = tag == fixed[0] ? ImdText(bLessThan, nImd) : ProgramText();
            while (at >= 0) {
                line.replace(at, tag.size(), text);
                at = line.indexOf(tag, 0, Qt::CaseInsensitive);
            }
        }
    }
    return int(lines.size());
}

QString CTagStore::WriteAdif(int nChannel) const
{
    return WriteAdif(nChannel, QDateTime::currentDateTimeUtc(), CurrentSettings().m_bTagsPerChannel != 0);
}

QString CTagStore::WriteAdif(int nChannel, const QDateTime& utc, bool bTagsPerChannel) const
{
    QString record;
    for (const auto& [title, field] : BuiltInTags()) {
        const CTag* tag = FindByTitle(title);
        if (!tag)
            continue;
        QString value = bTagsPerChannel && nChannel >= 0 && nChannel < CTag::kChannels
                            ? tag->m_strChannelValues[size_t(nChannel)]
                            : tag->m_strValue;
        value = value.trimmed();
        value.replace(QLatin1Char('>'), QStringLiteral("&gt"));
        value.replace(QLatin1Char('<'), QStringLiteral("&lt"));
        // ADIF counts bytes; the logbook files are single-byte text.
        record += QStringLiteral("<%1:%2>%3").arg(field).arg(value.toLatin1().size()).arg(value);
    }
    const QDate d = utc.date();
    const QTime t = utc.time();
    record += QString::asprintf("<qso_date:8:d>%4d%02d%02d<time_on:6>%02d%02d%02d", d.year(), d.month(), d.day(),
                                t.hour(), t.minute(), t.second());
    record += QStringLiteral("<EOR>");
    return record;
}

CTagStore& Tags()
{
    static CTagStore* store = [] {
        auto* s = new CTagStore;
        s->SetDefaults();
        return s;
    }();
    return *store;
}
