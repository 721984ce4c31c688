// "PSK31 Brevio Tags v2.txt", and the log record built from what it held.
#include "FuzzTarget.h"

#include "brevio/core/TagStore.h"

#include <QDateTime>

CORVANE_FUZZ_TARGET(Tags)
{
    CTagStore tags;
    tags.ReadLines(fuzz::Lines(data, size));
    tags.WriteAdif(0, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC), false);
    QStringList lines{QStringLiteral("[imd] [program]")};
    tags.ExpandFixedTags(lines, 0, 25);
    CTagStore again;
    again.ReadLines(tags.RecordLines());
    return 0;
}
