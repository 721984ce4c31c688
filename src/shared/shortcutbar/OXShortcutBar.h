#pragma once
// A vertical stack of group headers, like the pages of a card index seen from
// the side. One group at a time is expanded and shows its child window (by
// default a COXSHBListCtrl) between its header and the next; the other headers
// sit at the bottom. Groups are addressed by handle; every event a parent may
// veto or customise is reported through notify() with the SHBNC_ codes.
#include "shared/ImageList.h"
#include "shared/shortcutbar/OXSHBEdit.h"
#include "shared/shortcutbar/OleDragDrop.h"
#include "shared/shortcutbar/ShortcutBarTypes.h"

#include <QBasicTimer>
#include <QFont>
#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

class COXSHBListCtrl;
class QMenu;

namespace winapi {
struct LVITEM;
}

// The timer id shared by the hold and the hover timer.
constexpr int SHB_TIMER_ID = 2;
constexpr int SHB_HOLDTIMER_DELAY = 100;

class COXShortcutBar : public QWidget {
    Q_OBJECT
public:
    COXShortcutBar();
    ~COXShortcutBar() override;

    // Window class name of the bar.
    static QString ClassName() { return QStringLiteral("OXShortcutBar"); }

    bool Create(QWidget* pParentWnd, const QRect& rect, uint32_t dwBarStyle = 0, unsigned nID = 0xFFFF,
                uint32_t dwStyle = 0, uint32_t dwExStyle = 0);
    bool InitShortcutBar();
    unsigned GetDlgCtrlID() const { return m_nID; }

    uint32_t GetBarStyle() const { return m_dwBarStyle; }
    bool SetBarStyle(uint32_t dwBarStyle);
    CImageList* GetImageList() const { return m_pImageList; }
    CImageList* SetImageList(CImageList* pImageList);

    // Bar settings; each setter answers the previous value.
    int SetGroupSpacing(int nGroupSpacing);
    int GetGroupSpacing() const { return m_nGroupMargin; }
    QMargins SetChildMargins(int nLeft, int nTop, int nRight, int nBottom);
    QMargins GetChildMargins() const { return m_rectChildMargins; }
    QSize GetScrollButtonSize() const { return m_sizeScrollButton; }
    QSize SetScrollButtonSize(QSize size);
    int GetScrollDelay() const { return m_nScrollingDelay; }
    int SetScrollDelay(int nDelay);
    int GetAutoScrollDelay() const { return m_nAutoScrollingDelay; }
    int SetAutoScrollDelay(int nDelay);
    int GetHoverExpandDelay() const { return m_nAutoExpandDelay; }
    int SetHoverExpandDelay(int nDelay);

    // Groups.
    SHBGROUPID InsertGroup(const SHB_GROUPINFO* pGroupInfo);
    SHBGROUPID InsertGroup(const QString& text, int nOrder = -1, int nImage = -1, int nImageExpanded = -1,
                           uint32_t lParam = 0, int nView = -1, SHB_DESCRIPTOR* pDescriptor = nullptr,
                           QWidget* pChildWnd = nullptr);
    bool RemoveGroup(SHBGROUPID hGroup);
    bool RemoveAllGroups();
    int GetGroupCount() const { return int(m_mapHandleToInfo.size()); }
    bool GetGroupInfo(SHBGROUPID hGroup, SHB_GROUPINFO* pGroupInfo, bool bSubstitute = false);
    bool SetGroupInfo(SHBGROUPID hGroup, const SHB_GROUPINFO* pGroupInfo, bool bSubstitute = false);

    QString GetGroupText(SHBGROUPID hGroup) const;
    bool SetGroupText(SHBGROUPID hGroup, const QString& text);
    int GetGroupImage(SHBGROUPID hGroup) const;
    bool SetGroupImage(SHBGROUPID hGroup, int nImage);
    int GetGroupExpandedImage(SHBGROUPID hGroup) const;
    bool SetGroupExpandedImage(SHBGROUPID hGroup, int nImage);
    uint32_t GetGroupData(SHBGROUPID hGroup) const;
    bool SetGroupData(SHBGROUPID hGroup, uint32_t lParam);
    int GetGroupOrder(SHBGROUPID hGroup) const;
    bool SetGroupOrder(SHBGROUPID hGroup, int nOrder);
    int GetGroupView(SHBGROUPID hGroup) const;
    bool SetGroupView(SHBGROUPID hGroup, int nView);
    SHB_DESCRIPTOR* GetGroupDescriptor(SHBGROUPID hGroup) const;
    bool SetGroupDescriptor(SHBGROUPID hGroup, const SHB_DESCRIPTOR* pDescriptor);
    QWidget* GetGroupChildWnd(SHBGROUPID hGroup) const;
    bool SetGroupChildWnd(SHBGROUPID hGroup, QWidget* pChildWnd);
    COXSHBListCtrl* GetGroupListCtrl(SHBGROUPID hGroup) const;
    QWidget* GetGroupWindow(SHBGROUPID hGroup) const;
    bool HasOwnList(SHBGROUPID hGroup) const;

    // Descriptor fields, or their defaults.
    COLORREF GetGroupBkColour(SHBGROUPID hGroup) const;
    bool SetGroupBkColour(SHBGROUPID hGroup, COLORREF clr);
    COLORREF GetGroupTextColour(SHBGROUPID hGroup) const;
    bool SetGroupTextColour(SHBGROUPID hGroup, COLORREF clr);
    COLORREF GetGroupHeaderBkColour(SHBGROUPID hGroup) const;
    bool SetGroupHeaderBkColour(SHBGROUPID hGroup, COLORREF clr);
    COLORREF GetGroupHeaderTextColour(SHBGROUPID hGroup) const;
    bool SetGroupHeaderTextColour(SHBGROUPID hGroup, COLORREF clr);
    unsigned GetGroupHeaderTextFormat(SHBGROUPID hGroup) const;
    bool SetGroupHeaderTextFormat(SHBGROUPID hGroup, unsigned nFormat);
    // Valid until the next call of the same getter; NULL for an unknown group.
    const QFont* GetGroupTextFont(SHBGROUPID hGroup);
    bool SetGroupTextFont(SHBGROUPID hGroup, const QFont& font);
    const QFont* GetGroupHeaderTextFont(SHBGROUPID hGroup);
    bool SetGroupHeaderTextFont(SHBGROUPID hGroup, const QFont& font);
    int GetGroupHeaderHeight(SHBGROUPID hGroup) const;
    bool SetGroupHeaderHeight(SHBGROUPID hGroup, int nHeight);

    SHBGROUPID FindGroupByOrder(int nOrder) const;
    SHBGROUPID FindGroupByText(const QString& text) const;
    SHBGROUPID FindGroupByData(uint32_t lParam) const;

    SHBGROUPID ExpandGroup(SHBGROUPID hGroup);
    SHBGROUPID GetExpandedGroup() const { return m_hExpandedGroup; }
    bool GetGroupHeaderRect(SHBGROUPID hGroup, QRect* pRect) const;
    QRect GetChildWndRect() const { return m_rectChildWnd; }
    COXSHBEdit* EditGroupHeader(SHBGROUPID hGroup);
    SHBGROUPID GetEditedGroup() const { return m_hEditGroup; }
    using GroupCompare = int (*)(SHBGROUPID, SHBGROUPID, intptr_t);
    bool SortGroups(GroupCompare pfnCompare, intptr_t lParamSort, int nSortOrder = 1);
    SHBGROUPID HitTest(QPoint point, int* pFlags = nullptr) const;
    SHBGROUPID GetDragGroup() const { return m_hDragGroup; }
    SHBGROUPID GetDropTargetGroup() const { return m_hDropHilightGroup; }

    // Items of a group's list.
    CImageList* SetLCImageList(SHBGROUPID hGroup, CImageList* pImageList, int nImageList);
    CImageList* GetLCImageList(SHBGROUPID hGroup, int nImageList) const;
    bool GetLCItem(SHBGROUPID hGroup, winapi::LVITEM* pItem) const;
    int GetLCItemCount(SHBGROUPID hGroup) const;
    bool SetLCItem(SHBGROUPID hGroup, const winapi::LVITEM* pItem);
    bool SetLCItem(SHBGROUPID hGroup, int nItem, int nSubItem, unsigned nMask, const QString& text, int nImage,
                   unsigned nState, unsigned nStateMask, intptr_t lParam);
    int InsertLCItem(SHBGROUPID hGroup, const winapi::LVITEM* pItem);
    int InsertLCItem(SHBGROUPID hGroup, unsigned nMask, int nItem, const QString& text, unsigned nState,
                     unsigned nStateMask, int nImage, intptr_t lParam);
    bool DeleteLCItem(SHBGROUPID hGroup, int nItem);
    COXSHBEdit* EditLCItem(SHBGROUPID hGroup, int nItem);
    bool SortLCItems(SHBGROUPID hGroup);
    bool ScrollExpanded(QSize size);

    // The context menu for a screen point (without showing it), and the whole
    // right-click handling. The menu's actions carry their command ids as data.
    std::unique_ptr<QMenu> BuildContextMenu(QPoint screenPoint);
    void OnContextMenu(QPoint screenPoint);
    SHBGROUPID GetContextMenuGroup() const { return m_hSuspectGroup; }
    // Runs a context-menu command; FALSE when the id is not the bar's.
    virtual bool OnCmdMsg(unsigned nID);

    // Sends a notification from the bar (or one of its lists) to the parent.
    intptr_t Notify(SHB_NOTIFY* pNotify);
    intptr_t SendSHBNotification(unsigned nCode, SHBGROUPID hGroup, intptr_t lParam = 0);

    // Colour routines shared with the lists.
    static COLORREF UpdateColour(COLORREF clr, int nOffset);
    static COLORREF InvertColour(COLORREF clr);
    static bool ColoursAlike(COLORREF clr1, COLORREF clr2, int nTolerance = 64);
    // Image transfer between lists: one image as a self-contained blob, and back.
    static QByteArray CopyImageFromIL(const CImageList* pImageList, int nImage);
    static int CopyImageToIL(CImageList* pImageList, const QByteArray& blob);

    // The steps a slide over a child area of nHeight pixels moves the headers by.
    static std::vector<int> SlideSteps(int nHeight);

signals:
    // Every notification of the bar and its lists; a non-zero *pResult vetoes.
    void notify(SHB_NOTIFY* pNotify, intptr_t* pResult);

protected:
    virtual void PaintHeader(winapi::DRAWITEMSTRUCT* pDIS);
    virtual void PaintBackground(QPainter* pDC);
    virtual bool CreateEditor();
    virtual bool CreateGroupList(SHBGROUPID hGroup);
    virtual void LayoutGroups();
    virtual SHBGROUPID NextGroupHandle();
    virtual bool MatchGroup(const SHB_GROUPINFO* pPattern, const SHB_GROUPINFO* pStored) const;
    virtual COleDropTarget* ProvideDropTarget();
    virtual intptr_t OnOleDragOver(uintptr_t wParam, intptr_t lParam);
    virtual intptr_t OnOleDragLeave(uintptr_t wParam, intptr_t lParam);
    virtual int OnToolHitTest(QPoint point, QRect* pToolRect) const;

    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private:
    bool VerifyGroupInfo(const SHB_GROUPINFO* pInfo) const;
    bool VerifyMask(unsigned nMask) const;
    bool VerifyImage(int nImage) const;
    bool VerifyOrder(int nOrder) const;
    bool VerifyView(int nView) const;
    bool VerifyChildWnd(const QWidget* pWnd) const;
    bool CopyGroupInfo(SHB_GROUPINFO* pDest, const SHB_GROUPINFO* pSource, int nFlags);
    bool CopyDescriptor(SHB_DESCRIPTOR* pDest, const SHB_DESCRIPTOR* pSource, unsigned nMask) const;
    SHB_DESCRIPTOR* AddDescriptor();
    SHB_GROUPINFO* groupInfo(SHBGROUPID hGroup) const;
    void ShowChildWnd(SHBGROUPID hGroup, bool bRedraw);
    void RedrawBar();
    void RedrawHeader(SHBGROUPID hGroup);
    void SendBarChanged(unsigned nSetting);
    void KillHoverTimer();
    void StartHoverTimer(SHBGROUPID hGroup, int nDelay);
    void SetDragGroup(SHBGROUPID hGroup);
    void OnChangeGroupHeaderText(const SHBE_ENDEDIT* pEndEdit);
    void DrawDropTargetMarker(QPainter* pDC, const QRect& rect, SHBGROUPID hGroup, COLORREF clrBack) const;
    void dragHeaderTo(QPoint point);
    void endHeaderDrag();
    void showToolTip(QHelpEvent* e);
    QPixmap MakeHeaderImage(SHBGROUPID hGroup);
    COXSHBListCtrl* listFor(SHBGROUPID hGroup, const char* pszOperation) const;
    static int CompareHeadersNoCase(SHBGROUPID hGroup1, SHBGROUPID hGroup2, intptr_t lParam);

    CImageList* m_pImageList = nullptr;
    SHBGROUPID m_hDropHilightGroup = 0;
    SHBGROUPID m_hExpandedGroup = 0;
    SHBGROUPID m_hEditGroup = 0;
    SHBGROUPID m_hSuspectGroup = 0;
    SHBGROUPID m_hDragGroup = 0;
    uint32_t m_dwBarStyle = 0;
    COXSHBEdit m_edit;
    std::map<SHBGROUPID, std::unique_ptr<SHB_GROUPINFO>> m_mapHandleToInfo;
    std::vector<std::unique_ptr<SHB_DESCRIPTOR>> m_descriptors;
    std::map<SHBGROUPID, COXSHBListCtrl*> m_mapHandleToListCtrl;
    std::map<SHBGROUPID, QRect> m_mapHandleToBoundRect;
    QRect m_rectChildWnd;
    int m_nGroupMargin = 0;
    QMargins m_rectChildMargins{5, 5, 5, 5};
    QSize m_sizeScrollButton{16, 16};
    int m_nScrollingDelay = 200;
    int m_nAutoScrollingDelay = 400;
    int m_nAutoExpandDelay = 800;
    CSHBDropTarget m_dropTarget;
    SHBGROUPID m_nLastHandle = 0;
    QFont m_font;
    std::unique_ptr<QWidget> m_pDragImage;
    QPoint m_ptDragImage;
    int m_nWaitForDragHeaderID = 0;
    SHBGROUPID m_hPressedGroup = 0;
    int m_nCheckMouseIsOverGroupID = 0;
    SHBGROUPID m_hHotGroup = 0;
    QBasicTimer m_timer;
    unsigned m_nID = 0xFFFF;
    QFont m_lfTextFontResult;
    QFont m_lfHeaderFontResult;
    COleDropTarget* m_pRegisteredTarget = nullptr;
};
