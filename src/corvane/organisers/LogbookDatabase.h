#pragma once
// The station logbook's store: "FT-817 Logbook.mdb" in the data folder, an
// SQLite file with the one table "TABLEv010" of 14 fields. It opens the file
// (creating file and table when there is none, never touching a file that
// is not one of ours), reads the newest rows under an order and a filter,
// stores entries and deletes them by their UniqueID. Every statement binds
// the operator's values; nothing typed is pasted into SQL.
#include <QDateTime>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>

struct CLogbookRequest;
struct CLogbookSortRequest;
struct CLogbookFilterRequest;
class QSqlDatabase;
class QWidget;

// The order and filter a list is read under. The filter clause is empty or
// begins "WHERE" and holds one '?' per value.
struct CLogbookQuery {
    QString strOrder = QStringLiteral("order by [DateTime] DESC");
    QString strFilter;
    QVariantList filterValues;
};

class CLogbookDatabase {
public:
    static constexpr int kRowLimit = 100;
    static constexpr int kFieldCount = 14;
    static constexpr int kColumnCount = 7;
    static constexpr int kTextSize = 255;

    // The table's fields in creation order.
    static const QStringList& FieldNames();
    // The list's captions and the field each column shows.
    static const QStringList& ColumnCaptions();
    static const QStringList& ColumnFields();
    // The field a sort or filter caption stands for; empty for none.
    static QString MapCaptionToField(const QString& strCaption);

    // The default file: the data folder's "FT-817 Logbook.mdb".
    static QString DefaultPath();

    explicit CLogbookDatabase(const QString& strPath = DefaultPath());
    ~CLogbookDatabase();
    CLogbookDatabase(const CLogbookDatabase&) = delete;
    CLogbookDatabase& operator=(const CLogbookDatabase&) = delete;

    // Where the messages of failures are shown (null: the main window).
    void SetOwner(QWidget* pOwner) { m_pOwner = pOwner; }
    // The clock of UniqueIDs and of entries without a time (tests set it).
    void SetClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    const QString& GetPath() const { return m_strPath; }
    bool IsOpen() const { return m_bOpen; }
    // Opens the file, or creates it with its table when there is none. A
    // file that is not a logbook of ours is reported and left as it is.
    // TRUE when open (at once when it already was).
    bool Open();
    void Close();

    struct Row {
        QString strUniqueId;
        QStringList columns;  // kColumnCount texts
    };
    // At most nMaximum (and never more than kRowLimit) rows under the query,
    // opening the logbook first when it is not open. FALSE after the
    // failure to open was shown, or after "Error reading Logbook table: ..."
    // (rows read so far stay).
    bool Reload(int nMaximum, const CLogbookQuery& query, QList<Row>& rows);
    // Stores the entry and sets its done flag; "Error adding Logbook entry:
    // ..." otherwise. An entry without a valid time gets the current time.
    bool Add(CLogbookRequest& request);
    // Deletes one record per identity (the first that has it); a record that
    // cannot be deleted is skipped. Returns how many went.
    int Delete(const QStringList& uniqueIds);

    // The entries added since the store was opened (the third part of a UniqueID).
    int GetCounter() const { return m_nCounter; }
    // "%08X-%04X-%08X": seconds since 1970, milliseconds, counter.
    static QString UniqueId(qint64 nSeconds, int nMilliseconds, int nCounter);

    // The order of a sort request; FALSE (query unchanged) when key 1 names no field.
    static bool BuildOrder(const CLogbookSortRequest& request, CLogbookQuery& query);
    // The filter of a filter request; conditions whose caption names no field
    // are left out. A date condition compares with the date as the list
    // shows it in the locale (or with its stored form).
    static void BuildFilter(const CLogbookFilterRequest& request, CLogbookQuery& query,
                            const QLocale& locale = QLocale::system());
    // A "contains" value as a LIKE pattern: '*' and '?' keep their meaning
    // of any run and any one character; '%', '_' and '\' are literal.
    static QString ContainsPattern(const QString& strValue);

    // The "Date UTC" text of a stored date: the short date and the time.
    static QString DateText(const QDateTime& utc);
    // The stored form of a date and back.
    static QString StoredDate(const QDateTime& utc);
    static QDateTime ParseStoredDate(const QString& strStored);

private:
    bool CheckExisting(QString& strWhy) const;
    bool CreateTable();
    void Report(const QString& strText) const;
    QSqlDatabase Db() const;

    QString m_strPath;
    QString m_strConnection;
    QWidget* m_pOwner = nullptr;
    std::function<QDateTime()> m_now;
    bool m_bOpen = false;
    int m_nCounter = 0;
};

// The program's one logbook store; it lives as long as the main window.
CLogbookDatabase& GetLogbookDatabase();
// Closes and forgets it: the next use opens a new one (counter from 0).
void ResetLogbookDatabase();
