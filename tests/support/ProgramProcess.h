#pragma once
// One of the two programs as a process of its own, offscreen unless the
// environment given to Start names another platform, with its own settings
// and data folders but the test's runtime folder (where the programs find
// each other). It dies with the test.
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdint>

class ProgramProcess {
public:
    // program: the executable; name: the program's name (its settings file);
    // dataVariable: the variable naming its data folder.
    ProgramProcess(const QString& program, const QString& name, const QString& dataVariable);
    virtual ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // A value of the settings section "Options": before Start, what the
    // program finds; after, what it stored.
    void SetStoredValue(const QString& name, const QVariant& value);
    QVariant StoredValue(const QString& name) const;

    // arguments: the program's command line after its name.
    bool Start(const QMap<QString, QString>& environment, const QStringList& arguments = {});
    bool IsRunning() const { return m_process.state() == QProcess::Running; }
    // The process id (0 while not running), by which the window system
    // knows the program's windows.
    qint64 Pid() const { return m_process.processId(); }
    bool WaitForExit(int timeoutMs);
    // Asks the main window to close, as another program would.
    static bool RequestClose(const QString& identifier);
    // What the program printed, and how it ended, for failure messages.
    QString Diagnostics() const;
    QString Folder() const { return m_dir.path(); }

private:
    QString SettingsPath() const;

    QString m_program;
    QString m_name;
    QString m_dataVariable;
    QTemporaryDir m_dir;
    QProcess m_process;
};
