#include "ProbeCommands.h"

#include "shared/MainWindow.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QModelIndex>
#include <QPlainTextEdit>
#include <QRect>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStringList>
#include <QTextEdit>
#include <QToolBar>
#include <QWidget>

namespace probe {

namespace {

QString ClassOf(const QObject* o)
{
    return o ? QString::fromLatin1(o->metaObject()->className()) : QStringLiteral("none");
}

// A title inside a "|" and ";" separated answer.
QString Field(QString text)
{
    text.replace(QLatin1Char('|'), QLatin1Char('/'));
    text.replace(QLatin1Char(';'), QLatin1Char(','));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString Escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

QRect ScreenRect(const QWidget* w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

QString RectText(const QRect& r, QChar separator)
{
    return QString::number(r.x()) + separator + QString::number(r.y()) + separator + QString::number(r.width()) +
           separator + QString::number(r.height());
}

QString StateOf(const QWidget* w)
{
    if (!w->isVisible())
        return QStringLiteral("hidden");
    const Qt::WindowStates s = w->windowState();
    if (s & Qt::WindowMinimized)
        return QStringLiteral("min");
    if (s & Qt::WindowFullScreen)
        return QStringLiteral("full");
    if (s & Qt::WindowMaximized)
        return QStringLiteral("max");
    return QStringLiteral("normal");
}

QString Entry(const QWidget* w)
{
    return ClassOf(w) + QLatin1Char('|') + Field(w->windowTitle()) + QLatin1Char('|') +
           RectText(ScreenRect(w), QLatin1Char(',')) + QLatin1Char('|') + StateOf(w);
}

// The top-level windows in the order a search looks at them: an open popup,
// the active modal window, the active window, the main window, the others.
QList<QWidget*> SearchOrder()
{
    QList<QWidget*> order;
    const auto add = [&order](QWidget* w) {
        if (w && !order.contains(w))
            order << w;
    };
    add(QApplication::activePopupWidget());
    add(QApplication::activeModalWidget());
    add(QApplication::activeWindow());
    add(GetMainWindow());
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            add(w);
    return order;
}

bool Matches(const QWidget* w, const QString& spec)
{
    const qsizetype mark = spec.indexOf(QRegularExpression(QStringLiteral("[=~]")));
    const QString name = mark < 0 ? spec : spec.left(mark);
    if (mark >= 0) {
        const QString title = spec.mid(mark + 1);
        const bool matches = spec[mark] == QLatin1Char('=')
                                 ? w->windowTitle().startsWith(title)
                                 : QRegularExpression(title).match(w->windowTitle()).hasMatch();
        if (!matches)
            return false;
    }
    if (name.startsWith(QLatin1Char('#')))
        return w->property("controlId").toUInt() == name.mid(1).toUInt();
    return w->objectName() == name || w->inherits(name.toLatin1().constData());
}

bool Shown(const QWidget* w)
{
    return w->isVisible() && w->width() > 0 && w->height() > 0;
}

// "Name" or "Name:N" into the name and the 1-based index.
std::pair<QString, int> NameAndIndex(const QString& spec)
{
    const qsizetype colon = spec.lastIndexOf(QLatin1Char(':'));
    if (colon > 0) {
        bool number = false;
        const int n = spec.mid(colon + 1).toInt(&number);
        if (number && n >= 1)
            return {spec.left(colon), n};
    }
    return {spec, 1};
}

// The N-th shown widget matching one part of a SPEC, below the given roots.
QWidget* FindIn(const QList<QWidget*>& roots, const QString& part)
{
    const auto [name, index] = NameAndIndex(part);
    int seen = 0;
    for (QWidget* root : roots) {
        QList<QWidget*> candidates{root};
        candidates += root->findChildren<QWidget*>();
        for (QWidget* w : std::as_const(candidates)) {
            if (!Shown(w) || !Matches(w, name))
                continue;
            if (++seen == index)
                return w;
        }
    }
    return nullptr;
}

QWidget* FindWidget(const QString& spec)
{
    QList<QWidget*> roots = SearchOrder();
    QWidget* found = nullptr;
    for (const QString& part : spec.split(QLatin1Char('>'))) {
        found = FindIn(roots, part.trimmed());
        if (!found)
            return nullptr;
        // The next part looks only inside this one.
        roots = found->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }
    return found;
}

// A menu text without its mnemonic marks ("&&" is a plain "&") and the key
// after a tab.
QString PlainActionText(const QAction* a)
{
    const QString text = a->text().section(QLatin1Char('\t'), 0, 0);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        else if (text[i] == QLatin1Char('&'))
            continue;
        plain += text[i];
    }
    return plain;
}

// An item of an open menu, of a menu bar or of a toolbar, in screen coordinates.
QRect FindAction(const QString& text)
{
    for (QWidget* top : SearchOrder()) {
        QList<QWidget*> holders{top};
        holders += top->findChildren<QWidget*>();
        for (QWidget* holder : std::as_const(holders)) {
            if (!Shown(holder))
                continue;
            for (QAction* a : holder->actions()) {
                if (!a->isVisible() || a->isSeparator() || PlainActionText(a) != text)
                    continue;
                QRect r;
                if (auto* menu = qobject_cast<QMenu*>(holder))
                    r = menu->actionGeometry(a);
                else if (auto* bar = qobject_cast<QMenuBar*>(holder))
                    r = bar->actionGeometry(a);
                else if (auto* tools = qobject_cast<QToolBar*>(holder)) {
                    QWidget* button = tools->widgetForAction(a);
                    if (button && Shown(button))
                        return ScreenRect(button);
                    continue;
                } else
                    continue;
                if (r.isValid())
                    return QRect(holder->mapToGlobal(r.topLeft()), r.size());
            }
        }
    }
    return {};
}

QModelIndex FindItem(const QAbstractItemModel* model, const QModelIndex& parent, const QString& text)
{
    for (int r = 0; r < model->rowCount(parent); ++r) {
        for (int c = 0; c < model->columnCount(parent); ++c) {
            const QModelIndex index = model->index(r, c, parent);
            if (index.data().toString() == text)
                return index;
        }
        const QModelIndex first = model->index(r, 0, parent);
        if (model->hasChildren(first))
            if (const QModelIndex found = FindItem(model, first, text); found.isValid())
                return found;
    }
    return {};
}

// A cell of a shown item view, "TEXT" or "TEXT/N" (N columns to the right).
QRect FindItemRect(const QString& spec)
{
    QString text = spec;
    int shift = 0;
    const qsizetype slash = spec.lastIndexOf(QLatin1Char('/'));
    if (slash > 0) {
        bool number = false;
        const int n = spec.mid(slash + 1).toInt(&number);
        if (number) {
            text = spec.left(slash);
            shift = n;
        }
    }
    for (QWidget* top : SearchOrder()) {
        QList<QWidget*> candidates{top};
        candidates += top->findChildren<QWidget*>();
        for (QWidget* w : std::as_const(candidates)) {
            auto* view = qobject_cast<QAbstractItemView*>(w);
            if (!view || !Shown(view) || !view->model())
                continue;
            QModelIndex index = FindItem(view->model(), view->rootIndex(), text);
            if (!index.isValid())
                continue;
            if (shift)
                index = index.sibling(index.row(), index.column() + shift);
            if (!index.isValid())
                continue;
            view->scrollTo(index);
            const QRect r = view->visualRect(index);
            if (r.isValid() && view->viewport()->rect().intersects(r))
                return QRect(view->viewport()->mapToGlobal(r.topLeft()), r.size());
        }
    }
    return {};
}

QRect FindButtonRect(const QString& text)
{
    for (QWidget* top : SearchOrder())
        for (QAbstractButton* b : top->findChildren<QAbstractButton*>())
            if (Shown(b) && QString(b->text()).remove(QLatin1Char('&')) == text)
                return ScreenRect(b);
    return {};
}

QString StatusText(const QStatusBar* bar)
{
    QStringList parts{bar->currentMessage()};
    for (const QLabel* pane : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        parts << (pane->isVisible() && pane->isEnabled() ? pane->text() : QString());
    return parts.join(QLatin1Char('|'));
}

QString TextOf(const QWidget* w)
{
    if (auto* e = qobject_cast<const QTextEdit*>(w))
        return e->toPlainText();
    if (auto* e = qobject_cast<const QPlainTextEdit*>(w))
        return e->toPlainText();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* c = qobject_cast<const QComboBox*>(w))
        return c->currentText();
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w))
        return s->text();
    if (auto* s = qobject_cast<const QStatusBar*>(w))
        return StatusText(s);
    if (auto* v = qobject_cast<const QAbstractItemView*>(w)) {
        QStringList rows;
        if (const QAbstractItemModel* m = v->model()) {
            for (int r = 0; r < m->rowCount(v->rootIndex()); ++r) {
                QStringList columns;
                for (int c = 0; c < m->columnCount(v->rootIndex()); ++c)
                    columns << m->index(r, c, v->rootIndex()).data().toString();
                rows << columns.join(QLatin1Char('\t'));
            }
        }
        return rows.join(QLatin1Char('\n'));
    }
    return w->windowTitle();
}

QString Geometry()
{
    QStringList entries;
    QList<QWidget*> tops;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            tops << w;
    // The main window first, so an answer reads in a steady order.
    if (QWidget* main = GetMainWindow(); main && tops.removeOne(main))
        tops.prepend(main);
    for (QWidget* w : std::as_const(tops))
        entries << Entry(w);
    // Each window's own children only: a dialog is a child of the main
    // window too, but its bars are listed with the dialog.
    for (QWidget* top : std::as_const(tops)) {
        for (QMdiSubWindow* sub : top->findChildren<QMdiSubWindow*>())
            if (sub->parentWidget() && sub->parentWidget()->window() == top)
                entries << Entry(sub);
        for (QDockWidget* dock : top->findChildren<QDockWidget*>())
            if (dock->isVisible() && !dock->isWindow() && dock->window() == top)
                entries << Entry(dock);
        for (QToolBar* bar : top->findChildren<QToolBar*>())
            if (bar->isVisible() && !bar->isWindow() && bar->window() == top)
                entries << Entry(bar);
    }
    return entries.join(QLatin1Char(';'));
}

QString Main()
{
    QWidget* main = GetMainWindow();
    if (!main)
        return QStringLiteral("none");
    return Entry(main) + QStringLiteral("|active=%1").arg(int(QApplication::activeWindow() == main));
}

QString Locate(const QString& spec)
{
    QRect r;
    if (spec.startsWith(QLatin1String("action:"))) {
        r = FindAction(spec.mid(7));
    } else if (spec.startsWith(QLatin1String("item:"))) {
        r = FindItemRect(spec.mid(5));
    } else if (spec.startsWith(QLatin1String("button:"))) {
        r = FindButtonRect(spec.mid(7));
    } else if (QWidget* w = FindWidget(spec)) {
        r = ScreenRect(w);
    }
    return r.isValid() ? RectText(r, QLatin1Char(' ')) : QStringLiteral("none");
}

QString Focus()
{
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* active = QApplication::activeWindow();
    return (focus ? ClassOf(focus) + QLatin1Char('|') + focus->objectName() : QStringLiteral("none|")) +
           QLatin1Char('|') + (active ? Field(active->windowTitle()) : QString()) + QLatin1Char('|') +
           (focus ? RectText(ScreenRect(focus), QLatin1Char(',')) : QString());
}

QString Text(const QString& spec)
{
    const QWidget* w = FindWidget(spec);
    return w ? Escaped(TextOf(w)) : QStringLiteral("none");
}

QString Status()
{
    auto* main = qobject_cast<QMainWindow*>(GetMainWindow());
    if (!main)
        return QStringLiteral("none");
    const QStatusBar* bar = main->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    return bar ? Escaped(StatusText(bar)) : QStringLiteral("none");
}

QAction* FindMenuAction(const QList<QAction*>& actions, const QString& text)
{
    for (QAction* a : actions) {
        if (a->isSeparator())
            continue;
        if (a->menu()) {
            if (QAction* found = FindMenuAction(a->menu()->actions(), text))
                return found;
        } else if (PlainActionText(a) == text) {
            return a;
        }
    }
    return nullptr;
}

QString ActionState(const QString& text)
{
    auto* main = qobject_cast<QMainWindow*>(GetMainWindow());
    QMenuBar* bar = main ? main->findChild<QMenuBar*>() : nullptr;
    QAction* a = bar ? FindMenuAction(bar->actions(), text) : nullptr;
    if (!a)
        return QStringLiteral("none");
    // Menus bring their items up to date as they open; so does this.
    for (QAction* top : bar->actions())
        if (top->menu() && FindMenuAction(top->menu()->actions(), text))
            emit top->menu()->aboutToShow();
    return QStringLiteral("enabled=%1 checked=%2").arg(int(a->isEnabled())).arg(int(a->isChecked()));
}

} // namespace

QString AnswerCommon(const QString& command, const QString& argument)
{
    if (command == QLatin1String("geometry"))
        return Geometry();
    if (command == QLatin1String("main"))
        return Main();
    if (command == QLatin1String("locate"))
        return Locate(argument);
    if (command == QLatin1String("focus") && argument.isEmpty())
        return Focus();
    if (command == QLatin1String("text"))
        return Text(argument);
    if (command == QLatin1String("status"))
        return Status();
    if (command == QLatin1String("action"))
        return ActionState(argument);
    if (command == QLatin1String("modal")) {
        const QWidget* modal = QApplication::activeModalWidget();
        return modal ? ClassOf(modal) + QLatin1Char('|') + Field(modal->windowTitle()) : QStringLiteral("none");
    }
    return {};
}

} // namespace probe
