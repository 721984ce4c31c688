#pragma once
#include "platform/DesktopOpener.h"

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// Files and web pages both programs hand to the desktop (Help's pages, a
// saved text, a logbook file, a program's folder), with the one box the
// operator sees when that fails: at once for a file that is not there, or
// later, with the desktop's own words, when nothing could show it.
class CShellOpen {
public:
    // Above 32: handed to the desktop. Otherwise the code of what was wrong
    // (2 no file, 3 no folder, 5 not readable), already told in the box.
    static int Open(const QString& strTarget, QWidget* pParent = nullptr);
    // A page or file already made an address; strShown names it in the box.
    static void OpenUrl(const QUrl& url, const QString& strShown, QWidget* pParent = nullptr);

    // "Error starting "<target>" -" and the reason, in an error box.
    static void ReportFailure(const QString& strShown, const QString& strReason, QWidget* pParent = nullptr);
    // The reason for a code of Open (and the codes the shell of the other
    // platform gave, which stored texts may name).
    static QString ErrorText(int nCode);

    // Where addresses are handed to the desktop (tests keep them instead);
    // an empty opener gives back the desktop's.
    using Opener = std::function<void(const QUrl&, const platform::OpenFailed&)>;
    static void SetOpener(Opener opener);
};
