// A definitions file read from disk: the line reader under every file of
// the program, with its "#" comment header ending "#@filetype=%u", and the
// tagged-line reader that takes the records apart.
#include "FuzzTarget.h"

#include "shared/TaggedLines.h"
#include "shared/TextFile.h"

CORVANE_FUZZ_TARGET(TextFile)
{
    const QString path = fuzz::WriteFile(QStringLiteral("fuzz-definitions.txt"), data, size);
    QStringList lines;
    CTextFile(path, true).ReadLines(lines);
    CTaggedLineReader reader(lines);
    CTaggedLineReader::Line line;
    while (reader.Next(line))
        line.Number();
    return 0;
}
