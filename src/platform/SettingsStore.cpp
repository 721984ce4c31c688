#include "platform/SettingsStore.h"
#include "platform/Program.h"

#include <QSettings>

namespace platform {

namespace {
QString& testRoot()
{
    static QString root;
    return root;
}
} // namespace

std::unique_ptr<QSettings> SettingsStore::open()
{
    if (!testRoot().isEmpty())
        return std::make_unique<QSettings>(testRoot() + QLatin1Char('/') + program().name + QStringLiteral(".conf"),
                                           QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kOrganisation),
                                       program().name);
}

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
    return open()->value(keyOf(section, name), fallback);
}

void SettingsStore::setValue(const QString& section, const QString& name, const QVariant& value)
{
    open()->setValue(keyOf(section, name), value);
}

bool SettingsStore::contains(const QString& section, const QString& name)
{
    return open()->contains(keyOf(section, name));
}

void SettingsStore::remove(const QString& section, const QString& name)
{
    open()->remove(keyOf(section, name));
}

QStringList SettingsStore::valueNames(const QString& section)
{
    auto s = open();
    s->beginGroup(escapeName(section));
    QStringList names;
    for (const QString& k : s->childKeys())
        names << unescapeName(k);
    s->endGroup();
    return names;
}

void SettingsStore::removeProgramKey()
{
    open()->clear();
}

void SettingsStore::sync()
{
    open()->sync();
}

void SettingsStore::setRootForTesting(const QString& folder)
{
    testRoot() = folder;
}

} // namespace platform
