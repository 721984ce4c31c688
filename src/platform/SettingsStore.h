#pragma once
#include <QStringList>
#include <QVariant>

namespace platform {

// The program's settings key (what the design keeps in the registry under the
// current user). Sections and value names are kept exactly; characters that
// QSettings would treat as structure ('/', '\\') are escaped inside names.
class SettingsStore {
public:
    static QString escapeName(const QString& name);
    static QString unescapeName(const QString& name);

    static QVariant value(const QString& section, const QString& name, const QVariant& fallback = {});
    static void setValue(const QString& section, const QString& name, const QVariant& value);
    static bool contains(const QString& section, const QString& name);
    static void remove(const QString& section, const QString& name);
    static QStringList valueNames(const QString& section);
    // The whole key of the program (reset at start-up).
    static void removeProgramKey();
    // Writes pending values to disk (also done at exit and from the event loop).
    static void sync();

    // Tests point the store at a private folder.
    static void setRootForTesting(const QString& folder);
};

} // namespace platform
