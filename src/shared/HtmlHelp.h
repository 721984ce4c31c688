#pragma once
#include <QString>
#include <QUrl>

// The user guide: our own HTML pages shipped beside the program, shown in
// the default browser at the topic asked for.
class CHtmlHelp {
public:
    CHtmlHelp();
    // The guide at another path (a second program, tests).
    explicit CHtmlHelp(const QString& strPath) : m_strPath(strPath) {}

    void ShowContents();
    void ShowContents(unsigned, unsigned) { ShowContents(); }
    void ShowIndex();
    void ShowSearch();
    // A topic of the guide by its anchor name. A guide that is missing or a
    // browser that cannot be started is reported in a message box.
    void ShowTopic(const QString& strAnchor);

    const QString& GetPath() const { return m_strPath; }
    static QString FileName() { return QStringLiteral("UserGuide.html"); }
    // The address a topic opens at (empty when the guide is missing).
    QUrl TopicUrl(const QString& strAnchor) const;

private:
    QString m_strPath;
};
