#pragma once
// The "Date UTC" text of the logbook: the locale's short date and its time
// with seconds, as the list shows a contact's date. The same text can be
// built by SQLite from the stored form ("2024-03-12 14:05:33"), so that a
// filter compares a typed date with what the list shows, not with the
// stored form the operator never sees.
#include <QDateTime>
#include <QLocale>
#include <QString>

class CLogbookDateText {
public:
    // The date and time formats of the list's text, joined by a blank.
    static QString DateFormat(const QLocale& locale);
    static QString TimeFormat(const QLocale& locale);

    // The list's text of a UTC date and time.
    static QString Text(const QDateTime& utc, const QLocale& locale = QLocale::system());

    // An SQLite expression that turns the stored text of the field into the
    // list's text; a value that is no date comes out unchanged. Everything
    // in it comes from the locale's formats and names, never from the
    // operator.
    static QString SqlExpression(const QString& strField, const QLocale& locale = QLocale::system());
};
