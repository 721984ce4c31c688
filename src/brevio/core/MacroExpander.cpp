#include "brevio/core/MacroExpander.h"

#include "brevio/core/TagStore.h"

namespace {
bool IsOwnStation(const CTagStore& tags, const QString& strName)
{
    const CTag* tag = tags.FindByTitle(strName);
    return tag && tag->IsOwnStation();
}
} // namespace

QStringList CMacroExpander::PlaceholderNames(const QStringList& lines)
{
    QStringList names;
    for (const QString& line : lines) {
        int p = 0;
        for (;;) {
            const int open = int(line.indexOf(QLatin1Char('<'), p));
            if (open < 0)
                break;
            const int close = int(line.indexOf(QLatin1Char('>'), open));
            if (close < 0)
                break;
            const QString name = line.mid(open + 1, close - open - 1);
            if (!names.contains(name))
                names.append(name);
            p = close;
        }
    }
    return names;
}

bool CMacroExpander::NeedsPrompt(const QStringList& names, const QStringList& values, bool bOwnStationOnly,
                                 const CTagStore& tags)
{
    for (int i = 0; i < names.size(); ++i)
        if ((!bOwnStationOnly || IsOwnStation(tags, names[i])) && values.value(i).isEmpty())
            return true;
    return false;
}

QString CMacroExpander::ExpandLine(const QString& strLine, const QStringList& names, const QStringList& values,
                                   bool bOwnStationOnly, bool bDialogShown, const CTagStore& tags)
{
    QString line = strLine;
    for (int i = 0; i < names.size(); ++i) {
        if (bOwnStationOnly && !bDialogShown && !IsOwnStation(tags, names[i]))
            continue;
        const QString value = values.value(i).trimmed();
        if (value.isEmpty())
            continue;
        line.replace(QLatin1Char('<') + names[i] + QLatin1Char('>'), value, Qt::CaseSensitive);
    }
    return line;
}
