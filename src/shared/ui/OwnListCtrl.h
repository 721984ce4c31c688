#pragma once
// Report-style list used by the dialogs of both programs: columns from a
// table, auto-sizing, the lists' own click-to-sort, check boxes kept through
// a sort, selection helpers, optional colours and mouse-move notification.
#include "shared/WinTypes.h"

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTreeWidget>
#include <cstdint>

// Column formats (low two bits).
enum ListColumnFormat : int { LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2 };

struct ListColumn {
    QString strHeading;
    int nFormat;
};

class COwnListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit COwnListCtrl(QWidget* parent = nullptr);
    ~COwnListCtrl() override;

    // Basic list operations.
    int GetItemCount() const { return topLevelItemCount(); }
    int InsertItem(int nItem, const QString& strText, int nImage = -1);
    bool DeleteItem(int nItem);
    void DeleteAllItems();
    QString GetItemText(int nItem, int nColumn) const;
    void SetItemText(int nItem, int nColumn, const QString& strText);
    uintptr_t GetItemData(int nItem) const;
    void SetItemData(int nItem, uintptr_t data);
    int GetColumnFormat(int nColumn) const;
    QString GetColumnHeading(int nColumn) const;
    void SetImageList(const QList<QPixmap>& images);

    void SetColumns(const ListColumn* pColumns, int nCount);
    void SetColumns(const QList<ListColumn>& columns) { SetColumns(columns.constData(), int(columns.size())); }
    int GetColumnCount() const;
    void AutoSizeColumns(bool bOnlyGrow = false, int nRowLimit = -1);
    bool AutoSizeColumn(int nColumn, bool bOnlyGrow = false, int nMaxWidth = -1, int nRowLimit = -1);
    void AutoSizeColumnsToPercent(int nPercent);

    void SetFullRowSelect();
    void EnableGridLines();
    void EnableInfoTips();
    void EnableCheckBoxes();
    bool HasCheckBoxes() const { return m_bCheckBoxes; }
    bool HasGridLines() const { return m_bGridLines; }
    bool HasInfoTips() const { return m_bInfoTips; }

    void SetCheck(int nItem, bool bCheck);
    bool GetCheck(int nItem) const;
    void SetCheckAll(bool bCheck);
    bool AnyChecked() const;
    int CountChecked() const;

    void OnColumnClick(int nColumn);
    void Resort();
    void SortColumn(int nColumn, bool bAscendingOnly);

    int GetFirstSelectedItem() const;
    int GetFirstSelectedImage() const;
    uintptr_t GetSelectedItemData() const;
    QString GetSelectedItemText(int nColumn) const;
    void GetSelectedTexts(QStringList& texts, int nColumn) const;
    void GetColumnTexts(QStringList& texts, int nColumn) const;
    bool IsItemSelected(int nItem) const;
    bool HasSelection() const;
    bool HasSingleSelection() const;
    void SelectItem(int nItem, bool bSelect);
    void SelectText(const QString& strText, int nColumn);
    void SelectTexts(const QStringList& texts, int nColumn);
    int SelectAll();
    int DeselectAll();
    bool CanMoveUp() const;
    bool CanMoveDown() const;
    void SwapItems(int a, int b);
    void MoveItem(int nFrom, int nTo);
    int GetItemImage(int nItem) const;
    void SetItemImage(int nItem, int nImage);
    void DeleteSelectedItems();
    void FillColumn(const QStringList& texts, int nColumn);

    // Colours: off by default; owners switch them on.
    void SetUseColours(bool bUse);
    void SetBackgroundColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    bool UsesColours() const { return m_bColour; }
    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetTextColour() const { return m_colText; }
    // Posted to the parent (wParam 0, lParam 0) on every mouse move; 0 none.
    void SetMouseMoveMessage(unsigned nMsg);

signals:
    // A column heading was clicked (the owner usually calls OnColumnClick).
    void columnClicked(int nColumn);

protected:
    bool viewportEvent(QEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QTreeWidgetItem* Item(int nItem) const { return topLevelItem(nItem); }
    void ApplyColours();
    void ApplyImage(QTreeWidgetItem* item);
    int ImageAllowance() const;

    bool m_bColour = false;
    unsigned m_nMouseMoveMessage = 0;
    COLORREF m_colBackground = RGB(255, 255, 225);
    COLORREF m_colText = 0;
    bool m_bCheckBoxes = false;
    bool m_bGridLines = false;
    bool m_bInfoTips = false;
    QList<QPixmap> m_images;
};
