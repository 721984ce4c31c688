#include "shared/SupportMail.h"

#include "shared/MapiMail.h"
#include "shared/VersionInfo.h"

#include <QApplication>
#include <QCursor>

namespace support {

QString MakerWebAddress()
{
    return QStringLiteral("https://www.qt9xvk.example/");
}

QString UserGroupAddress()
{
    return QStringLiteral("https://groups.qt9xvk.example/group/VE817-Corvane");
}

QString SupportAddress()
{
    return QStringLiteral("support@qt9xvk.example");
}

QString GreetingName()
{
    return QStringLiteral("Corwin");
}

QString SoundcardInterfaceAddress()
{
    return QStringLiteral("https://www.tigertronics.com/");
}

QString SpeechReaderAddress()
{
    return QStringLiteral("http://www.festvox.org/flite/download.html");
}

QString SpeechEngineAddress()
{
    return QStringLiteral("http://www.festvox.org/flite/");
}

void SendSupportMail(QWidget* pOwner)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Restore {
        ~Restore() { QApplication::restoreOverrideCursor(); }
    } restore;
    CMapiMail mail;
    const CVersionInfo version;
    const bool logon = mail.Logon(pOwner);
    if (!logon || mail.GetError() != CMapiMail::ERR_NONE)
        return;
    mail.AddTo(SupportAddress());
    mail.SetSubject(QStringLiteral("%1 %2 %3")
                        .arg(version.GetProductName(),
                             QStringLiteral("Version %1 build %2").arg(version.GetProductVersion()).arg(version.GetBuild()),
                             version.GetSpecialBuild()));
    mail.SetBody(QStringLiteral("Before contacting QT9XVK please look at the FT-817 Corvane usergroup: ") +
                 UserGroupAddress() + QStringLiteral(" where many users of this program will be able to help.") +
                 QStringLiteral("\r\n\r\n\r\n") + QStringLiteral("Hello ") + GreetingName() + QStringLiteral(",") +
                 QStringLiteral("\r\n\r\n") + QStringLiteral("<your message goes here>..."));
    mail.Send(0);
}

} // namespace support
