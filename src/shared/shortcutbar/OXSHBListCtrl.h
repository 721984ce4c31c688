#pragma once
// The list that shows the items of one shortcut-bar group: one column of
// items, large icons with a wrapped label below or small icons with a label
// beside, two scroll buttons instead of scroll bars, hot tracking, in-place
// renaming and item drag and drop. Inside a bar it takes its style, view,
// colours and fonts from the bar and notifies through it; on its own it
// derives them from its own styles and notifies its own listeners.
#include "shared/ImageList.h"
#include "shared/shortcutbar/OXSHBEdit.h"
#include "shared/shortcutbar/OleDragDrop.h"
#include "shared/shortcutbar/ShortcutBarTypes.h"

#include <QBasicTimer>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class COXShortcutBar;

namespace winapi {
// List-view window styles.
constexpr uint32_t LVS_ICON = 0x0000;
constexpr uint32_t LVS_REPORT = 0x0001;
constexpr uint32_t LVS_SMALLICON = 0x0002;
constexpr uint32_t LVS_LIST = 0x0003;
constexpr uint32_t LVS_TYPEMASK = 0x0003;
constexpr uint32_t LVS_SINGLESEL = 0x0004;
constexpr uint32_t LVS_SHOWSELALWAYS = 0x0008;
constexpr uint32_t LVS_SHAREIMAGELISTS = 0x0040;
constexpr uint32_t LVS_EDITLABELS = 0x0200;
constexpr uint32_t LVS_NOSCROLL = 0x2000;
// Extended list-view styles a stand-alone list reads.
constexpr uint32_t LVS_EX_INFOTIP = 0x0400;
constexpr uint32_t LVS_EX_UNDERLINEHOT = 0x0800;

constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;

constexpr unsigned LVIF_TEXT = 0x0001;
constexpr unsigned LVIF_IMAGE = 0x0002;
constexpr unsigned LVIF_PARAM = 0x0004;
constexpr unsigned LVIF_STATE = 0x0008;

constexpr int LVHT_NOWHERE = 0x0001;
constexpr int LVHT_ONITEMICON = 0x0002;
constexpr int LVHT_ONITEMLABEL = 0x0004;
constexpr int LVHT_ABOVE = 0x0008;
constexpr int LVHT_BELOW = 0x0010;
constexpr int LVHT_TORIGHT = 0x0020;
constexpr int LVHT_TOLEFT = 0x0040;

constexpr unsigned LVFI_PARAM = 0x0001;
constexpr unsigned LVFI_STRING = 0x0002;
constexpr unsigned LVFI_PARTIAL = 0x0008;
constexpr unsigned LVFI_WRAP = 0x0020;
constexpr unsigned LVFI_NEARESTXY = 0x0040;

constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_ICON = 1;
constexpr int LVIR_LABEL = 2;

constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_DOWN = 0x28;

struct LVITEM {
    unsigned mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    unsigned state = 0;
    unsigned stateMask = 0;
    QString pszText;
    int iImage = 0;
    intptr_t lParam = 0;
};

struct LVFINDINFO {
    unsigned flags = 0;
    QString psz;
    intptr_t lParam = 0;
    QPoint pt;
    unsigned vkDirection = 0;
};
} // namespace winapi

// Hit-test flags of the scroll buttons and of the space beside icon and label.
constexpr int SHBLC_ONUPBUTTON = -3;
constexpr int SHBLC_ONDOWNBUTTON = -4;
constexpr int SHBLC_ONIMAGEANDTEXT = -2;

// Timer ids and periods of the list.
constexpr int SHBLC_SCROLLTIMER = 1;
constexpr int SHBLC_HOVERTIMER = 275;
constexpr int SHBLC_HOVERINTERVAL = 200;

class COXSHBListCtrl : public QWidget {
    Q_OBJECT
public:
    COXSHBListCtrl();
    ~COXSHBListCtrl() override;

    // Creating and attaching.
    bool Create(uint32_t dwStyle, const QRect& rect, QWidget* pParent, unsigned nID);
    bool InitListControl();
    uint32_t GetStyle() const { return m_dwStyle; }
    void ModifyStyle(uint32_t dwRemove, uint32_t dwAdd);
    uint32_t GetExtendedStyle() const { return m_dwExStyle; }
    void SetExtendedStyle(uint32_t dwExStyle) { m_dwExStyle = dwExStyle; }
    unsigned GetDlgCtrlID() const { return m_nID; }

    COXShortcutBar* GetShortcutBar() const;
    SHBGROUPID GetGroup() const { return m_hGroup; }
    uint32_t GetBarStyle() const;
    int GetView() const;

    // The items (the list view's own storage).
    int GetItemCount() const { return int(m_items.size()); }
    int InsertItem(const winapi::LVITEM* pItem);
    int InsertItem(unsigned nMask, int nItem, const QString& text, unsigned nState, unsigned nStateMask, int nImage,
                   intptr_t lParam);
    int InsertItem(int nItem, const QString& text, int nImage = -1);
    bool DeleteItem(int nItem);
    bool DeleteAllItems();
    bool GetItem(winapi::LVITEM* pItem) const;
    bool SetItem(const winapi::LVITEM* pItem);
    bool SetItem(int nItem, int nSubItem, unsigned nMask, const QString& text, int nImage, unsigned nState,
                 unsigned nStateMask, intptr_t lParam);
    QString GetItemText(int nItem) const;
    bool SetItemText(int nItem, const QString& text);
    intptr_t GetItemData(int nItem) const;
    bool SetItemData(int nItem, intptr_t lParam);
    // Sorts with a comparison of two items (negative: first before second).
    bool SortItems(const std::function<int(const winapi::LVITEM&, const winapi::LVITEM&)>& compare);
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    int GetItemImage(int nItem) const;

    // Geometry.
    int HitTest(QPoint point, int* pFlags = nullptr, bool bOnlyItems = false) const;
    bool GetItemRect(int nItem, QRect* pRect, int nCode) const;
    bool GetItemPosition(int nItem, QPoint* pPoint) const;
    bool GetViewRect(QRect* pRect, bool bOnlyVisiblePart = false) const;
    QSize GetOrigin() const { return m_ptOrigin; }
    int GetTopIndex() const;
    int GetCountPerPage() const;
    int FindItem(const winapi::LVFINDINFO* pFindInfo, int nStart = -1) const;
    bool EnsureItemVisible(int nItem, bool bPartialOK);
    bool Scroll(QSize size) { return ScrollBy(size); }
    bool ScrollBy(QSize size);
    bool RedrawItem(int nItem);
    bool RedrawItems(int nFirst, int nLast);
    QRect GetScrollUpRect() const { return m_rectTopScroll; }
    QRect GetScrollDownRect() const { return m_rectBottomScroll; }
    // The area the rows stand in: the client rectangle less 2 pixels at top and bottom.
    QRect GetViewArea() const;

    // Tracked items.
    int GetDownItem() const { return m_nDownItem; }
    int GetHotItem() const { return m_nHotItem; }
    int GetSelectedItem() const { return m_nSelectedItem; }
    int GetDragItem() const { return m_nDragItem; }
    int GetEditedItem() const { return m_nEditItem; }
    int GetDropPosition() const { return m_nInsertItemBefore; }
    int SetDownItem(int nItem);
    int SetHotItem(int nItem);
    int SetSelectedItem(int nItem);

    // Renaming.
    COXSHBEdit* EditLabel(int nItem);
    COXSHBEdit* GetEditCtrl() { return &m_edit; }

    // Colours: inside a bar those of the group.
    COLORREF GetBkColour() const;
    bool SetBkColour(COLORREF clr);
    COLORREF GetTextColour() const;
    bool SetTextColour(COLORREF clr);
    COLORREF GetTextBkColour() const;
    bool SetTextBkColour(COLORREF clr);
    QFont GetLabelFont() const;

    // Dragging items.
    int SetDragItem(int nItem);
    QPixmap CreateDragImage(int nItem);

    // Sends a notification (inside a bar through the bar) and answers the result.
    intptr_t SendSHBNotification(unsigned nCode, int nItem, intptr_t lParam);

    // The common-controls version as major << 16 | minor; these lists behave as 4.71.
    static uint32_t GetCommonControlsVersion() { return 0x40047; }

signals:
    // Notifications of a stand-alone list; a non-zero *pResult vetoes.
    void notify(SHB_NOTIFY* pNotify, intptr_t* pResult);

protected:
    // Overridable steps.
    virtual void DrawItem(winapi::DRAWITEMSTRUCT* pDIS);
    virtual void DrawScrollButtons(QPainter* pDC);
    virtual void DrawPlaceHolder(QPainter* pDC);
    virtual bool CreateEditControl();
    virtual void CalculateBoundRects();
    virtual void CalculateScrollRects();
    virtual COleDropSource* GetDropSource();
    virtual COleDropTarget* GetDropTarget();
    virtual void OnBeginItemOleDrag(int nItem, QMimeData* pDataSource);
    virtual intptr_t OnOleDragEnter(uintptr_t wParam, SHB_DROPEVENT* pEvent);
    virtual intptr_t OnOleDragOver(uintptr_t wParam, SHB_DROPEVENT* pEvent);
    virtual intptr_t OnOleDragLeave(uintptr_t wParam, SHB_DROPEVENT* pEvent);
    virtual intptr_t OnOleDrop(uintptr_t wParam, SHB_DROPEVENT* pEvent);
    virtual int OnToolHitTest(QPoint point, QRect* pToolRect) const;

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

public:
    // The hover check: whether the mouse is over the list, and hot tracking.
    void CheckMouseOver();
    void UpdateHotItem();
    void StartScrolling(bool bScrollingUp, bool bAutoScrolling = false);
    void StopScrolling();
    bool IsScrollingUp() const { return m_bScrollingUp; }
    bool IsScrollingDown() const { return m_bScrollingDown; }
    bool IsAutoScrolling() const { return m_bAutoScrolling; }
    // A scroll-timer tick.
    void OnScrollTimer();

private:
    struct Item {
        QString text;
        int image = 0;
        intptr_t lParam = 0;
        unsigned state = 0;
    };

    bool handleMessage(CShbMessage* m);
    void onLeftButtonDown(QPoint point);
    QRect CalculateTextRect(const QString& text, QRect& rectImage, int nWidth) const;
    bool GetScrollRange(QRect* pRange, int nReferenceItem) const;
    void ScrollRowToTop(int nItem);
    void ScrollRowBottomToViewBottom(int nItem);
    void RedrawRect(const QRect& rect);
    void RedrawWindow();
    void OnChangeItemText(const SHBE_ENDEDIT* pEndEdit);
    void FillContextMenu(SHB_MENUREQUEST* pRequest);
    QRect GetPlaceHolderRect(int nPosition) const;
    void showToolTip(QHelpEvent* e);
    void killHoverTimer();
    void killScrollTimer();
    QFont labelFont() const;
    QPoint cursorPos() const;
    bool leftButtonDown() const;
    void finishOwnDrag(int nItem, winapi::DROPEFFECT dropEffect, bool bDroppedHere);

    QPointer<COXShortcutBar> m_pShortcutBar;
    SHBGROUPID m_hGroup = 0;
    int m_nDownItem = -1;
    int m_nHotItem = -1;
    int m_nLastHotItem = -1;
    int m_nSelectedItem = -1;
    int m_nDragItem = -1;
    int m_nEditItem = -1;
    COXSHBEdit m_edit;
    std::map<int, QRect> m_mapItemToBoundRect;
    std::map<int, QRect> m_mapItemToImageRect;
    std::map<int, QRect> m_mapItemToTextRect;
    QRect m_rectTopScroll;
    QRect m_rectBottomScroll;
    QSize m_ptOrigin{0, 0};
    CSHBDropSource m_oleDropSource;
    CSHBDropTarget m_oleDropTarget;
    CImageList m_ilLarge;
    CImageList m_ilSmall;
    bool m_bMouseIsOver = false;
    bool m_bScrollingUp = false;
    bool m_bScrollingDown = false;
    bool m_bAutoScrolling = false;
    bool m_bCreatingDragImage = false;
    QPixmap m_dragImage;
    QPoint m_ptDragImage;
    QPoint m_ptClickedLButton;
    int m_nPressedItem = -1;
    bool m_bDragDropOwner = false;
    bool m_bDragDropOperation = false;
    int m_nScrollTimerId = 0;
    int m_nCheckMouseTimerId = 0;
    QBasicTimer m_scrollTimer;
    QBasicTimer m_hoverTimer;
    int m_nInsertItemBefore = -1;

    // Window state of the list view.
    uint32_t m_dwStyle = 0;
    uint32_t m_dwExStyle = 0;
    unsigned m_nID = 0;
    bool m_bCreated = false;
    std::vector<Item> m_items;
    CImageList* m_pImageListNormal = nullptr;
    CImageList* m_pImageListSmall = nullptr;
    COLORREF m_clrBk;
    COLORREF m_clrText;
    COLORREF m_clrTextBk;
    COleDropTarget* m_pRegisteredTarget = nullptr;

    friend class COXShortcutBar;
};
