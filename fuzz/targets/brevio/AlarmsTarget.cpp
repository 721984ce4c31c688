// "PSK31 Brevio Alarms.txt": records with regular expressions that are
// compiled and matched against received text.
#include "FuzzTarget.h"

#include "brevio/display/AlarmList.h"

CORVANE_FUZZ_TARGET(Alarms)
{
    const QString path = fuzz::WriteFile(QStringLiteral("fuzz-alarms.txt"), data, size);
    CAlarmList alarms;
    alarms.Load(path);
    alarms.SortByTitle();
    QStringList titles, matched;
    alarms.MatchAll(QStringLiteral("CQ CQ CQ de QT9XVK QT9XVK pse k"), titles, matched);
    alarms.RecordLines();
    return 0;
}
