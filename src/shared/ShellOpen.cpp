#include "shared/ShellOpen.h"

#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/ui/Win32Error.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <utility>

namespace {
CShellOpen::Opener& opener()
{
    static CShellOpen::Opener open = platform::openOnDesktop;
    return open;
}
} // namespace

void CShellOpen::SetOpener(Opener open)
{
    opener() = open ? std::move(open) : Opener(platform::openOnDesktop);
}

QString CShellOpen::ErrorText(int nCode)
{
    switch (nCode) {
    case 0: return QStringLiteral("The operating system is out of memory or resources.");
    case 2: return QStringLiteral("The specified file was not found.");
    case 3: return QStringLiteral("The specified path was not found.");
    case 5: return QStringLiteral("The operating system denied access to the specified file.");
    case 8: return QStringLiteral("There was not enough memory to complete the operation.");
    case 11: return QStringLiteral("The .exe file is invalid (non-Win32\u00AE .exe or error in .exe image).");
    case 26: return QStringLiteral("A sharing violation occurred.");
    case 27: return QStringLiteral("The file name association is incomplete or invalid.");
    case 28: return QStringLiteral("The DDE transaction could not be completed because the request timed out.");
    case 29: return QStringLiteral("The DDE transaction failed.");
    case 30:
        return QStringLiteral(
            "The DDE transaction could not be completed because other DDE transactions were being processed.");
    case 31: return QStringLiteral("No program on this desktop is set up to open this kind of file or address.");
    case 32: return QStringLiteral("The specified dynamic-link library was not found.");
    default: return CWin32Error(uint32_t(nCode)).GetText();
    }
}

void CShellOpen::ReportFailure(const QString& strShown, const QString& strReason, QWidget* pParent)
{
    platform::messageBox(pParent ? pParent : GetMainWindow(),
                         QStringLiteral("Error starting \"") + strShown + QStringLiteral("\" -\n \n") + strReason,
                         QStringLiteral("Error"), platform::MB_OK | int(platform::MB_ICONERROR));
}

void CShellOpen::OpenUrl(const QUrl& url, const QString& strShown, QWidget* pParent)
{
    // The box comes when the desktop gives up, perhaps after the window that
    // asked has gone: it then belongs to the main window.
    opener()(url, [strShown, asker = QPointer<QWidget>(pParent)](const QString& reason) {
        ReportFailure(strShown, reason, asker.data());
    });
}

int CShellOpen::Open(const QString& strTarget, QWidget* pParent)
{
    const QUrl url = QUrl::fromUserInput(strTarget, QString(), QUrl::AssumeLocalFile);
    int code = 33;
    if (url.isLocalFile()) {
        const QFileInfo info(url.toLocalFile());
        if (!info.dir().exists())
            code = 3;
        else if (!info.exists())
            code = 2;
        else if (!info.isReadable())
            code = 5;
    }
    if (code <= 32) {
        ReportFailure(strTarget, ErrorText(code), pParent);
        return code;
    }
    OpenUrl(url, strTarget, pParent);
    return code;
}
