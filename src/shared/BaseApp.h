#pragma once
#include "platform/LocalMessaging.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QLockFile;

// Single-instance base of both programs' application objects. The instance
// lock and the local endpoint are named after the program's window identifier;
// the endpoint is how other programs (and a refused second copy) reach this
// one's main window.
class CBaseApp {
public:
    // The request a refused copy sends to the running one: come to the front.
    static constexpr uint32_t WM_ACTIVATE = 0x0006;
    static constexpr uint32_t WA_ACTIVE = 1;
    // Another program asks the main window to close, as it would close it
    // itself (its own close handling and questions run).
    static constexpr uint32_t WM_CLOSE = 0x0010;

    CBaseApp();
    virtual ~CBaseApp();
    CBaseApp(const CBaseApp&) = delete;
    CBaseApp& operator=(const CBaseApp&) = delete;

    // TRUE when this instance may run. With another instance running: allowed
    // by bAllowSeveral, or (with bAsk) by the operator's Yes; otherwise the
    // running instance is brought forward and FALSE returned.
    bool CheckSingleInstance(bool bAllowSeveral, bool bAsk);
    // Stops serving the window identifier.
    virtual void ExitInstance();
    void ReleaseMutex();

    // " -MultiOK" (or "-MultiOK" as an argument) on the command line.
    static bool HasMultiOk(const QStringList& arguments);

    const QString& GetWindowIdentifier() const { return m_strWindowIdentifier; }
    bool IsClassRegistered() const { return m_bClassRegistered; }
    bool IsRestarting() const { return m_bRestart || m_bLogin; }
    bool HoldsInstanceLock() const;
    platform::LocalEndpoint* GetEndpoint() const { return m_endpoint.get(); }
    // Window messages from other programs other than the activation request.
    void SetMessageHandler(platform::LocalEndpoint::Handler handler) { m_handler = std::move(handler); }

protected:
    // For a derived application: start the program again when this object
    // is destroyed; with the login flag the credentials go to the new copy
    // through its environment, never on its command line.
    void SetRestart(bool bRestart) { m_bRestart = bRestart; }
    void SetLogin(bool bLogin, const QString& strUserName, const QString& strPassword);
    // The program started by a restart (the running program unless changed).
    void SetModulePath(const QString& strPath) { m_strModulePath = strPath; }
    void Restart();

private:
    uint32_t HandleMessage(uint32_t message, uint32_t wParam, int32_t lParam);
    static void BringToFront();

    bool m_bClassRegistered = false;
    bool m_bRestart = false;
    bool m_bLogin = false;
    std::unique_ptr<QLockFile> m_mutex;
    QString m_strWindowIdentifier;
    QString m_strUserName;
    QString m_strPassword;
    QString m_strModulePath;
    std::unique_ptr<platform::LocalEndpoint> m_endpoint;
    platform::LocalEndpoint::Handler m_handler;
};
