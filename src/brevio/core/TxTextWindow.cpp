#include "brevio/core/TxTextWindow.h"

#include "brevio/core/ChannelMenus.h"
#include "brevio/core/Components.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

namespace {
CTxTextWindow::MenuRunner& Runner()
{
    static CTxTextWindow::MenuRunner runner;
    return runner;
}
} // namespace

void CTxTextWindow::SetMenuRunner(MenuRunner runner)
{
    Runner() = std::move(runner);
}

QAction* CTxTextWindow::RunMenu(QMenu* pMenu, const QPoint& globalPos)
{
    if (Runner())
        return Runner()(pMenu, globalPos);
    return pMenu->exec(globalPos);
}

CTxTextWindow::CTxTextWindow(QWidget* parent) : QTextEdit(parent), m_sender(document(), this)
{
    setAcceptRichText(false);
    setUndoRedoEnabled(false);  // an undo could bring back or take away sent text
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

CTxTextWindow::~CTxTextWindow() = default;

void CTxTextWindow::SetStatusText(const QString& strText)
{
    m_strLastStatus = strText;
    if (m_bSuperBrowser) {
        if (ISuperView* super = TheApp().GetSuperView())
            super->SetStatusText(strText);
    } else if (m_statusSink) {
        m_statusSink(strText);
    }
}

void CTxTextWindow::SetCWIdPending(bool bPending)
{
    if (CMainFrame* frame = GetMainFrame())
        frame->SetCWIdPending(bPending);
}

bool CTxTextWindow::IsMainTransmitting() const
{
    CMainFrame* frame = GetMainFrame();
    return frame && frame->IsTransmitting();
}

void CTxTextWindow::StartStop(int nState)
{
    const bool clear = !nState && CurrentSettings().m_bClearTxText && m_sender.GetSentCount() > 0;
    m_sender.StartStop(nState);
    if (clear) {
        QTextCursor c = textCursor();
        c.setPosition(0);
        setTextCursor(c);
    }
}

int CTxTextWindow::SendNext()
{
    return m_sender.SendNext();
}

void CTxTextWindow::AddText(const QString& strText, bool bLineEndAfter, bool bOnNewLine)
{
    m_sender.AddText(strText, bLineEndAfter, bOnNewLine);
    QTextCursor c = textCursor();
    c.movePosition(QTextCursor::End);
    setTextCursor(c);
    ensureCursorVisible();
}

void CTxTextWindow::Clear()
{
    m_sender.Clear();
    setCurrentCharFormat(m_sender.GetUnsentFormat());
}

void CTxTextWindow::MarkAllUnsent()
{
    m_sender.MarkAllUnsent();
}

void CTxTextWindow::SetFormats(const QTextCharFormat& sent, const QTextCharFormat& unsent)
{
    m_sender.SetFormats(sent, unsent);
}

void CTxTextWindow::ApplyColours()
{
    const COLORREF bg = COLORREF(CurrentSettings().m_colRxBg);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(bg));
    setPalette(pal);
    m_sender.ApplyFormats();
    setCurrentCharFormat(m_sender.GetUnsentFormat());
    viewport()->update();
}

bool CTxTextWindow::ReplaceTagInUnsent(const QString& strTitle, const QString& strValue)
{
    setUpdatesEnabled(false);
    const bool replaced = m_sender.ReplaceTagInUnsent(strTitle, strValue);
    setUpdatesEnabled(true);
    return replaced;
}

void CTxTextWindow::Refuse()
{
    QApplication::beep();
}

void CTxTextWindow::AfterEdit()
{
    m_sender.FormatUnsentPart();
    setCurrentCharFormat(m_sender.GetUnsentFormat());
    m_sender.Pump();
}

bool CTxTextWindow::CanCut() const
{
    const QTextCursor c = textCursor();
    return hasFocus() && c.hasSelection() && m_sender.CanReplace(c.selectionStart(), c.selectionEnd());
}

bool CTxTextWindow::CanPaste() const
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText() && m_sender.CanReplace(textCursor().selectionStart(), textCursor().selectionEnd());
}

void CTxTextWindow::CutSelection()
{
    QTextCursor c = textCursor();
    if (!c.hasSelection())
        return;
    if (!m_sender.CanReplace(c.selectionStart(), c.selectionEnd())) {
        Refuse();
        return;
    }
    // Copied first: a cut that only deletes would lose the text.
    copy();
    c.removeSelectedText();
    setTextCursor(c);
    AfterEdit();
}

void CTxTextWindow::PasteText()
{
    if (!CanPaste()) {
        Refuse();
        return;
    }
    QTextCursor c = textCursor();
    QString text = QApplication::clipboard()->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    c.insertText(text, m_sender.GetUnsentFormat());
    setTextCursor(c);
    AfterEdit();
}

void CTxTextWindow::keyPressEvent(QKeyEvent* event)
{
    if (IsMainTransmitting() && CurrentSettings().m_bTxBasic && !event->text().isEmpty()) {
        QTextCursor c = textCursor();
        c.movePosition(QTextCursor::End);
        setTextCursor(c);
    }
    const QTextCursor cursor = textCursor();
    const int s = cursor.selectionStart();
    const int e = cursor.selectionEnd();
    const int sent = m_sender.GetSentCount();

    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        CutSelection();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        PasteText();
        return;
    }
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return;
    if (event->key() == Qt::Key_Backspace && !(event->modifiers() & Qt::ControlModifier)) {
        switch (m_sender.CheckBackspace(s, e)) {
        case CTxTextSender::Allowed:
            QTextEdit::keyPressEvent(event);
            AfterEdit();
            break;
        case CTxTextSender::TakenBack:
            break;
        case CTxTextSender::Refused:
            Refuse();
            break;
        }
        return;
    }
    // Deletions that reach backwards or take the whole line.
    if (event->matches(QKeySequence::DeleteStartOfWord) || event->matches(QKeySequence::DeleteCompleteLine)) {
        QTextCursor probe = cursor;
        if (!probe.hasSelection()) {
            if (event->matches(QKeySequence::DeleteCompleteLine))
                probe.movePosition(QTextCursor::StartOfBlock);
            else
                probe.movePosition(QTextCursor::PreviousWord, QTextCursor::KeepAnchor);
        }
        if (probe.selectionStart() < sent || (probe.selectionStart() == sent && !cursor.hasSelection() && s == sent)) {
            Refuse();
            return;
        }
        QTextEdit::keyPressEvent(event);
        AfterEdit();
        return;
    }
    if (event->matches(QKeySequence::Delete) || event->matches(QKeySequence::DeleteEndOfWord) ||
        event->matches(QKeySequence::DeleteEndOfLine) || event->key() == Qt::Key_Delete) {
        if (!m_sender.CanDelete(s, e)) {
            Refuse();
            return;
        }
        QTextEdit::keyPressEvent(event);
        AfterEdit();
        return;
    }
    const QString text = event->text();
    const bool typing = !text.isEmpty() && (text[0].isPrint() || text[0] == QLatin1Char('\r') ||
                                            text[0] == QLatin1Char('\n') || text[0] == QLatin1Char('\t'));
    if (typing) {
        if (s < sent) {
            Refuse();
            return;
        }
        QTextEdit::keyPressEvent(event);
        AfterEdit();
        return;
    }
    // Caret moves, selection and the rest change no text.
    QTextEdit::keyPressEvent(event);
}

void CTxTextWindow::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty() && textCursor().selectionStart() < m_sender.GetSentCount()) {
        Refuse();
        return;
    }
    QTextEdit::inputMethodEvent(event);
    if (!event->commitString().isEmpty())
        AfterEdit();
}

bool CTxTextWindow::canInsertFromMimeData(const QMimeData* source) const
{
    return source && source->hasText();
}

void CTxTextWindow::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText())
        return;
    if (!m_sender.CanReplace(textCursor().selectionStart(), textCursor().selectionEnd())) {
        Refuse();
        return;
    }
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    textCursor().insertText(text, m_sender.GetUnsentFormat());
    AfterEdit();
}

void CTxTextWindow::dragMoveEvent(QDragMoveEvent* event)
{
    const int at = cursorForPosition(event->position().toPoint()).position();
    if (at < m_sender.GetSentCount()) {
        event->ignore();
        return;
    }
    QTextEdit::dragMoveEvent(event);
}

void CTxTextWindow::dropEvent(QDropEvent* event)
{
    const int at = cursorForPosition(event->position().toPoint()).position();
    if (at < m_sender.GetSentCount()) {
        event->ignore();
        return;
    }
    // Text dragged out of the sent part is copied, never moved away.
    if (event->source() == this && textCursor().selectionStart() < m_sender.GetSentCount())
        event->setDropAction(Qt::CopyAction);
    QTextEdit::dropEvent(event);
    AfterEdit();
}

void CTxTextWindow::contextMenuEvent(QContextMenuEvent* event)
{
    ShowContextMenu(event->globalPos());
}

void CTxTextWindow::ShowContextMenu(const QPoint& globalPos)
{
    QMenu popup(this);
    BuildPopupFromMainMenu(popup, QStringLiteral("tx"));
    if (popup.actions().isEmpty())
        return;
    m_bMenuShown = true;
    RunMenu(&popup, globalPos);
    m_bMenuShown = false;
}
