#include "corvane/organisers/LogbookDatabase.h"

#include "corvane/organisers/LogbookDateText.h"
#include "corvane/organisers/LogbookRequests.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/VersionInfo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimeZone>
#include <algorithm>
#include <atomic>
#include <memory>

namespace {
const QString kTable = QStringLiteral("TABLEv010");
const QString kFileName = QStringLiteral("FT-817 Logbook.mdb");
const QString kDateField = QStringLiteral("DateTime");
const QString kStoredDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QString nextConnectionName()
{
    static std::atomic<int> serial{0};
    return QStringLiteral("FT-817 Logbook %1").arg(++serial);
}

// Opens a second, read-only connection for a look at a file, and removes it
// again on every way out.
class ReadOnlyLook {
public:
    explicit ReadOnlyLook(const QString& strPath) : m_strName(nextConnectionName())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_strName);
        db.setDatabaseName(strPath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        m_bOpen = db.open();
        if (!m_bOpen)
            m_strError = db.lastError().text();
    }
    ~ReadOnlyLook()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_strName, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_strName);
    }
    bool IsOpen() const { return m_bOpen; }
    QString Error() const { return m_strError; }
    QSqlDatabase Db() const { return QSqlDatabase::database(m_strName, false); }

private:
    QString m_strName;
    QString m_strError;
    bool m_bOpen = false;
};

std::unique_ptr<CLogbookDatabase>& theStore()
{
    static std::unique_ptr<CLogbookDatabase> store;
    return store;
}
} // namespace

const QStringList& CLogbookDatabase::FieldNames()
{
    static const QStringList names = {
        QStringLiteral("DateTime"), QStringLiteral("UniqueID"), QStringLiteral("Frequency"), QStringLiteral("Mode"),
        QStringLiteral("Callsign"), QStringLiteral("Power"),    QStringLiteral("Location"),  QStringLiteral("Signal"),
        QStringLiteral("Comment"),  QStringLiteral("UDF1"),     QStringLiteral("UDF2"),      QStringLiteral("UDF3"),
        QStringLiteral("UDF4"),     QStringLiteral("UDF5")};
    return names;
}

const QStringList& CLogbookDatabase::ColumnCaptions()
{
    static const QStringList captions = {QStringLiteral("Date UTC"), QStringLiteral("Callsign"),
                                         QStringLiteral("Frequency"), QStringLiteral("Mode"),
                                         QStringLiteral("Power"),    QStringLiteral("QTH"),
                                         QStringLiteral("Comment")};
    return captions;
}

const QStringList& CLogbookDatabase::ColumnFields()
{
    static const QStringList fields = {QStringLiteral("DateTime"), QStringLiteral("Callsign"),
                                       QStringLiteral("Frequency"), QStringLiteral("Mode"),
                                       QStringLiteral("Power"),    QStringLiteral("Location"),
                                       QStringLiteral("Comment")};
    return fields;
}

QString CLogbookDatabase::MapCaptionToField(const QString& strCaption)
{
    static const std::pair<const char*, const char*> table[] = {
        {"Callsign", "Callsign"}, {"Comment", "Comment"}, {"Date UTC", "DateTime"}, {"Frequency", "Frequency"},
        {"QTH", "Location"},      {"Mode", "Mode"},       {"Power", "Power"}};
    for (const auto& [caption, field] : table)
        if (strCaption == QLatin1String(caption))
            return QString::fromLatin1(field);
    return {};
}

QString CLogbookDatabase::DefaultPath()
{
    return platform::dataFilePath(kFileName);
}

CLogbookDatabase::CLogbookDatabase(const QString& strPath)
    : m_strPath(strPath), m_strConnection(nextConnectionName())
{
}

CLogbookDatabase::~CLogbookDatabase()
{
    Close();
}

QSqlDatabase CLogbookDatabase::Db() const
{
    return QSqlDatabase::database(m_strConnection, false);
}

void CLogbookDatabase::Report(const QString& strText) const
{
    const CVersionInfo version;
    platform::messageBox(m_pOwner ? m_pOwner : GetMainWindow(), strText, version.GetProductName(),
                         platform::MB_OK | platform::MB_ICONWARNING);
}

bool CLogbookDatabase::CheckExisting(QString& strWhy) const
{
    QFile file(m_strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        strWhy = file.errorString();
        return false;
    }
    const QByteArray header = file.read(16);
    file.close();
    if (header != QByteArray("SQLite format 3\0", 16)) {
        strWhy = QStringLiteral("it is not an SQLite database");
        return false;
    }
    ReadOnlyLook look(m_strPath);
    if (!look.IsOpen()) {
        strWhy = look.Error();
        return false;
    }
    QString table;
    for (const QString& name : look.Db().tables())
        if (name.compare(kTable, Qt::CaseInsensitive) == 0)
            table = name;
    if (table.isEmpty()) {
        strWhy = QStringLiteral("it holds no table %1").arg(kTable);
        return false;
    }
    const QSqlRecord record = look.Db().record(table);
    for (const QString& field : FieldNames()) {
        if (record.indexOf(field) < 0) {
            strWhy = QStringLiteral("its table %1 has no field %2").arg(kTable, field);
            return false;
        }
    }
    return true;
}

bool CLogbookDatabase::Open()
{
    if (m_bOpen)
        return true;
    const QFileInfo info(m_strPath);
    // An empty file holds nothing to lose: it becomes the logbook.
    const bool bNew = !info.exists() || (info.isFile() && info.size() == 0);
    if (!bNew) {
        QString why;
        if (!CheckExisting(why)) {
            Report(QStringLiteral("Couldn't open Logbook database: \"%1\" is not an FT-817 Corvane logbook (%2). "
                                  "The file is left as it is and the logbook stays closed.")
                       .arg(QDir::toNativeSeparators(m_strPath), why));
            return false;
        }
    } else {
        QDir().mkpath(info.absolutePath());
    }
    const bool bExisted = info.exists();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_strConnection);
        db.setDatabaseName(m_strPath);
        if (!db.open()) {
            const QString error = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_strConnection);
            Report((bNew ? QStringLiteral("Couldn't create Logbook database: ")
                         : QStringLiteral("Couldn't open Logbook database: ")) +
                   error);
            return false;
        }
    }
    m_bOpen = true;
    if (bNew && !CreateTable()) {
        Close();
        // A file this call made and could not finish would look foreign next time.
        if (!bExisted)
            QFile::remove(m_strPath);
        return false;
    }
    return true;
}

void CLogbookDatabase::Close()
{
    if (!QSqlDatabase::contains(m_strConnection))
        return;
    {
        QSqlDatabase db = Db();
        db.close();
    }
    QSqlDatabase::removeDatabase(m_strConnection);
    m_bOpen = false;
}

bool CLogbookDatabase::CreateTable()
{
    // Text columns compare and sort without regard to case, as the logbook
    // always has; each holds at most 255 characters.
    QStringList columns;
    for (const QString& field : FieldNames()) {
        if (field == kDateField)
            columns << QStringLiteral("[%1] TEXT").arg(field);
        else
            columns << QStringLiteral("[%1] TEXT COLLATE NOCASE CHECK (length([%1]) <= %2)").arg(field).arg(kTextSize);
    }
    QSqlQuery query(Db());
    if (!query.exec(QStringLiteral("CREATE TABLE [%1] (%2)").arg(kTable, columns.join(QStringLiteral(", "))))) {
        Report(QStringLiteral("Couldn't create Logbook table: ") + query.lastError().text());
        return false;
    }
    return true;
}

bool CLogbookDatabase::Reload(int nMaximum, const CLogbookQuery& query, QList<Row>& rows)
{
    rows.clear();
    // A logbook that could not be opened before (a foreign file since moved
    // away, a folder since made writable) is tried again, and what still
    // fails is said.
    if (!Open())
        return false;
    const int limit = std::max(0, std::min(nMaximum, kRowLimit));
    QSqlQuery q(Db());
    q.setForwardOnly(true);
    // An empty clause leaves its blank: "Select * From [TABLEv010]  order by ...".
    // Entries equal in every key (two contacts in one second) come newest first.
    const QString order = query.strOrder.isEmpty() ? query.strOrder : query.strOrder + QStringLiteral(", rowid DESC");
    q.prepare(QStringLiteral("Select * From [%1] %2 %3 LIMIT ?").arg(kTable, query.strFilter, order));
    for (const QVariant& value : query.filterValues)
        q.addBindValue(value);
    q.addBindValue(limit);
    if (!q.exec()) {
        Report(QStringLiteral("Error reading Logbook table: ") + q.lastError().text());
        return false;
    }
    // Which list column each field of the table fills.
    const QSqlRecord record = q.record();
    QList<int> columnOf(record.count(), -1);
    int uniqueIdField = -1;
    for (int i = 0; i < record.count(); ++i) {
        columnOf[i] = int(ColumnFields().indexOf(record.fieldName(i)));
        if (record.fieldName(i) == QLatin1String("UniqueID"))
            uniqueIdField = i;
    }
    while (rows.size() < limit && q.next()) {
        Row row;
        row.columns = QStringList(kColumnCount, QString());
        if (uniqueIdField >= 0)
            row.strUniqueId = q.value(uniqueIdField).toString();
        for (int i = 0; i < record.count(); ++i) {
            if (columnOf[i] < 0)
                continue;
            const QVariant value = q.value(i);
            QString text = value.isNull() ? QString() : value.toString();
            if (record.fieldName(i) == kDateField && !text.isEmpty()) {
                const QDateTime when = ParseStoredDate(text);
                if (when.isValid())
                    text = DateText(when);
            }
            row.columns[columnOf[i]] = text;
        }
        rows.append(row);
    }
    if (q.lastError().isValid()) {
        Report(QStringLiteral("Error reading Logbook table: ") + q.lastError().text());
        return false;
    }
    return true;
}

bool CLogbookDatabase::Add(CLogbookRequest& request)
{
    request.nDone = 0;
    if (!Open())
        return false;
    const std::pair<const char*, const QString*> texts[] = {
        {"Frequency", &request.strFrequency}, {"Mode", &request.strMode},     {"Callsign", &request.strCallsign},
        {"Power", &request.strPower},         {"Signal", &request.strSignal}, {"Comment", &request.strComment}};
    for (const auto& [field, text] : texts) {
        if (text->size() > kTextSize) {
            Report(QStringLiteral("Error adding Logbook entry: The field %1 takes at most %2 characters.")
                       .arg(QLatin1String(field))
                       .arg(kTextSize));
            return false;
        }
    }
    const QDateTime now = m_now ? m_now() : QDateTime::currentDateTimeUtc();
    const std::tm& t = request.utc;
    QDateTime when(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday), QTime(t.tm_hour, t.tm_min, t.tm_sec),
                   Qt::UTC);
    // A dialog that never synchronised has no time: the entry is made now.
    if (!when.isValid() || !when.date().isValid() || !when.time().isValid())
        when = now.toUTC();

    ++m_nCounter;
    const QString id = UniqueId(now.toSecsSinceEpoch(), now.time().msec(), m_nCounter);
    QSqlQuery q(Db());
    q.prepare(QStringLiteral("INSERT INTO [%1] ([DateTime], [UniqueID], [Frequency], [Mode], [Callsign], [Power], "
                             "[Signal], [Comment]) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(kTable));
    q.addBindValue(StoredDate(when));
    q.addBindValue(id);
    // An empty field is stored as an empty text: only the fields this
    // program never writes stay unset.
    for (const auto& [field, text] : texts)
        q.addBindValue(text->isNull() ? QString(QLatin1String("")) : *text);
    if (!q.exec()) {
        Report(QStringLiteral("Error adding Logbook entry: ") + q.lastError().text());
        return false;
    }
    request.nDone = 1;
    return true;
}

int CLogbookDatabase::Delete(const QStringList& uniqueIds)
{
    if (!m_bOpen)
        return 0;
    int deleted = 0;
    QSqlDatabase db = Db();
    for (const QString& id : uniqueIds) {
        // One record per identity, even when it occurs twice.
        db.transaction();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("DELETE FROM [%1] WHERE rowid = (SELECT rowid FROM [%1] WHERE [UniqueID] = ? LIMIT 1)")
                      .arg(kTable));
        q.addBindValue(id);
        if (q.exec() && db.commit())
            deleted += q.numRowsAffected() > 0 ? 1 : 0;
        else
            db.rollback();
    }
    return deleted;
}

QString CLogbookDatabase::UniqueId(qint64 nSeconds, int nMilliseconds, int nCounter)
{
    return QStringLiteral("%1-%2-%3")
        .arg(quint32(nSeconds), 8, 16, QLatin1Char('0'))
        .arg(quint16(nMilliseconds), 4, 16, QLatin1Char('0'))
        .arg(quint32(nCounter), 8, 16, QLatin1Char('0'))
        .toUpper();
}

bool CLogbookDatabase::BuildOrder(const CLogbookSortRequest& request, CLogbookQuery& query)
{
    const QString first = MapCaptionToField(request.strKey[0]);
    if (first.isEmpty())
        return false;
    auto direction = [](int bAscending) { return bAscending ? QStringLiteral("ASC") : QStringLiteral("DESC"); };
    QString order = QStringLiteral("order by [%1] %2").arg(first, direction(request.bAscending[0]));
    for (int k = 1; k < 3; ++k) {
        if (request.strKey[k].isEmpty())
            continue;
        const QString field = MapCaptionToField(request.strKey[k]);
        if (!field.isEmpty())
            order += QStringLiteral(", [%1] %2").arg(field, direction(request.bAscending[k]));
    }
    query.strOrder = order;
    return true;
}

void CLogbookDatabase::BuildFilter(const CLogbookFilterRequest& request, CLogbookQuery& query, const QLocale& locale)
{
    query.strFilter.clear();
    query.filterValues.clear();
    if (request.bRemove)
        return;
    for (int k = 0; k < 3; ++k) {
        if (k > 0 && request.strCaption[k].isEmpty())
            continue;
        const QString field = MapCaptionToField(request.strCaption[k]);
        if (field.isEmpty())
            continue;
        query.strFilter += query.strFilter.isEmpty() ? QStringLiteral("WHERE ") : QStringLiteral(" AND ");
        if (field == kDateField) {
            // A date is typed as the list shows it; the stored form is taken too.
            const QString shown = CLogbookDateText::SqlExpression(field, locale);
            const QVariant value = request.bExact[k] ? QVariant(request.strValue[k])
                                                     : QVariant(ContainsPattern(request.strValue[k]));
            query.strFilter += request.bExact[k]
                                   ? QStringLiteral("(%1 = ? COLLATE NOCASE OR [%2] = ?)").arg(shown, field)
                                   : QStringLiteral("(%1 LIKE ? ESCAPE '\\' OR [%2] LIKE ? ESCAPE '\\')").arg(shown, field);
            query.filterValues << value << value;
            continue;
        }
        if (request.bExact[k]) {
            query.strFilter += QStringLiteral("([%1] = ?)").arg(field);
            query.filterValues << request.strValue[k];
        } else {
            query.strFilter += QStringLiteral("([%1] LIKE ? ESCAPE '\\')").arg(field);
            query.filterValues << ContainsPattern(request.strValue[k]);
        }
    }
}

QString CLogbookDatabase::ContainsPattern(const QString& strValue)
{
    QString pattern = QStringLiteral("%");
    for (const QChar c : strValue) {
        switch (c.unicode()) {
        case '*': pattern += QLatin1Char('%'); break;
        case '?': pattern += QLatin1Char('_'); break;
        case '%':
        case '_':
        case '\\':
            pattern += QLatin1Char('\\');
            pattern += c;
            break;
        default: pattern += c; break;
        }
    }
    return pattern + QLatin1Char('%');
}

QString CLogbookDatabase::StoredDate(const QDateTime& utc)
{
    return utc.toUTC().toString(kStoredDateFormat);
}

QDateTime CLogbookDatabase::ParseStoredDate(const QString& strStored)
{
    QDateTime when = QDateTime::fromString(strStored.left(19), kStoredDateFormat);
    if (!when.isValid())
        when = QDateTime::fromString(strStored, Qt::ISODate);
    if (when.isValid())
        when = QDateTime(when.date(), when.time(), Qt::UTC);
    return when;
}

QString CLogbookDatabase::DateText(const QDateTime& utc)
{
    return CLogbookDateText::Text(utc);
}

CLogbookDatabase& GetLogbookDatabase()
{
    std::unique_ptr<CLogbookDatabase>& store = theStore();
    if (!store)
        store = std::make_unique<CLogbookDatabase>();
    return *store;
}

void ResetLogbookDatabase()
{
    theStore().reset();
}
