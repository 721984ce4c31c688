#pragma once
// The text work of a macro sent from the Super Browser's transmit panel:
// the tags it names, their values from the panel's tags list and the
// own-station tags, whether the operator must be asked, and the lines with
// the values put in.
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class CTagStore;

class CSuperMacroText {
public:
    // Each distinct name between "<" and ">" once, in order; the scan of a
    // line goes on after each ">" and ends where either is missing.
    static QStringList CollectTags(const QStringList& lines);
    // One value per name: from the list rows (title, value) whose title
    // equals the name ignoring case, then from the store's own-station tags.
    static QStringList ResolveValues(const QStringList& names, const QList<QPair<QString, QString>>& rows,
                                     const CTagStore& tags);
    // True when some name has no value, leaving out (with the leave-his-info
    // flag) the names the store holds as other-station tags.
    static bool NeedsPrompt(const QStringList& names, const QStringList& values, bool bLeaveHisInfo,
                            const CTagStore& tags);
    // Every "<name>" whose value, trimmed, is not empty is replaced by it.
    static QString ExpandLine(const QString& strLine, const QStringList& names, const QStringList& values);
    // The macro list's label: "[n] " for the first twenty, then the short
    // title or, without one, the full title.
    static QString ListLabel(int nNumber, const QString& strShortTitle, const QString& strFullTitle);
    // The list tip's header lines ("" when there are none).
    static QString TipHeader(int nItem, int nFlags);
};
