#pragma once
// A report list whose value column (column 1) is edited in place: a click on
// a value opens an edit box over it, every typed change goes into the cell
// at once and is announced to the notify window (nMsgNewValue), Up and Down
// move the box to the next editable row, Escape and losing the focus end it.
// Enter leaves the box open and tells the owner (ValueKept).
#include "shared/ui/OwnListCtrl.h"

#include <QLineEdit>
#include <QList>
#include <QPointer>

class CEditableListCtrl;

class CInPlaceEdit : public QLineEdit {
    Q_OBJECT
public:
    CInPlaceEdit(CEditableListCtrl* pList, int nRow, int nColumn, const QString& strText);
    int GetRow() const { return m_nRow; }
    int GetColumn() const { return m_nColumn; }
    // Ends the edit: the cell keeps what was typed (Escape sends no text).
    void Finish();
    bool IsFinished() const { return m_bFinished; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QPointer<CEditableListCtrl> m_pList;
    int m_nRow;
    int m_nColumn;
    QString m_strInitial;
    bool m_bEscape = false;
    bool m_bFinished = false;
};

class CEditableListCtrl : public COwnListCtrl {
    Q_OBJECT
public:
    explicit CEditableListCtrl(const QString& strDefaultRow = QString(), QWidget* parent = nullptr);
    ~CEditableListCtrl() override;

    void SetNotifyWindow(QObject* pWindow) { m_pNotify = pWindow; }
    QObject* GetNotifyWindow() const { return m_pNotify; }
    // One flag per row; empty: every row editable; a 0 flag locks its row.
    void SetRowEditable(const QList<unsigned>& flags) { m_editable = flags; }
    bool IsRowEditable(int nRow) const;

    // Starts editing a cell; nullptr when the cell cannot be edited. A row
    // just past the end is added first (see AppendRow).
    CInPlaceEdit* EditSubLabel(int nRow, int nColumn);
    // A row after nRow with the default text, its value one more than the
    // row before it read as hexadecimal ("1000" for the first row).
    void AppendRow(int nRow);
    // Rows fully shown at once.
    int RowsPerPage() const;
    CInPlaceEdit* GetEditor() const { return m_pEditor; }
    // The row of an edit that goes on (-1 none).
    int EditingRow() const;
    // The row under a point of the viewport (-1 none) and its column.
    int HitTestEx(const QPoint& point, int* pnColumn) const;

    // From the edit box.
    void OnEditChanged(int nRow, int nColumn, const QString& strText);
    void OnEndEdit(int nRow, int nColumn, const QString* pstrText, const QString& strInitial = QString());
    void OnEditKept(int nRow, int nColumn);

signals:
    // An edit has ended (focus gone or Escape); the cell holds what was
    // typed, strInitial what it held when the edit began. Emitted before the
    // tags bar commits its values, so an owner can still check the cell.
    void EditEnded(int nRow, int nColumn, const QString& strInitial);
    // Enter in an edit that goes on: the cell holds what was typed, which
    // its owner may keep.
    void ValueKept(int nRow, int nColumn);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QString m_strDefaultRow;
    QPointer<QObject> m_pNotify;
    QList<unsigned> m_editable;
    QPointer<CInPlaceEdit> m_pEditor;
};
