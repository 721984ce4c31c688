#include "brevio/display/EditableListCtrl.h"

#include "brevio/core/MainFrame.h"
#include "brevio/core/MessageBroadcast.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"

#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QScrollBar>

CInPlaceEdit::CInPlaceEdit(CEditableListCtrl* pList, int nRow, int nColumn, const QString& strText)
    : QLineEdit(pList->viewport()), m_pList(pList), m_nRow(nRow), m_nColumn(nColumn), m_strInitial(strText)
{
    setProperty("controlId", 1001);
    setFont(pList->font());
    setText(strText);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_pList)
            m_pList->OnEditChanged(m_nRow, m_nColumn, text);
    });
}

void CInPlaceEdit::Finish()
{
    if (m_bFinished)
        return;
    m_bFinished = true;
    const QString text = this->text();
    if (m_pList)
        m_pList->OnEndEdit(m_nRow, m_nColumn, m_bEscape ? nullptr : &text, m_strInitial);
    hide();
    deleteLater();
}

bool CInPlaceEdit::event(QEvent* event)
{
    // These keys and every Ctrl key belong to the box: a dialog's default
    // button and the program's shortcuts never see them.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Delete:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Up:
        case Qt::Key_Down:
            event->accept();
            return true;
        default:
            if (key->modifiers() & Qt::ControlModifier) {
                event->accept();
                return true;
            }
            break;
        }
    }
    // Tab stays in the box instead of moving the dialog's focus.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CInPlaceEdit::keyReleaseEvent(QKeyEvent* event)
{
    CEditableListCtrl* list = m_pList;
    if (list && (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)) {
        const int rows = list->GetItemCount();
        const int page = list->RowsPerPage();
        int target = event->key() == Qt::Key_PageUp ? std::max(0, m_nRow - page)
                                                    : (m_nRow + page < rows ? m_nRow + page : rows - 1);
        if (target != m_nRow && target >= 0)
            list->EditSubLabel(target, m_nColumn);
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void CInPlaceEdit::keyPressEvent(QKeyEvent* event)
{
    CEditableListCtrl* list = m_pList;
    if (!list) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const int rows = list->GetItemCount();
    auto moveTo = [&](int row) {
        if (row == m_nRow || row < 0 || row >= rows)
            return false;
        return list->EditSubLabel(row, m_nColumn) != nullptr;
    };
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // The box stays; its owner may keep what was typed.
        event->accept();
        list->OnEditKept(m_nRow, m_nColumn);
        return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // Paging moves the box when the key comes up.
        event->accept();
        return;
    case Qt::Key_Escape:
        m_bEscape = true;
        list->setFocus();
        Finish();
        return;
    case Qt::Key_Up:
        for (int r = m_nRow - 1; r >= 0; --r)
            if (moveTo(r))
                return;
        return;
    case Qt::Key_Down:
        for (int r = m_nRow + 1; r < rows; ++r)
            if (moveTo(r))
                return;
        return;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier) {
            moveTo(rows - 1);
            return;
        }
        break;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier) {
            moveTo(0);
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
    // The box grows with its text, within the list.
    const int wanted = fontMetrics().horizontalAdvance(text()) + 5 + 8;
    if (width() < wanted)
        resize(std::min(wanted, list->viewport()->width() - x()), height());
}

void CInPlaceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Finish();
}

CEditableListCtrl::CEditableListCtrl(const QString& strDefaultRow, QWidget* parent)
    : COwnListCtrl(parent), m_strDefaultRow(strDefaultRow)
{
}

CEditableListCtrl::~CEditableListCtrl() = default;

bool CEditableListCtrl::IsRowEditable(int nRow) const
{
    return m_editable.isEmpty() || nRow >= m_editable.size() || m_editable[nRow] != 0;
}

int CEditableListCtrl::HitTestEx(const QPoint& point, int* pnColumn) const
{
    const QModelIndex index = indexAt(point);
    if (pnColumn)
        *pnColumn = index.isValid() ? index.column() : -1;
    return index.isValid() ? index.row() : -1;
}

int CEditableListCtrl::RowsPerPage() const
{
    const int rowHeight = GetItemCount() > 0 ? visualItemRect(topLevelItem(0)).height() : 0;
    return rowHeight > 0 ? std::max(1, viewport()->height() / rowHeight) : 1;
}

void CEditableListCtrl::AppendRow(int nRow)
{
    const int at = std::clamp(nRow + 1, 0, GetItemCount());
    QString value = QStringLiteral("1000");
    if (at > 0) {
        bool ok = false;
        const qulonglong previous = GetItemText(at - 1, 1).toULongLong(&ok, 16);
        value = QString::number(ok ? previous + 1 : 1, 16);
    }
    InsertItem(at, m_strDefaultRow);
    SetItemText(at, 1, value);
    if (GetColumnCount() > 2)
        AutoSizeColumn(2);
}

CInPlaceEdit* CEditableListCtrl::EditSubLabel(int nRow, int nColumn)
{
    if (nRow < 0 || !IsRowEditable(nRow))
        return nullptr;
    if (nRow >= GetItemCount()) {
        // Only the row just past the end can be added.
        if (nRow != GetItemCount())
            return nullptr;
        AppendRow(nRow - 1);
        if (nRow >= GetItemCount())
            return nullptr;
    }
    if (nColumn < 0 || nColumn >= GetColumnCount() || isColumnHidden(nColumn) || columnWidth(nColumn) <= 4)
        return nullptr;
    QTreeWidgetItem* item = topLevelItem(nRow);
    scrollToItem(item);
    // The column's left edge into view.
    int offset = 0;
    for (int c = 0; c < nColumn; ++c)
        offset += columnWidth(c);
    const int left = offset - horizontalScrollBar()->value();
    if (left < 0 || left > viewport()->width())
        horizontalScrollBar()->setValue(offset);
    const QRect cell = visualRect(indexFromItem(item, nColumn));
    if (m_pEditor)
        m_pEditor->Finish();
    auto* editor = new CInPlaceEdit(this, nRow, nColumn, GetItemText(nRow, nColumn));
    const int format = GetColumnFormat(nColumn);
    editor->setAlignment(format == LVCFMT_RIGHT ? Qt::AlignRight : format == LVCFMT_CENTER ? Qt::AlignHCenter
                                                                                           : Qt::AlignLeft);
    const int right = std::min(cell.left() + columnWidth(nColumn) - 3, viewport()->width());
    editor->setGeometry(QRect(QPoint(cell.left(), cell.top()), QPoint(right, cell.bottom())));
    editor->show();
    editor->setFocus();
    editor->selectAll();
    m_pEditor = editor;
    return editor;
}

void CEditableListCtrl::OnEditChanged(int nRow, int nColumn, const QString& strText)
{
    SetItemText(nRow, nColumn, strText);
    if (m_pNotify)
        PostRegisteredMessage(m_pNotify, RegisteredMessage::nMsgNewValue, 0, intptr_t(this));
}

void CEditableListCtrl::OnEndEdit(int nRow, int nColumn, const QString* pstrText, const QString& strInitial)
{
    if (pstrText && nRow < GetItemCount())
        SetItemText(nRow, nColumn, *pstrText);
    QPointer<CEditableListCtrl> alive(this);
    emit EditEnded(nRow, nColumn, strInitial);
    if (!alive)
        return;
    TheApp().SaveTagValues();
}

void CEditableListCtrl::OnEditKept(int nRow, int nColumn)
{
    emit ValueKept(nRow, nColumn);
}

int CEditableListCtrl::EditingRow() const
{
    return m_pEditor && !m_pEditor->IsFinished() ? m_pEditor->GetRow() : -1;
}

void CEditableListCtrl::scrollContentsBy(int dx, int dy)
{
    // Scrolling ends an edit first: the box would stay behind otherwise.
    if (!hasFocus() && m_pEditor)
        setFocus();
    COwnListCtrl::scrollContentsBy(dx, dy);
}

void CEditableListCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    int column = -1;
    const int row = HitTestEx(event->position().toPoint(), &column);
    CMainFrame* frame = GetMainFrame();
    if (event->button() == Qt::LeftButton && row >= 0 && column == 0 && frame) {
        if (intptr_t(GetItemData(row)) == -1) {
            SendRegisteredMessage(frame->GetTagsBar(), RegisteredMessage::nMsgTag, 0, -1);
        } else {
            // The value goes into the transmit text of the channel window on top.
            QMdiSubWindow* active = frame->GetMdiArea() ? frame->GetMdiArea()->activeSubWindow() : nullptr;
            if (active && active->isVisible()) {
                SendMessageToDescendants(active, RegisteredMessage::nMsgTag, 0, row, true);
                active->setFocus();
            }
        }
    }
    COwnListCtrl::mouseDoubleClickEvent(event);
}

void CEditableListCtrl::mousePressEvent(QMouseEvent* event)
{
    int column = -1;
    const int row = HitTestEx(event->position().toPoint(), &column);
    if (event->button() == Qt::LeftButton && row >= 0 && column == 1 && IsRowEditable(row)) {
        EditSubLabel(row, column);
        return;
    }
    COwnListCtrl::mousePressEvent(event);
}
