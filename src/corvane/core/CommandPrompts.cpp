#include "corvane/core/CommandPrompts.h"

#include <QHash>

namespace {
const QHash<unsigned, QString>& prompts()
{
    static const QHash<unsigned, QString> table = {
        {32789, QStringLiteral("Load the default favourites list\nLoad Defaults")},
        {32851, QStringLiteral("Save current favourites to a file\nSave to File")},
        {32852, QStringLiteral("Load favourite definitions from a file\nLoad from File")},
        {32937, QStringLiteral("Load the default display definitions\nLoad Defaults")},
        {33026, QStringLiteral("Toggle the Add window\nToggle Add")},
        {33028, QStringLiteral("Reload\nReload")},
        {33033, QStringLiteral("Sort entries\nSort")},
        {33034, QStringLiteral("Apply filter\nApply Filter")},
        {33036, QStringLiteral("Remove filter\nRemove Filter")},
        {33037, QStringLiteral("Delete the selected entries\nDelete")},
        {33035, QStringLiteral("Export \nExport")},
        {33038, QStringLiteral("Set the display size\nDisplay Size")},
    };
    return table;
}
} // namespace

QString CommandPromptString(unsigned nId)
{
    return prompts().value(nId);
}

QString CommandPrompt(unsigned nId, const QString& strText)
{
    const QString stored = CommandPromptString(nId);
    if (!stored.isEmpty())
        return stored.section(QLatin1Char('\n'), 0, 0).trimmed();
    QString text = strText.section(QLatin1Char('\t'), 0, 0);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.trimmed();
}
