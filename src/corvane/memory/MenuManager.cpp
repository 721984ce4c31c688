#include "corvane/memory/MenuManager.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/CatLink.h"
#include "corvane/memory/MenuPages.h"
#include "corvane/memory/ToolSupport.h"
#include "platform/Prompter.h"
#include "platform/Sleeper.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/PageSelectorList.h"
#include "shared/ui/WaitCursor.h"

#include <QPushButton>
#include <QTabWidget>

CMenuManager::CMenuManager(QWidget* pParent, CCatLink* pLink)
    : CPropertySheet(QStringLiteral("FT-817 Manager"), pParent, 0), m_pLink(ToolSupport::Link(pLink))
{
    AddPage(new CMenuAntenna(pLink));
    AddPage(new CMenuBattery(pLink));
    AddPage(new CMenuCW(pLink));
    AddPage(new CMenuDigPkt(pLink));
    AddPage(new CMenuDisplay(pLink));
    AddPage(new CMenuMicrophone(pLink));
    AddPage(new CMenuSSBCarrier(pLink));
    AddPage(new CMenuTx(pLink));
    AddPage(new CMenuTuning(pLink));
    AddPage(new CMenuVarious(pLink));
}

CMenuManager::~CMenuManager()
{
    delete m_pRefresh;
    delete m_pSelector;
}

CMenuPage* CMenuManager::GetMenuPage(int nPage) const
{
    return static_cast<CMenuPage*>(GetPage(nPage));
}

bool CMenuManager::OnInitDialog()
{
    const bool result = CPropertySheet::OnInitDialog();

    // Room for the selector at the left; the sheet stays centred.
    move(pos().x() - kSelectorWidth / 2, pos().y());
    resize(width() + kSelectorWidth, height());

    const QRect tab = GetTabControl()->geometry();
    const QRect cancel = GetDlgItem(platform::IDCANCEL)->geometry();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->move(child->x() + kSelectorWidth, child->y());

    m_pSelector = new CPageSelectorList(this);
    SetDlgCtrlID(m_pSelector, IDC_SELECTOR);
    m_pSelector->setGeometry(QRect(QPoint(tab.left(), tab.top()), QPoint(kSelectorWidth - tab.left() - 1, tab.bottom())));
    m_pSelector->setFont(font());
    m_pSelector->show();

    m_pRefresh = new QPushButton(QStringLiteral("&Refresh"), this);
    SetDlgCtrlID(m_pRefresh, ID_REFRESH);
    m_pRefresh->setAutoDefault(false);
    m_pRefresh->setGeometry(tab.left() + kSelectorWidth, cancel.top(), cancel.width(), cancel.height());
    m_pRefresh->setFont(font());
    m_pRefresh->show();
    connect(m_pRefresh, &QPushButton::clicked, this, &CMenuManager::OnRefresh);

    // Every page window made once, so that each can be read.
    for (int i = GetPageCount() - 1; i >= 0; --i)
        SetActivePage(i);
    int start = GetRegistry().GetInt(PageValueName(), int(GetStartPage()));
    if (start < 0 || start >= GetPageCount())
        start = 0;
    SetActivePage(start);

    int remembered = -1;
    for (int i = 0; i < GetPageCount(); ++i) {
        CMenuPage* page = GetMenuPage(i);
        const int title = m_pSelector->AddString(page->windowTitle());
        m_pSelector->SetItemData(title, i);
        if (i == start)
            remembered = title;
        QStringList keywords;
        page->GetKeywords(keywords);
        for (const QString& keyword : std::as_const(keywords))
            m_pSelector->SetItemData(m_pSelector->AddString(QStringLiteral("    ") + keyword), i);
    }
    m_pSelector->SetCurSel(remembered);
    m_pSelector->setFocus(Qt::OtherFocusReason);

    for (int i = 0; i < GetPageCount(); ++i)
        ReadPage(GetMenuPage(i));
    return result;
}

void CMenuManager::ReadPage(CMenuPage* pPage)
{
    pPage->ReadFromRadio();
    pPage->SetModifiedFlag(false);
}

void CMenuManager::OnApplyNow()
{
    const CWaitCursor wait;
    CCatLink* link = m_pLink;
    const int unconfirmed = link ? link->GetUnconfirmedWrites() : 0;
    bool written = false;
    for (int i = 0; i < GetPageCount(); ++i) {
        CMenuPage* page = GetMenuPage(i);
        if (page->IsModified()) {
            page->WriteToRadio();
            written = true;
        }
    }
    if (!written)
        return;
    // The radio takes a moment to settle; what is read back then is what it
    // really took.
    platform::sleepMs(kSettleMs);
    for (int i = 0; i < GetPageCount(); ++i) {
        CMenuPage* page = GetMenuPage(i);
        if (page->IsModified())
            ReadPage(page);
    }
    // A change the radio did not confirm must not look applied.
    if (link && link->GetUnconfirmedWrites() != unconfirmed)
        platform::messageBox(this,
                             QStringLiteral("The FT-817 did not confirm every change. The pages now show "
                                            "what the radio holds."),
                             QStringLiteral("FT-817 Manager"), platform::MB_ICONWARNING);
}

void CMenuManager::OnOK()
{
    OnApplyNow();
    GetRegistry().WriteInt(PageValueName(), GetActiveIndex());
    EndDialog(platform::IDOK);
}

void CMenuManager::OnCancel()
{
    GetRegistry().WriteInt(PageValueName(), GetActiveIndex());
    EndDialog(platform::IDCANCEL);
}

void CMenuManager::OnRefresh()
{
    const CWaitCursor wait;
    for (int i = 0; i < GetPageCount(); ++i)
        ReadPage(GetMenuPage(i));
}

int CMenuManager::OnSelect()
{
    if (!m_pSelector)
        return 0;
    const int active = GetActiveIndex();
    const int sel = m_pSelector->GetCurSel();
    if (sel >= 0 && m_pSelector->GetItemData(sel) == active)
        return 0;
    for (int i = 0; i < m_pSelector->GetCount(); ++i) {
        if (m_pSelector->GetItemData(i) == active) {
            m_pSelector->SetCurSel(i);
            m_pSelector->SetTopIndex(i);
            break;
        }
    }
    return 0;
}

bool CMenuManager::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgSelect)) {
        m->SetResult(OnSelect());
        return true;
    }
    return CPropertySheet::event(event);
}

void CMenuManager::OnShowWindow(bool bShow)
{
    if (!bShow || !m_pSelector)
        return;
    const int wanted = GetTabControl()->height() + 2 * kEdge;
    if (m_pSelector->height() != wanted)
        m_pSelector->setGeometry(m_pSelector->x(), m_pSelector->y() + kEdge, m_pSelector->width(), wanted);
}
