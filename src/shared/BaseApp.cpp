#include "shared/BaseApp.h"

#include "platform/Program.h"
#include "platform/Prompter.h"
#include "shared/MainWindow.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QWidget>

CBaseApp::CBaseApp() = default;

CBaseApp::~CBaseApp()
{
    Restart();
    m_endpoint.reset();
}

bool CBaseApp::HasMultiOk(const QStringList& arguments)
{
    if (arguments.mid(1).contains(QStringLiteral("-MultiOK")))
        return true;
    return arguments.join(QLatin1Char(' ')).contains(QStringLiteral(" -MultiOK"));
}

bool CBaseApp::HoldsInstanceLock() const
{
    return m_mutex && m_mutex->isLocked();
}

void CBaseApp::SetLogin(bool bLogin, const QString& strUserName, const QString& strPassword)
{
    m_bLogin = bLogin;
    m_strUserName = strUserName;
    m_strPassword = strPassword;
}

bool CBaseApp::CheckSingleInstance(bool bAllowSeveral, bool bAsk)
{
    m_strWindowIdentifier = platform::program().windowIdentifier;

    // The lock names the running instance; a lock left by a process that died
    // is taken over, and age alone never makes a live one stale.
    m_mutex = std::make_unique<QLockFile>(platform::LocalEndpoint::socketPath(m_strWindowIdentifier) +
                                          QStringLiteral(".lock"));
    m_mutex->setStaleLockTime(0);
    const bool otherRunning = !m_mutex->tryLock(0);
    if (otherRunning) {
        m_mutex.reset();
        bool carryOn = bAllowSeveral;
        if (!carryOn && bAsk) {
            carryOn = platform::Prompter::instance().messageBox(
                          nullptr,
                          QStringLiteral("This program is already running.\n") + QStringLiteral(" \n") +
                              QStringLiteral("Start another instance ?"),
                          platform::program().name, int(platform::MB_YESNO) | platform::MB_ICONQUESTION) ==
                      platform::IDYES;
        }
        if (!carryOn) {
            platform::LocalClient::postTo(m_strWindowIdentifier, WM_ACTIVATE, WA_ACTIVE, 0);
            return false;
        }
    }

    m_endpoint = std::make_unique<platform::LocalEndpoint>();
    m_endpoint->setHandler([this](uint32_t message, uint32_t wParam, int32_t lParam) {
        return HandleMessage(message, wParam, lParam);
    });
    QString error;
    if (!m_endpoint->listen(m_strWindowIdentifier, &error)) {
        m_endpoint.reset();
        // A further copy allowed to run leaves the name to the first one,
        // which other programs keep finding.
        return otherRunning;
    }
    m_bClassRegistered = true;
    return true;
}

uint32_t CBaseApp::HandleMessage(uint32_t message, uint32_t wParam, int32_t lParam)
{
    if (message == WM_ACTIVATE) {
        BringToFront();
        return 0;
    }
    if (message == WM_CLOSE) {
        // Answered first: the close handling may ask questions, and the
        // requests that arrive meanwhile must still be served.
        if (QWidget* window = GetMainWindow())
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        return 0;
    }
    return m_handler ? m_handler(message, wParam, lParam) : 0;
}

void CBaseApp::BringToFront()
{
    QWidget* window = GetMainWindow();
    if (!window)
        return;
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}

void CBaseApp::ExitInstance()
{
    if (m_bClassRegistered) {
        m_endpoint.reset();
        m_bClassRegistered = false;
    }
}

void CBaseApp::ReleaseMutex()
{
    if (m_mutex) {
        m_mutex->unlock();
        m_mutex.reset();
    }
}

void CBaseApp::Restart()
{
    ReleaseMutex();
    if (!m_bRestart && !m_bLogin)
        return;
    QString program = m_strModulePath;
    if (program.isEmpty())
        program = QCoreApplication::applicationFilePath();
    if (program.isEmpty())
        return;
    // The old instance stops serving its name before the new one starts.
    m_endpoint.reset();
    QProcess process;
    process.setProgram(program);
    process.setArguments({QStringLiteral("-MultiOK")});
    if (m_bLogin) {
        // Credentials on a command line are visible to every user of the
        // machine; the environment of the new process is not.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT9XVK_RESTART_USR"), m_strUserName);
        env.insert(QStringLiteral("QT9XVK_RESTART_PWD"), m_strPassword);
        process.setProcessEnvironment(env);
    }
    process.startDetached();
}
