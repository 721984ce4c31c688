#include "support/LayoutCheck.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSizeGrip>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QTreeView>
#include <algorithm>

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

// A list with columns: every column but the last shows its shown rows
// whole (the last one runs on to the edge and may be cut there).
void checkColumns(QAbstractItemView* view, QStringList& problems)
{
    QHeaderView* header = nullptr;
    if (auto* tree = qobject_cast<QTreeView*>(view))
        header = tree->header();
    else if (auto* table = qobject_cast<QTableView*>(view))
        header = table->horizontalHeader();
    if (!header || header->isHidden() || !view->model() || view->model()->rowCount() == 0)
        return;
    int last = -1;
    for (int c = 0; c < header->count(); ++c)
        if (!header->isSectionHidden(c) && header->sectionSize(c) > 0 &&
            (last < 0 || header->visualIndex(c) > header->visualIndex(last)))
            last = c;
    for (int c = 0; c < header->count(); ++c) {
        if (c == last || header->isSectionHidden(c) || header->sectionSize(c) == 0)
            continue;
        const int need = view->sizeHintForColumn(c);
        if (need > header->sectionSize(c))
            problems << QStringLiteral("%1 cuts column \"%2\": its rows need %3 px, it has %4")
                            .arg(name(view), view->model()->headerData(c, Qt::Horizontal).toString())
                            .arg(need)
                            .arg(header->sectionSize(c));
    }
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
            // counts is whether its caption fits where the style draws it. A
            // bitmap button draws its picture beside the caption: its size hint
            // is what both need.
            QString caption = b->text();
            caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
            caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
            auto* push = qobject_cast<QPushButton*>(b);
            if (push && !push->inherits("COXBitmapButton")) {
                QStyleOptionButton option;
                option.initFrom(push);
                option.features = QStyleOptionButton::None;
                if (push->autoDefault() || push->isDefault())
                    option.features |= QStyleOptionButton::AutoDefaultButton;
                option.text = push->text();
                // Where the style draws the caption, and never less than 4 px
                // inside the button's edges.
                const int room = std::min(
                    push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width(),
                    push->width() - 4);
                const int need = push->fontMetrics().horizontalAdvance(caption);
                if (need > room)
                    problems << QStringLiteral("%1 needs %2 px for its caption, has %3").arg(name(b)).arg(need).arg(room);
            } else if (b->sizeHint().width() > b->width() + 2) {
                problems << QStringLiteral("%1 needs %2 px of width, has %3")
                                .arg(name(b))
                                .arg(b->sizeHint().width())
                                .arg(b->width());
            }
        }
        if (auto* combo = qobject_cast<QComboBox*>(c); combo && !combo->isEditable()) {
            // The chosen entry shows whole, or its tooltip does (the list
            // that drops down widens to its entries by itself).
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.currentText = combo->currentText();
            const int room =
                combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo).width();
            const QString current = combo->currentText();
            if (combo->fontMetrics().horizontalAdvance(current) > room && !combo->toolTip().contains(current))
                problems << QStringLiteral("%1 cuts its entry \"%2\" (%3 px) to %4 px and has no tip with it whole")
                                .arg(name(combo), current)
                                .arg(combo->fontMetrics().horizontalAdvance(current))
                                .arg(room);
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(c))
            checkColumns(view, problems);
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
