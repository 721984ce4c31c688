#include "platform/SettingsStore.h"
#include "platform/Program.h"

#include <QSettings>

#include <mutex>

namespace platform {

namespace {
QString& testRoot()
{
    static QString root;
    return root;
}

// One settings object for the process: QSettings writes the file on sync, at
// exit and from the event loop, so a burst of values costs one write, not one
// each. The mutex lets worker threads read settings too.
std::recursive_mutex g_mutex;
std::unique_ptr<QSettings> g_settings;
QString g_settingsFor;

QSettings& settings()
{
    const QString key = testRoot() + QLatin1Char('|') + program().name;
    if (!g_settings || g_settingsFor != key) {
        if (g_settings)
            g_settings->sync();
        if (!testRoot().isEmpty())
            g_settings = std::make_unique<QSettings>(
                testRoot() + QLatin1Char('/') + program().name + QStringLiteral(".conf"), QSettings::IniFormat);
        else
            g_settings = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                     QString::fromLatin1(kOrganisation), program().name);
        g_settingsFor = key;
    }
    return *g_settings;
}
} // namespace

QString SettingsStore::escapeName(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        if (c == QLatin1Char('%'))
            out += QStringLiteral("%25");
        else if (c == QLatin1Char('/'))
            out += QStringLiteral("%2F");
        else if (c == QLatin1Char('\\'))
            out += QStringLiteral("%5C");
        else
            out += c;
    }
    return out;
}

QString SettingsStore::unescapeName(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] == QLatin1Char('%') && i + 2 < name.size()) {
            const QString code = name.mid(i + 1, 2).toUpper();
            if (code == QLatin1String("25")) { out += QLatin1Char('%'); i += 2; continue; }
            if (code == QLatin1String("2F")) { out += QLatin1Char('/'); i += 2; continue; }
            if (code == QLatin1String("5C")) { out += QLatin1Char('\\'); i += 2; continue; }
        }
        out += name[i];
    }
    return out;
}

static QString keyOf(const QString& section, const QString& name)
{
    return SettingsStore::escapeName(section) + QLatin1Char('/') + SettingsStore::escapeName(name);
}

QVariant SettingsStore::value(const QString& section, const QString& name, const QVariant& fallback)
{
    std::lock_guard lock(g_mutex);
    return settings().value(keyOf(section, name), fallback);
}

void SettingsStore::setValue(const QString& section, const QString& name, const QVariant& value)
{
    std::lock_guard lock(g_mutex);
    settings().setValue(keyOf(section, name), value);
}

bool SettingsStore::contains(const QString& section, const QString& name)
{
    std::lock_guard lock(g_mutex);
    return settings().contains(keyOf(section, name));
}

void SettingsStore::remove(const QString& section, const QString& name)
{
    std::lock_guard lock(g_mutex);
    settings().remove(keyOf(section, name));
}

QStringList SettingsStore::valueNames(const QString& section)
{
    std::lock_guard lock(g_mutex);
    QSettings& s = settings();
    s.beginGroup(escapeName(section));
    QStringList names;
    for (const QString& k : s.childKeys())
        names << unescapeName(k);
    s.endGroup();
    return names;
}

void SettingsStore::removeProgramKey()
{
    std::lock_guard lock(g_mutex);
    settings().clear();
    settings().sync();
}

void SettingsStore::sync()
{
    std::lock_guard lock(g_mutex);
    settings().sync();
}

void SettingsStore::setRootForTesting(const QString& folder)
{
    std::lock_guard lock(g_mutex);
    if (g_settings)
        g_settings->sync();
    g_settings.reset();
    testRoot() = folder;
}

} // namespace platform
