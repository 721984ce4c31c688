#include "psk/display/EditableListCtrl.h"

#include "psk/core/PSK31App.h"
#include "psk/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"

#include <QHeaderView>
#include <QKeyEvent>
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
        m_pList->OnEndEdit(m_nRow, m_nColumn, m_bEscape ? nullptr : &text);
    hide();
    deleteLater();
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

CInPlaceEdit* CEditableListCtrl::EditSubLabel(int nRow, int nColumn)
{
    if (!IsRowEditable(nRow) || nRow < 0 || nRow >= GetItemCount())
        return nullptr;
    if (nColumn < 0 || nColumn >= GetColumnCount() || columnWidth(nColumn) <= 4)
        return nullptr;
    QTreeWidgetItem* item = topLevelItem(nRow);
    scrollToItem(item);
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

void CEditableListCtrl::OnEndEdit(int nRow, int nColumn, const QString* pstrText)
{
    if (pstrText && nRow < GetItemCount())
        SetItemText(nRow, nColumn, *pstrText);
    TheApp().SaveTagValues();
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
