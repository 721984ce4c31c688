#include "brevio/display/TagValueKeeper.h"

#include "brevio/core/Locator.h"
#include "brevio/core/TagStore.h"
#include "brevio/display/EditableListCtrl.h"

CTagValueKeeper::CTagValueKeeper(CEditableListCtrl* pList, std::function<int()> channel)
    : QObject(pList), m_pList(pList), m_channel(std::move(channel))
{
    connect(pList, &CEditableListCtrl::ValueKept, this, [this](int nRow, int nColumn) { Keep(nRow, nColumn, false); });
    connect(pList, &CEditableListCtrl::EditEnded, this,
            [this](int nRow, int nColumn, const QString&) { Keep(nRow, nColumn, true); });
}

bool CTagValueKeeper::TakesTyping(const CEditableListCtrl& list, int nRow)
{
    if (nRow != list.EditingRow())
        return true;
    const CTag* tag = Tags().FindByTitle(list.GetItemText(nRow, 0));
    return !tag || !tag->HoldsLocator();
}

void CTagValueKeeper::Keep(int nRow, int nColumn, bool bEditEnded)
{
    if (nColumn != 1 || nRow < 0 || nRow >= m_pList->GetItemCount())
        return;
    CTag* tag = Tags().FindByTitle(m_pList->GetItemText(nRow, 0));
    if (!tag)
        return;
    const int channel = m_channel();
    const QString typed = m_pList->GetItemText(nRow, 1);
    QString value = typed;
    if (!CTagStore::CheckValue(*tag, value)) {
        // Until the edit ends the operator may still be mending it.
        if (!bEditEnded)
            return;
        value = tag->Value(channel);
        emit Refused(LocatorRefusal(typed));
    }
    if (value != typed) {
        m_pList->SetItemText(nRow, 1, value);
        if (nRow == m_pList->EditingRow())
            m_pList->GetEditor()->setText(value);
    }
    if (tag->Value(channel) == value)
        return;
    tag->Value(channel) = value;
    emit Taken();
}
