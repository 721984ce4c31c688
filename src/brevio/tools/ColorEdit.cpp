#include "brevio/tools/ColorEdit.h"

#include <QEvent>
#include <QFontMetrics>
#include <QToolTip>

namespace {
COLORREF ToColorref(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}
QColor ToColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
} // namespace

CColorEdit::CColorEdit(QWidget* parent)
    : QPlainTextEdit(parent),
      m_colBackground(ToColorref(QToolTip::palette().color(QPalette::ToolTipBase))),
      m_colText(ToColorref(QToolTip::palette().color(QPalette::ToolTipText)))
{
}

void CColorEdit::SetColours(COLORREF colBackground, COLORREF colText)
{
    m_colBackground = colBackground;
    m_colText = colText;
    UseCustomColours();
}

void CColorEdit::SetBackgroundColour(COLORREF colour)
{
    SetColours(colour, m_colText);
}

void CColorEdit::SetTextColour(COLORREF colour)
{
    SetColours(m_colBackground, colour);
}

void CColorEdit::SetCaptionColours()
{
    const QPalette system;
    SetColours(ToColorref(system.color(QPalette::Inactive, QPalette::Highlight)),
               ToColorref(system.color(QPalette::Inactive, QPalette::HighlightedText)));
}

void CColorEdit::UseCustomColours()
{
    m_bCustom = true;
    ApplyColours();
}

int CColorEdit::GetAverageCharWidth() const
{
    return fontMetrics().averageCharWidth();
}

void CColorEdit::ApplyColours()
{
    QPalette p = palette();
    if (m_bCustom) {
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            p.setColor(group, QPalette::Base, ToColor(m_colBackground));
            p.setColor(group, QPalette::Text, ToColor(m_colText));
        }
    }
    setPalette(p);
}

void CColorEdit::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    // A change of the system's colours must not undo the stored ones.
    if (m_bCustom && event->type() == QEvent::PaletteChange &&
        palette().color(QPalette::Base) != ToColor(m_colBackground))
        ApplyColours();
}

void GetEditLines(const QPlainTextEdit* pEdit, QStringList& lines)
{
    lines.clear();
    const QString text = pEdit->toPlainText();
    if (text.isEmpty())
        return;
    lines = text.split(QLatin1Char('\n'));
}

void JoinLines(const QStringList& lines, QString& strText)
{
    strText = lines.join(QStringLiteral("\r\n"));
}

void GetEditText(const QPlainTextEdit* pEdit, QString& strText)
{
    QStringList lines;
    GetEditLines(pEdit, lines);
    JoinLines(lines, strText);
}

void SetEditLines(QPlainTextEdit* pEdit, const QStringList& lines)
{
    pEdit->setPlainText(lines.join(QLatin1Char('\n')));
}
