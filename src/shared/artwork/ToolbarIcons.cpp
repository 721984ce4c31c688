#include "shared/artwork/ToolbarIcons.h"

#include "platform/DataFolder.h"
#include "platform/Program.h"
#include "shared/artwork/Artwork.h"

#include <QBuffer>
#include <QFileInfo>
#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QStandardPaths>

namespace artwork {

namespace {

bool g_useTheme = true;

const QSet<QString>& standardNames()
{
    static const QSet<QString> names{
        QStringLiteral("bookmark-new"),        QStringLiteral("changes-prevent"),
        QStringLiteral("document-new"),        QStringLiteral("document-open"),
        QStringLiteral("document-properties"), QStringLiteral("document-save"),
        QStringLiteral("document-save-as"),    QStringLiteral("edit-clear"),
        QStringLiteral("edit-copy"),           QStringLiteral("edit-delete"),
        QStringLiteral("edit-find"),           QStringLiteral("edit-redo"),
        QStringLiteral("edit-undo"),           QStringLiteral("go-down"),
        QStringLiteral("go-up"),               QStringLiteral("help-contents"),
        QStringLiteral("list-add"),            QStringLiteral("mail-message-new"),
        QStringLiteral("media-playback-start"), QStringLiteral("media-playback-stop"),
        QStringLiteral("media-seek-backward"), QStringLiteral("multimedia-volume-control"),
        QStringLiteral("preferences-system"),  QStringLiteral("system-users"),
        QStringLiteral("utilities-terminal"),  QStringLiteral("view-fullscreen"),
        QStringLiteral("view-refresh"),        QStringLiteral("view-sort-ascending"),
        QStringLiteral("web-browser"),
    };
    return names;
}

// Without a desktop (a bare X server, a window manager alone) Qt knows no
// theme but "hicolor", which has no actions: take the theme that scripts/setup
// installs.
void chooseTheme()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Some platform plug-ins (offscreen, a bare X server) name no folders of
    // icon themes: the desktop's standard ones count all the same.
    QStringList paths = QIcon::themeSearchPaths();
    for (const QString& folder :
         QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                   QStandardPaths::LocateDirectory))
        if (!paths.contains(folder))
            paths << folder;
    QIcon::setThemeSearchPaths(paths);
    const QString current = QIcon::themeName();
    if (!current.isEmpty() && current != QLatin1String("hicolor"))
        return;
    for (const QString& folder : QIcon::themeSearchPaths()) {
        if (QFileInfo::exists(folder + QStringLiteral("/Adwaita/index.theme"))) {
            QIcon::setThemeName(QStringLiteral("Adwaita"));
            return;
        }
    }
}

QIcon ownIcon(const QString& name)
{
    static QHash<QString, QIcon> cache;
    const auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QIcon icon;
    for (int size : {16, 20, 32, 40}) {
        const QImage image = artwork::icon(name, QSize(size, size));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    cache.insert(name, icon);
    return icon;
}

} // namespace

bool isStandardAction(const QString& name)
{
    return standardNames().contains(name);
}

void setUseIconTheme(bool bUse)
{
    g_useTheme = bUse;
}

QIcon toolbarIcon(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (g_useTheme && isStandardAction(name)) {
        chooseTheme();
        if (QIcon::hasThemeIcon(name))
            return QIcon::fromTheme(name);
    }
    return ownIcon(name);
}

QIcon programIcon(const QString& program)
{
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
        const QImage image = artwork::icon(program, QSize(size, size));
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QIcon applicationIcon()
{
    static const QIcon icon = programIcon(platform::program().name.contains(QStringLiteral("Brevio"))
                                              ? QStringLiteral("brevio")
                                              : QStringLiteral("corvane"));
    return icon;
}

QImage applicationImage(int nSize)
{
    return artwork::icon(platform::program().name.contains(QStringLiteral("Brevio")) ? QStringLiteral("brevio")
                                                                                      : QStringLiteral("corvane"),
                         QSize(nSize, nSize));
}

} // namespace artwork

namespace artwork {

QString applicationIconFile()
{
    const QImage image = applicationImage(256);
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    const QString path = platform::dataFilePath(platform::program().name + QStringLiteral(".png"));
    return platform::writeFileAtomically(path, png) ? path : QString();
}

} // namespace artwork
