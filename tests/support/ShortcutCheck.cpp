#include "support/ShortcutCheck.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>

namespace testsupport {

namespace {

// The window a key of this widget works in.
QWidget* windowOf(QWidget* w)
{
    if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->parentWidget())
        return windowOf(menu->parentWidget());
    return w->window();
}

QString describe(const QObject* owner, const QString& text)
{
    QString d = QString::fromLatin1(owner->metaObject()->className());
    if (!text.isEmpty())
        d += QStringLiteral(" \"%1\"").arg(text);
    if (const QObject* parent = owner->parent())
        d += QStringLiteral(" of %1").arg(QString::fromLatin1(parent->metaObject()->className()));
    return d;
}

struct Claims {
    // Per key: the owners that run something (shortcuts, actions) and the
    // underlined letters.
    QMap<QString, QStringList> commands;
    QMap<QString, QStringList> mnemonics;

    void Command(const QKeySequence& key, const QString& who)
    {
        const QString k = key.toString(QKeySequence::PortableText);
        if (!k.isEmpty() && !commands[k].contains(who))
            commands[k] << who;
    }
    void Mnemonic(const QString& text, const QString& who)
    {
        const QString k = QKeySequence::mnemonic(text).toString(QKeySequence::PortableText);
        if (!k.isEmpty())
            mnemonics[k] << who;
    }
};

// Shortcuts and actions of `window`; with bPassedOn only those Qt passes on
// to a tool window (window context, enabled).
void commandsOf(QWidget* window, bool bPassedOn, Claims& claims)
{
    for (QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        auto* parent = qobject_cast<QWidget*>(shortcut->parent());
        if (!shortcut->isEnabled() || !parent || windowOf(parent) != window)
            continue;
        if (bPassedOn && shortcut->context() != Qt::WindowShortcut)
            continue;
        for (const QKeySequence& key : shortcut->keys())
            claims.Command(key, describe(shortcut, QString()));
    }
    QList<QAction*> actions = window->actions();
    for (QAction* action : window->findChildren<QAction*>())
        if (!actions.contains(action))
            actions << action;
    for (QAction* action : actions) {
        if (action->shortcuts().isEmpty())
            continue;
        if (bPassedOn && (!action->isEnabled() || action->shortcutContext() != Qt::WindowShortcut))
            continue;
        bool here = false;
        for (QObject* o : action->associatedObjects())
            if (auto* w = qobject_cast<QWidget*>(o); w && windowOf(w) == window)
                here = true;
        if (here)
            for (const QKeySequence& key : action->shortcuts())
                claims.Command(key, describe(action, action->text()));
    }
}

// The underlined letters of the titles of `window`'s own menu bars.
void menuTitlesOf(QWidget* window, Claims& claims)
{
    for (QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        if (bar->window() != window)
            continue;
        for (QAction* title : bar->actions())
            if (title->isVisible() && !title->isSeparator())
                claims.Command(QKeySequence::mnemonic(title->text()), describe(bar, title->text()));
    }
}

} // namespace

QStringList shortcutClashes(QWidget* window)
{
    Claims claims;
    commandsOf(window, false, claims);
    // The titles of the window's menu bars open their menus with Alt and the
    // underlined letter wherever the focus is, as a shortcut does; a table
    // key with the same Alt key comes first, and the menu can no longer be
    // opened from the keyboard.
    menuTitlesOf(window, claims);
    // Underlined letters of the window's own controls.
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window || !w->isVisible())
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            claims.Mnemonic(b->text(), describe(b, b->text()));
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            claims.Mnemonic(l->text(), describe(l, l->text()));
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            claims.Mnemonic(g->title(), describe(g, g->title()));
    }
    // A tool window gets its owner window's keys as well.
    if (window->windowType() == Qt::Tool && window->parentWidget()) {
        QWidget* owner = window->parentWidget()->window();
        Claims passed;
        commandsOf(owner, true, passed);
        menuTitlesOf(owner, passed);
        for (auto it = passed.commands.cbegin(); it != passed.commands.cend(); ++it)
            for (const QString& who : it.value())
                if (!claims.commands[it.key()].contains(who))
                    claims.commands[it.key()] << who;
    }
    QStringList clashes;
    QStringList keys = claims.commands.keys();
    for (const QString& k : claims.mnemonics.keys())
        if (!keys.contains(k))
            keys << k;
    for (const QString& key : keys) {
        const QStringList commands = claims.commands.value(key);
        const QStringList mnemonics = claims.mnemonics.value(key);
        if (commands.size() >= 2 || (!commands.isEmpty() && !mnemonics.isEmpty()))
            clashes << QStringLiteral("%1: %2").arg(key, (commands + mnemonics).join(QStringLiteral(", ")));
    }
    return clashes;
}

} // namespace testsupport
