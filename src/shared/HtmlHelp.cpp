#include "shared/HtmlHelp.h"

#include "shared/ProgramFolders.h"
#include "shared/ShellOpen.h"

#include <QDir>
#include <QFileInfo>

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
        CShellOpen::ReportFailure(QDir::toNativeSeparators(m_strPath), CShellOpen::ErrorText(2));
        return;
    }
    CShellOpen::OpenUrl(url, QDir::toNativeSeparators(m_strPath));
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
