#include "brevio/core/RxTextWindow.h"

#include "brevio/core/ChannelMenus.h"
#include "brevio/core/Components.h"
#include "brevio/core/Locator.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TagStore.h"
#include "brevio/core/TxTextWindow.h"
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QTextCursor>

namespace {
bool IsSeparator(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u < 32 || u == 127 || u == 0x2029 || u == 0x2028;
}
} // namespace

void StoreChannelTagValue(const QString& strTitle, const QString& strValue, int nChannel)
{
    CMainFrame* frame = GetMainFrame();
    if (auto* bar = frame ? dynamic_cast<ITagsBar*>(frame->GetTagsBar()) : nullptr) {
        bar->SetTagValue(strTitle, strValue);
        return;
    }
    Tags().SetValue(strTitle, strValue, CurrentSettings().m_bTagsPerChannel ? nChannel : -1);
    if (frame && IsValidLocator(strValue.toUpper()))
        PostRegisteredMessage(frame, RegisteredMessage::nMsgLocator, 0, 0);
}

CRxTextWindow::CRxTextWindow(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

CRxTextWindow::~CRxTextWindow() = default;

QString CRxTextWindow::PlainText() const
{
    QString text;
    const int len = document()->characterCount() - 1;
    text.reserve(len);
    for (int i = 0; i < len; ++i) {
        const QChar c = document()->characterAt(i);
        text.append(c == QChar(0x2029) || c == QChar(0x2028) ? QChar(QLatin1Char('\n')) : c);
    }
    return text;
}

void CRxTextWindow::WidenToRun(const QString& strText, int& nStart, int& nEnd)
{
    const int len = int(strText.size());
    for (int i = std::min(nStart, len - 1); i >= 0; --i) {
        if (IsSeparator(strText[i])) {
            nStart = i + 1;
            break;
        }
        nStart = i;
    }
    for (int j = nEnd; j <= len; ++j) {
        if (j >= 1 && IsSeparator(strText[j - 1])) {
            nEnd = j - 1;
            break;
        }
        nEnd = j;
    }
    if (nEnd < nStart)
        nEnd = nStart;
}

QList<QPair<int, QString>> CRxTextWindow::TagMenuItems(const CTagStore& tags)
{
    QList<QPair<int, QString>> items;
    for (int i = 0; i < tags.GetCount() && kFirstTagCommand + i <= kLastTagCommand; ++i) {
        const CTag* tag = tags.GetAt(i);
        if (!tag->IsOwnStation())
            items.append({kFirstTagCommand + i, tag->GetTitle()});
    }
    return items;
}

void CRxTextWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTextEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    QTextCursor c = textCursor();
    if (!c.hasSelection() || c.selectedText().trimmed().isEmpty())
        return;
    int s = c.selectionStart();
    int e = c.selectionEnd();
    WidenToRun(PlainText(), s, e);
    c.setPosition(s);
    c.setPosition(e, QTextCursor::KeepAnchor);
    setTextCursor(c);
    ShowTagMenu(event->globalPosition().toPoint() + QPoint(10, 10));
}

void CRxTextWindow::ShowTagMenu(const QPoint& globalPos)
{
    QMenu menu(this);
    for (const auto& [id, title] : TagMenuItems(Tags())) {
        QAction* a = menu.addAction(title);
        a->setData(id);
    }
    m_bMenuShown = true;
    QAction* chosen = CTxTextWindow::RunMenu(&menu, globalPos);
    m_bMenuShown = false;
    setFocus();
    if (chosen && chosen->data().toInt() >= kFirstTagCommand)
        OnTagCommand(chosen->data().toInt());
}

void CRxTextWindow::OnTagCommand(int nId)
{
    const CTag* tag = Tags().GetAt(nId - kFirstTagCommand);
    if (!tag)
        return;
    const QString title = tag->GetTitle();
    QString value = textCursor().selectedText();
    value.replace(QChar(0x2029), QLatin1Char('\n'));
    value = value.trimmed();
    if (m_bSuperBrowser) {
        if (ISuperView* super = TheApp().GetSuperView())
            super->SetTagValue(title, value);
    } else {
        int channel = -1;
        SendRegisteredMessage(parentWidget(), RegisteredMessage::nMsgQuery, 0, reinterpret_cast<intptr_t>(&channel));
        StoreChannelTagValue(title, value, channel);
    }
    setFocus();
    QTextCursor c = textCursor();
    c.setPosition(c.selectionEnd());
    setTextCursor(c);
    if (m_pTxWindow)
        m_pTxWindow->ReplaceTagInUnsent(title, value);
}

void CRxTextWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (textCursor().hasSelection()) {
        ShowTagMenu(event->globalPos());
        return;
    }
    QMenu popup(this);
    BuildPopupFromMainMenu(popup, QStringLiteral("rx"));
    if (popup.actions().isEmpty())
        return;
    m_bMenuShown = true;
    CTxTextWindow::RunMenu(&popup, event->globalPos());
    m_bMenuShown = false;
}

void CRxTextWindow::keyPressEvent(QKeyEvent* event)
{
    // Navigation and copying stay here; typing goes to the transmit window.
    const QString text = event->text();
    const bool typing = !text.isEmpty() && !(event->modifiers() & Qt::ControlModifier) &&
                        (text[0].isPrint() || text[0] == QLatin1Char('\r') || text[0] == QLatin1Char('\b'));
    if (typing && m_pTxWindow) {
        m_pTxWindow->setFocus();
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(), event->isAutoRepeat(),
                       ushort(event->count()));
        QApplication::sendEvent(m_pTxWindow, &copy);
        return;
    }
    QTextEdit::keyPressEvent(event);
}
