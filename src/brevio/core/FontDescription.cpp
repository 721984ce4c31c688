#include "brevio/core/FontDescription.h"

#include <QStringList>
#include <cstdlib>

namespace {
// Decimal as the C library reads it: leading digits only, an empty field 0.
int ReadNumber(const QString& field)
{
    return std::atoi(field.toLatin1().constData());
}
} // namespace

void CFontDescription::Parse(const QString& strText)
{
    m_strText = strText;
    QStringList fields = strText.split(QLatin1Char(','));
    while (fields.size() < 4)
        fields.append(QString());
    m_strFace = fields[0];
    m_nSize = ReadNumber(fields[1]);
    m_nBold = ReadNumber(fields[2]);
    m_nItalic = ReadNumber(fields[3]);
}

QString CFontDescription::Format() const
{
    return QStringLiteral("%1,%2,%3,%4").arg(m_strFace).arg(m_nSize).arg(m_nBold).arg(m_nItalic);
}
