#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;

// Hands an e-mail to the user's mail program, whose compose window opens
// with it; the user completes and sends it there. The message travels as a
// mailto: address. Without a mail program only the mail command fails, with
// the explanation the operator needs.
class CMapiMail {
public:
    enum Error { ERR_NONE = 0, ERR_LIBRARY = 1, ERR_ENTRY = 2, ERR_TO = 3, ERR_CC = 4, ERR_ATTACHMENT = 5 };
    enum { MAPI_TO = 1, MAPI_CC = 2, MAPI_RECEIPT_REQUESTED = 0x00000002 };

    // The user's mail program as the system offers it.
    class MailClient {
    public:
        virtual ~MailClient() = default;
        // Empty when a mail program is there, else the reason there is none.
        virtual QString Unavailable() = 0;
        // The entry points this client offers (the names of the design's calls).
        virtual bool HasEntry(const QString& strName) = 0;
        virtual bool Open(const QUrl& url) = 0;
    };
    // nullptr restores the system's client.
    static void SetMailClient(MailClient* pClient);

    CMapiMail();
    ~CMapiMail();

    int GetError();
    bool Logon(QWidget* pOwner);
    void SetSubject(const QString& strText) { m_strSubject = strText; }
    void SetBody(const QString& strText) { m_strBody = strText; }
    void SetOriginatorName(const QString& strText) { m_strOriginator = strText; }
    void RequestReceipt() { m_nFlags |= MAPI_RECEIPT_REQUESTED; }
    bool AddTo(const QString& strName);
    bool AddCC(const QString& strName);
    bool AddAttachment(const QString& strPath, const QString& strDisplayName = QString());
    bool Send(unsigned nFlags = 0);
    // Without an address book on this platform both report the missing call.
    bool ResolveRecipients(QWidget* pOwner, QStringList& to, QStringList& cc);
    bool AddressBook(QWidget* pOwner, QStringList& to, QStringList& cc, bool& bToChanged, bool& bCcChanged);

    // The message as Send handed it over.
    const QString& GetNoteText() const { return m_strNoteText; }
    QList<int> GetAttachmentPositions() const;
    QUrl BuildUrl() const;

    // Whether this program run is logged on (the first Logon does it).
    static bool IsLoggedOn();
    static void LogOff();

private:
    struct Recipient {
        int nClass;
        QString strName;
    };
    struct Attachment {
        QString strPath;
        QString strName;
        int nPosition = -1;
    };
    void EntryPointMessage(const QString& strName) const;

    QString m_strSubject;
    QString m_strBody;
    QString m_strNoteText;
    QString m_strOriginator;
    unsigned m_nFlags = 0;
    QList<Recipient> m_recipients;
    QList<Attachment> m_attachments;
    int m_nError = ERR_NONE;
    bool m_bLoaded = false;
};
