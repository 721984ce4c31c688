#include "brevio/tools/options/PSK31Options.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "brevio/tools/options/PSK31PageAutosave.h"
#include "brevio/tools/options/PSK31PageBrowser.h"
#include "brevio/tools/options/PSK31PageBrowserMore.h"
#include "brevio/tools/options/PSK31PageCW.h"
#include "brevio/tools/options/PSK31PageDisplay.h"
#include "brevio/tools/options/PSK31PageFFT.h"
#include "brevio/tools/options/PSK31PageLocator.h"
#include "brevio/tools/options/PSK31PageLogbook.h"
#include "brevio/tools/options/PSK31PageLogbookExt.h"
#include "brevio/tools/options/PSK31PagePTT.h"
#include "brevio/tools/options/PSK31PageRx3.h"
#include "brevio/tools/options/PSK31PageRxTx.h"
#include "brevio/tools/options/PSK31PageSignal.h"
#include "brevio/tools/options/PSK31PageSoundcard.h"
#include "brevio/tools/options/PSK31PageTx2.h"
#include "brevio/tools/options/PSK31PageWavefiles.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/DialogGeometry.h"
#include "shared/ui/PageSelectorList.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>

CPSK31Options::CPSK31Options(const QString& strCaption, QWidget* pParent, unsigned iSelectPage)
    : CPropertySheet(strCaption, pParent, iSelectPage),
      m_pAutosave(new CPSK31PageAutosave),
      m_pCW(new CPSK31PageCW),
      m_pDisplay(new CPSK31PageDisplay),
      m_pFFT(new CPSK31PageFFT),
      m_pLocator(new CPSK31PageLocator),
      m_pLogbook(new CPSK31PageLogbook),
      m_pLogbookExt(new CPSK31PageLogbookExt),
      m_pRxTx(new CPSK31PageRxTx),
      m_pTx(new CPSK31PageTx2),
      m_pRx(new CPSK31PageRx3),
      m_pSignal(new CPSK31PageSignal),
      m_pPTT(new CPSK31PagePTT),
      m_pSoundcard(new CPSK31PageSoundcard),
      m_pBrowser(new CPSK31PageBrowser),
      m_pBrowserMore(new CPSK31PageBrowserMore),
      m_pWavefiles(new CPSK31PageWavefiles)
{
    SetNoButtons();
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    setModal(false);
    for (CPSK31OptionsPage* page : std::initializer_list<CPSK31OptionsPage*>{
             m_pAutosave, m_pCW, m_pDisplay, m_pFFT, m_pLocator, m_pLogbook, m_pLogbookExt, m_pRxTx, m_pTx, m_pRx,
             m_pSignal, m_pPTT, m_pSoundcard, m_pBrowser, m_pBrowserMore, m_pWavefiles})
        AddPage(page);
}

CPSK31Options::~CPSK31Options()
{
    WriteRemembered();
    delete m_pList;
}

CPSK31Options* CPSK31Options::CreateForMainFrame(QWidget* pMainFrame)
{
    auto* sheet = new CPSK31Options(QStringLiteral("Options"), pMainFrame, 0);
    sheet->EnsureInitialised();
    sheet->hide();
    return sheet;
}

CPSK31OptionsPage* CPSK31Options::GetOptionsPage(int nPage) const
{
    return static_cast<CPSK31OptionsPage*>(GetPage(nPage));
}

QList<CPSK31OptionsPage*> CPSK31Options::ApplyOrder() const
{
    return {m_pAutosave, m_pBrowser, m_pBrowserMore, m_pCW,  m_pDisplay, m_pFFT,   m_pLocator,   m_pLogbook,
            m_pLogbookExt, m_pPTT,   m_pRx,          m_pRxTx, m_pSignal, m_pSoundcard, m_pTx,     m_pWavefiles};
}

void CPSK31Options::SetActivePage(int nPage)
{
    CPropertySheet::SetActivePage(nPage);
}

bool CPSK31Options::OnInitDialog()
{
    const bool result = CPropertySheet::OnInitDialog();

    const QImage icon = artwork::icon(205);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    setWindowTitle(Caption());

    // Every page once, so that all their controls are set up before the
    // first load touches them.
    for (int i = kPageCount - 1; i >= 0; --i)
        CPropertySheet::SetActivePage(i);

    int start = GetRegistry().GetInt(SelectPageValue(), 0) % kPageCount;
    if (start < 0)
        start = 0;
    CPropertySheet::SetActivePage(start);

    // Each page's caption, then its topic lines.
    m_pList = new CPageSelectorList(this);
    SetDlgCtrlID(m_pList, IDC_PAGE_LIST);
    m_pList->setFont(font());
    const QFontMetrics metrics(font());
    int widest = 0;
    int startItem = -1;
    for (int i = 0; i < kPageCount; ++i) {
        CPSK31OptionsPage* page = GetOptionsPage(i);
        QStringList lines;
        SendRegisteredMessage(page, RegisteredMessage::nMsgGetList, 0, reinterpret_cast<intptr_t>(&lines));
        const int caption = m_pList->AddString(page->windowTitle());
        m_pList->SetItemData(caption, i);
        if (i == start)
            startItem = caption;
        widest = std::max(widest, metrics.horizontalAdvance(page->windowTitle()));
        for (const QString& line : std::as_const(lines)) {
            const QString text = PskOptions::TopicLineText(line);
            m_pList->SetItemData(m_pList->AddString(text), i);
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
    }
    // The widest line as the list draws it (its items have margins of their own).
    widest = std::max(widest, m_pList->sizeHintForColumn(0));
    const int extra = PskOptions::ListWidthExtra(widest);
    m_nListExtra = extra;

    // Wider by the list; the left edge moves left by half of it. A sheet not
    // placed yet gets there by being centred at its new size when first shown.
    const QRect tab = GetTabControl()->geometry();
    if (testAttribute(Qt::WA_Moved))
        move(x() - extra / 2, y());
    resize(width() + extra, height());
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && child != m_pList)
            child->move(child->x() + extra, child->y());
    m_pList->setGeometry(QRect(tab.left(), tab.top(), std::max(1, extra - tab.left()), tab.height()));
    m_pList->show();
    m_pList->SetCurSel(startItem);
    m_pList->setFocus(Qt::OtherFocusReason);

    LoadAllPages();
    PlaceRemembered();
    m_bInitialised = 1;
    return result;
}

void CPSK31Options::PlaceRemembered()
{
    const RECT none{0, 0, 0, 0};
    const RECT stored = GetRegistry().GetRect(GeometryValue(), none);
    if (stored.right - stored.left == 0 || stored.bottom - stored.top == 0)
        return;
    RECT rect{std::max(0, int(stored.left)), std::max(0, int(stored.top)), 0, 0};
    rect.right = rect.left + width();
    rect.bottom = rect.top + height();
    // A position on a monitor since unplugged comes back onto a screen.
    QList<QRect> screens;
    for (QScreen* screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    if (!screens.isEmpty())
        rect = DialogGeometry::BringOntoScreens(rect, screens);
    move(int(rect.left), int(rect.top));
    m_bPlaced = true;
}

void CPSK31Options::WriteRemembered()
{
    if (!m_bInitialised)
        return;
    GetRegistry().WriteInt(SelectPageValue(), GetActiveIndex());
    if (!m_bPlaced)
        return;
    const QRect frame = frameGeometry();
    const RECT rect{frame.left(), frame.top(), frame.left() + frame.width(), frame.top() + frame.height()};
    GetRegistry().WriteRect(GeometryValue(), rect);
}

void CPSK31Options::LoadAllPages()
{
    const int initialised = m_bInitialised;
    m_bInitialised = 0;
    for (CPSK31OptionsPage* page : ApplyOrder())
        page->LoadFromSettings(CurrentSettings());
    m_bInitialised = initialised;
}

void CPSK31Options::ApplyAllPages()
{
    // A validation message shown during an apply runs its own event loop,
    // where a posted apply request may arrive: it is done afterwards.
    if (m_bApplying) {
        m_bApplyAgain = true;
        return;
    }
    m_bApplying = true;
    const QString caption = windowTitle();
    setWindowTitle(caption + QStringLiteral(" *"));
    do {
        m_bApplyAgain = false;
        for (CPSK31OptionsPage* page : ApplyOrder())
            page->StoreToSettings(CurrentSettings());
        SaveAndAnnounceSettings();
    } while (m_bApplyAgain);
    setWindowTitle(caption);
    m_bApplying = false;
}

int CPSK31Options::OnUpdate()
{
    if (m_bInitialised)
        ApplyAllPages();
    return 0;
}

int CPSK31Options::OnSelect()
{
    if (!m_pList)
        return 0;
    const int active = GetActiveIndex();
    const int sel = m_pList->GetCurSel();
    if (sel >= 0 && m_pList->GetItemData(sel) == active)
        return 0;
    for (int i = 0; i < m_pList->GetCount(); ++i) {
        if (m_pList->GetItemData(i) == active) {
            m_pList->SetCurSel(i);
            m_pList->SetTopIndex(i);
            break;
        }
    }
    return 0;
}

bool CPSK31Options::event(QEvent* event)
{
    if (auto* msg = CRegisteredEvent::As(event, RegisteredMessage::nMsgUpdate)) {
        msg->SetResult(OnUpdate());
        return true;
    }
    if (auto* msg = CRegisteredEvent::As(event, RegisteredMessage::nMsgSelect)) {
        msg->SetResult(OnSelect());
        return true;
    }
    return CPropertySheet::event(event);
}

void CPSK31Options::OnShowWindow(bool bShow)
{
    if (!bShow)
        return;
    m_bPlaced = true;
    if (!m_pList)
        return;
    const QRect tab = GetTabControl()->geometry();
    const QRect list = m_pList->geometry();
    m_pList->setGeometry(list.left(), tab.top() + kEdge, list.width(), tab.height());
}

void CPSK31Options::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
}

void CPSK31Options::OnOK()
{
    hide();
}

void CPSK31Options::OnCancel()
{
    hide();
}
