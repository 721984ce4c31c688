#pragma once
#include <QString>

// The folders the program works with, each found once and then remembered.
// Folder texts end with the separator, except the temporary folder.
class CProgramFolders {
public:
    // For the running program, or (tests, other modules) for the executable
    // at the given path.
    explicit CProgramFolders(const QString& strModulePath = QString());

    const QString& GetProgramFolder();
    const QString& GetModulePath();
    // This platform has no Windows or system folder: both are empty.
    const QString& GetWindowsFolder();
    const QString& GetSystemFolder();
    const QString& GetTempFolder();
    const QString& GetTempFileName();
    QString GetDataFileName() const;
    const QString& GetAppDataFolder();
    const QString& GetDocumentsFolder();
    const QString& GetExamplesFolder();
    const QString& GetSamplesFolder();
    const QString& GetHtmlSamplesFolder();
    const QString& GetModulesFolder();
    const QString& GetVariousFolder();
    const QString& GetStyleSheetsFolder();
    const QString& GetChartTemplatesFolder();
    const QString& GetChartTexturesFolder();
    // Creates <app data>/<company>/<product>, makes the deepest folder that
    // exists the current directory and remembers it. TRUE always.
    bool MakeUserDataFolder();
    const QString& GetUserDataFolder() const { return m_strUserDataFolder; }

    static QChar Separator() { return QLatin1Char('/'); }

private:
    const QString& Below(QString& member, const char* name);

    QString m_strGivenModule;
    QString m_strProgramFolder;
    QString m_strModulePath;
    QString m_strWindowsFolder;
    QString m_strSystemFolder;
    QString m_strTempFolder;
    QString m_strTempFileName;
    QString m_strAppDataFolder;
    QString m_strDocumentsFolder;
    QString m_strExamplesFolder;
    QString m_strSamplesFolder;
    QString m_strHtmlSamplesFolder;
    QString m_strModulesFolder;
    QString m_strVariousFolder;
    QString m_strStyleSheetsFolder;
    QString m_strChartTemplatesFolder;
    QString m_strChartTexturesFolder;
    QString m_strUserDataFolder;
    bool m_bAppDataKnown = false;
    bool m_bDocumentsKnown = false;
};

CProgramFolders& GetProgramFolders();
