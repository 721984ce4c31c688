#include "shared/MapiMail.h"

#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/ui/Win32Error.h"

#include <QApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrlQuery>

namespace {
const QString kCaption = QStringLiteral("Send E-Mail");

// The desktop's own mail handling: a mailto: address opens the compose
// window of whatever mail program the user chose.
class SystemMailClient : public CMapiMail::MailClient {
public:
    QString Unavailable() override
    {
        const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (opener.isEmpty())
            return QStringLiteral("The desktop has no program that opens links (xdg-open).");
        const QString mime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
        if (mime.isEmpty())
            return {};
        QProcess query;
        query.start(mime, {QStringLiteral("query"), QStringLiteral("default"),
                           QStringLiteral("x-scheme-handler/mailto")});
        if (!query.waitForFinished(3000)) {
            query.kill();
            query.waitForFinished(1000);
            return {};
        }
        if (query.exitCode() == 0 && query.readAllStandardOutput().trimmed().isEmpty())
            return QStringLiteral("The desktop names no default e-mail program.");
        return {};
    }
    bool HasEntry(const QString& strName) override
    {
        return strName == QLatin1String("MAPISendMail") || strName == QLatin1String("MAPILogon") ||
               strName == QLatin1String("MAPILogoff");
    }
    bool Open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

SystemMailClient g_system;
CMapiMail::MailClient* g_client = nullptr;
bool g_loggedOn = false;

CMapiMail::MailClient& client()
{
    return g_client ? *g_client : g_system;
}

void errorMessage(const QString& text)
{
    platform::messageBox(GetMainWindow(), text, kCaption, platform::MB_ICONERROR);
}

const QString kNoMailProgram = QStringLiteral("No mail program is set up for mailto: links.");

// What each step of the hand-over asks of the mail program, in words.
QString stepText(const QString& strEntry)
{
    if (strEntry == QLatin1String("MAPILogon"))
        return QStringLiteral("start a session");
    if (strEntry == QLatin1String("MAPISendMail"))
        return QStringLiteral("open its compose window");
    if (strEntry == QLatin1String("MAPIResolveName"))
        return QStringLiteral("look up addresses");
    if (strEntry == QLatin1String("MAPIAddress"))
        return QStringLiteral("open its address book");
    return strEntry;
}
} // namespace

void CMapiMail::SetMailClient(MailClient* pClient)
{
    g_client = pClient;
}

bool CMapiMail::IsLoggedOn()
{
    return g_loggedOn;
}

void CMapiMail::LogOff()
{
    g_loggedOn = false;
}

CMapiMail::CMapiMail()
{
    const QString missing = client().Unavailable();
    if (!missing.isEmpty()) {
        errorMessage(QStringLiteral("Error starting the mail program - ") + missing + QStringLiteral("\n \n") +
                     kNoMailProgram + QStringLiteral(" Choose a default e-mail program in the desktop's settings."));
        m_nError = ERR_LIBRARY;
        return;
    }
    m_bLoaded = true;
    if (!client().HasEntry(QStringLiteral("MAPISendMail"))) {
        EntryPointMessage(QStringLiteral("MAPISendMail"));
        m_nError = ERR_ENTRY;
    }
}

CMapiMail::~CMapiMail() = default;

void CMapiMail::EntryPointMessage(const QString& strName) const
{
    const QString reason =
        m_bLoaded ? QStringLiteral("A mail program reached through a mailto: link offers no such step.") : kNoMailProgram;
    errorMessage(QStringLiteral("The mail program cannot be asked to %1.\n \n%2").arg(stepText(strName), reason));
}

int CMapiMail::GetError()
{
    const int error = m_nError;
    m_nError = ERR_NONE;
    return error;
}

bool CMapiMail::Logon(QWidget*)
{
    if (g_loggedOn)
        return true;
    // Without a mail program the constructor has told the operator already.
    if (!m_bLoaded)
        return false;
    if (!client().HasEntry(QStringLiteral("MAPILogon"))) {
        EntryPointMessage(QStringLiteral("MAPILogon"));
        return false;
    }
    // Handing over an address needs no session; the first logon of a run
    // stands for all later mails.
    g_loggedOn = true;
    return true;
}

bool CMapiMail::AddTo(const QString& strName)
{
    if (strName.trimmed().isEmpty()) {
        m_nError = ERR_TO;
        return false;
    }
    m_recipients.append({MAPI_TO, strName});
    return true;
}

bool CMapiMail::AddCC(const QString& strName)
{
    if (strName.trimmed().isEmpty()) {
        m_nError = ERR_CC;
        return false;
    }
    m_recipients.append({MAPI_CC, strName});
    return true;
}

bool CMapiMail::AddAttachment(const QString& strPath, const QString& strDisplayName)
{
    if (strPath.isEmpty()) {
        m_nError = ERR_ATTACHMENT;
        return false;
    }
    m_attachments.append({strPath, strDisplayName, -1});
    return true;
}

QList<int> CMapiMail::GetAttachmentPositions() const
{
    QList<int> positions;
    for (const Attachment& a : m_attachments)
        positions << a.nPosition;
    return positions;
}

QUrl CMapiMail::BuildUrl() const
{
    QStringList to;
    QStringList cc;
    for (const Recipient& r : m_recipients)
        (r.nClass == MAPI_TO ? to : cc) << r.strName;
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(to.join(QLatin1Char(',')));
    QUrlQuery query;
    auto add = [&query](const QString& key, const QString& value) {
        query.addQueryItem(key, QString::fromLatin1(QUrl::toPercentEncoding(value)));
    };
    if (!cc.isEmpty())
        add(QStringLiteral("cc"), cc.join(QLatin1Char(',')));
    if (!m_strSubject.isEmpty())
        add(QStringLiteral("subject"), m_strSubject);
    if (!m_strNoteText.isEmpty())
        add(QStringLiteral("body"), m_strNoteText);
    for (const Attachment& a : m_attachments)
        add(QStringLiteral("attach"), QUrl::fromLocalFile(a.strPath).toString());
    url.setQuery(query);
    return url;
}

bool CMapiMail::Send(unsigned)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Each attachment sits on a blank of its own at the end of the text.
    const int n = int(m_strBody.size());
    for (int i = 0; i < m_attachments.size(); ++i) {
        m_strBody += QLatin1Char(' ');
        m_attachments[i].nPosition = n + i;
    }
    m_strNoteText = m_strBody;
    const bool opened = m_bLoaded && client().Open(BuildUrl());
    QApplication::restoreOverrideCursor();
    if (!opened) {
        errorMessage(QStringLiteral("The mail program could not be started for the mailto: link."));
        return false;
    }
    return true;
}

bool CMapiMail::ResolveRecipients(QWidget*, QStringList&, QStringList&)
{
    EntryPointMessage(QStringLiteral("MAPIResolveName"));
    m_nError = ERR_ENTRY;
    return false;
}

bool CMapiMail::AddressBook(QWidget*, QStringList&, QStringList&, bool& bToChanged, bool& bCcChanged)
{
    bToChanged = false;
    bCcChanged = false;
    EntryPointMessage(QStringLiteral("MAPIAddress"));
    m_nError = ERR_ENTRY;
    return false;
}
