#pragma once
// The pictures of both programs, by the resource ids (or names) the code
// asks for. All of them are our own drawings kept in the Qt resource built
// from res/: ":/bitmaps/<id>.png" or ".svg", ":/icons/<id>...",
// ":/clips/<id>.png", ":/cursors/<id>.png"; a picture that only one program
// has lives under ":/corvane/..." or ":/brevio/..." and is found first.
#include <QCursor>
#include <QImage>
#include <QString>

namespace artwork {

// A bitmap as stored: an indexed PNG stays QImage::Format_Indexed8 with its
// colour table (the 8-bit bitmaps whose palettes the drawing code uses); an
// SVG is drawn at its own size on a transparent background. Null when the
// picture does not exist.
QImage bitmap(int id);
QImage bitmap(const QString& name);

// An icon at the given size (an empty size gives the picture's own size).
QImage icon(int id, QSize size = {});
QImage icon(const QString& name, QSize size = {});

// An animation clip: square frames side by side, played at the rate given.
struct Clip {
    QImage strip;
    int frameCount = 0;
    int framesPerSecond = 0;
    QImage frame(int index) const;
};
bool clip(int id, Clip* out);
bool clip(const QString& name, Clip* out);

// A cursor picture; its hot spot is the centre. FALSE when there is none.
bool cursor(int id, QCursor* out);

// A picture made at run time, found before the stored ones (tests give
// images with a known colour table this way). A null image removes it.
void addImage(const QString& kind, const QString& name, const QImage& image);

// Whether a resource of that kind exists ("bitmaps", "icons", "clips",
// "cursors").
bool exists(const QString& kind, const QString& name);

} // namespace artwork
