#include "shared/HtmlHelp.h"

#include "shared/ProgramFolders.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace {
CHtmlHelp::Opener& opener()
{
    static CHtmlHelp::Opener open = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return open;
}
} // namespace

void CHtmlHelp::SetOpener(Opener open)
{
    opener() = open ? std::move(open) : Opener([](const QUrl& url) { return QDesktopServices::openUrl(url); });
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
    // Like a missing help library: without the guide the commands do nothing.
    const QUrl url = TopicUrl(strAnchor);
    if (url.isValid() && !url.isEmpty())
        opener()(url);
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
