#include "shared/ProgramFolders.h"

#include "shared/VersionInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

CProgramFolders& GetProgramFolders()
{
    static CProgramFolders folders;
    return folders;
}

CProgramFolders::CProgramFolders(const QString& strModulePath) : m_strGivenModule(strModulePath) {}

const QString& CProgramFolders::GetModulePath()
{
    if (m_strModulePath.isEmpty()) {
        m_strModulePath = m_strGivenModule;
        if (m_strModulePath.isEmpty() && QCoreApplication::instance())
            m_strModulePath = QCoreApplication::applicationFilePath();
        if (m_strModulePath.isEmpty())
            m_strModulePath = QCoreApplication::applicationName();
    }
    return m_strModulePath;
}

const QString& CProgramFolders::GetProgramFolder()
{
    if (m_strProgramFolder.isEmpty()) {
        const QString path = GetModulePath();
        const qsizetype cut = path.lastIndexOf(Separator());
        m_strProgramFolder = cut >= 0 ? path.left(cut + 1) : QString();
    }
    return m_strProgramFolder;
}

const QString& CProgramFolders::GetWindowsFolder()
{
    return m_strWindowsFolder;
}

const QString& CProgramFolders::GetSystemFolder()
{
    return m_strSystemFolder;
}

const QString& CProgramFolders::GetTempFolder()
{
    if (m_strTempFolder.isEmpty()) {
        QString temp = qEnvironmentVariable("TEMP");
        if (temp.isEmpty())
            temp = QDir::tempPath();
        while (temp.size() > 1 && temp.endsWith(Separator()))
            temp.chop(1);
        m_strTempFolder = temp;
    }
    return m_strTempFolder;
}

const QString& CProgramFolders::GetTempFileName()
{
    if (m_strTempFileName.isEmpty())
        m_strTempFileName = QStringLiteral("%1/%2 tmp.txt").arg(GetTempFolder(), CVersionInfo().GetProductName());
    return m_strTempFileName;
}

QString CProgramFolders::GetDataFileName() const
{
    return QStringLiteral("%1.txt").arg(CVersionInfo().GetProductName());
}

const QString& CProgramFolders::GetAppDataFolder()
{
    if (!m_bAppDataKnown) {
        m_bAppDataKnown = true;
        m_strAppDataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    }
    return m_strAppDataFolder;
}

const QString& CProgramFolders::GetDocumentsFolder()
{
    if (!m_bDocumentsKnown) {
        m_bDocumentsKnown = true;
        m_strDocumentsFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    return m_strDocumentsFolder;
}

const QString& CProgramFolders::Below(QString& member, const char* name)
{
    if (member.isEmpty())
        member = GetProgramFolder() + QString::fromLatin1(name);
    return member;
}

const QString& CProgramFolders::GetExamplesFolder() { return Below(m_strExamplesFolder, "Examples/"); }
const QString& CProgramFolders::GetSamplesFolder() { return Below(m_strSamplesFolder, "Samples/"); }
const QString& CProgramFolders::GetHtmlSamplesFolder() { return Below(m_strHtmlSamplesFolder, "HTML Samples/"); }
const QString& CProgramFolders::GetModulesFolder() { return Below(m_strModulesFolder, "Modules/"); }
const QString& CProgramFolders::GetVariousFolder() { return Below(m_strVariousFolder, "Various/"); }
const QString& CProgramFolders::GetStyleSheetsFolder() { return Below(m_strStyleSheetsFolder, "Style Sheets/"); }
const QString& CProgramFolders::GetChartTemplatesFolder() { return Below(m_strChartTemplatesFolder, "Chart/Templates/"); }
const QString& CProgramFolders::GetChartTexturesFolder() { return Below(m_strChartTexturesFolder, "Chart/Textures/"); }

bool CProgramFolders::MakeUserDataFolder()
{
    const CVersionInfo version;
    const QString appData = GetAppDataFolder();
    const QString a = QStringLiteral("%1/%2").arg(appData, version.GetCompanyName());
    const QString b = QStringLiteral("%1/%2/%3").arg(appData, version.GetCompanyName(), version.GetProductName());
    QDir().mkdir(a);
    QDir().mkdir(b);
    m_strUserDataFolder.clear();
    for (const QString& folder : {appData, a, b})
        if (!folder.isEmpty() && QDir::setCurrent(folder))
            m_strUserDataFolder = folder;
    return true;
}
