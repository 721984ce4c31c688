#pragma once
// The vocabulary shared by the shortcut bar, its group lists and the in-place
// editor: group handles and records, bar styles, the private messages between
// the bar and its child windows, the notification codes sent to the parent
// (a non-zero answer vetoes), and the records passed with them.
#include "shared/WinTypes.h"

#include <QEvent>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

class QMenu;
class QMimeData;
class QPainter;
class QWidget;
class COXShortcutBar;

// Windows-style stand-ins used by the shortcut bar family.
namespace winapi {
using DROPEFFECT = uint32_t;
constexpr DROPEFFECT DROPEFFECT_NONE = 0;
constexpr DROPEFFECT DROPEFFECT_COPY = 1;
constexpr DROPEFFECT DROPEFFECT_MOVE = 2;
constexpr DROPEFFECT DROPEFFECT_LINK = 4;
constexpr DROPEFFECT DROPEFFECT_SCROLL = 0x80000000u;

// Mouse key-state bits.
constexpr uint32_t MK_LBUTTON = 0x0001;
constexpr uint32_t MK_RBUTTON = 0x0002;
constexpr uint32_t MK_SHIFT = 0x0004;
constexpr uint32_t MK_CONTROL = 0x0008;
constexpr uint32_t MK_MBUTTON = 0x0010;

constexpr unsigned WM_NOTIFY = 0x004E;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_EX_STATICEDGE = 0x00020000;
constexpr unsigned WM_USER = 0x0400;

// Edit styles the in-place editor understands.
constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_CENTER = 0x0001;
constexpr uint32_t ES_RIGHT = 0x0002;
constexpr uint32_t ES_MULTILINE = 0x0004;
constexpr uint32_t ES_AUTOVSCROLL = 0x0040;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;
constexpr uint32_t WS_BORDER = 0x00800000;

// Owner-draw record.
constexpr unsigned ODT_LISTVIEW = 102;
constexpr unsigned ODA_DRAWENTIRE = 0x0001;
constexpr unsigned ODS_DEFAULT = 0x0020;

struct DRAWITEMSTRUCT {
    unsigned CtlType = 0;
    unsigned CtlID = 0;
    unsigned itemID = 0;
    unsigned itemAction = 0;
    unsigned itemState = 0;
    QWidget* hwndItem = nullptr;
    QPainter* hDC = nullptr;
    QRect rcItem;
    uintptr_t itemData = 0;
};
} // namespace winapi

// One group of one bar; 0 is "no group". Handles count up from 1 and are never reused.
using SHBGROUPID = uintptr_t;

// Group-info mask bits.
constexpr unsigned SHBGI_TEXT = 0x10000;
constexpr unsigned SHBGI_IMAGE = 0x20000;
constexpr unsigned SHBGI_EXPANDEDIMAGE = 0x40000;
constexpr unsigned SHBGI_DATA = 0x80000;
constexpr unsigned SHBGI_ORDER = 0x100000;
constexpr unsigned SHBGI_VIEW = 0x200000;
constexpr unsigned SHBGI_DESCRIPTOR = 0x400000;
constexpr unsigned SHBGI_CHILDWND = 0x800000;
constexpr unsigned SHBGI_ALL = 0xFF0000;

// Order values accepted at insertion.
constexpr int SHBGI_ORDER_SORTED = -3;
constexpr int SHBGI_ORDER_LAST = -2;
constexpr int SHBGI_ORDER_FIRST = -1;

// Views.
constexpr int SHBV_LARGEICONS = 1;
constexpr int SHBV_SMALLICONS = 2;

// Descriptor mask bits.
constexpr unsigned SHBD_BKCOLOUR = 0x01;
constexpr unsigned SHBD_TEXTCOLOUR = 0x02;
constexpr unsigned SHBD_HEADERBKCOLOUR = 0x04;
constexpr unsigned SHBD_HEADERTEXTCOLOUR = 0x08;
constexpr unsigned SHBD_HEADERTEXTFORMAT = 0x10;
constexpr unsigned SHBD_TEXTFONT = 0x20;
constexpr unsigned SHBD_HEADERTEXTFONT = 0x40;
constexpr unsigned SHBD_HEADERHEIGHT = 0x80;

// Defaults of a descriptor field whose bit is clear.
constexpr unsigned SHB_DEFAULT_HEADERTEXTFORMAT = 0x8025; // centred, single line, end ellipsis
constexpr int SHB_DEFAULT_HEADERHEIGHT = 18;

// Appearance of one or more groups.
struct SHB_DESCRIPTOR {
    COLORREF clrBackground = 0;
    COLORREF clrText = 0;
    COLORREF clrHeaderBackground = 0;
    COLORREF clrHeaderText = 0;
    unsigned nHeaderTextFormat = 0;
    QFont lfText;
    QFont lfHeader;
    int nHeaderHeight = 0;
    unsigned nMask = 0;
};

// One group's fields; nMask tells which are valid.
struct SHB_GROUPINFO {
    QString strText;
    int nImage = 0;
    int nImageExpanded = 0;
    uint32_t lParam = 0;
    int nOrder = 0;
    int nView = 0;
    SHB_DESCRIPTOR* pDescriptor = nullptr;
    QWidget* pChildWnd = nullptr;
    unsigned nMask = 0;
};

// In-place editor layout.
constexpr unsigned SHBEM_TEXT = 0x001;
constexpr unsigned SHBEM_DISPLAYRECT = 0x002;
constexpr unsigned SHBEM_MAXRECT = 0x004;
constexpr unsigned SHBEM_STYLE = 0x008;
constexpr unsigned SHBEM_GROWWHILETYPING = 0x010;
constexpr unsigned SHBEM_SELECTION = 0x020;
constexpr unsigned SHBEM_FONT = 0x040;
constexpr unsigned SHBEM_MINRECT = 0x080;
constexpr unsigned SHBEM_TEXTCOLOUR = 0x100;
constexpr unsigned SHBEM_BKCOLOUR = 0x200;

// Rectangles are in the editor's parent's client coordinates.
struct SHBE_DISPLAY {
    QString lpText;
    QRect rectDisplay;
    QRect rectMax;
    uint32_t dwStyle = 0;
    bool bGrowWhileTyping = false;
    int ptSelectionStart = 0;
    int ptSelectionEnd = 0;
    std::optional<QFont> pFont; // empty: no font
    QRect rectMin;
    COLORREF clrText = 0;
    COLORREF clrBack = 0;
    unsigned nMask = 0;
};
using LPSHBE_DISPLAY = SHBE_DISPLAY*;

// Bar style bits.
constexpr uint32_t SHBS_NOITEMDRAG = 0x0001;
constexpr uint32_t SHBS_NOOLEDROP = 0x0002;
constexpr uint32_t SHBS_EDITHEADERS = 0x0004;
constexpr uint32_t SHBS_EDITITEMS = 0x0008;
constexpr uint32_t SHBS_TOOLTIPS = 0x0010;
constexpr uint32_t SHBS_NOSCROLL = 0x0020;
constexpr uint32_t SHBS_BOLDOPENHEADER = 0x0040;
constexpr uint32_t SHBS_HOTITEMUNDERLINE = 0x0080;
constexpr uint32_t SHBS_KEEPSELECTION = 0x0100;
constexpr uint32_t SHBS_NOHEADERDRAG = 0x0200;
constexpr uint32_t SHBS_HEADERDRAGIMAGE = 0x0400;
constexpr uint32_t SHBS_ITEMDRAGIMAGE = 0x0800;
constexpr uint32_t SHBS_SCROLLONHOVER = 0x1000;
constexpr uint32_t SHBS_SLIDEEXPAND = 0x2000;
constexpr uint32_t SHBS_EXPANDONHOVER = 0x4000;
// Style of a bar attached to an existing window.
constexpr uint32_t SHBS_ATTACHEDDEFAULT = 0x020F;

// Hit-test results of the bar.
constexpr int SHBHT_HEADER = 1;
constexpr int SHBHT_CHILDAREA = 2;
constexpr int SHBHT_NONE = 3;

// Private messages between the bar and its child windows.
constexpr unsigned SHBMSG_FILLCONTEXTMENU = winapi::WM_USER + 301;
constexpr unsigned SHBMSG_ATTACHGROUP = winapi::WM_USER + 302;
constexpr unsigned SHBMSG_GROUPCHANGED = winapi::WM_USER + 303;
constexpr unsigned SHBMSG_BARCHANGED = winapi::WM_USER + 304;
constexpr unsigned SHBMSG_GROUPREMOVED = winapi::WM_USER + 305;
constexpr unsigned SHBMSG_LISTCHECKHOVER = winapi::WM_USER + 350;
constexpr unsigned SHBMSG_LISTBEGINDRAG = winapi::WM_USER + 351;
constexpr unsigned SHBMSG_OLEDRAGENTER = winapi::WM_USER + 800;
constexpr unsigned SHBMSG_OLEDRAGLEAVE = winapi::WM_USER + 801;
constexpr unsigned SHBMSG_OLEDRAGOVER = winapi::WM_USER + 802;
constexpr unsigned SHBMSG_OLEDRAGSCROLL = winapi::WM_USER + 803;
constexpr unsigned SHBMSG_OLEDROP = winapi::WM_USER + 804;
constexpr unsigned SHBMSG_OLEDROPEX = winapi::WM_USER + 805;
constexpr unsigned SHBMSG_OLEGIVEFEEDBACK = winapi::WM_USER + 850;
constexpr unsigned SHBMSG_OLEBEGINDRAG = winapi::WM_USER + 851;
constexpr unsigned SHBMSG_OLEQUERYCONTINUE = winapi::WM_USER + 852;

// Bits of SHBMSG_BARCHANGED naming the changed setting.
constexpr unsigned SHBCHG_SCROLLBUTTONSIZE = 0x01;
constexpr unsigned SHBCHG_SCROLLDELAY = 0x02;
constexpr unsigned SHBCHG_AUTOSCROLLDELAY = 0x04;
constexpr unsigned SHBCHG_GROUPSPACING = 0x08;
constexpr unsigned SHBCHG_CHILDMARGINS = 0x10;
constexpr unsigned SHBCHG_BARSTYLE = 0x20;
constexpr unsigned SHBCHG_HOVEREXPANDDELAY = 0x40;

// Notification codes sent to the parent.
constexpr unsigned SHBNC_HEADERDRAG = 1124;
constexpr unsigned SHBNC_BEGINHEADEREDIT = 1125;
constexpr unsigned SHBNC_DELETINGGROUP = 1126;
constexpr unsigned SHBNC_ENDHEADEREDIT = 1127;
constexpr unsigned SHBNC_HEADERTIP = 1128;
constexpr unsigned SHBNC_GROUPEXPANDED = 1129;
constexpr unsigned SHBNC_GROUPEXPANDING = 1130;
constexpr unsigned SHBNC_DRAWHEADER = 1131;
constexpr unsigned SHBNC_HEADERDROPPED = 1132;
constexpr unsigned SHBNC_INSERTINGGROUP = 1133;
constexpr unsigned SHBNC_ITEMDRAG = 1144;
constexpr unsigned SHBNC_BEGINITEMEDIT = 1145;
constexpr unsigned SHBNC_DELETINGALLITEMS = 1146;
constexpr unsigned SHBNC_DELETINGITEM = 1147;
constexpr unsigned SHBNC_ENDITEMEDIT = 1148;
constexpr unsigned SHBNC_ITEMTIP = 1149;
constexpr unsigned SHBNC_ITEMINSERTED = 1150;
constexpr unsigned SHBNC_DOWNITEMCHANGING = 1151;
constexpr unsigned SHBNC_SELECTCHANGING = 1152;
constexpr unsigned SHBNC_HOTITEMCHANGING = 1153;
constexpr unsigned SHBNC_DRAWITEM = 1154;
constexpr unsigned SHBNC_GETDROPTARGET = 1155;
constexpr unsigned SHBNC_GETDROPSOURCE = 1156;
constexpr unsigned SHBNC_BEGINITEMOLEDRAG = 1157;
constexpr unsigned SHBNC_GETDRAGDATA = 1158;
constexpr unsigned SHBNC_DROPDATA = 1159;
constexpr unsigned SHBNC_ENDITEMOLEDRAG = 1160;
constexpr unsigned SHBNC_CONTEXTMENU = 1174;
constexpr unsigned SHBNC_OLEDRAGENTER = 1175;
constexpr unsigned SHBNC_OLEDRAGLEAVE = 1176;
constexpr unsigned SHBNC_OLEDRAGOVER = 1177;
constexpr unsigned SHBNC_OLEDROP = 1179;

// The editor's end-of-edit notification.
constexpr unsigned SHBEN_ENDEDIT = 2024;

// Every notification of the bar and its lists.
struct SHB_NOTIFY {
    QWidget* hwndFrom = nullptr;
    unsigned idFrom = 0;
    unsigned code = 0;
    SHBGROUPID hGroup = 0;
    int nItem = -1;
    intptr_t lParam = 0;
};

struct SHB_MENUREQUEST {
    QMenu* pMenu = nullptr;
    COXShortcutBar* pShortcutBar = nullptr;
    SHBGROUPID hGroup = 0;
    QPoint point; // screen coordinates
};

// A tooltip text: the pointed-to text when set, else the first 80 characters of szText.
struct SHB_TIPTEXT {
    const QString* lpszText = nullptr;
    QString szText;
};
constexpr int SHB_TIPTEXT_BUFFER = 80;

struct SHB_DROPEVENT {
    QWidget* pWnd = nullptr;
    const QMimeData* pDataObject = nullptr;
    uint32_t dwKeyState = 0;
    QPoint point; // client coordinates of pWnd
    winapi::DROPEFFECT dropEffect = 0;
    winapi::DROPEFFECT dropList = 0;
    intptr_t result = 0;
};

struct SHB_DRAGSOURCEEVENT {
    QWidget* pWnd = nullptr;
    uint32_t dwKeyState = 0;
    bool bEscapePressed = false;
    winapi::DROPEFFECT dropEffect = 0;
    intptr_t result = 0;
};

struct SHBE_ENDEDIT {
    QWidget* hwndFrom = nullptr;
    unsigned idFrom = 0;
    unsigned code = SHBEN_ENDEDIT;
    bool bSave = false;
};

// Extra bytes a parent adds to a dragged item (SHBNC_GETDRAGDATA) or finds
// in a dropped one (SHBNC_DROPDATA, valid only during the notification).
struct SHB_EXTRADATA {
    uint32_t nDataSize = 0;
    const char* pData = nullptr;
};

// Context-menu commands of the bar.
constexpr unsigned ID_SHB_LARGEICON = 1524;
constexpr unsigned ID_SHB_SMALLICON = 1525;
constexpr unsigned ID_SHB_ADDNEWGROUP = 1526;
constexpr unsigned ID_SHB_REMOVEGROUP = 1527;
constexpr unsigned ID_SHB_RENAMEGROUP = 1528;
constexpr unsigned ID_SHB_REMOVEITEM = 1624;
constexpr unsigned ID_SHB_RENAMEITEM = 1625;

// Control id of the bar's and the lists' in-place editor.
constexpr unsigned SHB_IDCEDIT = 0xFFFF;

// The clipboard format of dragged list items, "Shortcut bar child window item",
// as a MIME type (the form under which Qt also carries a named Windows format).
QString ShbChildItemMimeType();

// A message between the bar and its child windows, delivered synchronously
// (SendShbMessage) or through the event queue (PostShbMessage). A window that
// handles one sets 'result' and accepts the event.
class CShbMessage : public QEvent {
public:
    CShbMessage(unsigned nMessage, uintptr_t wParam, intptr_t lParam);
    static QEvent::Type Type();

    unsigned message;
    uintptr_t wParam;
    intptr_t lParam;
    intptr_t result = 0;
};

intptr_t SendShbMessage(QWidget* pTarget, unsigned nMessage, uintptr_t wParam = 0, intptr_t lParam = 0);
void PostShbMessage(QWidget* pTarget, unsigned nMessage, uintptr_t wParam = 0, intptr_t lParam = 0);

// The control id a window carries (property "controlId"), 0 when none.
unsigned ShbControlId(const QWidget* pWnd);
void ShbSetControlId(QWidget* pWnd, unsigned nId);
