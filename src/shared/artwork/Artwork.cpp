#include "shared/artwork/Artwork.h"

#include "platform/Program.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// Outside any namespace: the resource initialiser is a global function.
static void initArtworkResources()
{
    // The pictures are compiled into an object file inside a static library:
    // referencing its initialiser keeps the linker from dropping it.
    static const bool done = [] {
        Q_INIT_RESOURCE(corvane_art);
        return true;
    }();
    (void)done;
}

namespace artwork {

namespace {

void initResources() { initArtworkResources(); }

QHash<QString, QImage>& added()
{
    static QHash<QString, QImage> images;
    return images;
}

QImage addedImage(const QString& kind, const QString& name)
{
    return added().value(kind + QLatin1Char('/') + name);
}

QString programFolder()
{
    return platform::program().name.contains(QStringLiteral("Brevio")) ? QStringLiteral("brevio")
                                                                         : QStringLiteral("corvane");
}

// Path of the first existing file for kind/name with one of the suffixes.
QString find(const QString& kind, const QString& name, std::initializer_list<const char*> suffixes)
{
    initResources();
    for (const QString& root : {QStringLiteral(":/") + programFolder() + QLatin1Char('/'), QStringLiteral(":/")}) {
        for (const char* suffix : suffixes) {
            const QString path = root + kind + QLatin1Char('/') + name + QLatin1String(suffix);
            if (QFile::exists(path))
                return path;
        }
    }
    return {};
}

QImage renderSvg(const QString& path, QSize size)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    renderer.render(&p);
    return image;
}

QImage load(const QString& kind, const QString& name, QSize size)
{
    QImage image = addedImage(kind, name);
    if (!image.isNull())
        return size.isEmpty() || image.size() == size
                   ? image
                   : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString path = find(kind, name, {".png", ".svg"});
    if (path.isEmpty())
        return {};
    if (path.endsWith(QLatin1String(".svg")))
        return renderSvg(path, size);
    image = QImage(path);
    if (!size.isEmpty() && !image.isNull() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

bool loadClip(const QString& name, Clip* out)
{
    QImage strip = addedImage(QStringLiteral("clips"), name);
    if (strip.isNull()) {
        const QString path = find(QStringLiteral("clips"), name, {".png"});
        if (path.isEmpty())
            return false;
        strip = QImage(path);
    }
    if (strip.isNull() || strip.height() <= 0 || strip.width() < strip.height())
        return false;
    if (out) {
        out->strip = strip;
        out->frameCount = strip.width() / strip.height();
        out->framesPerSecond = 15;
    }
    return true;
}

} // namespace

QImage bitmap(int id) { return bitmap(QString::number(id)); }
QImage bitmap(const QString& name) { return load(QStringLiteral("bitmaps"), name, {}); }

QImage icon(int id, QSize size) { return icon(QString::number(id), size); }
QImage icon(const QString& name, QSize size) { return load(QStringLiteral("icons"), name, size); }

QImage Clip::frame(int index) const
{
    if (frameCount <= 0 || index < 0 || index >= frameCount)
        return {};
    const int w = strip.width() / frameCount;
    return strip.copy(index * w, 0, w, strip.height());
}

bool clip(int id, Clip* out) { return loadClip(QString::number(id), out); }
bool clip(const QString& name, Clip* out) { return loadClip(name, out); }

bool cursor(int id, QCursor* out)
{
    const QString path = find(QStringLiteral("cursors"), QString::number(id), {".png"});
    if (path.isEmpty())
        return false;
    const QPixmap pixmap(path);
    if (pixmap.isNull())
        return false;
    if (out)
        *out = QCursor(pixmap);
    return true;
}

void addImage(const QString& kind, const QString& name, const QImage& image)
{
    const QString key = kind + QLatin1Char('/') + name;
    if (image.isNull())
        added().remove(key);
    else
        added().insert(key, image);
}

bool exists(const QString& kind, const QString& name)
{
    return !addedImage(kind, name).isNull() || !find(kind, name, {".png", ".svg"}).isEmpty();
}

} // namespace artwork
