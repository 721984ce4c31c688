#pragma once
// Text helpers the programs repeat: splitting lines into fields, numbers with
// thousands separators, heap copies for plain character interfaces, and a few
// list operations. Neither class adds a data member, so each converts freely
// to and from its base.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class CStringEx : public QString {
public:
    CStringEx() = default;
    CStringEx(const QString& text) : QString(text) {}
    CStringEx& operator=(const QString& text)
    {
        QString::operator=(text);
        return *this;
    }

    // Empties the target, then fills it with the fields between separators;
    // an empty text gives no field, adjacent separators an empty one.
    void Split(char cSeparator, QStringList& target) const;
    // The value in decimal with "," between groups of three digits, then the suffix.
    void FormatThousands(uint32_t nValue, const QString& strSuffix);
    // The same with the low byte of nSeparator between the groups.
    void FormatThousands(uint32_t nValue, int nSeparator, const QString& strSuffix);
    // A heap copy of the text (UTF-8) with its terminating zero.
    std::unique_ptr<char[]> Duplicate() const;
    // "abc" becomes "a b c".
    void SpaceOut();
    // Replaces every occurrence; TRUE when at least one was replaced.
    bool Replace(const QString& strFind, const QString& strReplacement, bool bCaseSensitive);
};

class CStringArrayEx : public QStringList {
public:
    CStringArrayEx() = default;
    CStringArrayEx(const QStringList& other) : QStringList(other) {}
    CStringArrayEx& operator=(const QStringList& other)
    {
        QStringList::operator=(other);
        return *this;
    }

    bool Contains(const QString& strText) const;
    bool ContainsNoCase(const QString& strText) const;
    // Index of the first equal element, -1 when none.
    int Find(const QString& strText, bool bCaseSensitive) const;
    // Removes only the first exactly equal element.
    void Remove(const QString& strText);
    QString Join(const QString& strSeparator) const;
    bool IsEqual(const QStringList& other) const;
    void Sort(bool bCaseSensitive);
    void Reverse();
    // Keeps the first occurrence of each text, order otherwise unchanged.
    void RemoveDuplicates();
};

// Formats printf-style and appends the result as one new element.
void AppendFormatted(QStringList& target, const char* pszFormat, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
