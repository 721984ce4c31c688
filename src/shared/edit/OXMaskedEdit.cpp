#include "shared/edit/OXMaskedEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace {
// The field that is taking the focus back after a rejected validation: the
// field it briefly passed the focus to must not validate in turn, or two
// rejecting fields would pass the focus back and forth for ever.
QPointer<COXMaskedEdit>& reclaimingField()
{
    static QPointer<COXMaskedEdit> field;
    return field;
}
} // namespace

COXMaskedEdit::COXMaskedEdit(const QString& mask, QWidget* parent) : QLineEdit(parent)
{
    m_model.UseLocaleSeparators();
    SetMask(mask);
}

COXMaskedEdit::~COXMaskedEdit() = default;

void COXMaskedEdit::SetMask(const QString& mask)
{
    m_model.SetMask(mask);
    // Dropped text would bypass the mask.
    setAcceptDrops(!m_model.HasMask());
    if (m_model.HasMask())
        UpdateWindowText(0);
}

QString COXMaskedEdit::GetMask() const { return m_model.GetMask(); }

bool COXMaskedEdit::SetPromptChar(QChar prompt)
{
    const int caret = cursorPosition();
    const bool ok = m_model.SetPromptChar(prompt);
    if (m_model.HasMask()) {
        UpdateWindowText(-1);
        setCursorPosition(caret);
    }
    return ok;
}

QChar COXMaskedEdit::GetPromptChar() const { return m_model.GetPromptChar(); }

QString COXMaskedEdit::GetInputText() const
{
    return m_model.HasMask() ? m_model.GetInputText() : text();
}

bool COXMaskedEdit::SetInputText(const QString& text, int start, bool raw)
{
    const bool ok = m_model.SetInputText(text, start, raw);
    UpdateWindowText(0);
    return ok;
}

QString COXMaskedEdit::GetFormattedText() const { return m_model.GetFormattedText(); }

void COXMaskedEdit::ClearInput(bool keepMask)
{
    if (keepMask && m_model.HasMask()) {
        m_model.ClearInput();
        UpdateWindowText(0);
        return;
    }
    m_model.RemoveMask();
    setAcceptDrops(true);
    ++m_nUpdateDepth;
    QLineEdit::setText(QString());
    --m_nUpdateDepth;
    emit editUpdate();
    if (m_bNotifyChange)
        emit editChange();
}

bool COXMaskedEdit::IsInputEmpty() const
{
    return m_model.HasMask() ? m_model.IsInputEmpty() : text().isEmpty();
}

int COXMaskedEdit::InputIndexFromPosition(int position) const { return m_model.InputIndexFromPosition(position); }
int COXMaskedEdit::PositionFromInputIndex(int index) const { return m_model.PositionFromInputIndex(index); }

void COXMaskedEdit::SetSeparators(QChar decimal, QChar thousands, QChar time, QChar date)
{
    m_model.SetSeparators(decimal, thousands, time, date);
    if (m_model.HasMask())
        UpdateWindowText(-1);
}

void COXMaskedEdit::SetWindowText(const QString& given)
{
    if (!m_model.HasMask()) {
        ++m_nUpdateDepth;
        QLineEdit::setText(given);
        --m_nUpdateDepth;
        emit editUpdate();
        emit editChange();
        return;
    }
    // A text from the program: the owner hears EN_UPDATE but no EN_CHANGE.
    m_bNotifyChange = false;
    m_model.SetInputText(m_model.StripLiterals(given), 0, true);
    UpdateWindowText(0);
    m_bNotifyChange = true;
}

bool COXMaskedEdit::Validate() { return true; }

void COXMaskedEdit::OnInputRejected() { QApplication::beep(); }

void COXMaskedEdit::UpdateWindowText(int caret)
{
    ++m_nUpdateDepth;
    const int oldCaret = cursorPosition();
    QLineEdit::setText(m_model.GetFormattedText());
    setCursorPosition(qMin(oldCaret, text().size()));
    --m_nUpdateDepth;
    emit editUpdate();
    if (m_bNotifyChange)
        emit editChange();
    if (caret >= 0)
        PlaceCaret(caret);
}

void COXMaskedEdit::PlaceCaret(int position)
{
    const int next = m_model.NextInputPosition(position);
    // Auto-advance only takes the focus on from a field that has it.
    if (m_bAutoAdvance && next == m_model.Count() && hasFocus()) {
        focusNextChild();
        if (!hasFocus())
            return;
    }
    setCursorPosition(next);
}

int COXMaskedEdit::SelectionStart() const
{
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int COXMaskedEdit::SelectionEnd() const
{
    return hasSelectedText() ? selectionEnd() : cursorPosition();
}

void COXMaskedEdit::ApplyEdit(const MaskModel::Edit& edit)
{
    if (edit.rejected)
        OnInputRejected();
    UpdateWindowText(edit.caret);
}

void COXMaskedEdit::OnChar(QChar c)
{
    if (!m_model.HasMask() || isReadOnly())
        return;
    if (c.unicode() == 8) {
        const int from = SelectionStart();
        const int to = SelectionEnd();
        if (from == to && from == 0)
            return;
        const MaskModel::Edit e = m_model.Backspace(from, to);
        UpdateWindowText(e.caret >= 0 ? e.caret : from);
        return;
    }
    if (c.unicode() < 32)
        return;
    ApplyEdit(m_model.TypeChar(c, SelectionStart(), SelectionEnd(), m_bInsertMode));
}

void COXMaskedEdit::OnKeyDown(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Delete: {
        if (isReadOnly())
            return;
        const MaskModel::Edit e = m_model.Delete(SelectionStart(), SelectionEnd());
        if (e.caret >= 0)
            UpdateWindowText(e.caret);
        return;
    }
    case Qt::Key_Insert:
        m_bInsertMode = !m_bInsertMode;
        return;
    case Qt::Key_Home:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (event->key() == Qt::Key_Down)
            cursorForward(shift); // a one-line field treats Down as Right
        else
            DefaultKeyProcessing(event);
        if (!shift)
            PlaceCaret(SelectionStart());
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        if (event->key() == Qt::Key_Up)
            cursorBackward(shift);
        else
            DefaultKeyProcessing(event);
        if (!shift)
            setCursorPosition(m_model.PreviousInputPosition(SelectionStart()));
        return;
    default:
        DefaultKeyProcessing(event);
        return;
    }
}

void COXMaskedEdit::DefaultKeyProcessing(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    // Whatever the line edit's own bindings did to the text is undone: the
    // mask's content is the only truth.
    if (m_model.HasMask() && text() != m_model.GetFormattedText()) {
        const int caret = cursorPosition();
        ++m_nUpdateDepth;
        QLineEdit::setText(m_model.GetFormattedText());
        --m_nUpdateDepth;
        setCursorPosition(qMin(caret, text().size()));
    }
}

void COXMaskedEdit::keyPressEvent(QKeyEvent* event)
{
    if (!m_model.HasMask()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        Cut();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        Paste();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return;
    switch (event->key()) {
    case Qt::Key_Backspace:
        OnChar(QChar(8));
        return;
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        OnKeyDown(event);
        return;
    default:
        break;
    }
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!typed.isEmpty() && !command && typed.at(0).unicode() >= 32) {
        for (QChar c : typed)
            OnChar(c);
        return;
    }
    DefaultKeyProcessing(event);
}

void COXMaskedEdit::focusInEvent(QFocusEvent* event)
{
    m_bFocusFromClick = event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
    if (m_model.HasMask() && hasSelectedText() && selectionStart() == 0 && selectedText().size() == text().size())
        PlaceCaret(0);
}

void COXMaskedEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!m_model.HasMask())
        return;
    // Switching windows or opening a menu keeps the focus within the window.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (reclaimingField() && reclaimingField() != this)
        return;

    MEN_VALIDATE_INFO info;
    info.hwndFrom = this;
    info.idFrom = property("controlId").toInt();
    emit validateNotify(info);
    if (info.bValid && (!info.bDefaultValidation || Validate()))
        return;

    OnInputRejected();
    reclaimingField() = this;
    const int caret = info.nCaretPos;
    // Taking the focus back inside the focus change itself would confuse the
    // widget that is receiving it; do it right after.
    QTimer::singleShot(0, this, [this, caret] {
        setFocus(Qt::OtherFocusReason);
        setCursorPosition(qBound(0, caret, text().size()));
        reclaimingField() = nullptr;
    });
}

void COXMaskedEdit::mousePressEvent(QMouseEvent* event)
{
    const bool hadFocus = hasFocus() && !m_bFocusFromClick;
    m_bFocusFromClick = false;
    if (m_model.HasMask() && !hadFocus && m_model.IsInputEmpty()) {
        setFocus(Qt::MouseFocusReason);
        m_bFocusFromClick = false;
        PlaceCaret(0);
        m_bClickTookFocus = true;
        return;
    }
    m_bClickTookFocus = false;
    QLineEdit::mousePressEvent(event);
}

void COXMaskedEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bClickTookFocus) {
        m_bClickTookFocus = false;
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void COXMaskedEdit::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_model.HasMask()) {
        QLineEdit::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    const bool selection = hasSelectedText();
    const bool editable = !isReadOnly();
    menu.addAction(tr("Cu&t"), this, &COXMaskedEdit::Cut)->setEnabled(selection && editable);
    menu.addAction(tr("&Copy"), this, &COXMaskedEdit::Copy)->setEnabled(selection);
    menu.addAction(tr("&Paste"), this, &COXMaskedEdit::Paste)->setEnabled(editable);
    menu.addAction(tr("&Delete"), this, &COXMaskedEdit::Clear)->setEnabled(selection && editable);
    menu.addSeparator();
    menu.addAction(tr("Select &All"), this, &QLineEdit::selectAll);
    menu.exec(event->globalPos());
}

void COXMaskedEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!m_model.HasMask()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    for (QChar c : event->commitString())
        OnChar(c);
    event->accept();
}

void COXMaskedEdit::Copy()
{
    if (!m_model.HasMask()) {
        copy();
        return;
    }
    if (hasSelectedText() && echoMode() == QLineEdit::Normal)
        QApplication::clipboard()->setText(selectedText());
}

void COXMaskedEdit::Cut()
{
    if (!m_model.HasMask()) {
        cut();
        return;
    }
    if (!hasSelectedText() || isReadOnly())
        return;
    Copy();
    Clear();
}

void COXMaskedEdit::Clear()
{
    if (!m_model.HasMask()) {
        del();
        return;
    }
    if (isReadOnly())
        return;
    const int from = SelectionStart();
    m_model.DeleteRange(from, SelectionEnd());
    UpdateWindowText(from);
}

void COXMaskedEdit::Paste()
{
    if (!m_model.HasMask()) {
        paste();
        return;
    }
    if (isReadOnly())
        return;
    const MaskModel::Edit e = m_model.Paste(QApplication::clipboard()->text(), SelectionStart(), SelectionEnd());
    UpdateWindowText(-1);
    setCursorPosition(e.caret);
}
