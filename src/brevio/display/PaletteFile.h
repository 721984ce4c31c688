#pragma once
// The text forms of a designed palette, as lines (the designer does the file
// work): the palette-editor definition file ("100 colour", "101 position",
// "@" per entry, between "#" comment lines of kind 2) and the PAL export
// (256 lines "red green blue", top of the gradient first).
#include "shared/WinTypes.h"

#include <QList>
#include <QStringList>

class CGradient;

class CPaletteFile {
public:
    static constexpr int kFileKind = 2;

    // A gradient as colour and position pairs: the pegs in position order,
    // then the start colour (-3) and the end colour (-2).
    struct Entries {
        QList<uint32_t> colours;
        QList<int> positions;
        int size() const { return int(colours.size()); }
        friend bool operator==(const Entries&, const Entries&) = default;
    };
    static Entries FromGradient(const CGradient& gradient);
    // Loads pairs into a gradient of the designer's kind: every peg goes, the
    // ends become white at the top and navy at the bottom, then each pair
    // sets an end (-3, -2) or adds a peg.
    static void ToGradient(const Entries& entries, CGradient& gradient);
    // The designer's gradient when nothing else is known.
    static Entries DefaultEntries();

    // The entry lines of a definition file, without the comment lines.
    static QStringList DefinitionLines(const Entries& entries);
    // Reads the entries of a definition file. FALSE for a file that is not
    // one of ours: another kind of definition file, a line that is neither a
    // comment, "@" nor a "code value" line, a colour or position that is not
    // a number, a position other than -3, -2 or 0 .. 255, an entry cut off at
    // the end, or fewer than two entries. Nothing is half read: on FALSE the
    // entries are empty.
    static bool ParseDefinition(const QStringList& lines, Entries& entries);

    // 256 lines "%d %d %d" of red, green and blue, top of the gradient first.
    static QStringList PalLines(const CGradient& gradient);
};
