#include "support/MnemonicGuard.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace testsupport {

namespace {

bool showsLiteralAmpersand(const QLabel* label)
{
    if (label->buddy())
        return false;
    const QString text = label->text();
    if (label->textFormat() == Qt::RichText || label->textFormat() == Qt::MarkdownText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        return false;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        const QChar next = text[i + 1];
        // "Frequency & Mode" is meant as it stands; "&Find:" and "&&" are not.
        if (next.isLetterOrNumber() || next == QLatin1Char('&'))
            return true;
    }
    return false;
}

QString describe(const QWidget* window)
{
    const QString title = window->windowTitle();
    return QString::fromLatin1(window->metaObject()->className()) +
           (title.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(title));
}

class Guard : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !widget->isWindow())
            return false;
        for (const QString& text : literalMnemonics(widget))
            ADD_FAILURE() << "A label of " << describe(widget).toStdString() << " shows its '&': \""
                          << text.toStdString() << "\" (give it a buddy or drop the '&')";
        return false;
    }
};

} // namespace

QStringList literalMnemonics(const QWidget* root)
{
    QStringList texts;
    if (!root)
        return texts;
    QList<const QLabel*> labels;
    if (auto* self = qobject_cast<const QLabel*>(root))
        labels << self;
    for (const QLabel* label : root->findChildren<QLabel*>())
        labels << label;
    for (const QLabel* label : labels)
        if (showsLiteralAmpersand(label))
            texts << label->text();
    return texts;
}

void installMnemonicGuard()
{
    static Guard* guard = nullptr;
    if (!guard) {
        guard = new Guard;
        qApp->installEventFilter(guard);
    }
}

} // namespace testsupport
