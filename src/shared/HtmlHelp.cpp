#include "shared/HtmlHelp.h"

#include "platform/Prompter.h"
#include "shared/MainWindow.h"
#include "shared/ProgramFolders.h"

#include <QDir>
#include <QFileInfo>

namespace {
CHtmlHelp::Opener& opener()
{
    static CHtmlHelp::Opener open = platform::openOnDesktop;
    return open;
}

// The same words as every other file or page the programs fail to open.
void reportFailure(const QString& strPath, const QString& strReason)
{
    platform::messageBox(GetMainWindow(),
                         QStringLiteral("Error starting \"") + QDir::toNativeSeparators(strPath) +
                             QStringLiteral("\" -\n \n") + strReason,
                         QStringLiteral("Error"), platform::MB_ICONERROR);
}
} // namespace

void CHtmlHelp::SetOpener(Opener open)
{
    opener() = open ? std::move(open) : Opener(platform::openOnDesktop);
}

CHtmlHelp::CHtmlHelp() : m_strPath(GetProgramFolders().GetProgramFolder() + FileName()) {}

QUrl CHtmlHelp::TopicUrl(const QString& strAnchor) const
{
    if (!QFileInfo::exists(m_strPath))
        return {};
    QUrl url = QUrl::fromLocalFile(m_strPath);
    if (!strAnchor.isEmpty())
        url.setFragment(strAnchor);
    return url;
}

void CHtmlHelp::ShowTopic(const QString& strAnchor)
{
    const QUrl url = TopicUrl(strAnchor);
    if (!url.isValid() || url.isEmpty()) {
        reportFailure(m_strPath, QStringLiteral("The specified file was not found."));
        return;
    }
    const QString path = m_strPath;
    opener()(url, [path](const QString& reason) { reportFailure(path, reason); });
}

void CHtmlHelp::ShowContents()
{
    ShowTopic(QStringLiteral("contents"));
}

void CHtmlHelp::ShowIndex()
{
    ShowTopic(QStringLiteral("index"));
}

void CHtmlHelp::ShowSearch()
{
    ShowTopic(QStringLiteral("search"));
}
