#include "shared/ui/PageSelectorList.h"

#include "shared/ui/PropertySheet.h"

#include <QSignalBlocker>

CPageSelectorList::CPageSelectorList(CPropertySheet* pSheet) : QListWidget(pSheet), m_pSheet(pSheet)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QListWidget::currentRowChanged, this, [this](int) { OnSelChange(); });
    connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem*) { OnSelChange(); });
}

CPageSelectorList::~CPageSelectorList() = default;

int CPageSelectorList::AddString(const QString& strText)
{
    addItem(strText);
    return count() - 1;
}

void CPageSelectorList::SetItemData(int nIndex, int nData)
{
    if (QListWidgetItem* it = item(nIndex))
        it->setData(Qt::UserRole, nData);
}

int CPageSelectorList::GetItemData(int nIndex) const
{
    const QListWidgetItem* it = item(nIndex);
    return it ? it->data(Qt::UserRole).toInt() : -1;
}

QString CPageSelectorList::GetText(int nIndex) const
{
    const QListWidgetItem* it = item(nIndex);
    return it ? it->text() : QString();
}

void CPageSelectorList::SetCurSel(int nIndex)
{
    const QSignalBlocker blocker(this);
    setCurrentRow(nIndex);
    if (nIndex < 0)
        clearSelection();
}

void CPageSelectorList::SetTopIndex(int nIndex)
{
    if (QListWidgetItem* it = item(nIndex))
        scrollToItem(it, QAbstractItemView::PositionAtTop);
}

int CPageSelectorList::GetTopIndex() const
{
    const QModelIndex top = indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : (count() ? 0 : -1);
}

void CPageSelectorList::OnSelChange()
{
    const int sel = GetCurSel();
    if (sel >= 0 && m_pSheet) {
        const int page = GetItemData(sel);
        if (page != m_pSheet->GetActiveIndex())
            m_pSheet->SetActivePage(page);
    }
    setFocus(Qt::OtherFocusReason);
}
