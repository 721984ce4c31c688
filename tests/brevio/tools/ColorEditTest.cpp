// The colour edit and the edit-line functions the macro dialogs use.
#include "brevio/tools/ColorEdit.h"

#include <QApplication>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

TEST(EditLines, LinesOfAnEditAndBack)
{
    struct Case {
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {QString(), {}},
        {QStringLiteral("a\nb"), {QStringLiteral("a"), QStringLiteral("b")}},
        {QStringLiteral("a\n"), {QStringLiteral("a"), QString()}},
        {QString(300, QLatin1Char('x')), {QString(300, QLatin1Char('x'))}},
    };
    QPlainTextEdit wrapped;
    wrapped.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    wrapped.resize(80, 200);
    for (const Case& c : cases) {
        wrapped.setPlainText(c.text);
        QStringList lines = {QStringLiteral("stale")};
        GetEditLines(&wrapped, lines);
        EXPECT_EQ(lines, c.lines) << c.text.toStdString();
        QPlainTextEdit other;
        SetEditLines(&other, lines);
        EXPECT_EQ(other.toPlainText(), c.text);
    }
    QString joined = QStringLiteral("stale");
    JoinLines({}, joined);
    EXPECT_TRUE(joined.isEmpty());
    JoinLines({QStringLiteral("one")}, joined);
    EXPECT_EQ(joined, QStringLiteral("one"));
    wrapped.setPlainText(QStringLiteral("a\nb"));
    GetEditText(&wrapped, joined);
    EXPECT_EQ(joined, QStringLiteral("a\r\nb"));
}

TEST(ColorEdit, KeepsItsTooltipColoursThroughAPaletteChange)
{
    CColorEdit edit;
    const QColor tipBase = QToolTip::palette().color(QPalette::ToolTipBase);
    EXPECT_FALSE(edit.UsesCustomColours());
    edit.UseCustomColours();
    EXPECT_EQ(edit.palette().color(QPalette::Base), tipBase);
    EXPECT_EQ(edit.palette().color(QPalette::Text), QToolTip::palette().color(QPalette::ToolTipText));
    // The system's colours change: the stored ones stay.
    QPalette other = edit.palette();
    other.setColor(QPalette::Base, Qt::darkGreen);
    edit.setPalette(other);
    EXPECT_EQ(edit.palette().color(QPalette::Base), tipBase);
    edit.SetBackgroundColour(RGB(1, 2, 3));
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(1, 2, 3));
    EXPECT_GT(edit.GetAverageCharWidth(), 0);
}

} // namespace
