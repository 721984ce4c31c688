#include "shared/edit/FrequencyEdit.h"

#include "shared/RegisteredEvent.h"

#include <QKeyEvent>

namespace {
// The same number as the program's RegisteredMessage::nMsgUpdate: a
// registered message is numbered by its name.
uint32_t updateMessage()
{
    static const uint32_t message = RegisterWindowMessage("RegisteredMessage::nMsgUpdate");
    return message;
}

// atol: leading blanks, an optional sign, then digits up to the first other
// character.
int64_t leadingNumber(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if (u < '0' || u > '9')
            break;
        value = value * 10 + (u - '0');
        if (value > INT64_C(0xFFFFFFFFFF))
            break;
    }
    return negative ? -value : value;
}
} // namespace

CFrequencyEdit::CFrequencyEdit(QWidget* parent) : COXMaskedEdit(QString(), parent)
{
    SetInsertMode(false);
}

CFrequencyEdit::~CFrequencyEdit() = default;

void CFrequencyEdit::SetFrequency(uint32_t hz)
{
    SetInputText(QString::asprintf("%8.8u", unsigned(hz / 10)), 0, true);
}

uint32_t CFrequencyEdit::GetFrequency() const
{
    QString digits = GetInputText();
    digits.remove(GetPromptChar());
    const int64_t value = leadingNumber(digits) * m_nMultiplier;
    return value < 0 ? 0u : uint32_t(value);
}

void CFrequencyEdit::UseDisplayFont()
{
    auto font = std::make_unique<QFont>(QStringLiteral("Courier"), 10);
    font->setStyleHint(QFont::TypeWriter);
    font->setFixedPitch(true);
    setFont(*font);
    m_pFont = std::move(font);
}

bool CFrequencyEdit::Validate()
{
    if (!m_nReformat || !HasMask())
        return true;
    const int caret = SelectionStart();
    const QChar prompt = GetPromptChar();
    const QString original = GetInputText();
    QString input = original;

    bool onlyPrompts = true;
    for (QChar c : input)
        onlyPrompts = onlyPrompts && c == prompt;
    if (onlyPrompts)
        return true;

    // A number typed into the leading group is right-aligned: 7 in the first
    // of three places becomes 007.
    const int n = GetFormattedText().indexOf(QLatin1Char('.'));
    if (n > 0 && n <= input.size()) {
        QString lead = input.left(n);
        bool any = false;
        for (QChar c : lead)
            any = any || c != prompt;
        if (any) {
            lead.replace(prompt, QLatin1Char(' '));
            lead.remove(QLatin1Char(' '));
            const int64_t value = leadingNumber(lead);
            QString padded = QString::number(qMax<int64_t>(0, value)).rightJustified(n, QLatin1Char('0'));
            input.replace(0, n, padded.right(n));
        }
    }

    input.replace(prompt, QLatin1Char('0'));
    for (int i = 0; i < input.size() && input.at(i) == QLatin1Char('0'); ++i)
        input[i] = prompt;

    if (input != original) {
        SetInputText(input, 0, true);
        setCursorPosition(qBound(0, caret, text().size()));
    }
    return true;
}

void CFrequencyEdit::PostUpdate() { PostRegisteredMessage(this, updateMessage(), 0, 0); }

bool CFrequencyEdit::event(QEvent* event)
{
    if (CRegisteredEvent* message = CRegisteredEvent::As(event, updateMessage())) {
        Validate();
        message->SetResult(0);
        return true;
    }
    return COXMaskedEdit::event(event);
}

void CFrequencyEdit::OnChar(QChar c)
{
    if (!HasMask()) {
        COXMaskedEdit::OnChar(c);
        return;
    }
    if (c == QLatin1Char(' '))
        c = GetPromptChar();
    // Where the keyboard's decimal sign is a comma, the operator types one
    // for the point between the groups; the mask takes no comma, and
    // dropping it would run the groups together (7,1 read as 71).
    if (m_nReformat && c == QLatin1Char(','))
        c = QLatin1Char('.');
    const bool selection = hasSelectedText();
    const int caret = cursorPosition();
    const QString shown = text();

    if (m_nReformat && c.unicode() == 8 && !selection && caret > 0) {
        // Backspace blanks the digit before the caret and steps over a dot.
        const int before = caret - 1;
        if (shown.at(before) != QLatin1Char('.') && EditableModel().IsInputPosition(before)
            && shown.at(before) != GetPromptChar()) {
            EditableModel().ReplaceChar(GetPromptChar(), before);
            UpdateWindowText(-1);
        }
        setCursorPosition(before);
        return;
    }

    if (m_nReformat && c == QLatin1Char('.') && !selection) {
        if (caret > 0 && shown.at(caret - 1) == QLatin1Char('.'))
            return;
        const int dot = shown.indexOf(QLatin1Char('.'), caret);
        if (dot >= 0) {
            // The dot has done its work by moving the caret into the next
            // group: passing it on would only be refused with a beep.
            setCursorPosition(dot + 1);
            PostUpdate();
            return;
        }
    }
    COXMaskedEdit::OnChar(c);
}

void CFrequencyEdit::OnKeyDown(QKeyEvent* event)
{
    COXMaskedEdit::OnKeyDown(event);
    if (!m_nReformat || !HasMask())
        return;
    const int caret = cursorPosition();
    const QString shown = text();
    if ((event->key() == Qt::Key_Right && caret > 0 && shown.at(caret - 1) == QLatin1Char('.'))
        || (event->key() == Qt::Key_Left && caret < shown.size() && shown.at(caret) == QLatin1Char('.')))
        PostUpdate();
}
