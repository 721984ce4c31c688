#include "shared/StringEx.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>

void CStringEx::Split(char cSeparator, QStringList& target) const
{
    target.clear();
    const qsizetype n = size();
    if (n == 0)
        return;
    const QChar sep = QChar::fromLatin1(cSeparator);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= n; ++i) {
        if (i == n) {
            target.append(mid(start));
            break;
        }
        if (at(i) == sep) {
            target.append(mid(start, i - start));
            start = i + 1;
        }
    }
}

void CStringEx::FormatThousands(uint32_t nValue, const QString& strSuffix)
{
    FormatThousands(nValue, ',', strSuffix);
}

void CStringEx::FormatThousands(uint32_t nValue, int nSeparator, const QString& strSuffix)
{
    const QString digits = QString::number(nValue);
    QString::operator=(digits);
    // Numbers below 1000 end here, without the suffix.
    if (digits.size() < 4)
        return;
    const QChar sep = QChar::fromLatin1(char(nSeparator & 0xFF));
    const qsizetype n = digits.size();
    QString grouped;
    grouped.reserve(n + n / 3 + strSuffix.size());
    grouped.append(digits.at(0));
    for (qsizetype i = 1; i < n; ++i) {
        if ((n - i) % 3 == 0)
            grouped.append(sep);
        grouped.append(digits.at(i));
    }
    grouped.append(strSuffix);
    QString::operator=(grouped);
}

std::unique_ptr<char[]> CStringEx::Duplicate() const
{
    const QByteArray bytes = toUtf8();
    auto copy = std::make_unique<char[]>(size_t(bytes.size()) + 1);
    std::memcpy(copy.get(), bytes.constData(), size_t(bytes.size()));
    copy[size_t(bytes.size())] = '\0';
    return copy;
}

void CStringEx::SpaceOut()
{
    if (size() < 2)
        return;
    QString spaced;
    spaced.reserve(size() * 2 - 1);
    for (qsizetype i = 0; i < size(); ++i) {
        if (i > 0)
            spaced.append(QLatin1Char(' '));
        spaced.append(at(i));
    }
    QString::operator=(spaced);
}

bool CStringEx::Replace(const QString& strFind, const QString& strReplacement, bool bCaseSensitive)
{
    if (strFind.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = bCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // The search resumes after each inserted replacement, so a replacement that
    // contains the search text cannot make it loop.
    QString result;
    qsizetype from = 0;
    bool bReplaced = false;
    for (;;) {
        const qsizetype found = indexOf(strFind, from, cs);
        if (found < 0)
            break;
        result.append(QStringView(*this).mid(from, found - from));
        result.append(strReplacement);
        from = found + strFind.size();
        bReplaced = true;
    }
    if (!bReplaced)
        return false;
    result.append(QStringView(*this).mid(from));
    QString::operator=(result);
    return true;
}

bool CStringArrayEx::Contains(const QString& strText) const
{
    return Find(strText, true) >= 0;
}

bool CStringArrayEx::ContainsNoCase(const QString& strText) const
{
    return Find(strText, false) >= 0;
}

int CStringArrayEx::Find(const QString& strText, bool bCaseSensitive) const
{
    const Qt::CaseSensitivity cs = bCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype i = 0; i < size(); ++i) {
        if (at(i).compare(strText, cs) == 0)
            return int(i);
    }
    return -1;
}

void CStringArrayEx::Remove(const QString& strText)
{
    const int i = Find(strText, true);
    if (i >= 0)
        removeAt(i);
}

QString CStringArrayEx::Join(const QString& strSeparator) const
{
    return join(strSeparator);
}

bool CStringArrayEx::IsEqual(const QStringList& other) const
{
    if (size() != other.size())
        return false;
    for (qsizetype i = 0; i < size(); ++i) {
        if (at(i).compare(other.at(i), Qt::CaseSensitive) != 0)
            return false;
    }
    return true;
}

void CStringArrayEx::Sort(bool bCaseSensitive)
{
    if (size() < 2)
        return;
    const Qt::CaseSensitivity cs = bCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    std::sort(begin(), end(), [cs](const QString& a, const QString& b) { return a.compare(b, cs) < 0; });
}

void CStringArrayEx::Reverse()
{
    std::reverse(begin(), end());
}

void CStringArrayEx::RemoveDuplicates()
{
    if (size() < 2)
        return;
    QStringList unique;
    for (const QString& s : std::as_const(*this)) {
        bool seen = false;
        for (const QString& u : std::as_const(unique)) {
            if (u.compare(s, Qt::CaseSensitive) == 0) {
                seen = true;
                break;
            }
        }
        if (!seen)
            unique.append(s);
    }
    QStringList::operator=(unique);
}

void AppendFormatted(QStringList& target, const char* pszFormat, ...)
{
    // No fixed buffer: the line is as long as the formatting makes it.
    va_list args;
    va_start(args, pszFormat);
    target.append(QString::vasprintf(pszFormat, args));
    va_end(args);
}
