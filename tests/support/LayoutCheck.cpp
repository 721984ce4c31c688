#include "support/LayoutCheck.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSizeGrip>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>

namespace testsupport {

namespace {

QString name(const QWidget* w)
{
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w))
        text = l->text();
    else if (auto* b = qobject_cast<const QAbstractButton*>(w))
        text = b->text();
    else if (auto* g = qobject_cast<const QGroupBox*>(w))
        text = g->title();
    const QString cls = QString::fromLatin1(w->metaObject()->className());
    const QString id = w->property("controlId").isValid() ? QStringLiteral(" #%1").arg(w->property("controlId").toUInt())
                                                          : QString();
    return text.isEmpty() ? cls + id : QStringLiteral("%1%2 \"%3\"").arg(cls, id, text.left(40));
}

// Controls whose insides are theirs to lay out: not looked into.
bool opaque(const QWidget* w)
{
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QToolBar*>(w) || qobject_cast<const QTabWidget*>(w) ||
           qobject_cast<const QStackedWidget*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || w->layout() != nullptr;
}

void check(QWidget* parent, QStringList& problems)
{
    QList<QWidget*> children;
    for (QWidget* c : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!c->isWindow() && !c->isHidden() && c->width() > 0 && c->height() > 0 && !qobject_cast<QSizeGrip*>(c))
            children << c;
    const QRect inside = parent->rect();
    for (QWidget* c : children) {
        if (!inside.contains(c->geometry()))
            problems << QStringLiteral("%1 sticks out of %2").arg(name(c), name(parent));
        if (auto* l = qobject_cast<QLabel*>(c); l && !l->text().isEmpty() && l->pixmap().isNull()) {
            const int need = l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height();
            if (need > l->height() + 1)
                problems << QStringLiteral("%1 needs %2 px of height, has %3").arg(name(l)).arg(need).arg(l->height());
            if (!l->wordWrap() && l->minimumSizeHint().width() > l->width() + 1)
                problems << QStringLiteral("%1 needs %2 px of width, has %3")
                                .arg(name(l))
                                .arg(l->minimumSizeHint().width())
                                .arg(l->width());
        }
        if (auto* b = qobject_cast<QAbstractButton*>(c); b && !b->text().isEmpty() && !parent->layout()) {
            // A push button's size hint has a style minimum of its own; what
            // counts is whether its caption fits.
            QString caption = b->text();
            caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
            caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
            const int need = qobject_cast<QPushButton*>(b) ? b->fontMetrics().horizontalAdvance(caption) + 6
                                                            : b->sizeHint().width();
            if (need > b->width() + 2)
                problems << QStringLiteral("%1 needs %2 px of width, has %3").arg(name(b)).arg(need).arg(b->width());
        }
    }
    // Controls on top of each other (a group box holds its controls, so only siblings count).
    if (!parent->layout()) {
        for (int i = 0; i < children.size(); ++i)
            for (int j = i + 1; j < children.size(); ++j) {
                const QRect overlap = children[i]->geometry().intersected(children[j]->geometry());
                if (overlap.width() > 2 && overlap.height() > 2 && !qobject_cast<QGroupBox*>(children[i]) &&
                    !qobject_cast<QGroupBox*>(children[j]))
                    problems << QStringLiteral("%1 lies over %2").arg(name(children[i]), name(children[j]));
            }
    }
    for (QWidget* c : children)
        if (!opaque(c))
            check(c, problems);
}

} // namespace

QStringList layoutProblems(QWidget* window)
{
    QStringList problems;
    if (window)
        check(window, problems);
    return problems;
}

void withLargerFont(const std::function<void()>& f)
{
    const QFont saved = QApplication::font();
    QFont larger = saved;
    if (larger.pointSizeF() > 0)
        larger.setPointSizeF(larger.pointSizeF() + 1);
    else
        larger.setPixelSize(larger.pixelSize() + 1);
    QApplication::setFont(larger);
    f();
    QApplication::setFont(saved);
}

} // namespace testsupport
