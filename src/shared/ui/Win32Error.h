#pragma once
// One line of readable text for a system error code (errno here), or for a
// code of a module's own message table; can show it after a description of
// the failed operation in the standard error box.
#include <QHash>
#include <QString>
#include <cstdint>

class QWidget;

// A module's message table: texts by code, as the module ships them
// (they may carry line breaks; the error text turns each into one blank).
struct CMessageTable {
    QHash<uint32_t, QString> m_messages;
};
using HMODULE = const CMessageTable*;

class CWin32Error {
public:
    // The last error of this thread, taken at once.
    CWin32Error();
    CWin32Error(uint32_t dwError, const QString& s1 = QString(), const QString& s2 = QString(),
                const QString& s3 = QString(), const QString& s4 = QString(), const QString& s5 = QString());
    CWin32Error(HMODULE hModule, uint32_t dwError);

    const QString& GetText() const { return m_strText; }
    uint32_t GetCode() const { return m_dwError; }
    void Format(const QString& s1, const QString& s2, const QString& s3, const QString& s4, const QString& s5);
    // "%s -\n%s" of the description and the error text, caption "Error".
    void Show(QWidget* pOwner, const QString& strDescription) const;

    // The message as the error text keeps it: two-character line breaks
    // ("\r\n" or "\n\r") become one blank, at most 511 characters.
    static QString Flatten(const QString& strMessage);

private:
    uint32_t m_dwError;
    HMODULE m_hModule = nullptr;
    QString m_strText;
};
