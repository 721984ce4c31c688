#pragma once
// The list beside a property sheet's tabs: every page's caption with the
// names of its settings indented below it. Each item carries the index of
// its page; choosing an item (or double-clicking it) turns the sheet to that
// page and keeps the keyboard in the list, so the arrow keys walk through
// the pages.
#include <QListWidget>
#include <QPointer>

class CPropertySheet;

class CPageSelectorList : public QListWidget {
    Q_OBJECT
public:
    // The sheet is the list's parent.
    explicit CPageSelectorList(CPropertySheet* pSheet);
    ~CPageSelectorList() override;

    // List-box operations; an index of -1 means no item.
    int AddString(const QString& strText);
    void SetItemData(int nIndex, int nData);
    int GetItemData(int nIndex) const;
    int GetCount() const { return count(); }
    QString GetText(int nIndex) const;
    int GetCurSel() const { return currentRow(); }
    // Selecting from code does not turn the sheet.
    void SetCurSel(int nIndex);
    void SetTopIndex(int nIndex);
    int GetTopIndex() const;

    // The operator chose an item.
    void OnSelChange();

private:
    QPointer<CPropertySheet> m_pSheet;
};
