#include "shared/shortcutbar/OXShortcutBar.h"

#include "shared/WinDraw.h"
#include "shared/shortcutbar/OXSHBListCtrl.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

using namespace winapi;

namespace {
// Hidden flag of CopyGroupInfo.
constexpr int COPY_CLEAR = 1;
constexpr int COPY_FETCH = 2;
constexpr int COPY_SET = 4;
} // namespace

COXShortcutBar::COXShortcutBar()
{
    m_font = QFont(QStringLiteral("MS Sans Serif"));
    m_font.setPixelSize(11);
    m_font.setWeight(QFont::Normal);
    m_font.setStyleHint(QFont::SansSerif);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(ClassName());
}

COXShortcutBar::~COXShortcutBar()
{
    // The parent may be going away too: no notifications from here on.
    blockSignals(true);
    m_timer.stop();
    m_pDragImage.reset();
    for (auto& [hGroup, pList] : m_mapHandleToListCtrl)
        delete pList;
    m_mapHandleToListCtrl.clear();
    m_mapHandleToInfo.clear();
    m_descriptors.clear();
    if (m_pRegisteredTarget)
        m_pRegisteredTarget->Revoke();
}

bool COXShortcutBar::Create(QWidget* pParentWnd, const QRect& rect, uint32_t dwBarStyle, unsigned nID,
                            uint32_t dwStyle, uint32_t dwExStyle)
{
    if (!pParentWnd)
        return false; // COXShortcutBar::Create: failed to create the shortcut bar control
    setParent(pParentWnd);
    setGeometry(rect);
    m_nID = nID;
    ShbSetControlId(this, nID);
    if (!SetBarStyle(dwBarStyle))
        return false;
    if (!InitShortcutBar())
        return false; // COXShortcutBar::Create: failed to initialize the shortcut bar
    setVisible((dwStyle & WS_VISIBLE) != 0);
    return true;
}

bool COXShortcutBar::InitShortcutBar()
{
    if (!CreateEditor())
        return false; // COXShortcutBar::InitShortcutBar: failed to create edit control
    COleDropTarget* pTarget = ProvideDropTarget();
    if (pTarget && pTarget->Register(this))
        m_pRegisteredTarget = pTarget;
    return true;
}

bool COXShortcutBar::CreateEditor()
{
    if (m_edit.IsCreated())
        return true;
    return m_edit.Create(WS_BORDER, QRect(), this, SHB_IDCEDIT);
}

COleDropTarget* COXShortcutBar::ProvideDropTarget()
{
    COleDropTarget* pTarget = nullptr;
    if (SendSHBNotification(SHBNC_GETDROPTARGET, 0, reinterpret_cast<intptr_t>(&pTarget)) && pTarget)
        return pTarget;
    return &m_dropTarget;
}

intptr_t COXShortcutBar::Notify(SHB_NOTIFY* pNotify)
{
    pNotify->hwndFrom = this;
    pNotify->idFrom = m_nID;
    intptr_t result = 0;
    emit notify(pNotify, &result);
    return result;
}

intptr_t COXShortcutBar::SendSHBNotification(unsigned nCode, SHBGROUPID hGroup, intptr_t lParam)
{
    SHB_NOTIFY nm;
    nm.code = nCode;
    nm.hGroup = hGroup;
    nm.nItem = -1;
    nm.lParam = lParam;
    return Notify(&nm);
}

bool COXShortcutBar::SetBarStyle(uint32_t dwBarStyle)
{
    if (dwBarStyle >= 0x8000)
        return false; // COXShortcutBar::VerifyBarStyle: unspecified Shortcut Bar was used
    m_dwBarStyle = dwBarStyle;
    SendBarChanged(SHBCHG_BARSTYLE);
    update();
    return true;
}

CImageList* COXShortcutBar::SetImageList(CImageList* pImageList)
{
    CImageList* previous = m_pImageList;
    m_pImageList = pImageList;
    return previous;
}

void COXShortcutBar::SendBarChanged(unsigned nSetting)
{
    const auto children = findChildren<QWidget*>();
    for (QWidget* w : children)
        SendShbMessage(w, SHBMSG_BARCHANGED, 0, nSetting);
}

int COXShortcutBar::SetGroupSpacing(int nGroupSpacing)
{
    const int previous = m_nGroupMargin;
    if (previous != nGroupSpacing) {
        m_nGroupMargin = nGroupSpacing;
        LayoutGroups();
        ShowChildWnd(m_hExpandedGroup, false);
        update();
        SendBarChanged(SHBCHG_GROUPSPACING);
    }
    return previous;
}

QMargins COXShortcutBar::SetChildMargins(int nLeft, int nTop, int nRight, int nBottom)
{
    const QMargins previous = m_rectChildMargins;
    const QMargins margins(nLeft, nTop, nRight, nBottom);
    if (margins == previous)
        return previous;
    m_rectChildMargins = margins;
    LayoutGroups();
    ShowChildWnd(m_hExpandedGroup, false);
    update();
    SendBarChanged(SHBCHG_CHILDMARGINS);
    return previous;
}

QSize COXShortcutBar::SetScrollButtonSize(QSize size)
{
    const QSize previous = m_sizeScrollButton;
    if (previous != size) {
        m_sizeScrollButton = size;
        SendBarChanged(SHBCHG_SCROLLBUTTONSIZE);
    }
    return previous;
}

int COXShortcutBar::SetScrollDelay(int nDelay)
{
    const int previous = m_nScrollingDelay;
    if (previous != nDelay) {
        m_nScrollingDelay = nDelay;
        SendBarChanged(SHBCHG_SCROLLDELAY);
    }
    return previous;
}

int COXShortcutBar::SetAutoScrollDelay(int nDelay)
{
    const int previous = m_nAutoScrollingDelay;
    if (previous != nDelay) {
        m_nAutoScrollingDelay = nDelay;
        SendBarChanged(SHBCHG_AUTOSCROLLDELAY);
    }
    return previous;
}

int COXShortcutBar::SetHoverExpandDelay(int nDelay)
{
    const int previous = m_nAutoExpandDelay;
    if (previous != nDelay) {
        m_nAutoExpandDelay = nDelay;
        SendBarChanged(SHBCHG_HOVEREXPANDDELAY);
    }
    return previous;
}

// ---- validation and copying of group records

bool COXShortcutBar::VerifyMask(unsigned nMask) const
{
    // COXShortcutBar::VerifyMask: unknown mask specified
    return (nMask & ~SHBGI_ALL) == 0;
}

bool COXShortcutBar::VerifyImage(int nImage) const
{
    // COXShortcutBar::VerifyImage: image list wasn't set / image number %d is out of range
    return m_pImageList && m_pImageList->IsCreated() && nImage >= 0 && nImage < m_pImageList->GetImageCount();
}

bool COXShortcutBar::VerifyOrder(int nOrder) const
{
    // COXShortcutBar::VerifyOrder: order number %d is out of range: 0 ... %d
    return nOrder >= SHBGI_ORDER_SORTED && nOrder < GetGroupCount();
}

bool COXShortcutBar::VerifyView(int nView) const
{
    // COXShortcutBar::VerifyView: unknown view specified
    return nView >= 0 && nView <= 3;
}

bool COXShortcutBar::VerifyChildWnd(const QWidget* pWnd) const
{
    // window wasn't created / WS_CHILD style must be specified / child window parent window in not this
    return pWnd && !pWnd->isWindow() && pWnd->parentWidget() == this;
}

bool COXShortcutBar::VerifyGroupInfo(const SHB_GROUPINFO* pInfo) const
{
    if (!pInfo || !VerifyMask(pInfo->nMask))
        return false;
    const unsigned mask = pInfo->nMask;
    if ((mask & SHBGI_IMAGE) && !VerifyImage(pInfo->nImage))
        return false;
    if ((mask & SHBGI_EXPANDEDIMAGE) && !VerifyImage(pInfo->nImageExpanded))
        return false;
    if ((mask & SHBGI_ORDER) && !VerifyOrder(pInfo->nOrder))
        return false;
    if ((mask & SHBGI_VIEW) && !VerifyView(pInfo->nView))
        return false;
    if ((mask & SHBGI_CHILDWND) && !VerifyChildWnd(pInfo->pChildWnd))
        return false;
    return true;
}

SHB_DESCRIPTOR* COXShortcutBar::AddDescriptor()
{
    m_descriptors.push_back(std::make_unique<SHB_DESCRIPTOR>());
    return m_descriptors.back().get();
}

bool COXShortcutBar::CopyDescriptor(SHB_DESCRIPTOR* pDest, const SHB_DESCRIPTOR* pSource, unsigned nMask) const
{
    if (!pDest || !pSource)
        return false;
    if (nMask & SHBD_BKCOLOUR)
        pDest->clrBackground = pSource->clrBackground;
    if (nMask & SHBD_TEXTCOLOUR)
        pDest->clrText = pSource->clrText;
    if (nMask & SHBD_HEADERBKCOLOUR)
        pDest->clrHeaderBackground = pSource->clrHeaderBackground;
    if (nMask & SHBD_HEADERTEXTCOLOUR)
        pDest->clrHeaderText = pSource->clrHeaderText;
    if (nMask & SHBD_HEADERTEXTFORMAT)
        pDest->nHeaderTextFormat = pSource->nHeaderTextFormat;
    if (nMask & SHBD_TEXTFONT)
        pDest->lfText = pSource->lfText;
    if (nMask & SHBD_HEADERTEXTFONT)
        pDest->lfHeader = pSource->lfHeader;
    if (nMask & SHBD_HEADERHEIGHT)
        pDest->nHeaderHeight = pSource->nHeaderHeight;
    pDest->nMask |= nMask & 0xFF;
    return true;
}

bool COXShortcutBar::CopyGroupInfo(SHB_GROUPINFO* pDest, const SHB_GROUPINFO* pSource, int nFlags)
{
    if (!pDest || !pSource)
        return false;
    const bool bFetch = (nFlags & COPY_FETCH) != 0;
    unsigned mask;
    // When a stored record is replaced as a whole, it keeps its place among
    // the groups unless a new order is given, so the orders stay 0 … count-1.
    const int nOldOrder = pDest->nOrder;
    const bool bHadOrder = (pDest->nMask & SHBGI_ORDER) != 0;
    if (nFlags & COPY_CLEAR) {
        *pDest = SHB_GROUPINFO();
        mask = pSource->nMask;
        if (!bFetch && bHadOrder && !(mask & SHBGI_ORDER)) {
            pDest->nOrder = nOldOrder;
            pDest->nMask |= SHBGI_ORDER;
        }
    } else if (nFlags & COPY_SET) {
        mask = pSource->nMask;
    } else {
        // Fetching by the caller's mask: fields the group does not have are
        // reported absent rather than as made-up values.
        mask = pDest->nMask & pSource->nMask;
        pDest->nMask &= pSource->nMask;
    }

    if (mask & SHBGI_TEXT) {
        pDest->strText = pSource->strText.isEmpty() ? QString() : pSource->strText;
        pDest->nMask |= SHBGI_TEXT;
    }
    if (mask & SHBGI_IMAGE) {
        if (pSource->nImage < 0) {
            pDest->nImage = -1;
            pDest->nMask &= ~SHBGI_IMAGE;
        } else {
            if (!VerifyImage(pSource->nImage))
                return false;
            pDest->nImage = pSource->nImage;
            pDest->nMask |= SHBGI_IMAGE;
        }
    }
    if (mask & SHBGI_EXPANDEDIMAGE) {
        if (pSource->nImageExpanded < 0) {
            pDest->nImageExpanded = -1;
            pDest->nMask &= ~SHBGI_EXPANDEDIMAGE;
        } else {
            if (!VerifyImage(pSource->nImageExpanded))
                return false;
            pDest->nImageExpanded = pSource->nImageExpanded;
            pDest->nMask |= SHBGI_EXPANDEDIMAGE;
        }
    }
    if (mask & SHBGI_DATA) {
        pDest->lParam = pSource->lParam;
        pDest->nMask |= SHBGI_DATA;
    }
    if (mask & SHBGI_ORDER) {
        if (!VerifyOrder(pSource->nOrder))
            return false;
        if (!bFetch) {
            // A stored group's order is always a real position.
            if (pSource->nOrder < 0)
                return false;
            const int nPrevious = (nFlags & COPY_CLEAR) ? nOldOrder : pDest->nOrder;
            if (nPrevious != pSource->nOrder) {
                for (auto& [h, pInfo] : m_mapHandleToInfo) {
                    if (pInfo.get() != pDest && (pInfo->nMask & SHBGI_ORDER) && pInfo->nOrder == pSource->nOrder) {
                        pInfo->nOrder = nPrevious;
                        break;
                    }
                }
            }
        }
        pDest->nOrder = pSource->nOrder;
        pDest->nMask |= SHBGI_ORDER;
    }
    if (mask & SHBGI_VIEW) {
        if (!VerifyView(pSource->nView))
            return false;
        pDest->nView = pSource->nView;
        pDest->nMask |= SHBGI_VIEW;
    }
    if (mask & SHBGI_CHILDWND) {
        if (pSource->pChildWnd) {
            if (!bFetch && !VerifyChildWnd(pSource->pChildWnd))
                return false;
            pDest->nMask |= SHBGI_CHILDWND;
        } else {
            pDest->nMask &= ~SHBGI_CHILDWND;
        }
        pDest->pChildWnd = pSource->pChildWnd;
    }
    if (mask & SHBGI_DESCRIPTOR) {
        if (pSource->pDescriptor) {
            if (!pDest->pDescriptor) {
                pDest->pDescriptor = AddDescriptor();
                *pDest->pDescriptor = *pSource->pDescriptor;
            } else {
                const unsigned nDescMask = bFetch ? pDest->pDescriptor->nMask : pSource->pDescriptor->nMask;
                CopyDescriptor(pDest->pDescriptor, pSource->pDescriptor, nDescMask);
            }
            pDest->nMask |= SHBGI_DESCRIPTOR;
        } else {
            pDest->pDescriptor = nullptr;
            pDest->nMask &= ~SHBGI_DESCRIPTOR;
        }
    }
    return true;
}

SHB_GROUPINFO* COXShortcutBar::groupInfo(SHBGROUPID hGroup) const
{
    const auto it = m_mapHandleToInfo.find(hGroup);
    return it == m_mapHandleToInfo.end() ? nullptr : it->second.get();
}

// ---- groups

SHBGROUPID COXShortcutBar::NextGroupHandle()
{
    return ++m_nLastHandle;
}

SHBGROUPID COXShortcutBar::InsertGroup(const SHB_GROUPINFO* pGroupInfo)
{
    if (SendSHBNotification(SHBNC_INSERTINGGROUP, 0, reinterpret_cast<intptr_t>(pGroupInfo)))
        return 0;
    if (!VerifyGroupInfo(pGroupInfo))
        return 0;
    const SHBGROUPID hGroup = NextGroupHandle();
    auto pStored = std::make_unique<SHB_GROUPINFO>();
    if (!CopyGroupInfo(pStored.get(), pGroupInfo, COPY_CLEAR | COPY_FETCH))
        return 0;

    const int nCount = GetGroupCount();
    bool bSort = false;
    if (!(pGroupInfo->nMask & SHBGI_ORDER)) {
        pStored->nOrder = nCount;
    } else {
        const int nOrder = pGroupInfo->nOrder;
        if (nOrder == SHBGI_ORDER_SORTED) {
            pStored->nOrder = nCount;
            bSort = true;
        } else if (nOrder == SHBGI_ORDER_LAST) {
            pStored->nOrder = nCount;
        } else {
            const int nAt = nOrder == SHBGI_ORDER_FIRST ? 0 : nOrder;
            for (auto& [h, pInfo] : m_mapHandleToInfo) {
                if (pInfo->nOrder >= nAt)
                    ++pInfo->nOrder;
            }
            pStored->nOrder = nAt;
        }
    }
    pStored->nMask |= SHBGI_ORDER;
    QWidget* pChild = (pStored->nMask & SHBGI_CHILDWND) ? pStored->pChildWnd : nullptr;
    m_mapHandleToInfo[hGroup] = std::move(pStored);
    if (bSort)
        SortGroups(&COXShortcutBar::CompareHeadersNoCase, reinterpret_cast<intptr_t>(this), 1);

    if (!pChild) {
        m_mapHandleToListCtrl[hGroup] = new COXSHBListCtrl();
        if (!CreateGroupList(hGroup)) {
            delete m_mapHandleToListCtrl[hGroup];
            m_mapHandleToListCtrl.erase(hGroup);
            const int nOrder = m_mapHandleToInfo[hGroup]->nOrder;
            m_mapHandleToInfo.erase(hGroup);
            for (auto& [h, pInfo] : m_mapHandleToInfo) {
                if (pInfo->nOrder > nOrder)
                    --pInfo->nOrder;
            }
            return 0;
        }
    } else {
        pChild->hide();
        SendShbMessage(pChild, SHBMSG_ATTACHGROUP, 0, intptr_t(hGroup));
    }
    LayoutGroups();
    return hGroup;
}

SHBGROUPID COXShortcutBar::InsertGroup(const QString& text, int nOrder, int nImage, int nImageExpanded,
                                       uint32_t lParam, int nView, SHB_DESCRIPTOR* pDescriptor, QWidget* pChildWnd)
{
    SHB_GROUPINFO info;
    if (!text.isNull()) {
        info.strText = text;
        info.nMask |= SHBGI_TEXT;
    }
    if (nOrder != -1) {
        info.nOrder = nOrder;
        info.nMask |= SHBGI_ORDER;
    }
    if (nImage != -1) {
        info.nImage = nImage;
        info.nImageExpanded = nImageExpanded;
        info.nMask |= SHBGI_IMAGE | SHBGI_EXPANDEDIMAGE;
    }
    if (lParam != 0) {
        info.lParam = lParam;
        info.nMask |= SHBGI_DATA;
    }
    if (nView != -1) {
        info.nView = nView;
        info.nMask |= SHBGI_VIEW;
    }
    if (pDescriptor) {
        info.pDescriptor = pDescriptor;
        info.nMask |= SHBGI_DESCRIPTOR;
    }
    if (pChildWnd) {
        info.pChildWnd = pChildWnd;
        info.nMask |= SHBGI_CHILDWND;
    }
    return InsertGroup(&info);
}

bool COXShortcutBar::CreateGroupList(SHBGROUPID hGroup)
{
    const auto it = m_mapHandleToListCtrl.find(hGroup);
    if (it == m_mapHandleToListCtrl.end() || !it->second)
        return false;
    COXSHBListCtrl* pList = it->second;
    if (!pList->Create(LVS_NOSCROLL | LVS_SHAREIMAGELISTS | LVS_SINGLESEL, QRect(), this, unsigned(hGroup)))
        return false;
    pList->hide();
    SendShbMessage(pList, SHBMSG_ATTACHGROUP, 0, intptr_t(hGroup));
    return true;
}

bool COXShortcutBar::RemoveGroup(SHBGROUPID hGroup)
{
    if (SendSHBNotification(SHBNC_DELETINGGROUP, hGroup))
        return false;
    SHB_GROUPINFO* pInfo = groupInfo(hGroup);
    if (!pInfo)
        return false;
    if (m_hEditGroup == hGroup) {
        m_edit.FinishEdit(false);
        m_hEditGroup = 0;
    }
    const int nOrder = pInfo->nOrder;
    for (auto& [h, p] : m_mapHandleToInfo) {
        if (p->nOrder > nOrder)
            --p->nOrder;
    }
    if (QWidget* pWnd = GetGroupWindow(hGroup)) {
        pWnd->hide();
        SendShbMessage(pWnd, SHBMSG_GROUPREMOVED);
    }
    m_mapHandleToInfo.erase(hGroup);
    m_mapHandleToBoundRect.erase(hGroup);
    if (m_hDragGroup == hGroup)
        m_hDragGroup = 0;
    if (m_hDropHilightGroup == hGroup)
        m_hDropHilightGroup = 0;
    if (m_hHotGroup == hGroup)
        KillHoverTimer();
    if (m_hPressedGroup == hGroup)
        m_hPressedGroup = 0;
    if (m_hSuspectGroup == hGroup)
        m_hSuspectGroup = 0;

    if (m_hExpandedGroup == hGroup) {
        m_hExpandedGroup = 0;
        if (m_mapHandleToInfo.empty()) {
            LayoutGroups();
            RedrawBar();
        } else {
            const int nNext = nOrder < GetGroupCount() ? nOrder : 0;
            LayoutGroups();
            ExpandGroup(FindGroupByOrder(nNext));
        }
    } else {
        LayoutGroups();
        ShowChildWnd(m_hExpandedGroup, true);
        RedrawBar();
    }

    const auto it = m_mapHandleToListCtrl.find(hGroup);
    if (it != m_mapHandleToListCtrl.end()) {
        COXSHBListCtrl* pList = it->second;
        m_mapHandleToListCtrl.erase(it);
        // The list may be the sender of what led here: free it once control returns.
        pList->hide();
        pList->deleteLater();
    }
    return true;
}

bool COXShortcutBar::RemoveAllGroups()
{
    std::vector<SHBGROUPID> groups;
    for (const auto& [h, p] : m_mapHandleToInfo)
        groups.push_back(h);
    bool bResult = true;
    for (SHBGROUPID h : groups)
        bResult = RemoveGroup(h) && bResult;
    return bResult;
}

bool COXShortcutBar::GetGroupInfo(SHBGROUPID hGroup, SHB_GROUPINFO* pGroupInfo, bool bSubstitute)
{
    if (!pGroupInfo || !VerifyMask(pGroupInfo->nMask))
        return false;
    const SHB_GROUPINFO* pStored = groupInfo(hGroup);
    if (!pStored)
        return false; // COXShortcutBar::GetGroupInfo: group wasn't created
    return CopyGroupInfo(pGroupInfo, pStored, COPY_FETCH | (bSubstitute ? COPY_CLEAR : 0));
}

bool COXShortcutBar::SetGroupInfo(SHBGROUPID hGroup, const SHB_GROUPINFO* pGroupInfo, bool bSubstitute)
{
    SHB_GROUPINFO* pStored = groupInfo(hGroup);
    if (!pStored || !pGroupInfo || !VerifyMask(pGroupInfo->nMask))
        return false; // COXShortcutBar::SetGroupInfo: group wasn't created
    QWidget* pOldWnd = GetGroupWindow(hGroup);
    if (!CopyGroupInfo(pStored, pGroupInfo, COPY_SET | (bSubstitute ? COPY_CLEAR : 0)))
        return false;
    if (pGroupInfo->nMask & (SHBGI_ORDER | SHBGI_DESCRIPTOR))
        LayoutGroups();
    if ((pGroupInfo->nMask & SHBGI_CHILDWND) && pStored->pChildWnd) {
        SendShbMessage(pStored->pChildWnd, SHBMSG_ATTACHGROUP, 0, intptr_t(hGroup));
    } else if (!(pStored->nMask & SHBGI_CHILDWND) && !m_mapHandleToListCtrl.count(hGroup)) {
        // The group shows the bar's list again.
        m_mapHandleToListCtrl[hGroup] = new COXSHBListCtrl();
        if (!CreateGroupList(hGroup)) {
            delete m_mapHandleToListCtrl[hGroup];
            m_mapHandleToListCtrl.erase(hGroup);
            return false;
        }
    }
    QWidget* pWnd = GetGroupWindow(hGroup);
    if (pOldWnd && pOldWnd != pWnd)
        pOldWnd->hide();
    SendShbMessage(pWnd, SHBMSG_GROUPCHANGED, 0, intptr_t(pGroupInfo->nMask));
    if (hGroup != m_hExpandedGroup && pWnd)
        pWnd->hide();
    // A new layout may move, or leave no room for, the expanded group's window.
    if (hGroup == m_hExpandedGroup || (pGroupInfo->nMask & (SHBGI_ORDER | SHBGI_DESCRIPTOR)))
        ShowChildWnd(m_hExpandedGroup, pOldWnd != pWnd);
    update();
    return true;
}

QString COXShortcutBar::GetGroupText(SHBGROUPID hGroup) const
{
    const SHB_GROUPINFO* p = groupInfo(hGroup);
    return p && (p->nMask & SHBGI_TEXT) ? p->strText : QString();
}

bool COXShortcutBar::SetGroupText(SHBGROUPID hGroup, const QString& text)
{
    SHB_GROUPINFO info;
    info.nMask = SHBGI_TEXT;
    info.strText = text;
    return SetGroupInfo(hGroup, &info);
}

int COXShortcutBar::GetGroupImage(SHBGROUPID hGroup) const
{
    const SHB_GROUPINFO* p = groupInfo(hGroup);
    return p && (p->nMask & SHBGI_IMAGE) ? p->nImage : -1;
}

bool COXShortcutBar::SetGroupImage(SHBGROUPID hGroup, int nImage)
{
    SHB_GROUPINFO info;
    info.nMask = SHBGI_IMAGE;
    info.nImage = nImage;
    return SetGroupInfo(hGroup, &info);
}

int COXShortcutBar::GetGroupExpandedImage(SHBGROUPID hGroup) const
{
    const SHB_GROUPINFO* p = groupInfo(hGroup);
    if (p && (p->nMask & SHBGI_EXPANDEDIMAGE))
        return p->nImageExpanded;
    return GetGroupImage(hGroup);
}

bool COXShortcutBar::SetGroupExpandedImage(SHBGROUPID hGroup, int nImage)
{
    SHB_GROUPINFO info;
    info.nMask = SHBGI_EXPANDEDIMAGE;
    info.nImageExpanded = nImage;
    return SetGroupInfo(hGroup, &info);
}

uint32_t COXShortcutBar::GetGroupData(SHBGROUPID hGroup) const
{
    const SHB_GROUPINFO* p = groupInfo(hGroup);
    return p && (p->nMask & SHBGI_DATA) ? p->lParam : 0;
}

bool COXShortcutBar::SetGroupData(SHBGROUPID hGroup, uint32_t lParam)
{
    SHB_GROUPINFO info;
    info.nMask = SHBGI_DATA;
    info.lParam = lParam;
    return SetGroupInfo(hGroup, &info);
}

int COXShortcutBar::GetGroupOrder(SHBGROUPID hGroup) const
{
    const SHB_GROUPINFO* p = groupInfo(hGroup);
    return p && (p->nMask & SHBGI_ORDER) ? p->nOrder : -1;
}

bool COXShortcutBar::SetGroupOrder(SHBGROUPID hGroup, int nOrder)
{
    SHB_GROUPINFO info;
    info.nMask = SHBGI_ORDER;
    info.nOrder = nOrder;
    return SetGroupInfo(hGroup, &info);
}

int COXShortcutBar::GetGroupView(SHBGROUPID hGroup) const
{
    const SHB_GROUPINFO* p = groupInfo(hGroup);
    if (!p)
        return -1;
    return (p->nMask & SHBGI_VIEW) ? p->nView : SHBV_LARGEICONS;
}

bool COXShortcutBar::SetGroupView(SHBGROUPID hGroup, int nView)
{
    if (hGroup == 0) {
        if (!VerifyView(nView))
            return false;
        std::vector<SHBGROUPID> groups;
        for (const auto& [h, p] : m_mapHandleToInfo)
            groups.push_back(h);
        for (SHBGROUPID h : groups) {
            if (!SetGroupView(h, nView))
                return false;
        }
        return true;
    }
    SHB_GROUPINFO info;
    info.nMask = SHBGI_VIEW;
    info.nView = nView;
    return SetGroupInfo(hGroup, &info);
}

SHB_DESCRIPTOR* COXShortcutBar::GetGroupDescriptor(SHBGROUPID hGroup) const
{
    const SHB_GROUPINFO* p = groupInfo(hGroup);
    return p && (p->nMask & SHBGI_DESCRIPTOR) ? p->pDescriptor : nullptr;
}

bool COXShortcutBar::SetGroupDescriptor(SHBGROUPID hGroup, const SHB_DESCRIPTOR* pDescriptor)
{
    if (hGroup == 0) {
        std::vector<SHBGROUPID> groups;
        for (const auto& [h, p] : m_mapHandleToInfo)
            groups.push_back(h);
        for (SHBGROUPID h : groups) {
            if (!SetGroupDescriptor(h, pDescriptor))
                return false;
        }
        return true;
    }
    SHB_GROUPINFO info;
    info.nMask = SHBGI_DESCRIPTOR;
    info.pDescriptor = const_cast<SHB_DESCRIPTOR*>(pDescriptor);
    return SetGroupInfo(hGroup, &info);
}

QWidget* COXShortcutBar::GetGroupChildWnd(SHBGROUPID hGroup) const
{
    const SHB_GROUPINFO* p = groupInfo(hGroup);
    return p && (p->nMask & SHBGI_CHILDWND) ? p->pChildWnd : nullptr;
}

bool COXShortcutBar::SetGroupChildWnd(SHBGROUPID hGroup, QWidget* pChildWnd)
{
    SHB_GROUPINFO info;
    info.nMask = SHBGI_CHILDWND;
    info.pChildWnd = pChildWnd;
    return SetGroupInfo(hGroup, &info);
}

COXSHBListCtrl* COXShortcutBar::GetGroupListCtrl(SHBGROUPID hGroup) const
{
    const auto it = m_mapHandleToListCtrl.find(hGroup);
    return it == m_mapHandleToListCtrl.end() ? nullptr : it->second;
}

QWidget* COXShortcutBar::GetGroupWindow(SHBGROUPID hGroup) const
{
    if (!groupInfo(hGroup))
        return nullptr;
    if (QWidget* pChild = GetGroupChildWnd(hGroup))
        return pChild;
    return GetGroupListCtrl(hGroup);
}

bool COXShortcutBar::HasOwnList(SHBGROUPID hGroup) const
{
    return groupInfo(hGroup) && GetGroupChildWnd(hGroup) == nullptr;
}

// ---- descriptor fields

COLORREF COXShortcutBar::GetGroupBkColour(SHBGROUPID hGroup) const
{
    if (!groupInfo(hGroup))
        return COLORREF(-1);
    const SHB_DESCRIPTOR* d = GetGroupDescriptor(hGroup);
    return d && (d->nMask & SHBD_BKCOLOUR) ? d->clrBackground : GetSysColor(COLOR_BTNSHADOW);
}

COLORREF COXShortcutBar::GetGroupTextColour(SHBGROUPID hGroup) const
{
    if (!groupInfo(hGroup))
        return COLORREF(-1);
    const SHB_DESCRIPTOR* d = GetGroupDescriptor(hGroup);
    return d && (d->nMask & SHBD_TEXTCOLOUR) ? d->clrText : GetSysColor(COLOR_CAPTIONTEXT);
}

COLORREF COXShortcutBar::GetGroupHeaderBkColour(SHBGROUPID hGroup) const
{
    if (!groupInfo(hGroup))
        return COLORREF(-1);
    const SHB_DESCRIPTOR* d = GetGroupDescriptor(hGroup);
    return d && (d->nMask & SHBD_HEADERBKCOLOUR) ? d->clrHeaderBackground : GetSysColor(COLOR_BTNFACE);
}

COLORREF COXShortcutBar::GetGroupHeaderTextColour(SHBGROUPID hGroup) const
{
    if (!groupInfo(hGroup))
        return COLORREF(-1);
    const SHB_DESCRIPTOR* d = GetGroupDescriptor(hGroup);
    return d && (d->nMask & SHBD_HEADERTEXTCOLOUR) ? d->clrHeaderText : GetSysColor(COLOR_BTNTEXT);
}

unsigned COXShortcutBar::GetGroupHeaderTextFormat(SHBGROUPID hGroup) const
{
    if (!groupInfo(hGroup))
        return 0;
    const SHB_DESCRIPTOR* d = GetGroupDescriptor(hGroup);
    return d && (d->nMask & SHBD_HEADERTEXTFORMAT) ? d->nHeaderTextFormat : SHB_DEFAULT_HEADERTEXTFORMAT;
}

const QFont* COXShortcutBar::GetGroupTextFont(SHBGROUPID hGroup)
{
    if (!groupInfo(hGroup))
        return nullptr;
    const SHB_DESCRIPTOR* d = GetGroupDescriptor(hGroup);
    if (d && (d->nMask & SHBD_TEXTFONT)) {
        m_lfTextFontResult = d->lfText;
    } else if (QWidget* pWnd = GetGroupWindow(hGroup)) {
        m_lfTextFontResult = pWnd->font();
    } else {
        m_lfTextFontResult = font();
    }
    return &m_lfTextFontResult;
}

const QFont* COXShortcutBar::GetGroupHeaderTextFont(SHBGROUPID hGroup)
{
    if (!groupInfo(hGroup))
        return nullptr;
    const SHB_DESCRIPTOR* d = GetGroupDescriptor(hGroup);
    m_lfHeaderFontResult = d && (d->nMask & SHBD_HEADERTEXTFONT) ? d->lfHeader : m_font;
    return &m_lfHeaderFontResult;
}

int COXShortcutBar::GetGroupHeaderHeight(SHBGROUPID hGroup) const
{
    if (!groupInfo(hGroup))
        return -1;
    const SHB_DESCRIPTOR* d = GetGroupDescriptor(hGroup);
    return d && (d->nMask & SHBD_HEADERHEIGHT) ? d->nHeaderHeight : SHB_DEFAULT_HEADERHEIGHT;
}

bool COXShortcutBar::SetGroupBkColour(SHBGROUPID hGroup, COLORREF clr)
{
    SHB_DESCRIPTOR d;
    d.clrBackground = clr;
    d.nMask = SHBD_BKCOLOUR;
    return SetGroupDescriptor(hGroup, &d);
}

bool COXShortcutBar::SetGroupTextColour(SHBGROUPID hGroup, COLORREF clr)
{
    SHB_DESCRIPTOR d;
    d.clrText = clr;
    d.nMask = SHBD_TEXTCOLOUR;
    return SetGroupDescriptor(hGroup, &d);
}

bool COXShortcutBar::SetGroupHeaderBkColour(SHBGROUPID hGroup, COLORREF clr)
{
    SHB_DESCRIPTOR d;
    d.clrHeaderBackground = clr;
    d.nMask = SHBD_HEADERBKCOLOUR;
    return SetGroupDescriptor(hGroup, &d);
}

bool COXShortcutBar::SetGroupHeaderTextColour(SHBGROUPID hGroup, COLORREF clr)
{
    SHB_DESCRIPTOR d;
    d.clrHeaderText = clr;
    d.nMask = SHBD_HEADERTEXTCOLOUR;
    return SetGroupDescriptor(hGroup, &d);
}

bool COXShortcutBar::SetGroupHeaderTextFormat(SHBGROUPID hGroup, unsigned nFormat)
{
    SHB_DESCRIPTOR d;
    d.nHeaderTextFormat = nFormat;
    d.nMask = SHBD_HEADERTEXTFORMAT;
    return SetGroupDescriptor(hGroup, &d);
}

bool COXShortcutBar::SetGroupTextFont(SHBGROUPID hGroup, const QFont& font)
{
    SHB_DESCRIPTOR d;
    d.lfText = font;
    d.nMask = SHBD_TEXTFONT;
    return SetGroupDescriptor(hGroup, &d);
}

bool COXShortcutBar::SetGroupHeaderTextFont(SHBGROUPID hGroup, const QFont& font)
{
    SHB_DESCRIPTOR d;
    d.lfHeader = font;
    d.nMask = SHBD_HEADERTEXTFONT;
    return SetGroupDescriptor(hGroup, &d);
}

bool COXShortcutBar::SetGroupHeaderHeight(SHBGROUPID hGroup, int nHeight)
{
    SHB_DESCRIPTOR d;
    d.nHeaderHeight = nHeight;
    d.nMask = SHBD_HEADERHEIGHT;
    return SetGroupDescriptor(hGroup, &d);
}

// ---- finding and sorting

bool COXShortcutBar::MatchGroup(const SHB_GROUPINFO* pPattern, const SHB_GROUPINFO* pStored) const
{
    if (!pPattern || !pStored || !VerifyMask(pPattern->nMask) || !VerifyMask(pStored->nMask))
        return false;
    const unsigned mask = pPattern->nMask;
    if ((mask & pStored->nMask) != mask)
        return false;
    if ((mask & SHBGI_TEXT) && !pStored->strText.startsWith(pPattern->strText, Qt::CaseSensitive))
        return false;
    if ((mask & SHBGI_IMAGE) && pStored->nImage != pPattern->nImage)
        return false;
    if ((mask & SHBGI_EXPANDEDIMAGE) && pStored->nImageExpanded != pPattern->nImageExpanded)
        return false;
    if ((mask & SHBGI_DATA) && pStored->lParam != pPattern->lParam)
        return false;
    if ((mask & SHBGI_ORDER) && pStored->nOrder != pPattern->nOrder)
        return false;
    if ((mask & SHBGI_VIEW) && pStored->nView != pPattern->nView)
        return false;
    if ((mask & SHBGI_DESCRIPTOR) && pStored->pDescriptor != pPattern->pDescriptor)
        return false;
    if ((mask & SHBGI_CHILDWND) && pStored->pChildWnd != pPattern->pChildWnd)
        return false;
    return true;
}

SHBGROUPID COXShortcutBar::FindGroupByOrder(int nOrder) const
{
    SHB_GROUPINFO pattern;
    pattern.nMask = SHBGI_ORDER;
    pattern.nOrder = nOrder;
    for (const auto& [h, p] : m_mapHandleToInfo) {
        if (MatchGroup(&pattern, p.get()))
            return h;
    }
    return 0;
}

SHBGROUPID COXShortcutBar::FindGroupByText(const QString& text) const
{
    SHB_GROUPINFO pattern;
    pattern.nMask = SHBGI_TEXT;
    pattern.strText = text;
    for (const auto& [h, p] : m_mapHandleToInfo) {
        if (MatchGroup(&pattern, p.get()))
            return h;
    }
    return 0;
}

SHBGROUPID COXShortcutBar::FindGroupByData(uint32_t lParam) const
{
    SHB_GROUPINFO pattern;
    pattern.nMask = SHBGI_DATA;
    pattern.lParam = lParam;
    for (const auto& [h, p] : m_mapHandleToInfo) {
        if (MatchGroup(&pattern, p.get()))
            return h;
    }
    return 0;
}

int COXShortcutBar::CompareHeadersNoCase(SHBGROUPID hGroup1, SHBGROUPID hGroup2, intptr_t lParam)
{
    const auto* pBar = reinterpret_cast<const COXShortcutBar*>(lParam);
    return pBar->GetGroupText(hGroup1).compare(pBar->GetGroupText(hGroup2), Qt::CaseInsensitive);
}

bool COXShortcutBar::SortGroups(GroupCompare pfnCompare, intptr_t lParamSort, int nSortOrder)
{
    const int nCount = GetGroupCount();
    if (nCount < 2 || nSortOrder == 0 || !pfnCompare)
        return true;
    bool bSwapped = true;
    while (bSwapped) {
        bSwapped = false;
        for (int i = 0; i < nCount - 1; ++i) {
            const SHBGROUPID h1 = FindGroupByOrder(i);
            const SHBGROUPID h2 = FindGroupByOrder(i + 1);
            if (!h1 || !h2)
                continue;
            if (nSortOrder * pfnCompare(h1, h2, lParamSort) > 0) {
                groupInfo(h1)->nOrder = i + 1;
                groupInfo(h2)->nOrder = i;
                bSwapped = true;
            }
        }
    }
    LayoutGroups();
    ShowChildWnd(m_hExpandedGroup, false);
    update();
    return true;
}

// ---- layout, hit testing, expanding

void COXShortcutBar::LayoutGroups()
{
    m_rectChildWnd = QRect();
    m_mapHandleToBoundRect.clear();
    const QRect client = rect();
    int nTop = client.y();
    int nLastBottom = client.y();
    const int nCount = GetGroupCount();
    for (int nOrder = 0; nOrder < nCount; ++nOrder) {
        const SHBGROUPID h = FindGroupByOrder(nOrder);
        if (!h)
            continue;
        const QRect header = RectLTRB(client.x(), nTop, Right(client), nTop + GetGroupHeaderHeight(h));
        m_mapHandleToBoundRect[h] = header;
        nLastBottom = Bottom(header);
        nTop = nLastBottom + m_nGroupMargin;
    }
    const auto expanded = m_mapHandleToBoundRect.find(m_hExpandedGroup);
    if (nCount > 0 && nLastBottom < Bottom(client) && expanded != m_mapHandleToBoundRect.end()) {
        const int nFree = Bottom(client) - nLastBottom;
        const QRect header = expanded->second;
        QRect child = RectLTRB(header.x() + m_rectChildMargins.left(), Bottom(header) + m_rectChildMargins.top(),
                               Right(header) - m_rectChildMargins.right(),
                               Bottom(header) + nFree - m_rectChildMargins.bottom());
        m_rectChildWnd = IsRectEmpty(child) ? QRect() : child;
        const int nBelow = Bottom(header) + m_nGroupMargin;
        for (auto& [h, r] : m_mapHandleToBoundRect) {
            if (h != m_hExpandedGroup && r.y() >= nBelow)
                r.translate(0, nFree);
        }
    }
}

SHBGROUPID COXShortcutBar::HitTest(QPoint point, int* pFlags) const
{
    if (!IsRectEmpty(m_rectChildWnd) && m_rectChildWnd.contains(point)) {
        if (pFlags)
            *pFlags = SHBHT_CHILDAREA;
        return m_hExpandedGroup;
    }
    for (const auto& [h, r] : m_mapHandleToBoundRect) {
        if (r.contains(point)) {
            if (pFlags)
                *pFlags = SHBHT_HEADER;
            return h;
        }
    }
    if (pFlags)
        *pFlags = SHBHT_NONE;
    return 0;
}

bool COXShortcutBar::GetGroupHeaderRect(SHBGROUPID hGroup, QRect* pRect) const
{
    const auto it = m_mapHandleToBoundRect.find(hGroup);
    if (it == m_mapHandleToBoundRect.end() || !pRect)
        return false; // COXShortcutBar::GetGroupHeaderRect: bound rect not found
    *pRect = it->second;
    return true;
}

std::vector<int> COXShortcutBar::SlideSteps(int nHeight)
{
    std::vector<int> steps;
    const int n = nHeight / 20;
    int nStep = 20;
    for (int i = 0; i < n - 1; ++i) {
        // The second half moves in double steps.
        if (i > n / 2) {
            ++i;
            nStep = 40;
        }
        steps.push_back(nStep);
    }
    return steps;
}

void COXShortcutBar::ShowChildWnd(SHBGROUPID hGroup, bool bRedraw)
{
    QWidget* pWnd = GetGroupWindow(hGroup);
    if (!pWnd)
        return;
    if (!IsRectEmpty(m_rectChildWnd)) {
        pWnd->setGeometry(m_rectChildWnd);
        if (bRedraw)
            pWnd->update();
        pWnd->show();
    } else {
        pWnd->hide();
    }
}

void COXShortcutBar::RedrawBar()
{
    if (isVisible())
        repaint();
    else
        update();
}

void COXShortcutBar::RedrawHeader(SHBGROUPID hGroup)
{
    QRect r;
    if (GetGroupHeaderRect(hGroup, &r)) {
        if (isVisible())
            repaint(r);
        else
            update(r);
    }
}

SHBGROUPID COXShortcutBar::ExpandGroup(SHBGROUPID hGroup)
{
    KillHoverTimer();
    if (hGroup == m_hExpandedGroup)
        return m_hExpandedGroup;
    if (hGroup != 0 && !groupInfo(hGroup))
        return m_hExpandedGroup;
    if (SendSHBNotification(SHBNC_GROUPEXPANDING, hGroup))
        return m_hExpandedGroup;

    const SHBGROUPID hOld = m_hExpandedGroup;
    m_hExpandedGroup = hGroup;

    if ((m_dwBarStyle & SHBS_SLIDEEXPAND) && hOld && hGroup && !IsRectEmpty(m_rectChildWnd) &&
        GetGroupOrder(hOld) >= 0) {
        const int a = GetGroupOrder(hOld);
        const int b = GetGroupOrder(hGroup);
        const bool bUp = a < b;
        const int nFirst = std::min(a, b) + 1;
        const int nLast = std::max(a, b);
        QWidget* pOldWnd = GetGroupWindow(hOld);
        QRect child = m_rectChildWnd;
        for (int nStep : SlideSteps(m_rectChildWnd.height())) {
            QRect before, after;
            for (auto& [h, r] : m_mapHandleToBoundRect) {
                const int o = GetGroupOrder(h);
                if (o < nFirst || o > nLast)
                    continue;
                before = UnionRect(before, r);
                r.translate(0, bUp ? -nStep : nStep);
                after = UnionRect(after, r);
            }
            if (bUp)
                child = RectLTRB(child.x(), child.y(), Right(child), Bottom(child) - nStep);
            else
                child = RectLTRB(child.x(), child.y() + nStep, Right(child), Bottom(child));
            m_rectChildWnd = child;
            if (pOldWnd)
                pOldWnd->setGeometry(QRect(child.topLeft(), QSize(child.width(), std::max(0, child.height()))));
            const QRect dirty = UnionRect(before, after);
            if (isVisible())
                repaint(dirty);
        }
    }

    LayoutGroups();
    if (QWidget* pOldWnd = GetGroupWindow(hOld))
        pOldWnd->hide();
    RedrawBar();
    ShowChildWnd(hGroup, true);
    SendSHBNotification(SHBNC_GROUPEXPANDED, hGroup);
    return hOld;
}

// ---- painting

void COXShortcutBar::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    QRegion clip(rect());
    if (!IsRectEmpty(m_rectChildWnd))
        clip -= m_rectChildWnd;
    painter.setClipRegion(clip);
    PaintBackground(&painter);
    const int nCount = GetGroupCount();
    for (int nOrder = 0; nOrder < nCount; ++nOrder) {
        const SHBGROUPID h = FindGroupByOrder(nOrder);
        QRect r;
        if (!h || !GetGroupHeaderRect(h, &r) || IsRectEmpty(r) || !e->region().intersects(r))
            continue;
        // Each header is drawn off-screen and copied in one piece.
        QPixmap buffer(r.size());
        buffer.fill(Qt::transparent);
        QPainter dc(&buffer);
        DRAWITEMSTRUCT dis;
        dis.CtlType = 0;
        dis.CtlID = m_nID;
        dis.itemID = unsigned(h);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = ODS_DEFAULT;
        dis.hwndItem = this;
        dis.hDC = &dc;
        dis.rcItem = QRect(QPoint(0, 0), r.size());
        dis.itemData = h;
        PaintHeader(&dis);
        dc.end();
        painter.drawPixmap(r.topLeft(), buffer);
    }
}

void COXShortcutBar::PaintBackground(QPainter* pDC)
{
    QRegion region(rect());
    for (const auto& [h, r] : m_mapHandleToBoundRect)
        region -= r;
    if (!IsRectEmpty(m_rectChildWnd))
        region -= m_rectChildWnd;
    const COLORREF clr = m_hExpandedGroup ? GetGroupBkColour(m_hExpandedGroup) : GetSysColor(COLOR_WINDOW);
    for (const QRect& r : region)
        pDC->fillRect(r, toQColor(clr));
}

COLORREF COXShortcutBar::UpdateColour(COLORREF clr, int nOffset)
{
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    return RGB(clamp(GetRValue(clr) + nOffset), clamp(GetGValue(clr) + nOffset), clamp(GetBValue(clr) + nOffset));
}

COLORREF COXShortcutBar::InvertColour(COLORREF clr)
{
    return RGB(255 - GetRValue(clr), 255 - GetGValue(clr), 255 - GetBValue(clr));
}

bool COXShortcutBar::ColoursAlike(COLORREF clr1, COLORREF clr2, int nTolerance)
{
    const int diff = std::abs(GetRValue(clr1) - GetRValue(clr2)) + std::abs(GetGValue(clr1) - GetGValue(clr2)) +
                     std::abs(GetBValue(clr1) - GetBValue(clr2));
    return diff / 3 <= nTolerance;
}

void COXShortcutBar::PaintHeader(DRAWITEMSTRUCT* pDIS)
{
    const SHBGROUPID hGroup = pDIS->itemData;
    if (SendSHBNotification(SHBNC_DRAWHEADER, hGroup, reinterpret_cast<intptr_t>(pDIS)))
        return;
    QPainter* pDC = pDIS->hDC;
    QRect r = pDIS->rcItem;
    const bool bDragged = hGroup == m_hDragGroup;
    COLORREF clrBack = GetGroupHeaderBkColour(hGroup);
    if (bDragged)
        clrBack = InvertColour(clrBack);
    const COLORREF clrLight = UpdateColour(clrBack, 64);
    const COLORREF clrDark = UpdateColour(clrBack, -128);
    Draw3dRect(pDC, r, clrLight, clrDark);
    r.adjust(1, 1, -1, -1);
    Draw3dRect(pDC, r, clrLight, clrDark);
    r.adjust(1, 1, -1, -1);
    FillSolidRect(pDC, r, clrBack);

    QFont headerFont = *GetGroupHeaderTextFont(hGroup);
    const int nMargin = 2 * QFontMetrics(headerFont).horizontalAdvance(QLatin1Char(' '));
    r.adjust(nMargin, 0, -nMargin, 0);

    const int nImage = hGroup == m_hExpandedGroup ? GetGroupExpandedImage(hGroup) : GetGroupImage(hGroup);
    if (nImage >= 0 && m_pImageList && nImage < m_pImageList->GetImageCount()) {
        const QSize size = m_pImageList->GetImageSize();
        m_pImageList->Draw(pDC, nImage, QPoint(r.x(), r.y() + (r.height() - size.height()) / 2));
        r.setLeft(r.x() + size.width());
    }

    const QString text = GetGroupText(hGroup);
    if (r.width() > 0 && !text.isEmpty()) {
        COLORREF clrText = GetGroupHeaderTextColour(hGroup);
        if (bDragged)
            clrText = InvertColour(clrText);
        if ((m_dwBarStyle & SHBS_BOLDOPENHEADER) && hGroup == m_hExpandedGroup) {
            int nWeight = headerFont.weight();
            if (nWeight == 0)
                nWeight = 400;
            headerFont.setWeight(QFont::Weight(std::min(nWeight + 300, 1000)));
        }
        pDC->setPen(toQColor(clrText));
        DrawText(pDC, headerFont, text, r, GetGroupHeaderTextFormat(hGroup));
    }

    if (m_hDragGroup && hGroup == m_hDropHilightGroup && hGroup != m_hDragGroup)
        DrawDropTargetMarker(pDC, pDIS->rcItem, hGroup, clrBack);
}

void COXShortcutBar::DrawDropTargetMarker(QPainter* pDC, const QRect& rect, SHBGROUPID hGroup,
                                          COLORREF clrBack) const
{
    COLORREF clr = RGB(255, 0, 0);
    if (ColoursAlike(clr, clrBack, 64))
        clr = RGB(0, 0, 255);
    const QColor colour = toQColor(clr);
    Draw3dRect(pDC, rect, clr, clr);
    const QRect inner = rect.adjusted(4, 4, -4, -4);
    const bool bUp = GetGroupOrder(hGroup) < GetGroupOrder(m_hDragGroup);
    // One arrow near each side: a three-pixel shaft and a head of 7, 5, 3, 1 pixels.
    const int centres[2] = {inner.x() + 3, Right(inner) - 1 - 3};
    for (int cx : centres) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (bUp)
                pDC->fillRect(QRect(cx + dx, inner.y() + 3, 1, 7), colour);
            else
                pDC->fillRect(QRect(cx + dx, Bottom(inner) - 1 - 9, 1, 7), colour);
        }
        for (int i = 0; i < 4; ++i) {
            const int w = 1 + 2 * i;
            const int y = bUp ? inner.y() + i : Bottom(inner) - 1 - i;
            pDC->fillRect(QRect(cx - i, y, w, 1), colour);
        }
    }
}

QPixmap COXShortcutBar::MakeHeaderImage(SHBGROUPID hGroup)
{
    QRect r;
    if (!GetGroupHeaderRect(hGroup, &r) || IsRectEmpty(r))
        return QPixmap();
    QPixmap image(r.size());
    image.fill(Qt::transparent);
    QPainter dc(&image);
    DRAWITEMSTRUCT dis;
    dis.CtlID = m_nID;
    dis.itemID = unsigned(hGroup);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ODS_DEFAULT;
    dis.hwndItem = this;
    dis.hDC = &dc;
    dis.rcItem = QRect(QPoint(0, 0), r.size());
    dis.itemData = hGroup;
    PaintHeader(&dis);
    return image;
}

// ---- mouse, timers, dragging headers

void COXShortcutBar::KillHoverTimer()
{
    if (m_nCheckMouseIsOverGroupID) {
        m_timer.stop();
        m_nCheckMouseIsOverGroupID = 0;
    }
    m_hHotGroup = 0;
}

void COXShortcutBar::StartHoverTimer(SHBGROUPID hGroup, int nDelay)
{
    m_hHotGroup = hGroup;
    m_nWaitForDragHeaderID = 0;
    m_nCheckMouseIsOverGroupID = SHB_TIMER_ID;
    m_timer.start(std::max(1, nDelay), this);
}

void COXShortcutBar::SetDragGroup(SHBGROUPID hGroup)
{
    m_hDragGroup = hGroup;
    SendSHBNotification(SHBNC_HEADERDRAG, hGroup, reinterpret_cast<intptr_t>(&m_ptDragImage));
}

void COXShortcutBar::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    const QPoint point = e->position().toPoint();
    int nFlags = SHBHT_NONE;
    const SHBGROUPID hGroup = HitTest(point, &nFlags);
    if (nFlags != SHBHT_HEADER)
        return;
    ExpandGroup(hGroup);
    if (m_dwBarStyle & SHBS_NOHEADERDRAG)
        return;
    int nFlagsAfter = SHBHT_NONE;
    if (HitTest(point, &nFlagsAfter) == hGroup && nFlagsAfter == SHBHT_HEADER) {
        m_nCheckMouseIsOverGroupID = 0;
        m_nWaitForDragHeaderID = SHB_TIMER_ID;
        m_timer.start(SHB_HOLDTIMER_DELAY, this);
        m_hPressedGroup = hGroup;
        QRect r;
        GetGroupHeaderRect(hGroup, &r);
        if (m_dwBarStyle & SHBS_HEADERDRAGIMAGE)
            m_ptDragImage = point - r.topLeft();
    }
}

void COXShortcutBar::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint point = e->position().toPoint();
    if (m_hDragGroup) {
        dragHeaderTo(point);
        return;
    }
    int nFlags = SHBHT_NONE;
    const SHBGROUPID hGroup = HitTest(point, &nFlags);
    const bool bLeftDown = (e->buttons() & Qt::LeftButton) != 0;
    if (nFlags == SHBHT_HEADER && m_nWaitForDragHeaderID == 0 && bLeftDown && hGroup == m_hPressedGroup &&
        hGroup != 0) {
        if (m_dwBarStyle & SHBS_NOHEADERDRAG)
            return;
        if (m_dwBarStyle & SHBS_HEADERDRAGIMAGE) {
            m_pDragImage.reset();
            auto* pImage = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
            pImage->setAttribute(Qt::WA_TransparentForMouseEvents);
            pImage->setPixmap(MakeHeaderImage(hGroup));
            pImage->adjustSize();
            pImage->setWindowOpacity(0.7);
            m_pDragImage.reset(pImage);
        }
        grabMouse();
        SetDragGroup(hGroup);
        RedrawHeader(hGroup);
        if (m_pDragImage) {
            m_pDragImage->move(mapToGlobal(point) - m_ptDragImage);
            m_pDragImage->show();
        }
        return;
    }
    if (!bLeftDown && m_nWaitForDragHeaderID == 0 && m_hEditGroup == 0 && (m_dwBarStyle & SHBS_EXPANDONHOVER) &&
        nFlags == SHBHT_HEADER && hGroup != m_hExpandedGroup) {
        if (m_hHotGroup != hGroup || !m_nCheckMouseIsOverGroupID) {
            if (m_hHotGroup != hGroup)
                KillHoverTimer();
            StartHoverTimer(hGroup, m_nAutoExpandDelay);
        }
    }
}

void COXShortcutBar::dragHeaderTo(QPoint point)
{
    int nFlags = SHBHT_NONE;
    SHBGROUPID hTarget = HitTest(point, &nFlags);
    if (nFlags != SHBHT_HEADER)
        hTarget = 0;
    if (m_pDragImage)
        m_pDragImage->move(mapToGlobal(point) - m_ptDragImage);
    if (!hTarget) {
        QRect dragged;
        if (m_pDragImage)
            dragged = QRect(point - m_ptDragImage, m_pDragImage->size());
        else
            GetGroupHeaderRect(m_hDragGroup, &dragged);
        if (!IsRectEmpty(IntersectRect(dragged, rect())) && !RectInside(dragged, m_rectChildWnd)) {
            int nBest = 0;
            for (const auto& [h, r] : m_mapHandleToBoundRect) {
                const QRect overlap = IntersectRect(dragged, r);
                const int nArea = overlap.width() * overlap.height();
                if (nArea > nBest) {
                    nBest = nArea;
                    hTarget = h;
                }
            }
        }
    }
    if (hTarget != m_hDropHilightGroup) {
        const SHBGROUPID hOld = m_hDropHilightGroup;
        m_hDropHilightGroup = hTarget;
        if (m_pDragImage)
            m_pDragImage->hide();
        if (hOld && hOld != m_hDragGroup)
            RedrawHeader(hOld);
        if (hTarget && hTarget != m_hDragGroup)
            RedrawHeader(hTarget);
        if (m_pDragImage)
            m_pDragImage->show();
    }
    setCursor((!hTarget || hTarget == m_hDragGroup) ? Qt::ForbiddenCursor : Qt::ArrowCursor);
}

void COXShortcutBar::endHeaderDrag()
{
    m_pDragImage.reset();
    const SHBGROUPID hDragged = m_hDragGroup;
    // Dropping a header on itself changes nothing.
    const SHBGROUPID hTarget = m_hDropHilightGroup == hDragged ? 0 : m_hDropHilightGroup;
    SetDragGroup(0);
    m_hDropHilightGroup = 0;
    if (!hTarget) {
        RedrawHeader(hDragged);
    } else if (!SendSHBNotification(SHBNC_HEADERDROPPED, hDragged, intptr_t(hTarget))) {
        SetGroupOrder(hDragged, GetGroupOrder(hTarget));
        LayoutGroups();
        ShowChildWnd(m_hExpandedGroup, true);
        RedrawBar();
    } else {
        RedrawHeader(hDragged);
        RedrawHeader(hTarget);
    }
    releaseMouse();
    unsetCursor();
}

void COXShortcutBar::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton) {
        if (m_hDragGroup)
            endHeaderDrag();
        m_hPressedGroup = 0;
        return;
    }
    QWidget::mouseReleaseEvent(e);
}

void COXShortcutBar::timerEvent(QTimerEvent* e)
{
    if (e->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(e);
        return;
    }
    m_timer.stop();
    if (m_nWaitForDragHeaderID) {
        // The button has now been held long enough to drag the header.
        m_nWaitForDragHeaderID = 0;
        return;
    }
    m_nCheckMouseIsOverGroupID = 0;
    const SHBGROUPID hHover = m_hHotGroup;
    int nFlags = SHBHT_NONE;
    const SHBGROUPID hUnder = HitTest(mapFromGlobal(QCursor::pos()), &nFlags);
    if (hHover && nFlags == SHBHT_HEADER && hUnder == hHover)
        ExpandGroup(hHover);
    else
        m_hHotGroup = 0;
}

void COXShortcutBar::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    LayoutGroups();
    ShowChildWnd(m_hExpandedGroup, true);
    update();
}

// ---- context menu and commands

std::unique_ptr<QMenu> COXShortcutBar::BuildContextMenu(QPoint screenPoint)
{
    KillHoverTimer();
    auto menu = std::make_unique<QMenu>(this);
    const QPoint point = mapFromGlobal(screenPoint);
    int nFlags = SHBHT_NONE;
    const SHBGROUPID hUnder = HitTest(point, &nFlags);
    const SHBGROUPID hGroup = nFlags == SHBHT_HEADER ? hUnder : m_hExpandedGroup;
    m_hSuspectGroup = hGroup;

    auto addCommand = [&menu](const QString& text, unsigned nID) {
        QAction* action = menu->addAction(text);
        action->setData(nID);
        return action;
    };
    const bool bEditHeaders = (m_dwBarStyle & SHBS_EDITHEADERS) != 0;
    if (bEditHeaders)
        addCommand(QStringLiteral("Add New Group"), ID_SHB_ADDNEWGROUP);
    if (hGroup) {
        if (bEditHeaders)
            menu->addSeparator();
        QAction* large = addCommand(QStringLiteral("Large Icons"), ID_SHB_LARGEICON);
        QAction* small = addCommand(QStringLiteral("Small Icons"), ID_SHB_SMALLICON);
        if (bEditHeaders) {
            menu->addSeparator();
            addCommand(QStringLiteral("Remove Group"), ID_SHB_REMOVEGROUP);
            addCommand(QStringLiteral("Rename Group"), ID_SHB_RENAMEGROUP);
        }
        if (m_hExpandedGroup) {
            const bool bLarge = GetGroupView(m_hExpandedGroup) == SHBV_LARGEICONS;
            large->setCheckable(true);
            small->setCheckable(true);
            large->setChecked(bLarge);
            small->setChecked(!bLarge);
        }
        if (nFlags == SHBHT_CHILDAREA) {
            SHB_MENUREQUEST request;
            request.pMenu = menu.get();
            request.pShortcutBar = this;
            request.hGroup = hGroup;
            request.point = screenPoint;
            SendShbMessage(GetGroupWindow(hGroup), SHBMSG_FILLCONTEXTMENU, 0, reinterpret_cast<intptr_t>(&request));
        }
    }
    return menu;
}

void COXShortcutBar::OnContextMenu(QPoint screenPoint)
{
    std::unique_ptr<QMenu> menu = BuildContextMenu(screenPoint);
    SHB_MENUREQUEST request;
    request.pMenu = menu.get();
    request.pShortcutBar = this;
    request.hGroup = m_hSuspectGroup;
    request.point = screenPoint;
    if (SendSHBNotification(SHBNC_CONTEXTMENU, m_hSuspectGroup, reinterpret_cast<intptr_t>(&request)))
        return;
    if (menu->isEmpty())
        return;
    QAction* chosen = menu->exec(screenPoint);
    if (chosen && !chosen->data().isNull())
        OnCmdMsg(chosen->data().toUInt());
}

void COXShortcutBar::contextMenuEvent(QContextMenuEvent* e)
{
    OnContextMenu(e->globalPos());
}

bool COXShortcutBar::OnCmdMsg(unsigned nID)
{
    switch (nID) {
    case ID_SHB_LARGEICON:
    case ID_SHB_SMALLICON: {
        const int nView = nID == ID_SHB_LARGEICON ? SHBV_LARGEICONS : SHBV_SMALLICONS;
        if (m_hExpandedGroup && GetGroupView(m_hExpandedGroup) != nView) {
            SetGroupView(m_hExpandedGroup, nView);
            ShowChildWnd(m_hExpandedGroup, true);
        }
        return true;
    }
    case ID_SHB_ADDNEWGROUP: {
        SHB_GROUPINFO info;
        info.nMask = SHBGI_TEXT;
        const SHBGROUPID hGroup = InsertGroup(&info);
        if (hGroup) {
            if (GetGroupCount() == 1) {
                ExpandGroup(hGroup);
            } else {
                LayoutGroups();
                ShowChildWnd(m_hExpandedGroup, false);
                RedrawBar();
            }
            EditGroupHeader(hGroup);
        }
        return true;
    }
    case ID_SHB_REMOVEGROUP:
        RemoveGroup(m_hSuspectGroup);
        return true;
    case ID_SHB_RENAMEGROUP:
        EditGroupHeader(m_hSuspectGroup);
        return true;
    case ID_SHB_REMOVEITEM:
    case ID_SHB_RENAMEITEM: {
        COXSHBListCtrl* pList = HasOwnList(m_hExpandedGroup) ? GetGroupListCtrl(m_hExpandedGroup) : nullptr;
        if (!pList)
            return true;
        int nItem = pList->GetHotItem();
        if (nItem == -1)
            nItem = pList->m_nLastHotItem;
        if (nItem < 0)
            return true;
        if (nID == ID_SHB_REMOVEITEM) {
            pList->DeleteItem(nItem);
        } else {
            pList->EnsureItemVisible(nItem, false);
            EditLCItem(m_hExpandedGroup, nItem);
        }
        return true;
    }
    default:
        return false;
    }
}

// ---- renaming headers

COXSHBEdit* COXShortcutBar::EditGroupHeader(SHBGROUPID hGroup)
{
    if (!(m_dwBarStyle & SHBS_EDITHEADERS))
        return nullptr; // cannot edit header - SHBS_EDITHEADERS style wasn't set
    if (m_hEditGroup) {
        m_edit.FinishEdit(true);
        m_hEditGroup = 0;
    }
    QString text = GetGroupText(hGroup);
    if (SendSHBNotification(SHBNC_BEGINHEADEREDIT, hGroup, reinterpret_cast<intptr_t>(&text)))
        return nullptr;
    QRect r;
    if (!GetGroupHeaderRect(hGroup, &r))
        return nullptr; // failed to get header rectangle
    if (IsRectEmpty(r))
        return nullptr; // header rect is empty
    if (!RectInside(r, rect()))
        return nullptr; // failed to edit - header rectangle is not entirely visible
    SHBE_DISPLAY display;
    display.nMask = SHBEM_TEXT | SHBEM_DISPLAYRECT | SHBEM_STYLE | SHBEM_SELECTION | SHBEM_FONT;
    display.lpText = text;
    display.rectDisplay = r;
    display.dwStyle = WS_BORDER | ES_AUTOHSCROLL;
    display.ptSelectionStart = 0;
    display.ptSelectionEnd = -1;
    display.pFont = *GetGroupHeaderTextFont(hGroup);
    if (!m_edit.StartEdit(&display))
        return nullptr; // COXShortcutBar::EditGroupHeader: COXSHBEdit::StartEdit failed
    m_hEditGroup = hGroup;
    return &m_edit;
}

void COXShortcutBar::OnChangeGroupHeaderText(const SHBE_ENDEDIT* pEndEdit)
{
    const SHBGROUPID hGroup = m_hEditGroup;
    m_hEditGroup = 0;
    if (!pEndEdit->bSave || !hGroup)
        return;
    QString text = m_edit.GetWindowText();
    if (SendSHBNotification(SHBNC_ENDHEADEREDIT, hGroup, reinterpret_cast<intptr_t>(&text)))
        return;
    SetGroupText(hGroup, text);
    RedrawHeader(hGroup);
}

// ---- tooltips and messages

int COXShortcutBar::OnToolHitTest(QPoint point, QRect* pToolRect) const
{
    if (!(m_dwBarStyle & SHBS_TOOLTIPS))
        return -1;
    int nFlags = SHBHT_NONE;
    const SHBGROUPID hGroup = HitTest(point, &nFlags);
    if (nFlags != SHBHT_HEADER || !hGroup)
        return -1;
    if (pToolRect)
        GetGroupHeaderRect(hGroup, pToolRect);
    return int(hGroup);
}

void COXShortcutBar::showToolTip(QHelpEvent* e)
{
    QRect r;
    const int nTool = OnToolHitTest(e->pos(), &r);
    if (nTool < 0) {
        QToolTip::hideText();
        e->ignore();
        return;
    }
    SHB_TIPTEXT tip;
    SendSHBNotification(SHBNC_HEADERTIP, SHBGROUPID(nTool), reinterpret_cast<intptr_t>(&tip));
    const QString text = tip.lpszText ? *tip.lpszText : tip.szText.left(SHB_TIPTEXT_BUFFER);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(e->globalPos(), text, this, r);
}

intptr_t COXShortcutBar::OnOleDragOver(uintptr_t, intptr_t lParam)
{
    if (m_dwBarStyle & SHBS_NOOLEDROP)
        return 0;
    if (SendSHBNotification(SHBNC_OLEDRAGOVER, 0, lParam))
        return 1;
    auto* pEvent = reinterpret_cast<SHB_DROPEVENT*>(lParam);
    pEvent->result = DROPEFFECT_NONE;
    int nFlags = SHBHT_NONE;
    const SHBGROUPID hGroup = HitTest(pEvent->point, &nFlags);
    if (nFlags == SHBHT_HEADER && hGroup != m_hExpandedGroup) {
        if (m_hHotGroup != hGroup || !m_nCheckMouseIsOverGroupID) {
            if (m_hHotGroup != hGroup)
                KillHoverTimer();
            StartHoverTimer(hGroup, m_nAutoExpandDelay / 4);
        }
    }
    return 1;
}

intptr_t COXShortcutBar::OnOleDragLeave(uintptr_t, intptr_t lParam)
{
    if (m_dwBarStyle & SHBS_NOOLEDROP)
        return 0;
    if (!SendSHBNotification(SHBNC_OLEDRAGLEAVE, 0, lParam))
        KillHoverTimer();
    return 1;
}

bool COXShortcutBar::event(QEvent* e)
{
    if (e->type() == CShbMessage::Type()) {
        auto* m = static_cast<CShbMessage*>(e);
        switch (m->message) {
        case SHBMSG_OLEDRAGOVER:
            m->result = OnOleDragOver(m->wParam, m->lParam);
            return true;
        case SHBMSG_OLEDRAGLEAVE:
            m->result = OnOleDragLeave(m->wParam, m->lParam);
            return true;
        case WM_NOTIFY: {
            const auto* pEnd = reinterpret_cast<const SHBE_ENDEDIT*>(m->lParam);
            if (m->wParam == SHB_IDCEDIT && pEnd && pEnd->code == SHBEN_ENDEDIT && pEnd->hwndFrom == &m_edit) {
                OnChangeGroupHeaderText(pEnd);
                m->result = 0;
                return true;
            }
            return false;
        }
        default:
            return false;
        }
    }
    if (e->type() == QEvent::ToolTip) {
        showToolTip(static_cast<QHelpEvent*>(e));
        return true;
    }
    return QWidget::event(e);
}

// ---- items of the groups' lists

COXSHBListCtrl* COXShortcutBar::listFor(SHBGROUPID hGroup, const char*) const
{
    // "COXShortcutBar::<operation>: list control wasn't created" when there is none.
    return GetGroupListCtrl(hGroup);
}

CImageList* COXShortcutBar::SetLCImageList(SHBGROUPID hGroup, CImageList* pImageList, int nImageList)
{
    COXSHBListCtrl* pList = listFor(hGroup, "SetLCImageList");
    return pList ? pList->SetImageList(pImageList, nImageList) : nullptr;
}

CImageList* COXShortcutBar::GetLCImageList(SHBGROUPID hGroup, int nImageList) const
{
    COXSHBListCtrl* pList = listFor(hGroup, "GetLCImageList");
    return pList ? pList->GetImageList(nImageList) : nullptr;
}

bool COXShortcutBar::GetLCItem(SHBGROUPID hGroup, LVITEM* pItem) const
{
    COXSHBListCtrl* pList = listFor(hGroup, "GetLCItem");
    return pList && pList->GetItem(pItem);
}

int COXShortcutBar::GetLCItemCount(SHBGROUPID hGroup) const
{
    COXSHBListCtrl* pList = listFor(hGroup, "GetLCItemCount");
    return pList ? pList->GetItemCount() : 0;
}

bool COXShortcutBar::SetLCItem(SHBGROUPID hGroup, const LVITEM* pItem)
{
    COXSHBListCtrl* pList = listFor(hGroup, "SetLCItem");
    return pList && pList->SetItem(pItem);
}

bool COXShortcutBar::SetLCItem(SHBGROUPID hGroup, int nItem, int nSubItem, unsigned nMask, const QString& text,
                               int nImage, unsigned nState, unsigned nStateMask, intptr_t lParam)
{
    COXSHBListCtrl* pList = listFor(hGroup, "SetLCItem");
    return pList && pList->SetItem(nItem, nSubItem, nMask, text, nImage, nState, nStateMask, lParam);
}

int COXShortcutBar::InsertLCItem(SHBGROUPID hGroup, const LVITEM* pItem)
{
    COXSHBListCtrl* pList = listFor(hGroup, "InsertLCItem");
    return pList ? pList->InsertItem(pItem) : -1;
}

int COXShortcutBar::InsertLCItem(SHBGROUPID hGroup, unsigned nMask, int nItem, const QString& text, unsigned nState,
                                 unsigned nStateMask, int nImage, intptr_t lParam)
{
    COXSHBListCtrl* pList = listFor(hGroup, "InsertLCItem");
    return pList ? pList->InsertItem(nMask, nItem, text, nState, nStateMask, nImage, lParam) : -1;
}

bool COXShortcutBar::DeleteLCItem(SHBGROUPID hGroup, int nItem)
{
    COXSHBListCtrl* pList = listFor(hGroup, "DeleteLCItem");
    return pList && pList->DeleteItem(nItem);
}

COXSHBEdit* COXShortcutBar::EditLCItem(SHBGROUPID hGroup, int nItem)
{
    COXSHBListCtrl* pList = listFor(hGroup, "EditLCItem");
    if (!pList)
        return nullptr;
    if (!(m_dwBarStyle & SHBS_EDITITEMS))
        return nullptr; // cannot edit item - SHBS_EDITITEMS style wasn't set
    return pList->EditLabel(nItem);
}

bool COXShortcutBar::SortLCItems(SHBGROUPID hGroup)
{
    COXSHBListCtrl* pList = listFor(hGroup, "SortLCItems");
    if (!pList)
        return false;
    return pList->SortItems(
        [](const LVITEM& a, const LVITEM& b) { return a.pszText.compare(b.pszText, Qt::CaseInsensitive); });
}

bool COXShortcutBar::ScrollExpanded(QSize size)
{
    if (!HasOwnList(m_hExpandedGroup))
        return false; // COXShortcutBar::ScrollExpanded: child window is not COXSHBListCtrl
    COXSHBListCtrl* pList = GetGroupListCtrl(m_hExpandedGroup);
    return pList && pList->ScrollBy(size);
}

// ---- image transfer

QByteArray COXShortcutBar::CopyImageFromIL(const CImageList* pImageList, int nImage)
{
    if (!pImageList || nImage < 0 || nImage >= pImageList->GetImageCount())
        return QByteArray();
    const QPixmap image = pImageList->GetImage(nImage);
    QByteArray blob;
    QBuffer buffer(&blob);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return QByteArray();
    return blob;
}

int COXShortcutBar::CopyImageToIL(CImageList* pImageList, const QByteArray& blob)
{
    if (!pImageList || blob.isEmpty())
        return -1;
    QImage image;
    if (!image.loadFromData(blob, "PNG") || image.isNull())
        return -1;
    if (!pImageList->IsCreated() && !pImageList->Create(image.width(), image.height(), ILC_MASK, 0, 1))
        return -1;
    return pImageList->Add(QPixmap::fromImage(image));
}
