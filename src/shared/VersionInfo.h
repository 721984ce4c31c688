#pragma once
#include <QMap>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

// A module's version block: translations (language in the low 16 bits, code
// page in the high 16) and its string values under their query paths
// ("\StringFileInfo\040904B0\ProductName").
struct VersionResource {
    QList<uint32_t> translations;
    QMap<QString, QString> strings;

    // Adds the values of one translation under their query paths.
    void AddStrings(uint16_t language, uint16_t codePage, const QMap<QString, QString>& values);
};

// The version block of the running program (per program identity).
VersionResource OwnVersionResource();

// Reads a module's version block; the running program's own path gives its
// built-in block, other files carry none on this platform. Tests may replace it.
using VersionResourceLoader = std::function<std::optional<VersionResource>(const QString& modulePath)>;
void SetVersionResourceLoader(VersionResourceLoader loader);

// The build's date and time texts: "Sep  6 2003" and "20:38:59".
const char* BuildDateText();
const char* BuildTimeText();

class CVersionInfo {
public:
    explicit CVersionInfo(const QString& strModulePath = QString());

    QString GetValue(const QString& name) const;
    QString GetCompanyName() const { return GetValue(QStringLiteral("CompanyName")); }
    QString GetFileDescription() const { return GetValue(QStringLiteral("FileDescription")); }
    QString GetFileVersion() const { return GetValue(QStringLiteral("FileVersion")); }
    QString GetInternalName() const { return GetValue(QStringLiteral("InternalName")); }
    QString GetLegalCopyright() const { return GetValue(QStringLiteral("LegalCopyright")); }
    QString GetOriginalFilename() const { return GetValue(QStringLiteral("OriginalFilename")); }
    QString GetProductName() const { return GetValue(QStringLiteral("ProductName")); }
    QString GetProductVersion() const { return GetValue(QStringLiteral("ProductVersion")); }
    QString GetSpecialBuild() const { return GetValue(QStringLiteral("SpecialBuild")); }

    const QString& GetBuildDate() const { return m_strBuildDate; }
    const QString& GetLongVersion() const { return m_strLongVersion; }
    const QString& GetShortVersion() const { return m_strShortVersion; }
    const QString& GetVersion() const { return m_strVersion; }
    const QString& GetPath() const { return m_strPath; }
    uint32_t GetBuild() const { return m_nBuildNumber; }

    // The path GetValue queries for a name, or empty without a translation.
    QString QueryPath(const QString& name) const;

private:
    bool m_bOwnModule = false;
    uint32_t m_nBuildNumber = 0;
    std::optional<VersionResource> m_versionData;
    QString m_strBuildDate;
    QString m_strPath;
    QString m_strLongVersion;
    QString m_strShortVersion;
    QString m_strVersion;
};
