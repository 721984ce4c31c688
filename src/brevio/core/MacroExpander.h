#pragma once
// The text work of sending a macro: its "<name>" placeholders, whether the
// operator must be asked for values, and the lines with the values put in.
#include <QString>
#include <QStringList>

class CTagStore;

class CMacroExpander {
public:
    // Each distinct name between "<" and ">" once, in order of first
    // appearance; a "<" without a later ">" ends the scan of its line.
    static QStringList PlaceholderNames(const QStringList& lines);
    // With bOwnStationOnly only own-station tags count (a name the store does
    // not know counts as no own-station tag); true when such a value is empty.
    static bool NeedsPrompt(const QStringList& names, const QStringList& values, bool bOwnStationOnly,
                            const CTagStore& tags);
    // Puts the values in; an empty value leaves its placeholder as written.
    static QString ExpandLine(const QString& strLine, const QStringList& names, const QStringList& values,
                              bool bOwnStationOnly, bool bDialogShown, const CTagStore& tags);
};
