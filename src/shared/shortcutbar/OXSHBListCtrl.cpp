#include "shared/shortcutbar/OXSHBListCtrl.h"

#include "shared/WinDraw.h"
#include "shared/shortcutbar/OXShortcutBar.h"
#include "shared/shortcutbar/ShbChildItemBlock.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

using namespace winapi;

namespace {
constexpr int ROW_GAP = 6;
constexpr int IMAGE_SPACE = 3;
constexpr int VIEW_MARGIN = 2;
constexpr int DRAG_THRESHOLD = 8;
constexpr int OLE_SCROLL_ZONE = 10;
} // namespace

COXShortcutBar* COXSHBListCtrl::GetShortcutBar() const
{
    return m_pShortcutBar;
}

COXSHBListCtrl::COXSHBListCtrl()
{
    m_clrBk = GetSysColor(COLOR_WINDOW);
    m_clrText = GetSysColor(COLOR_WINDOWTEXT);
    m_clrTextBk = GetSysColor(COLOR_WINDOW);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

COXSHBListCtrl::~COXSHBListCtrl()
{
    blockSignals(true);
    m_scrollTimer.stop();
    m_hoverTimer.stop();
    if (m_pRegisteredTarget)
        m_pRegisteredTarget->Revoke();
}

bool COXSHBListCtrl::Create(uint32_t dwStyle, const QRect& rect, QWidget* pParent, unsigned nID)
{
    if (!pParent)
        return false;
    setParent(pParent);
    setGeometry(rect);
    // The list draws itself; the list view stays in icon mode.
    m_dwStyle = dwStyle & ~LVS_TYPEMASK;
    m_nID = nID;
    ShbSetControlId(this, nID);
    m_bCreated = true;
    if (!InitListControl())
        return false; // COXSHBListCtrl::Create: failed to initialize list control
    setVisible((dwStyle & WS_VISIBLE) != 0);
    return true;
}

bool COXSHBListCtrl::InitListControl()
{
    if (!CreateEditControl())
        return false; // COXSHBListCtrl::InitListControl: failed to create edit control
    COleDropTarget* pTarget = GetDropTarget();
    if (pTarget && pTarget->Register(this))
        m_pRegisteredTarget = pTarget;
    CalculateBoundRects();
    return true;
}

bool COXSHBListCtrl::CreateEditControl()
{
    if (m_edit.IsCreated())
        return true;
    return m_edit.Create(WS_BORDER, QRect(), this, SHB_IDCEDIT);
}

void COXSHBListCtrl::ModifyStyle(uint32_t dwRemove, uint32_t dwAdd)
{
    m_dwStyle = (m_dwStyle & ~dwRemove) | dwAdd;
    CalculateBoundRects();
    RedrawWindow();
}

uint32_t COXSHBListCtrl::GetBarStyle() const
{
    if (m_pShortcutBar)
        return m_pShortcutBar->GetBarStyle();
    uint32_t dwStyle = 0;
    if (m_dwStyle & LVS_EDITLABELS)
        dwStyle |= SHBS_EDITITEMS;
    if (m_dwStyle & LVS_NOSCROLL)
        dwStyle |= SHBS_NOSCROLL;
    if (m_dwStyle & LVS_SHOWSELALWAYS)
        dwStyle |= SHBS_KEEPSELECTION;
    if (m_dwExStyle & LVS_EX_UNDERLINEHOT)
        dwStyle |= SHBS_HOTITEMUNDERLINE;
    if (m_dwExStyle & LVS_EX_INFOTIP)
        dwStyle |= SHBS_TOOLTIPS;
    return dwStyle;
}

int COXSHBListCtrl::GetView() const
{
    if (m_pShortcutBar)
        return m_pShortcutBar->GetGroupView(m_hGroup);
    return (m_dwStyle & LVS_TYPEMASK) == LVS_SMALLICON ? SHBV_SMALLICONS : SHBV_LARGEICONS;
}

intptr_t COXSHBListCtrl::SendSHBNotification(unsigned nCode, int nItem, intptr_t lParam)
{
    SHB_NOTIFY nm;
    nm.code = nCode;
    nm.hGroup = m_hGroup;
    nm.nItem = nItem;
    nm.lParam = lParam;
    if (m_pShortcutBar)
        return m_pShortcutBar->Notify(&nm);
    nm.hwndFrom = this;
    nm.idFrom = m_nID;
    intptr_t result = 0;
    emit notify(&nm, &result);
    return result;
}

// ---- colours and fonts

COLORREF COXSHBListCtrl::GetBkColour() const
{
    return m_pShortcutBar ? m_pShortcutBar->GetGroupBkColour(m_hGroup) : m_clrBk;
}

bool COXSHBListCtrl::SetBkColour(COLORREF clr)
{
    bool bResult = true;
    if (m_pShortcutBar)
        bResult = m_pShortcutBar->SetGroupBkColour(m_hGroup, clr);
    else
        m_clrBk = clr;
    RedrawWindow();
    return bResult;
}

COLORREF COXSHBListCtrl::GetTextColour() const
{
    return m_pShortcutBar ? m_pShortcutBar->GetGroupTextColour(m_hGroup) : m_clrText;
}

bool COXSHBListCtrl::SetTextColour(COLORREF clr)
{
    bool bResult = true;
    if (m_pShortcutBar)
        bResult = m_pShortcutBar->SetGroupTextColour(m_hGroup, clr);
    else
        m_clrText = clr;
    RedrawWindow();
    return bResult;
}

COLORREF COXSHBListCtrl::GetTextBkColour() const
{
    return m_pShortcutBar ? GetBkColour() : m_clrTextBk;
}

bool COXSHBListCtrl::SetTextBkColour(COLORREF clr)
{
    if (m_pShortcutBar)
        return false;
    m_clrTextBk = clr;
    return true;
}

QFont COXSHBListCtrl::labelFont() const
{
    if (m_pShortcutBar) {
        if (const QFont* pFont = m_pShortcutBar->GetGroupTextFont(m_hGroup))
            return *pFont;
    }
    return font();
}

QFont COXSHBListCtrl::GetLabelFont() const
{
    return labelFont();
}

// ---- item storage

int COXSHBListCtrl::InsertItem(const LVITEM* pItem)
{
    if (!pItem || pItem->iItem < 0 || pItem->iSubItem != 0)
        return -1;
    Item item;
    item.image = -1;
    if (pItem->mask & LVIF_TEXT)
        item.text = pItem->pszText;
    if (pItem->mask & LVIF_IMAGE)
        item.image = pItem->iImage;
    if (pItem->mask & LVIF_PARAM)
        item.lParam = pItem->lParam;
    if (pItem->mask & LVIF_STATE)
        item.state = pItem->state & pItem->stateMask;
    const int nIndex = std::min(pItem->iItem, GetItemCount());
    m_items.insert(m_items.begin() + nIndex, item);

    SendSHBNotification(SHBNC_ITEMINSERTED, pItem->iItem, reinterpret_cast<intptr_t>(pItem));
    if (m_nDownItem >= nIndex)
        ++m_nDownItem;
    if (m_nSelectedItem >= nIndex)
        ++m_nSelectedItem;
    CalculateBoundRects();
    if (!m_bDragDropOperation)
        RedrawWindow();
    return nIndex;
}

int COXSHBListCtrl::InsertItem(unsigned nMask, int nItem, const QString& text, unsigned nState, unsigned nStateMask,
                               int nImage, intptr_t lParam)
{
    LVITEM item;
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = text;
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

int COXSHBListCtrl::InsertItem(int nItem, const QString& text, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, text, 0, 0, nImage, 0);
}

bool COXSHBListCtrl::DeleteItem(int nItem)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return false;
    SendSHBNotification(SHBNC_DELETINGITEM, nItem, 0);
    if (nItem >= GetItemCount())
        return false; // the parent changed the list meanwhile
    m_items.erase(m_items.begin() + nItem);
    CalculateBoundRects();
    if (GetTopIndex() == -1)
        m_ptOrigin = QSize(0, 0);
    if (m_nDownItem > nItem)
        --m_nDownItem;
    else if (m_nDownItem == nItem)
        m_nDownItem = -1;
    if (m_nSelectedItem > nItem)
        --m_nSelectedItem;
    else if (m_nSelectedItem == nItem)
        m_nSelectedItem = -1;
    CalculateBoundRects();
    if (!m_bDragDropOperation)
        RedrawWindow();
    return true;
}

bool COXSHBListCtrl::DeleteAllItems()
{
    SendSHBNotification(SHBNC_DELETINGALLITEMS, -1, 0);
    m_items.clear();
    m_ptOrigin = QSize(0, 0);
    SetDownItem(-1);
    SetSelectedItem(-1);
    CalculateBoundRects();
    RedrawWindow();
    return true;
}

bool COXSHBListCtrl::GetItem(LVITEM* pItem) const
{
    if (!pItem || pItem->iItem < 0 || pItem->iItem >= GetItemCount())
        return false;
    const Item& item = m_items[size_t(pItem->iItem)];
    if (pItem->mask & LVIF_TEXT)
        pItem->pszText = item.text;
    if (pItem->mask & LVIF_IMAGE)
        pItem->iImage = item.image;
    if (pItem->mask & LVIF_PARAM)
        pItem->lParam = item.lParam;
    if (pItem->mask & LVIF_STATE)
        pItem->state = item.state & pItem->stateMask;
    return true;
}

bool COXSHBListCtrl::SetItem(const LVITEM* pItem)
{
    if (!pItem || pItem->iItem < 0 || pItem->iItem >= GetItemCount() || pItem->iSubItem != 0)
        return false;
    Item& item = m_items[size_t(pItem->iItem)];
    if (pItem->mask & LVIF_TEXT)
        item.text = pItem->pszText;
    if (pItem->mask & LVIF_IMAGE)
        item.image = pItem->iImage;
    if (pItem->mask & LVIF_PARAM)
        item.lParam = pItem->lParam;
    if (pItem->mask & LVIF_STATE)
        item.state = (item.state & ~pItem->stateMask) | (pItem->state & pItem->stateMask);
    CalculateBoundRects();
    RedrawWindow();
    return true;
}

bool COXSHBListCtrl::SetItem(int nItem, int nSubItem, unsigned nMask, const QString& text, int nImage, unsigned nState,
                             unsigned nStateMask, intptr_t lParam)
{
    LVITEM item;
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = text;
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

QString COXSHBListCtrl::GetItemText(int nItem) const
{
    if (nItem < 0 || nItem >= GetItemCount())
        return QString();
    return m_items[size_t(nItem)].text;
}

bool COXSHBListCtrl::SetItemText(int nItem, const QString& text)
{
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = text;
    return SetItem(&item);
}

intptr_t COXSHBListCtrl::GetItemData(int nItem) const
{
    if (nItem < 0 || nItem >= GetItemCount())
        return 0;
    return m_items[size_t(nItem)].lParam;
}

bool COXSHBListCtrl::SetItemData(int nItem, intptr_t lParam)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return false;
    m_items[size_t(nItem)].lParam = lParam;
    return true;
}

bool COXSHBListCtrl::SortItems(const std::function<int(const LVITEM&, const LVITEM&)>& compare)
{
    if (!compare)
        return false;
    auto toItem = [](const Item& it) {
        LVITEM lv;
        lv.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM | LVIF_STATE;
        lv.pszText = it.text;
        lv.iImage = it.image;
        lv.lParam = it.lParam;
        lv.state = it.state;
        return lv;
    };
    std::stable_sort(m_items.begin(), m_items.end(),
                     [&](const Item& a, const Item& b) { return compare(toItem(a), toItem(b)) < 0; });
    SetDownItem(-1);
    SetSelectedItem(-1);
    CalculateBoundRects();
    RedrawWindow();
    return true;
}

CImageList* COXSHBListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    CImageList* previous = nullptr;
    if (nImageListType == LVSIL_NORMAL) {
        previous = m_pImageListNormal;
        m_pImageListNormal = pImageList;
    } else if (nImageListType == LVSIL_SMALL) {
        previous = m_pImageListSmall;
        m_pImageListSmall = pImageList;
    } else {
        return nullptr;
    }
    CalculateBoundRects();
    RedrawWindow();
    return previous;
}

CImageList* COXSHBListCtrl::GetImageList(int nImageListType) const
{
    if (nImageListType == LVSIL_NORMAL)
        return m_pImageListNormal;
    if (nImageListType == LVSIL_SMALL)
        return m_pImageListSmall;
    return nullptr;
}

int COXSHBListCtrl::GetItemImage(int nItem) const
{
    const CImageList* pList = GetView() == SHBV_SMALLICONS ? m_pImageListSmall : m_pImageListNormal;
    if (!pList || !pList->IsCreated() || nItem < 0 || nItem >= GetItemCount())
        return -1;
    return m_items[size_t(nItem)].image;
}

// ---- layout

QRect COXSHBListCtrl::GetViewArea() const
{
    const QRect client = rect();
    return RectLTRB(client.x(), client.y() + VIEW_MARGIN, Right(client), Bottom(client) - VIEW_MARGIN);
}

QRect COXSHBListCtrl::CalculateTextRect(const QString& text, QRect& rectImage, int nWidth) const
{
    if (text.isEmpty() || nWidth <= 0)
        return QRect();
    const QFont font = labelFont();
    if (GetView() != SHBV_SMALLICONS) {
        QRect measure(0, 0, nWidth - 4, 0x7FFF);
        CalcTextRect(font, text, measure, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_CALCRECT | DT_EDITCONTROL);
        const int w = measure.width() + 4;
        const int h = measure.height() + 4;
        const int top = Bottom(rectImage);
        if (w > nWidth)
            return RectLTRB(0, top, nWidth, top + h);
        const int left = (nWidth - w) / 2;
        return RectLTRB(left, top, left + w, top + h);
    }
    if (rectImage.width() >= nWidth)
        return QRect();
    QRect measure(0, 0, nWidth, 0x7FFF);
    CalcTextRect(font, text, measure, DT_CALCRECT | DT_VCENTER);
    QRect label = RectLTRB(0, rectImage.y(), measure.width() + 4, rectImage.y() + measure.height() + 4);
    if (label.height() > rectImage.height())
        rectImage.translate(0, (label.height() - rectImage.height()) / 2);
    else
        label.translate(0, (rectImage.height() - label.height()) / 2);
    if (IsRectEmpty(rectImage))
        label = RectLTRB(2, label.y(), Right(label), Bottom(label));
    else
        label.translate(Right(rectImage) - label.x(), 0);
    if (Right(label) > nWidth)
        label = RectLTRB(label.x(), label.y(), nWidth, Bottom(label));
    return label;
}

void COXSHBListCtrl::CalculateBoundRects()
{
    m_mapItemToBoundRect.clear();
    m_mapItemToImageRect.clear();
    m_mapItemToTextRect.clear();
    const int nCount = GetItemCount();
    if (nCount > 0) {
        const QRect client = rect();
        if (IsRectEmpty(client)) {
            for (int i = 0; i < nCount; ++i) {
                m_mapItemToBoundRect[i] = client;
                m_mapItemToImageRect[i] = client;
                m_mapItemToTextRect[i] = client;
            }
        } else {
            const QRect view = GetViewArea();
            const int nWidth = view.width();
            const bool bLarge = GetView() != SHBV_SMALLICONS;
            const CImageList* pImages = bLarge ? m_pImageListNormal : m_pImageListSmall;
            int y = view.y();
            for (int i = 0; i < nCount; ++i) {
                QRect image;
                const int nImage = m_items[size_t(i)].image;
                if (pImages && pImages->IsCreated() && nImage >= 0 && nImage < pImages->GetImageCount()) {
                    QRect info;
                    pImages->GetImageInfo(nImage, &info);
                    image = QRect(0, 0, info.width() + 2 * IMAGE_SPACE, info.height() + 2 * IMAGE_SPACE);
                }
                const QRect label = CalculateTextRect(m_items[size_t(i)].text, image, nWidth);
                const int nImageBottom = IsRectEmpty(image) ? 0 : Bottom(image);
                const int nImageHeight = IsRectEmpty(image) ? 0 : image.height();
                const int nLabelHeight = IsRectEmpty(label) ? 0 : label.height();
                const int nRowHeight = bLarge ? nImageHeight + nLabelHeight
                                              : std::max(nImageBottom, IsRectEmpty(label) ? 0 : Bottom(label));
                const QRect row = RectLTRB(view.x(), y, Right(view), y + nRowHeight);
                if (bLarge && !IsRectEmpty(image))
                    image.moveLeft((nWidth - image.width()) / 2);
                m_mapItemToBoundRect[i] = row;
                m_mapItemToImageRect[i] = image;
                m_mapItemToTextRect[i] = label;
                y = Bottom(row) + ROW_GAP;
            }
        }
    }
    CalculateScrollRects();
}

void COXSHBListCtrl::CalculateScrollRects()
{
    m_rectTopScroll = QRect();
    m_rectBottomScroll = QRect();
    const QRect view = GetViewArea();
    if (IsRectEmpty(view))
        return;
    const QSize size = m_pShortcutBar ? m_pShortcutBar->GetScrollButtonSize() : QSize(16, 16);
    if (m_ptOrigin.height() != 0)
        m_rectTopScroll = RectLTRB(Right(view) - size.width(), view.y(), Right(view), view.y() + size.height());
    QRect range;
    if (GetScrollRange(&range, -1) && Bottom(range) > Bottom(view) + m_ptOrigin.height())
        m_rectBottomScroll =
            RectLTRB(Right(view) - size.width(), Bottom(view) - size.height(), Right(view), Bottom(view));
}

bool COXSHBListCtrl::GetViewRect(QRect* pRect, bool bOnlyVisiblePart) const
{
    if (!pRect)
        return false;
    const QRect view = GetViewArea();
    int nBottom = 0;
    for (const auto& [i, row] : m_mapItemToBoundRect)
        nBottom = std::max(nBottom, Bottom(row));
    QRect whole = RectLTRB(view.x(), view.y(), Right(view), nBottom);
    if (bOnlyVisiblePart) {
        const int top = std::max(view.y() + m_ptOrigin.height(), view.y());
        const int bottom = std::min(nBottom, Bottom(view) + m_ptOrigin.height());
        whole = RectLTRB(view.x(), top, Right(view), bottom);
    }
    *pRect = whole;
    return true;
}

bool COXSHBListCtrl::GetScrollRange(QRect* pRange, int nReferenceItem) const
{
    const QRect view = GetViewArea();
    if (IsRectEmpty(view) || !pRange)
        return false;
    QRect range;
    GetViewRect(&range);
    const int nWholeHeight = Bottom(range) - range.y();
    const int nOriginY = m_ptOrigin.height();
    const int nViewHeight = view.height();
    if (nWholeHeight + nOriginY <= nViewHeight) {
        // everything fits from here
    } else if (nWholeHeight <= nViewHeight + nOriginY) {
        range.setHeight(range.height() + (nViewHeight + nOriginY - nWholeHeight));
    } else {
        int nRef = nReferenceItem == -1 ? GetTopIndex() : nReferenceItem;
        const int nCount = GetItemCount();
        if (nRef >= 0 && nRef < nCount) {
            const int nVisibleTop = view.y() + nOriginY;
            bool bExtend = true;
            if (m_mapItemToBoundRect.at(nRef).y() < nVisibleTop) {
                if (nRef == nCount - 1)
                    bExtend = false;
                else
                    ++nRef;
            }
            if (bExtend) {
                const int nDistance = Bottom(m_mapItemToBoundRect.at(nCount - 1)) - m_mapItemToBoundRect.at(nRef).y();
                if (nDistance < nViewHeight)
                    range.setHeight(range.height() + (nViewHeight - nDistance));
            }
        }
    }
    *pRange = range;
    return true;
}

int COXSHBListCtrl::FindItem(const LVFINDINFO* pFindInfo, int nStart) const
{
    const int nCount = GetItemCount();
    if (!pFindInfo || nCount == 0)
        return -1;
    const int nLast = (pFindInfo->flags & LVFI_WRAP) ? nCount + nStart : nCount - 1;
    if (!(pFindInfo->flags & LVFI_NEARESTXY)) {
        for (int n = nStart + 1; n <= nLast; ++n) {
            const int i = ((n % nCount) + nCount) % nCount;
            const Item& item = m_items[size_t(i)];
            if ((pFindInfo->flags & LVFI_PARAM) && item.lParam == pFindInfo->lParam)
                return i;
            if (pFindInfo->flags & (LVFI_STRING | LVFI_PARTIAL)) {
                const bool bMatch = (pFindInfo->flags & LVFI_PARTIAL)
                                        ? item.text.startsWith(pFindInfo->psz, Qt::CaseInsensitive)
                                        : item.text.compare(pFindInfo->psz, Qt::CaseInsensitive) == 0;
                if (bMatch)
                    return i;
            }
        }
        return -1;
    }
    const QPoint q = pFindInfo->pt + QPoint(m_ptOrigin.width(), m_ptOrigin.height());
    int nBest = -1;
    int nBestDistance = 0;
    for (int n = nStart + 1; n <= nLast; ++n) {
        const int i = ((n % nCount) + nCount) % nCount;
        const auto it = m_mapItemToBoundRect.find(i);
        if (it == m_mapItemToBoundRect.end())
            continue;
        const QRect& row = it->second;
        if (row.contains(q) || (row.y() <= q.y() && q.y() < Bottom(row)))
            return i;
        int nDistance = 0;
        if (pFindInfo->vkDirection == VK_UP)
            nDistance = q.y() - Bottom(row);
        else if (pFindInfo->vkDirection == VK_DOWN)
            nDistance = row.y() - q.y();
        else
            continue;
        if (nDistance > 0 && (nBest == -1 || nDistance < nBestDistance)) {
            nBest = i;
            nBestDistance = nDistance;
        }
    }
    return nBest;
}

int COXSHBListCtrl::GetTopIndex() const
{
    LVFINDINFO find;
    find.flags = LVFI_NEARESTXY;
    find.pt = QPoint(0, VIEW_MARGIN);
    find.vkDirection = VK_DOWN;
    return FindItem(&find, -1);
}

int COXSHBListCtrl::GetCountPerPage() const
{
    QRect visible;
    GetViewRect(&visible, true);
    if (IsRectEmpty(visible))
        return 0;
    int n = 0;
    for (const auto& [i, row] : m_mapItemToBoundRect) {
        if (!IsRectEmpty(IntersectRect(row, visible)))
            ++n;
    }
    return n;
}

bool COXSHBListCtrl::GetItemRect(int nItem, QRect* pRect, int nCode) const
{
    if (!pRect)
        return false;
    const auto row = m_mapItemToBoundRect.find(nItem);
    if (row == m_mapItemToBoundRect.end()) {
        *pRect = QRect();
        return true;
    }
    const QPoint offset = row->second.topLeft() - QPoint(m_ptOrigin.width(), m_ptOrigin.height());
    const QRect image = m_mapItemToImageRect.at(nItem).translated(offset);
    const QRect label = m_mapItemToTextRect.at(nItem).translated(offset);
    switch (nCode) {
    case LVIR_BOUNDS:
        *pRect = UnionRect(image, label);
        break;
    case LVIR_ICON:
        *pRect = image;
        break;
    case LVIR_LABEL:
        *pRect = label;
        break;
    case -1:
        *pRect = row->second.translated(-m_ptOrigin.width(), -m_ptOrigin.height());
        break;
    default:
        *pRect = UnionRect(image, label);
        break;
    }
    return true;
}

bool COXSHBListCtrl::GetItemPosition(int nItem, QPoint* pPoint) const
{
    const auto row = m_mapItemToBoundRect.find(nItem);
    if (row == m_mapItemToBoundRect.end() || !pPoint)
        return false;
    *pPoint = row->second.topLeft() - QPoint(m_ptOrigin.width(), m_ptOrigin.height());
    return true;
}

int COXSHBListCtrl::HitTest(QPoint point, int* pFlags, bool bOnlyItems) const
{
    int nFlags = 0;
    int nResult = -1;
    if (!bOnlyItems && !(GetBarStyle() & SHBS_NOSCROLL)) {
        if (!IsRectEmpty(m_rectTopScroll) && m_rectTopScroll.contains(point)) {
            if (pFlags)
                *pFlags = SHBLC_ONUPBUTTON;
            return -1;
        }
        if (!IsRectEmpty(m_rectBottomScroll) && m_rectBottomScroll.contains(point)) {
            if (pFlags)
                *pFlags = SHBLC_ONDOWNBUTTON;
            return -1;
        }
    }
    const QPoint q = point + QPoint(m_ptOrigin.width(), m_ptOrigin.height());
    QRect visible;
    GetViewRect(&visible, true);
    if (IsRectEmpty(visible) || !visible.contains(q)) {
        if (q.x() < visible.x())
            nFlags |= LVHT_TOLEFT;
        else if (q.x() >= Right(visible))
            nFlags |= LVHT_TORIGHT;
        if (q.y() < visible.y())
            nFlags |= LVHT_ABOVE;
        else if (q.y() >= Bottom(visible))
            nFlags |= LVHT_BELOW;
        if (pFlags)
            *pFlags = nFlags;
        return -1;
    }
    nFlags = LVHT_NOWHERE;
    for (const auto& [i, row] : m_mapItemToBoundRect) {
        if (!row.contains(q))
            continue;
        const QRect image = m_mapItemToImageRect.at(i).translated(row.topLeft());
        const QRect label = m_mapItemToTextRect.at(i).translated(row.topLeft());
        if (!IsRectEmpty(image) && image.contains(q))
            nFlags = LVHT_ONITEMICON;
        else if (!IsRectEmpty(label) && label.contains(q))
            nFlags = LVHT_ONITEMLABEL;
        else if (UnionRect(image, label).contains(q))
            nFlags = SHBLC_ONIMAGEANDTEXT;
        else
            nFlags = -1;
        nResult = i;
        break;
    }
    if (pFlags)
        *pFlags = nFlags;
    return nResult;
}

bool COXSHBListCtrl::EnsureItemVisible(int nItem, bool bPartialOK)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return false;
    const QRect row = m_mapItemToBoundRect.at(nItem);
    QRect visible;
    GetViewRect(&visible, true);
    if (row.height() >= visible.height() && !bPartialOK)
        return false;
    if (bPartialOK && !IsRectEmpty(IntersectRect(row, visible)))
        return true;
    if (RectInside(row, visible))
        return true;
    int dy = 0;
    if (Bottom(row) <= visible.y())
        dy = row.y() - visible.y();
    else if (row.y() >= Bottom(visible))
        dy = Bottom(row) - Bottom(visible);
    else if (Bottom(row) > Bottom(visible))
        dy = Bottom(row) - Bottom(visible);
    else if (row.y() < visible.y())
        dy = row.y() - visible.y();
    ScrollBy(QSize(0, dy));
    if (bPartialOK)
        return true;
    GetViewRect(&visible, true);
    return RectInside(m_mapItemToBoundRect.at(nItem), visible);
}

bool COXSHBListCtrl::ScrollBy(QSize size)
{
    if (GetItemCount() == 0 || IsRectEmpty(rect()))
        return false;
    int dx = size.width();
    int dy = size.height();
    const int nTop = GetTopIndex();
    int nRef = nTop;
    if (dy < 0)
        nRef = nTop <= 0 ? nTop : nTop - 1;
    else if (dy > 0)
        nRef = nTop == GetItemCount() - 1 ? nTop : nTop + 1;
    QRect range;
    if (!GetScrollRange(&range, nRef))
        return false;
    const QRect view = GetViewArea();
    const QRect moved = view.translated(m_ptOrigin.width() + dx, m_ptOrigin.height() + dy);
    const int nCurrentTop = view.y() + m_ptOrigin.height();
    if (dy < 0 && moved.y() < range.y())
        dy = std::min(0, range.y() - nCurrentTop);
    else if (dy > 0 && Bottom(moved) > Bottom(range))
        dy = std::max(0, Bottom(range) - (Bottom(view) + m_ptOrigin.height()));
    const int nCurrentLeft = view.x() + m_ptOrigin.width();
    if (dx < 0 && moved.x() < range.x())
        dx = std::min(0, range.x() - nCurrentLeft);
    else if (dx > 0 && Right(moved) > Right(range))
        dx = std::max(0, Right(range) - (Right(view) + m_ptOrigin.width()));
    if (dx == 0 && dy == 0)
        return false;
    m_ptOrigin += QSize(dx, dy);
    CalculateScrollRects();
    RedrawWindow();
    return true;
}

void COXSHBListCtrl::ScrollRowToTop(int nItem)
{
    const auto it = m_mapItemToBoundRect.find(nItem);
    if (it != m_mapItemToBoundRect.end())
        ScrollBy(QSize(0, it->second.y() - GetViewArea().y() - m_ptOrigin.height()));
}

void COXSHBListCtrl::ScrollRowBottomToViewBottom(int nItem)
{
    const auto it = m_mapItemToBoundRect.find(nItem);
    if (it != m_mapItemToBoundRect.end())
        ScrollBy(QSize(0, Bottom(it->second) - Bottom(GetViewArea()) - m_ptOrigin.height()));
}

void COXSHBListCtrl::RedrawRect(const QRect& r)
{
    if (IsRectEmpty(r))
        return;
    if (isVisible())
        repaint(r);
    else
        update(r);
}

void COXSHBListCtrl::RedrawWindow()
{
    if (isVisible())
        repaint();
    else
        update();
}

bool COXSHBListCtrl::RedrawItem(int nItem)
{
    if (nItem < 0 || nItem >= GetItemCount())
        return false;
    QRect image, label;
    GetItemRect(nItem, &image, LVIR_ICON);
    GetItemRect(nItem, &label, LVIR_LABEL);
    RedrawRect(image);
    RedrawRect(label);
    return true;
}

bool COXSHBListCtrl::RedrawItems(int nFirst, int nLast)
{
    for (int i = nFirst; i <= nLast; ++i) {
        if (!RedrawItem(i))
            return false;
    }
    return true;
}

// ---- painting

void COXSHBListCtrl::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    QRegion clip(rect());
    if (!(GetBarStyle() & SHBS_NOSCROLL)) {
        DrawScrollButtons(&painter);
        if (!IsRectEmpty(m_rectTopScroll))
            clip -= m_rectTopScroll;
        if (!IsRectEmpty(m_rectBottomScroll))
            clip -= m_rectBottomScroll;
    }
    painter.setClipRegion(clip);

    QRegion background(rect());
    for (const auto& [i, row] : m_mapItemToBoundRect)
        background ^= row.translated(-m_ptOrigin.width(), -m_ptOrigin.height());
    const QColor bk = toQColor(GetBkColour());
    for (const QRect& r : background)
        painter.fillRect(r, bk);

    for (const auto& [i, row] : m_mapItemToBoundRect) {
        const QRect place = row.translated(-m_ptOrigin.width(), -m_ptOrigin.height());
        if (IsRectEmpty(place) || !e->region().intersects(place))
            continue;
        // Each row is drawn off-screen and copied in one piece.
        QPixmap buffer(place.size());
        buffer.fill(bk);
        QPainter dc(&buffer);
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_LISTVIEW;
        dis.CtlID = m_nID;
        dis.itemID = unsigned(i);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ODS_DEFAULT;
        dis.hwndItem = this;
        dis.hDC = &dc;
        dis.rcItem = QRect(QPoint(0, 0), place.size());
        dis.itemData = 0;
        DrawItem(&dis);
        dc.end();
        painter.drawPixmap(place.topLeft(), buffer);
    }
    DrawPlaceHolder(&painter);
}

void COXSHBListCtrl::DrawItem(DRAWITEMSTRUCT* pDIS)
{
    const int nItem = int(pDIS->itemID);
    if (!m_bCreatingDragImage && SendSHBNotification(SHBNC_DRAWITEM, nItem, reinterpret_cast<intptr_t>(pDIS)))
        return;
    if (nItem < 0 || nItem >= GetItemCount())
        return;
    QPainter* pDC = pDIS->hDC;
    const QRect rcItem = pDIS->rcItem;
    FillSolidRect(pDC, rcItem, GetBkColour());
    const QPoint offset = rcItem.topLeft();
    const bool bLarge = GetView() != SHBV_SMALLICONS;
    const CImageList* pImages = bLarge ? m_pImageListNormal : m_pImageListSmall;
    const int nImage = GetItemImage(nItem);
    if (pImages && nImage >= 0) {
        const QRect image = m_mapItemToImageRect[nItem].translated(offset);
        pImages->Draw(pDC, nImage, image.topLeft() + QPoint(IMAGE_SPACE, IMAGE_SPACE), ILD_TRANSPARENT);
    }
    const QRect label = m_mapItemToTextRect[nItem].translated(offset);
    const QString text = GetItemText(nItem);
    if (!IsRectEmpty(label) && !text.isEmpty()) {
        QFont font = labelFont();
        if ((GetBarStyle() & SHBS_HOTITEMUNDERLINE) && nItem == m_nHotItem && !m_bCreatingDragImage)
            font.setUnderline(true);
        pDC->setPen(toQColor(GetTextColour()));
        if (bLarge) {
            QRect r = label.adjusted(2, 2, -2, -2);
            DrawText(pDC, font, text, r, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS);
        } else {
            QRect r = label;
            DrawText(pDC, font, text, r, DT_VCENTER | DT_SINGLELINE);
        }
    }
}

void COXSHBListCtrl::DrawScrollButtons(QPainter* pDC)
{
    if (GetBarStyle() & SHBS_NOSCROLL)
        return; // scroll buttons won't be displayed - SHBS_NOSCROLL style is set
    const QPoint cursor = cursorPos();
    const bool bPressed = leftButtonDown() || m_bAutoScrolling;
    if (!IsRectEmpty(m_rectTopScroll))
        DrawScrollButton(pDC, m_rectTopScroll, true, m_rectTopScroll.contains(cursor) && m_bScrollingUp && bPressed);
    if (!IsRectEmpty(m_rectBottomScroll))
        DrawScrollButton(pDC, m_rectBottomScroll, false,
                         m_rectBottomScroll.contains(cursor) && m_bScrollingDown && bPressed);
}

// ---- tracked items

int COXSHBListCtrl::SetDownItem(int nItem)
{
    if (nItem == m_nDownItem)
        return m_nDownItem;
    if (SendSHBNotification(SHBNC_DOWNITEMCHANGING, nItem, 0))
        return m_nDownItem;
    const int previous = m_nDownItem;
    m_nDownItem = nItem;
    return previous;
}

int COXSHBListCtrl::SetHotItem(int nItem)
{
    if (nItem == m_nHotItem)
        return m_nHotItem;
    if (SendSHBNotification(SHBNC_HOTITEMCHANGING, nItem, 0))
        return m_nHotItem;
    const int previous = m_nHotItem;
    m_nLastHotItem = previous;
    m_nHotItem = nItem;
    return previous;
}

int COXSHBListCtrl::SetSelectedItem(int nItem)
{
    if (SendSHBNotification(SHBNC_SELECTCHANGING, nItem, 0))
        return m_nSelectedItem;
    const int previous = m_nSelectedItem;
    m_nSelectedItem = nItem;
    RedrawItem(previous);
    RedrawItem(nItem);
    return previous;
}

// ---- mouse

QPoint COXSHBListCtrl::cursorPos() const
{
    return mapFromGlobal(QCursor::pos());
}

bool COXSHBListCtrl::leftButtonDown() const
{
    return (QApplication::mouseButtons() & Qt::LeftButton) != 0;
}

void COXSHBListCtrl::onLeftButtonDown(QPoint point)
{
    if (QWidget* pParent = parentWidget())
        pParent->show();
    int nFlags = 0;
    const int nItem = HitTest(point, &nFlags, false);
    if (nItem >= 0 && nFlags != -1) {
        const int nPrevious = SetDownItem(nItem);
        if (!(GetBarStyle() & SHBS_NOITEMDRAG)) {
            m_ptClickedLButton = point;
            m_nPressedItem = nItem;
            if (GetBarStyle() & SHBS_ITEMDRAGIMAGE) {
                QRect bounds;
                GetItemRect(nItem, &bounds, LVIR_BOUNDS);
                m_ptDragImage = point - bounds.topLeft();
            }
        }
        RedrawItem(nItem);
        RedrawItem(nPrevious);
    }
    if (nFlags == SHBLC_ONUPBUTTON)
        StartScrolling(true);
    else if (nFlags == SHBLC_ONDOWNBUTTON)
        StartScrolling(false);
    else if (m_bAutoScrolling)
        StopScrolling();
}

void COXSHBListCtrl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        onLeftButtonDown(e->position().toPoint());
    // Right and middle presses are swallowed; the context menu comes from the bar.
}

void COXSHBListCtrl::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        onLeftButtonDown(e->position().toPoint());
}

void COXSHBListCtrl::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const QPoint point = e->position().toPoint();
    m_nPressedItem = -1;
    int nFlags = 0;
    const int nItem = HitTest(point, &nFlags, false);
    if (nItem >= 0 && nFlags != -1 && nItem == m_nDownItem)
        SetSelectedItem(nItem);
    RedrawItem(nItem);
    if (m_bScrollingUp || m_bScrollingDown)
        StopScrolling();
}

void COXSHBListCtrl::mouseMoveEvent(QMouseEvent* e)
{
    QWidget::mouseMoveEvent(e);
    if (m_nEditItem == -1 && (!m_pShortcutBar || m_pShortcutBar->GetEditedGroup() == 0))
        CheckMouseOver();
}

void COXSHBListCtrl::CheckMouseOver()
{
    const QWidget* pUnder = QApplication::widgetAt(QCursor::pos());
    if (pUnder == this && isEnabled()) {
        if (!m_hoverTimer.isActive())
            m_hoverTimer.start(SHBLC_HOVERINTERVAL, this);
        m_nCheckMouseTimerId = SHBLC_HOVERTIMER;
        m_bMouseIsOver = true;
        UpdateHotItem();
    } else if (leftButtonDown()) {
        m_bMouseIsOver = false;
        UpdateHotItem();
    } else {
        killHoverTimer();
        m_bMouseIsOver = false;
        const int nOld = m_nHotItem;
        SetHotItem(-1);
        RedrawItem(nOld);
    }
}

void COXSHBListCtrl::UpdateHotItem()
{
    const QPoint point = cursorPos();
    int nFlags = 0;
    const int nItem = HitTest(point, &nFlags, false);
    const int nNewHot = (!m_bMouseIsOver || nFlags == -1 || nFlags == SHBLC_ONIMAGEANDTEXT) ? -1 : nItem;
    const int nOldHot = m_nHotItem;
    SetHotItem(nNewHot);
    const QPoint moved = point - m_ptClickedLButton;
    if (m_nDragItem == -1 && nNewHot >= 0 && !(GetBarStyle() & SHBS_NOITEMDRAG) && m_nPressedItem == nNewHot &&
        std::abs(moved.x()) + std::abs(moved.y()) > DRAG_THRESHOLD) {
        m_ptDragImage += moved;
        SetDragItem(nNewHot);
    }
    if (!(leftButtonDown() && m_nDragItem == -1))
        m_nPressedItem = -1;
    if (m_nHotItem != nOldHot) {
        RedrawItem(m_nHotItem);
        RedrawItem(nOldHot);
    }
    if (m_bScrollingUp && nFlags != SHBLC_ONUPBUTTON)
        RedrawRect(m_rectTopScroll);
    if (m_bScrollingDown && nFlags != SHBLC_ONDOWNBUTTON)
        RedrawRect(m_rectBottomScroll);
    if ((GetBarStyle() & SHBS_SCROLLONHOVER) && m_nDragItem == -1) {
        if (nFlags == SHBLC_ONUPBUTTON && !m_bScrollingUp)
            StartScrolling(true, true);
        else if (nFlags == SHBLC_ONDOWNBUTTON && !m_bScrollingDown)
            StartScrolling(false, true);
    }
    if (m_bAutoScrolling && ((m_bScrollingUp && nFlags != SHBLC_ONUPBUTTON) ||
                             (m_bScrollingDown && nFlags != SHBLC_ONDOWNBUTTON)))
        StopScrolling();
}

void COXSHBListCtrl::killHoverTimer()
{
    m_hoverTimer.stop();
    m_nCheckMouseTimerId = 0;
}

void COXSHBListCtrl::killScrollTimer()
{
    m_scrollTimer.stop();
    m_nScrollTimerId = 0;
}

void COXSHBListCtrl::StartScrolling(bool bScrollingUp, bool bAutoScrolling)
{
    if (m_bScrollingUp || m_bScrollingDown)
        StopScrolling();
    const int nOld = SetDownItem(-1);
    RedrawItem(nOld);
    if (bScrollingUp)
        m_bScrollingUp = true;
    else
        m_bScrollingDown = true;
    m_bAutoScrolling = bAutoScrolling;
    RedrawRect(bScrollingUp ? m_rectTopScroll : m_rectBottomScroll);
    if (!m_bDragDropOperation) {
        const int nTop = GetTopIndex();
        const int nCount = GetItemCount();
        if (nTop >= 0) {
            const int n = GetCountPerPage();
            if (!bScrollingUp) {
                if (nTop == nCount - 1)
                    ScrollRowBottomToViewBottom(nTop);
                else
                    ScrollRowToTop(std::min(n < 2 ? nTop + 1 : nTop + n - 1, nCount - 1));
            } else {
                const int nVisibleTop = GetViewArea().y() + m_ptOrigin.height();
                if (m_mapItemToBoundRect[nTop].y() >= nVisibleTop)
                    ScrollRowToTop(std::max(0, nTop - n));
                else
                    ScrollRowToTop(nTop);
            }
        }
    }
    // A click scrolls at the scroll delay; hovering or an OLE drag at the
    // auto-scroll delay, four times faster while an OLE drag is over the list.
    int nDelay = m_pShortcutBar ? m_pShortcutBar->GetScrollDelay() : 200;
    if (bAutoScrolling) {
        nDelay = m_pShortcutBar ? m_pShortcutBar->GetAutoScrollDelay() : 400;
        if (m_bDragDropOperation)
            nDelay /= 4;
    }
    m_nScrollTimerId = SHBLC_SCROLLTIMER;
    m_scrollTimer.start(std::max(1, nDelay), this);
}

void COXSHBListCtrl::StopScrolling()
{
    killScrollTimer();
    RedrawRect(m_rectTopScroll);
    RedrawRect(m_rectBottomScroll);
    m_bScrollingUp = false;
    m_bScrollingDown = false;
    m_bAutoScrolling = false;
}

void COXSHBListCtrl::OnScrollTimer()
{
    int nFlags = 0;
    HitTest(cursorPos(), &nFlags, false);
    const bool bOnActive = m_bDragDropOperation || (m_bScrollingUp && nFlags == SHBLC_ONUPBUTTON) ||
                           (m_bScrollingDown && nFlags == SHBLC_ONDOWNBUTTON);
    if (bOnActive) {
        RedrawRect(m_bScrollingUp ? m_rectTopScroll : m_rectBottomScroll);
        const int nTop = GetTopIndex();
        const int nCount = GetItemCount();
        if (m_bScrollingUp) {
            if (nTop == -1) {
                ScrollRowToTop(nCount - 1);
            } else {
                const int nVisibleTop = GetViewArea().y() + m_ptOrigin.height();
                if (m_mapItemToBoundRect[nTop].y() < nVisibleTop)
                    ScrollRowToTop(nTop);
                else
                    ScrollRowToTop(std::max(0, nTop - 1));
            }
        } else if (m_bScrollingDown && nTop >= 0) {
            if (nTop == nCount - 1)
                ScrollRowBottomToViewBottom(nTop);
            else
                ScrollRowToTop(nTop + 1);
        }
    }
    if ((m_bScrollingUp && IsRectEmpty(m_rectTopScroll)) || (m_bScrollingDown && IsRectEmpty(m_rectBottomScroll)))
        StopScrolling();
}

void COXSHBListCtrl::timerEvent(QTimerEvent* e)
{
    if (e->timerId() == m_scrollTimer.timerId()) {
        OnScrollTimer();
        return;
    }
    if (e->timerId() == m_hoverTimer.timerId()) {
        if (!m_bDragDropOperation)
            PostShbMessage(this, SHBMSG_LISTCHECKHOVER);
        return;
    }
    QWidget::timerEvent(e);
}

void COXSHBListCtrl::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    CalculateBoundRects();
}

// ---- renaming

COXSHBEdit* COXSHBListCtrl::EditLabel(int nItem)
{
    if (!(GetBarStyle() & SHBS_EDITITEMS))
        return nullptr; // cannot edit item - SHBS_EDITITEMS style wasn't set
    if (nItem < 0 || nItem >= GetItemCount())
        return nullptr;
    if (m_nEditItem != -1) {
        m_edit.FinishEdit(true);
        m_nEditItem = -1;
    }
    QString text = GetItemText(nItem);
    if (SendSHBNotification(SHBNC_BEGINITEMEDIT, nItem, reinterpret_cast<intptr_t>(&text)))
        return nullptr;
    QRect label;
    if (!GetItemRect(nItem, &label, LVIR_LABEL))
        return nullptr; // failed to get item text rectangle
    if (IsRectEmpty(label)) {
        QRect icon, row;
        if (!GetItemRect(nItem, &icon, LVIR_ICON))
            return nullptr; // failed to get item image rectangle
        if (!GetItemRect(nItem, &row, -1))
            return nullptr; // failed to get full item rectangle
        QRect image = IsRectEmpty(icon) ? QRect() : icon.translated(-row.topLeft());
        label = CalculateTextRect(QStringLiteral(" "), image, row.width()).translated(row.topLeft());
    }
    const QRect client = rect();
    const QRect area = RectLTRB(client.x(), client.y() + VIEW_MARGIN, Right(client), Bottom(client) - VIEW_MARGIN);
    if (IsRectEmpty(label) || !RectInside(label, area))
        return nullptr; // failed to edit - item text rectangle is not entirely visible
    const bool bLarge = GetView() != SHBV_SMALLICONS;
    if (!bLarge)
        label = IntersectRect(label.translated(-2, 0), area);

    SHBE_DISPLAY display;
    display.nMask = 0xFF;
    display.lpText = text;
    display.rectDisplay = label;
    display.bGrowWhileTyping = true;
    display.ptSelectionStart = 0;
    display.ptSelectionEnd = -1;
    display.pFont = labelFont();
    QRect minRect = label;
    QRect maxRect;
    if (bLarge) {
        display.dwStyle = WS_BORDER | ES_AUTOVSCROLL | ES_MULTILINE | ES_CENTER;
        maxRect = RectLTRB(area.x(), label.y(), Right(area), Bottom(area));
        if (minRect.width() < 10) {
            const int left = (label.x() - 10 + Right(label)) / 2;
            minRect = RectLTRB(left, label.y(), left + 10, Bottom(label));
        }
        maxRect = RectLTRB(std::min(maxRect.x(), minRect.x()), maxRect.y(), std::max(Right(maxRect), Right(minRect)),
                           Bottom(maxRect));
    } else {
        display.dwStyle = WS_BORDER | ES_AUTOHSCROLL;
        maxRect = RectLTRB(label.x(), label.y(), Right(area), Bottom(label));
        if (minRect.width() < 10)
            minRect = RectLTRB(label.x(), label.y(), label.x() + 10, Bottom(label));
        maxRect = RectLTRB(maxRect.x(), maxRect.y(), std::max(Right(maxRect), Right(minRect)), Bottom(maxRect));
    }
    display.rectMin = minRect;
    display.rectMax = maxRect;
    if (!m_edit.StartEdit(&display))
        return nullptr; // COXSHBListCtrl::EditLabel: COXSHBEdit::StartEdit failed
    m_nEditItem = nItem;
    return &m_edit;
}

void COXSHBListCtrl::OnChangeItemText(const SHBE_ENDEDIT* pEndEdit)
{
    const int nItem = m_nEditItem;
    m_nEditItem = -1;
    if (!pEndEdit->bSave || nItem < 0)
        return;
    QString text = m_edit.GetWindowText();
    if (SendSHBNotification(SHBNC_ENDITEMEDIT, nItem, reinterpret_cast<intptr_t>(&text)))
        return;
    SetItemText(nItem, text); // failed to set text to item: %s
}

// ---- tooltips, context menu, messages

int COXSHBListCtrl::OnToolHitTest(QPoint point, QRect* pToolRect) const
{
    if (!(GetBarStyle() & SHBS_TOOLTIPS))
        return -1;
    int nFlags = 0;
    const int nItem = HitTest(point, &nFlags, true);
    if (nItem < 0 || nFlags == -1)
        return -1;
    if (pToolRect)
        GetItemRect(nItem, pToolRect, LVIR_BOUNDS);
    return nItem + 1;
}

void COXSHBListCtrl::showToolTip(QHelpEvent* e)
{
    QRect r;
    const int nId = OnToolHitTest(e->pos(), &r);
    if (nId <= 0) {
        QToolTip::hideText();
        e->ignore();
        return;
    }
    SHB_TIPTEXT tip;
    SendSHBNotification(SHBNC_ITEMTIP, nId - 1, reinterpret_cast<intptr_t>(&tip));
    const QString text = tip.lpszText ? *tip.lpszText : tip.szText.left(SHB_TIPTEXT_BUFFER);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(e->globalPos(), text, this, r);
}

void COXSHBListCtrl::FillContextMenu(SHB_MENUREQUEST* pRequest)
{
    if (!pRequest || !pRequest->pMenu || !m_pShortcutBar || pRequest->pShortcutBar != m_pShortcutBar ||
        pRequest->hGroup != m_hGroup)
        return;
    int nFlags = 0;
    const int nItem = HitTest(mapFromGlobal(pRequest->point), &nFlags, false);
    if (nItem < 0 || nFlags == -1 || !(GetBarStyle() & SHBS_EDITITEMS))
        return;
    QMenu* pMenu = pRequest->pMenu;
    if (!pMenu->isEmpty())
        pMenu->addSeparator();
    pMenu->addAction(QStringLiteral("Rename Item"))->setData(ID_SHB_RENAMEITEM);
    pMenu->addAction(QStringLiteral("Remove Item"))->setData(ID_SHB_REMOVEITEM);
}

bool COXSHBListCtrl::handleMessage(CShbMessage* m)
{
    switch (m->message) {
    case SHBMSG_ATTACHGROUP:
        if (auto* pBar = qobject_cast<COXShortcutBar*>(parentWidget())) {
            m_hGroup = SHBGROUPID(m->lParam);
            m_pShortcutBar = pBar;
            CalculateBoundRects();
        }
        m->result = 0;
        return true;
    case SHBMSG_GROUPCHANGED:
        if (m->lParam & SHBGI_DESCRIPTOR)
            CalculateBoundRects();
        if (m->lParam & SHBGI_VIEW) {
            ScrollBy(QSize(-m_ptOrigin.width(), -m_ptOrigin.height()));
            m_ptOrigin = QSize(0, 0);
            CalculateBoundRects();
        }
        RedrawWindow();
        m->result = 0;
        return true;
    case SHBMSG_BARCHANGED:
        if (m->lParam & (SHBCHG_SCROLLBUTTONSIZE | SHBCHG_BARSTYLE))
            CalculateScrollRects();
        if (m->lParam & SHBCHG_BARSTYLE)
            RedrawWindow();
        m->result = 0;
        return true;
    case SHBMSG_LISTCHECKHOVER:
        CheckMouseOver();
        return true;
    case SHBMSG_LISTBEGINDRAG:
        OnBeginItemOleDrag(int(m->wParam), reinterpret_cast<QMimeData*>(m->lParam));
        return true;
    case SHBMSG_OLEDRAGENTER:
        m->result = OnOleDragEnter(m->wParam, reinterpret_cast<SHB_DROPEVENT*>(m->lParam));
        return true;
    case SHBMSG_OLEDRAGOVER:
        m->result = OnOleDragOver(m->wParam, reinterpret_cast<SHB_DROPEVENT*>(m->lParam));
        return true;
    case SHBMSG_OLEDRAGLEAVE:
        m->result = OnOleDragLeave(m->wParam, reinterpret_cast<SHB_DROPEVENT*>(m->lParam));
        return true;
    case SHBMSG_OLEDROP:
        m->result = OnOleDrop(m->wParam, reinterpret_cast<SHB_DROPEVENT*>(m->lParam));
        return true;
    case SHBMSG_FILLCONTEXTMENU:
        FillContextMenu(reinterpret_cast<SHB_MENUREQUEST*>(m->lParam));
        m->result = 0;
        return true;
    case WM_NOTIFY: {
        const auto* pEnd = reinterpret_cast<const SHBE_ENDEDIT*>(m->lParam);
        if (m->wParam == SHB_IDCEDIT && pEnd && pEnd->code == SHBEN_ENDEDIT && pEnd->hwndFrom == &m_edit) {
            OnChangeItemText(pEnd);
            m->result = 0;
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool COXSHBListCtrl::event(QEvent* e)
{
    if (e->type() == CShbMessage::Type())
        return handleMessage(static_cast<CShbMessage*>(e)) || QWidget::event(e);
    if (e->type() == QEvent::ToolTip) {
        showToolTip(static_cast<QHelpEvent*>(e));
        return true;
    }
    if (e->type() == QEvent::Leave) {
        // Leaving is also noticed by the hover timer; this only makes it prompt.
        if (!leftButtonDown() && m_nHotItem != -1) {
            const int nOld = m_nHotItem;
            SetHotItem(-1);
            RedrawItem(nOld);
        }
    }
    return QWidget::event(e);
}

// ---- drag sources and targets

COleDropSource* COXSHBListCtrl::GetDropSource()
{
    COleDropSource* pSource = nullptr;
    if (SendSHBNotification(SHBNC_GETDROPSOURCE, -1, reinterpret_cast<intptr_t>(&pSource)) && pSource)
        return pSource;
    m_oleDropSource.SetOwner(this);
    return &m_oleDropSource;
}

COleDropTarget* COXSHBListCtrl::GetDropTarget()
{
    COleDropTarget* pTarget = nullptr;
    if (SendSHBNotification(SHBNC_GETDROPTARGET, -1, reinterpret_cast<intptr_t>(&pTarget)) && pTarget)
        return pTarget;
    return &m_oleDropTarget;
}

int COXSHBListCtrl::SetDragItem(int nItem)
{
    if (nItem == m_nDragItem)
        return m_nDragItem;
    const int previous = m_nDragItem;
    m_nDragItem = nItem;
    if (nItem == -1 || nItem >= GetItemCount())
        return previous;

    SendSHBNotification(SHBNC_ITEMDRAG, nItem, reinterpret_cast<intptr_t>(&m_ptDragImage));
    auto* pData = new QMimeData;
    // Until the drag takes it over, the data belongs to the list.
    pData->setParent(this);
    pData->setText(GetItemText(nItem));

    SHB_EXTRADATA extra;
    SendSHBNotification(SHBNC_GETDRAGDATA, nItem, reinterpret_cast<intptr_t>(&extra));
    CShbChildItemBlock block;
    block.strText = GetItemText(nItem);
    block.nItemData = uint32_t(GetItemData(nItem));
    const int nImage = m_items[size_t(nItem)].image;
    if (nImage >= 0) {
        const CImageList* lists[2] = {m_pImageListNormal, m_pImageListSmall};
        for (uint32_t nKind = 0; nKind < 2; ++nKind) {
            if (!lists[nKind] || !lists[nKind]->IsCreated() || nImage >= lists[nKind]->GetImageCount())
                continue;
            CShbChildItemBlock::Image image;
            image.nKind = nKind;
            image.blob = COXShortcutBar::CopyImageFromIL(lists[nKind], nImage);
            if (!image.blob.isEmpty())
                block.images.push_back(image);
        }
    }
    if (extra.nDataSize > 0 && extra.pData)
        block.extra = QByteArray(extra.pData, qsizetype(extra.nDataSize));
    pData->setData(ShbChildItemMimeType(), block.Encode());
    PostShbMessage(this, SHBMSG_LISTBEGINDRAG, uintptr_t(nItem), reinterpret_cast<intptr_t>(pData));
    return previous;
}

QPixmap COXSHBListCtrl::CreateDragImage(int nItem)
{
    const auto row = m_mapItemToBoundRect.find(nItem);
    if (row == m_mapItemToBoundRect.end() || IsRectEmpty(row->second))
        return QPixmap();
    m_bCreatingDragImage = true;
    QPixmap whole(row->second.size());
    const COLORREF clrBk = GetBkColour();
    whole.fill(toQColor(clrBk));
    {
        QPainter dc(&whole);
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_LISTVIEW;
        dis.CtlID = m_nID;
        dis.itemID = unsigned(nItem);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ODS_DEFAULT;
        dis.hwndItem = this;
        dis.hDC = &dc;
        dis.rcItem = QRect(QPoint(0, 0), row->second.size());
        DrawItem(&dis);
    }
    m_bCreatingDragImage = false;
    const QRect bounds = UnionRect(m_mapItemToImageRect[nItem], m_mapItemToTextRect[nItem]);
    if (IsRectEmpty(bounds))
        return QPixmap();
    QPixmap image = whole.copy(bounds);
    // The background colour is the mask colour.
    image.setMask(image.createMaskFromColor(toQColor(clrBk), Qt::MaskInColor));
    return image;
}

void COXSHBListCtrl::OnBeginItemOleDrag(int nItem, QMimeData* pDataSource)
{
    if (!pDataSource)
        return;
    if (nItem < 0 || nItem >= GetItemCount() ||
        SendSHBNotification(SHBNC_BEGINITEMOLEDRAG, nItem, reinterpret_cast<intptr_t>(pDataSource))) {
        delete pDataSource;
        m_nDragItem = -1;
        return;
    }
    SetDownItem(-1);
    RedrawItem(nItem);
    m_bDragDropOwner = true;
    const bool bImage = (GetBarStyle() & SHBS_ITEMDRAGIMAGE) != 0;
    if (bImage)
        m_dragImage = CreateDragImage(nItem);

    pDataSource->setParent(nullptr);
    COleDropSource* pSource = GetDropSource();
    const QPointer<COXSHBListCtrl> self(this);
    const DROPEFFECT dropEffect = pSource->DoDragDrop(this, pDataSource, DROPEFFECT_COPY | DROPEFFECT_MOVE,
                                                      bImage ? m_dragImage : QPixmap(), m_ptDragImage);
    if (!self)
        return;
    finishOwnDrag(nItem, dropEffect, m_nInsertItemBefore != -1);
}

void COXSHBListCtrl::finishOwnDrag(int nItem, DROPEFFECT dropEffect, bool bDroppedHere)
{
    if (dropEffect == DROPEFFECT_MOVE) {
        // A drop into this list before the item moved the old entry down by one.
        if (m_nInsertItemBefore != -1 && m_nInsertItemBefore <= nItem)
            ++nItem;
        DeleteItem(nItem);
    }
    m_nInsertItemBefore = -1;
    m_bDragDropOwner = false;
    m_bDragDropOperation = false;
    m_dragImage = QPixmap();
    SetDragItem(-1);
    if (dropEffect == DROPEFFECT_MOVE || (dropEffect == DROPEFFECT_COPY && bDroppedHere))
        RedrawWindow();

    const QPoint point = cursorPos();
    Qt::KeyboardModifiers modifiers = QApplication::keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(point), QPointF(mapToGlobal(point)), Qt::LeftButton,
                        Qt::NoButton, modifiers);
    QApplication::sendEvent(this, &release);
    SendSHBNotification(SHBNC_ENDITEMOLEDRAG, 0, intptr_t(dropEffect));
}

QRect COXSHBListCtrl::GetPlaceHolderRect(int nPosition) const
{
    const int nCount = GetItemCount();
    if (nPosition < 0 || nPosition > nCount)
        return QRect();
    const QRect client = rect();
    if (nPosition == 0 || nCount == 0)
        return RectLTRB(client.x(), client.y(), Right(client), client.y() + 10);
    if (nPosition == nCount) {
        const int nBottom = Bottom(m_mapItemToBoundRect.at(nCount - 1)) - m_ptOrigin.height() + 2;
        return RectLTRB(client.x(), nBottom - 10, Right(client), nBottom);
    }
    const int nGapBottom = m_mapItemToBoundRect.at(nPosition).y() - m_ptOrigin.height();
    const int nGapTop = nGapBottom - ROW_GAP;
    return RectLTRB(client.x(), nGapTop - 4, Right(client), nGapBottom + 5);
}

void COXSHBListCtrl::DrawPlaceHolder(QPainter* pDC)
{
    const int p = m_nInsertItemBefore;
    const int nCount = GetItemCount();
    if (p < 0 || p > nCount)
        return;
    const QRect r = GetPlaceHolderRect(p);
    if (IsRectEmpty(r))
        return;
    const COLORREF clr = COXShortcutBar::ColoursAlike(RGB(0, 0, 0), GetBkColour(), 64) ? RGB(255, 255, 255)
                                                                                       : RGB(0, 0, 0);
    const QColor colour = toQColor(clr);
    const int L = r.x(), T = r.y(), R = Right(r), B = Bottom(r);
    auto hline = [&](int x, int y, int len) {
        if (len > 0)
            pDC->fillRect(QRect(x, y, len, 1), colour);
    };
    if (p == 0 || nCount == 0) {
        hline(L, T, R - L);
        for (int i = 1; i <= 10; ++i) {
            hline(L, T + i, 10 - i);
            hline(R - (10 - i), T + i, 10 - i);
        }
    } else if (p == nCount) {
        hline(L, B - 1, R - L);
        for (int i = 1; i <= 10; ++i) {
            hline(L, B - i, 10 - i);
            hline(R - (10 - i), B - i, 10 - i);
        }
    } else {
        const int M = (T + B) / 2;
        hline(L, M, R - L);
        for (int i = 1; i <= 7; ++i) {
            hline(L, M + i, 7 - i);
            hline(R - (7 - i), M + i, 7 - i);
            hline(L, M - i, 7 - i);
            hline(R - (7 - i), M - i, 7 - i);
        }
    }
}

intptr_t COXSHBListCtrl::OnOleDragEnter(uintptr_t wParam, SHB_DROPEVENT* pEvent)
{
    if (GetBarStyle() & SHBS_NOOLEDROP)
        return 0;
    m_bDragDropOperation = true;
    const int nOld = m_nHotItem;
    SetHotItem(-1);
    RedrawItem(nOld);
    if (SendSHBNotification(SHBNC_OLEDRAGENTER, -1, reinterpret_cast<intptr_t>(pEvent)))
        return 1;
    return OnOleDragOver(wParam, pEvent);
}

intptr_t COXSHBListCtrl::OnOleDragOver(uintptr_t, SHB_DROPEVENT* pEvent)
{
    if (GetBarStyle() & SHBS_NOOLEDROP)
        return 0;
    if (SendSHBNotification(SHBNC_OLEDRAGOVER, -1, reinterpret_cast<intptr_t>(pEvent)))
        return 1;
    m_bDragDropOperation = true;
    DROPEFFECT dropEffect = DROPEFFECT_NONE;
    int nPosition = -1;
    const QPoint point = pEvent->point;
    const int nCount = GetItemCount();
    if (pEvent->pDataObject && pEvent->pDataObject->hasFormat(ShbChildItemMimeType())) {
        const QPoint q = point + QPoint(m_ptOrigin.width(), m_ptOrigin.height());
        const QRect view = GetViewArea();
        const QRect client = rect();
        const QRect area = RectLTRB(client.x(), client.y() + VIEW_MARGIN, Right(client), Bottom(client) - VIEW_MARGIN);
        if (nCount == 0 || q.y() <= view.y() + m_ptOrigin.height()) {
            nPosition = 0;
        } else if (q.y() >= Bottom(m_mapItemToBoundRect.at(nCount - 1))) {
            nPosition = nCount;
        } else if (area.contains(point)) {
            bool bOnRow = false;
            for (const auto& [i, row] : m_mapItemToBoundRect) {
                if (row.y() <= q.y() && q.y() < Bottom(row)) {
                    bOnRow = true;
                    break;
                }
            }
            if (!bOnRow) {
                LVFINDINFO find;
                find.flags = LVFI_NEARESTXY;
                find.pt = point;
                find.vkDirection = VK_DOWN;
                nPosition = FindItem(&find, -1);
                if (nPosition == -1)
                    nPosition = nCount;
            }
        }
        if (nPosition != -1)
            dropEffect = (pEvent->dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
    }

    const int nHeight = rect().height();
    if (point.y() < OLE_SCROLL_ZONE) {
        if (!m_bScrollingUp && !IsRectEmpty(m_rectTopScroll))
            StartScrolling(true, true);
    } else if (point.y() >= nHeight - OLE_SCROLL_ZONE) {
        if (!m_bScrollingDown && !IsRectEmpty(m_rectBottomScroll))
            StartScrolling(false, true);
    } else if (m_bAutoScrolling) {
        StopScrolling();
    }

    if (nPosition != m_nInsertItemBefore) {
        const QRect oldRect = GetPlaceHolderRect(m_nInsertItemBefore);
        m_nInsertItemBefore = nPosition;
        RedrawRect(oldRect);
        RedrawRect(GetPlaceHolderRect(nPosition));
    }
    pEvent->result = intptr_t(dropEffect);
    return 1;
}

intptr_t COXSHBListCtrl::OnOleDragLeave(uintptr_t, SHB_DROPEVENT* pEvent)
{
    if (GetBarStyle() & SHBS_NOOLEDROP)
        return 0;
    if (SendSHBNotification(SHBNC_OLEDRAGLEAVE, -1, reinterpret_cast<intptr_t>(pEvent))) {
        m_bDragDropOperation = false;
        return 1;
    }
    const QRect oldRect = GetPlaceHolderRect(m_nInsertItemBefore);
    m_nInsertItemBefore = -1;
    RedrawRect(oldRect);
    if (m_bAutoScrolling)
        StopScrolling();
    m_bDragDropOperation = false;
    return 1;
}

intptr_t COXSHBListCtrl::OnOleDrop(uintptr_t, SHB_DROPEVENT* pEvent)
{
    if (GetBarStyle() & SHBS_NOOLEDROP)
        return 0;
    if (SendSHBNotification(SHBNC_OLEDROP, -1, reinterpret_cast<intptr_t>(pEvent))) {
        m_bDragDropOperation = false;
        return 1;
    }
    const bool bOwn = m_bDragDropOwner;
    bool bResult = false;
    CShbChildItemBlock block;
    // A block from any process is checked whole before anything is taken from it.
    if ((pEvent->dropEffect & (DROPEFFECT_COPY | DROPEFFECT_MOVE)) && m_nInsertItemBefore != -1 &&
        pEvent->pDataObject && pEvent->pDataObject->hasFormat(ShbChildItemMimeType()) &&
        block.Decode(pEvent->pDataObject->data(ShbChildItemMimeType()))) {
        const int nPosition = std::min(m_nInsertItemBefore, GetItemCount());
        int nLastImage = -1;
        for (const CShbChildItemBlock::Image& image : block.images) {
            const int nType = image.nKind == 0 ? LVSIL_NORMAL : LVSIL_SMALL;
            CImageList* pTarget = GetImageList(nType);
            int nIndex = -1;
            if (pTarget && pTarget->IsCreated()) {
                nIndex = COXShortcutBar::CopyImageToIL(pTarget, image.blob);
            } else {
                CImageList* pOwn = nType == LVSIL_NORMAL ? &m_ilLarge : &m_ilSmall;
                nIndex = COXShortcutBar::CopyImageToIL(pOwn, image.blob);
                if (nIndex >= 0)
                    SetImageList(pOwn, nType);
            }
            if (nIndex >= 0)
                nLastImage = nIndex;
        }
        LVITEM item;
        item.mask = LVIF_TEXT;
        item.iItem = nPosition;
        item.pszText = block.strText;
        if (nLastImage >= 0) {
            item.mask |= LVIF_IMAGE;
            item.iImage = nLastImage;
        }
        if (bOwn) {
            item.mask |= LVIF_PARAM;
            item.lParam = intptr_t(block.nItemData);
        }
        const int nInserted = InsertItem(&item);
        if (nInserted >= 0) {
            if (!block.extra.isEmpty()) {
                SHB_EXTRADATA extra;
                extra.nDataSize = uint32_t(block.extra.size());
                extra.pData = block.extra.constData();
                SendSHBNotification(SHBNC_DROPDATA, nPosition, reinterpret_cast<intptr_t>(&extra));
            }
            bResult = true;
        }
    }
    if (!bOwn || !bResult) {
        const QRect oldRect = GetPlaceHolderRect(m_nInsertItemBefore);
        if (!bOwn)
            m_nInsertItemBefore = -1;
        RedrawRect(oldRect);
        RedrawWindow();
    }
    pEvent->result = bResult ? 1 : 0;
    m_bDragDropOperation = false;
    if (!bOwn)
        SendSHBNotification(SHBNC_ENDITEMOLEDRAG, -1, bResult ? intptr_t(pEvent->dropEffect) : 0);
    return 1;
}
