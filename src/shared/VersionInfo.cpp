#include "shared/VersionInfo.h"

#include "platform/Program.h"
#include "shared/ui/BuildNumber.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
VersionResourceLoader& loaderSlot()
{
    static VersionResourceLoader loader;
    return loader;
}

QString hex4(uint32_t n)
{
    return QStringLiteral("%1").arg(n & 0xFFFF, 4, 16, QLatin1Char('0')).toUpper();
}

std::optional<VersionResource> defaultLoader(const QString& modulePath)
{
    const QString own = QCoreApplication::applicationFilePath();
    if (!own.isEmpty() && QFileInfo(modulePath) == QFileInfo(own))
        return OwnVersionResource();
    return std::nullopt;
}
} // namespace

const char* BuildDateText() { return __DATE__; }
const char* BuildTimeText() { return __TIME__; }

void VersionResource::AddStrings(uint16_t language, uint16_t codePage, const QMap<QString, QString>& values)
{
    translations.append(uint32_t(language) | (uint32_t(codePage) << 16));
    const QString prefix = QStringLiteral("\\StringFileInfo\\%1%2\\").arg(hex4(language), hex4(codePage));
    for (auto it = values.begin(); it != values.end(); ++it)
        strings.insert(prefix + it.key(), it.value());
}

VersionResource OwnVersionResource()
{
    const QString name = platform::program().name;
    const bool corvane = name == platform::corvaneIdentity().name;
    VersionResource resource;
    resource.AddStrings(0x0409, 0x04B0,
                        {{QStringLiteral("CompanyName"), QStringLiteral("QT9XVK")},
                         {QStringLiteral("FileDescription"), corvane ? QStringLiteral("FT-817 management station")
                                                                     : QStringLiteral("PSK31 terminal")},
                         {QStringLiteral("FileVersion"), QStringLiteral("1.0")},
                         {QStringLiteral("InternalName"), name},
                         {QStringLiteral("LegalCopyright"), QStringLiteral("Copyright (C) QT9XVK")},
                         {QStringLiteral("OriginalFilename"), name},
                         {QStringLiteral("ProductName"), name},
                         {QStringLiteral("ProductVersion"), QStringLiteral("1.0")},
                         {QStringLiteral("SpecialBuild"), QString()}});
    return resource;
}

void SetVersionResourceLoader(VersionResourceLoader loader)
{
    loaderSlot() = std::move(loader);
}

CVersionInfo::CVersionInfo(const QString& strModulePath)
{
    m_strBuildDate = QStringLiteral("%1 at %2").arg(QLatin1String(BuildDateText()), QLatin1String(BuildTimeText()));
    if (!strModulePath.isEmpty()) {
        m_bOwnModule = true;
        m_strPath = strModulePath;
    } else {
        m_strPath = QCoreApplication::applicationFilePath();
    }
    m_nBuildNumber = GetBuildNumber();
    m_versionData = loaderSlot() ? loaderSlot()(m_strPath) : defaultLoader(m_strPath);
    if (m_versionData) {
        m_strLongVersion = QStringLiteral("%1 version %2 build %3, %4")
                               .arg(GetProductName(), GetProductVersion())
                               .arg(m_nBuildNumber)
                               .arg(GetLegalCopyright());
        m_strShortVersion =
            QStringLiteral("%1 %2 build %3").arg(GetProductName(), GetProductVersion()).arg(m_nBuildNumber);
        m_strVersion = QStringLiteral("Version %1 build %2").arg(GetProductVersion()).arg(m_nBuildNumber);
    }
}

QString CVersionInfo::QueryPath(const QString& name) const
{
    if (!m_versionData || m_versionData->translations.isEmpty())
        return QString();
    const uint32_t translation = m_versionData->translations.first();
    return QStringLiteral("\\StringFileInfo\\%1%2\\%3").arg(hex4(translation), hex4(translation >> 16), name);
}

QString CVersionInfo::GetValue(const QString& name) const
{
    const QString path = QueryPath(name);
    if (path.isEmpty())
        return QString();
    return m_versionData->strings.value(path);
}
