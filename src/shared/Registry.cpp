#include "shared/Registry.h"

#include "platform/SettingsStore.h"

#include <QVariant>
#include <charconv>
#include <limits>

using platform::SettingsStore;

CRegistry& GetRegistry()
{
    static CRegistry registry;
    return registry;
}

int32_t RegistryAtol(const QByteArray& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            break;
    }
    if (negative)
        value = -value;
    // 32-bit long saturates on overflow.
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return int32_t(value);
}

int CRegistry::GetInt(const QString& name, int nDefault) const
{
    const QVariant v = SettingsStore::value(Section(), name);
    if (!v.isValid())
        return nDefault;
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok)
        return nDefault;
    // A DWORD value: the stored 32 bits.
    return int(int32_t(uint32_t(uint64_t(n))));
}

void CRegistry::WriteInt(const QString& name, int nValue) const
{
    SettingsStore::setValue(Section(), name, nValue);
}

bool CRegistry::GetBool(const QString& name, bool bDefault) const
{
    return GetInt(name, bDefault ? 1 : 0) == 1;
}

void CRegistry::WriteBool(const QString& name, int nValue) const
{
    WriteInt(name, nValue);
}

QString CRegistry::GetString(const QString& name, const QString& strDefault) const
{
    const QVariant v = SettingsStore::value(Section(), name);
    if (!v.isValid())
        return strDefault;
    return v.toString();
}

void CRegistry::WriteString(const QString& name, const QString& strText) const
{
    SettingsStore::setValue(Section(), name, strText);
}

QString CRegistry::DialogValueName(uint32_t nDialogId, uint32_t nControlId)
{
    return QStringLiteral("Dialog %1 Control %2").arg(nDialogId).arg(nControlId);
}

int CRegistry::GetDialogInt(uint32_t nDialogId, uint32_t nControlId, int nDefault) const
{
    return GetInt(DialogValueName(nDialogId, nControlId), nDefault);
}

void CRegistry::WriteDialogInt(uint32_t nDialogId, uint32_t nControlId, int nValue) const
{
    WriteInt(DialogValueName(nDialogId, nControlId), nValue);
}

QString CRegistry::GetDialogString(uint32_t nDialogId, uint32_t nControlId, const QString& strDefault) const
{
    return GetString(DialogValueName(nDialogId, nControlId), strDefault);
}

void CRegistry::WriteDialogString(uint32_t nDialogId, uint32_t nControlId, const QString& strText) const
{
    WriteString(DialogValueName(nDialogId, nControlId), strText);
}

void CRegistry::WriteIntArray(const QString& name, const QList<uint32_t>& values) const
{
    QString text;
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (i)
            text += QLatin1Char(',');
        text += QString::number(int32_t(values[i]));
    }
    WriteString(name, text);
}

void CRegistry::GetIntArray(const QString& name, QList<uint32_t>& values) const
{
    values.clear();
    const QString text = GetString(name, QString());
    if (text.isEmpty())
        return;
    for (const QString& piece : text.split(QLatin1Char(',')))
        values.append(uint32_t(RegistryAtol(piece.toLatin1())));
}

void CRegistry::WriteRect(const QString& name, const RECT& rect) const
{
    WriteIntArray(name + QStringLiteral(" rect"),
                  {uint32_t(rect.top), uint32_t(rect.bottom), uint32_t(rect.left), uint32_t(rect.right)});
}

RECT CRegistry::GetRect(const QString& name, const RECT& rectDefault) const
{
    QList<uint32_t> values;
    GetIntArray(name + QStringLiteral(" rect"), values);
    if (values.size() != 4)
        return rectDefault;
    RECT rect;
    rect.top = int32_t(values[0]);
    rect.bottom = int32_t(values[1]);
    rect.left = int32_t(values[2]);
    rect.right = int32_t(values[3]);
    return rect;
}

void CRegistry::WriteStringArray(const QString& name, const QStringList& strings) const
{
    QByteArray data;
    for (const QString& s : strings) {
        data += s.toLatin1();
        data += '\0';
    }
    SettingsStore::setValue(Section(), name + QLatin1Char('A'), data);
}

void CRegistry::GetStringArray(const QString& name, QStringList& strings) const
{
    const QByteArray data = SettingsStore::value(Section(), name + QLatin1Char('A')).toByteArray();
    strings.clear();
    // The value's length bounds every string: a last string without its zero
    // byte ends at the end of the data instead of running past it.
    qsizetype offset = 0;
    while (offset < data.size()) {
        qsizetype end = data.indexOf('\0', offset);
        if (end < 0)
            end = data.size();
        strings.append(QString::fromLatin1(data.constData() + offset, end - offset));
        offset = end + 1;
    }
}

void CRegistry::WriteFloat(const QString& name, float fValue) const
{
    WriteString(name, QString::asprintf("%f", double(fValue)));
}

float CRegistry::GetFloat(const QString& name, float fDefault) const
{
    const QString text = GetString(name, QString());
    if (text.isEmpty())
        return fDefault;
    // atof's reading, but always with a point: the stored form does not follow the locale.
    const QByteArray bytes = text.toLatin1();
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
        ++p;
    if (p < end && *p == '+')
        ++p;
    double value = 0.0;
    if (std::from_chars(p, end, value).ec != std::errc())
        return 0.0f;
    return float(value);
}

void CRegistry::DeleteAllValues() const
{
    for (const QString& name : SettingsStore::valueNames(Section()))
        SettingsStore::remove(Section(), name);
}
