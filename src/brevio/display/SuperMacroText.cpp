#include "brevio/display/SuperMacroText.h"

#include "brevio/core/MacroStore.h"
#include "brevio/core/TagStore.h"

QStringList CSuperMacroText::CollectTags(const QStringList& lines)
{
    QStringList names;
    for (const QString& line : lines) {
        qsizetype pos = 0;
        for (;;) {
            const qsizetype open = line.indexOf(QLatin1Char('<'), pos);
            if (open < 0)
                break;
            const qsizetype close = line.indexOf(QLatin1Char('>'), open + 1);
            if (close < 0)
                break;
            const QString name = line.mid(open + 1, close - open - 1);
            if (!names.contains(name))
                names.append(name);
            pos = close;
        }
    }
    return names;
}

QStringList CSuperMacroText::ResolveValues(const QStringList& names, const QList<QPair<QString, QString>>& rows,
                                           const CTagStore& tags)
{
    QStringList values;
    for (int i = 0; i < names.size(); ++i)
        values.append(QString());
    for (const auto& row : rows)
        for (int i = 0; i < names.size(); ++i)
            if (row.first.compare(names[i], Qt::CaseInsensitive) == 0)
                values[i] = row.second;
    for (int t = 0; t < tags.GetCount(); ++t) {
        const CTag* tag = tags.GetAt(t);
        if (!tag || !tag->IsOwnStation())
            continue;
        for (int i = 0; i < names.size(); ++i)
            if (tag->GetTitle().compare(names[i], Qt::CaseInsensitive) == 0)
                values[i] = tag->Value(-1);
    }
    return values;
}

bool CSuperMacroText::NeedsPrompt(const QStringList& names, const QStringList& values, bool bLeaveHisInfo,
                                  const CTagStore& tags)
{
    for (int i = 0; i < names.size(); ++i) {
        if (!values.value(i).isEmpty())
            continue;
        if (bLeaveHisInfo) {
            const CTag* tag = tags.FindByTitle(names[i]);
            if (tag && !tag->IsOwnStation())
                continue;
        }
        return true;
    }
    return false;
}

QString CSuperMacroText::ExpandLine(const QString& strLine, const QStringList& names, const QStringList& values)
{
    QString line = strLine;
    for (int i = 0; i < names.size(); ++i) {
        const QString value = values.value(i).trimmed();
        if (!value.isEmpty())
            line.replace(QLatin1Char('<') + names[i] + QLatin1Char('>'), value, Qt::CaseSensitive);
    }
    return line;
}

QString CSuperMacroText::ListLabel(int nNumber, const QString& strShortTitle, const QString& strFullTitle)
{
    QString label = nNumber < 20 ? QStringLiteral("[%1] ").arg(nNumber) : QString();
    return label + (strShortTitle.isEmpty() ? strFullTitle : strShortTitle);
}

QString CSuperMacroText::TipHeader(int nItem, int nFlags)
{
    QString tip;
    const bool erase = nFlags & CMacro::kEraseFirst;
    const bool send = nFlags & CMacro::kSendNow;
    if (erase || send)
        tip += QStringLiteral("Flags:\t %1%2%3\n")
                   .arg(erase ? QStringLiteral("Erase Tx window") : QString(),
                        erase && send ? QStringLiteral(", ") : QString(),
                        send ? QStringLiteral("Send immediately") : QString());
    if (nItem >= 0 && nItem < 20)
        tip += QStringLiteral("Shortcut:\t Ctrl%1 + %2\n")
                   .arg(nItem > 9 ? QStringLiteral(" + Shift") : QString())
                   .arg(nItem % 10);
    return tip;
}
