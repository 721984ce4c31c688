#include "corvane/organisers/NavigatorBar.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/core/MainFrame.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/QuickSave.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/BandPlan.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/OptionsSheet.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/memory/MemoryTreeCtrl.h"
#include "corvane/organisers/BandSetList.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "corvane/organisers/Organisers.h"
#include "platform/Prompter.h"
#include "shared/ImageList.h"
#include "shared/ImageListBuilder.h"
#include "shared/Registry.h"
#include "shared/WinDraw.h"
#include "shared/shortcutbar/OXShortcutBar.h"

#include <QFontMetrics>
#include <QMainWindow>
#include <QMenu>

namespace {
// Registry values of the bar.
const QString kGroupValue = QStringLiteral("Control Bar Group");
const QString kBandsView = QStringLiteral("Bar - Bands");
const QString kQuickView = QStringLiteral("Bar - Quick");
const QString kScansView = QStringLiteral("Bar - Scans");
const QString kOpenFavourites = QStringLiteral("Open Favourite Folders");
const QString kOpenMemories = QStringLiteral("Open Memory Folders");

// Picture k of both lists, small and large resource, magenta transparent.
constexpr unsigned kSmallPictures[14] = {192, 191, 195, 193, 194, 303, 304, 306, 311, 356, 361, 419, 421, 431};
constexpr unsigned kLargePictures[14] = {200, 199, 198, 196, 197, 302, 305, 307, 423, 424, 362, 420, 422, 432};
constexpr COLORREF kMagenta = 0xFF00FF;

enum Image : int {
    IMAGE_FOLDER = 0, IMAGE_FAVOURITE = 6, IMAGE_MEMORY = 8, IMAGE_BAND_SET = 10, IMAGE_MANAGER = 12,
    IMAGE_PLAN = 14, IMAGE_BAND_SCAN = 16, IMAGE_MEMORY_SCAN = 18, IMAGE_RELOAD = 20, IMAGE_COUNTRY = 22,
    IMAGE_TOOLBAR = 24, IMAGE_CLOSE_FOLDERS = 26,
};

std::unique_ptr<CImageList> buildList(const unsigned (&ids)[14])
{
    CImageListBuilder builder;
    for (unsigned id : ids)
        builder.AddBitmap(id);
    if (!builder.CreateMasked(kMagenta))
        return std::make_unique<CImageList>();
    return builder.TakeImageList();
}

QList<QPixmap> pixmaps(const CImageList* list)
{
    QList<QPixmap> images;
    for (int i = 0; list && i < list->GetImageCount(); ++i)
        images << list->GetImage(i);
    return images;
}

int viewCode(int nStored)
{
    return nStored == SHBV_LARGEICONS ? SHBV_LARGEICONS : SHBV_SMALLICONS;
}
} // namespace

// ---------------------------------------------------------------- scanning list

CNavigatorListCtrl::CNavigatorListCtrl() = default;
CNavigatorListCtrl::~CNavigatorListCtrl() = default;

bool CNavigatorListCtrl::event(QEvent* pEvent)
{
    if (pEvent->type() == CShbMessage::Type()) {
        auto* message = static_cast<CShbMessage*>(pEvent);
        if (message->message == SHBMSG_FILLCONTEXTMENU) {
            const bool handled = COXSHBListCtrl::event(pEvent);
            AdjustMenu(reinterpret_cast<SHB_MENUREQUEST*>(message->lParam));
            return handled;
        }
    }
    return COXSHBListCtrl::event(pEvent);
}

void CNavigatorListCtrl::AdjustMenu(SHB_MENUREQUEST* pRequest)
{
    if (m_nListKind != 2 || !pRequest || !pRequest->pMenu)
        return;
    int nFlags = 0;
    m_nContextItem = HitTest(mapFromGlobal(pRequest->point), &nFlags, false);
    if (m_nContextItem < 0 || !(nFlags & (winapi::LVHT_ONITEMICON | winapi::LVHT_ONITEMLABEL)))
        return;
    if (GetItemData(m_nContextItem) < 10)
        return;
    pRequest->pMenu->addSeparator();
    QAction* action = pRequest->pMenu->addAction(QStringLiteral("Delete"));
    action->setData(ID_DELETE);
    connect(action, &QAction::triggered, this, &CNavigatorListCtrl::OnDelete);
}

void CNavigatorListCtrl::OnDelete()
{
    if (m_nContextItem < 0 || m_nContextItem >= GetItemCount())
        return;
    const intptr_t data = GetItemData(m_nContextItem);
    if (data < 10)
        return;
    // The text as the program has always asked it.
    const int answer = platform::messageBox(this, QStringLiteral("Relly delete '%1' ?").arg(GetItemText(m_nContextItem)),
                                            QStringLiteral("Delete"), platform::MB_YESNO | platform::MB_ICONQUESTION);
    if (answer != platform::IDYES)
        return;
    CNavigatorBar::ScanServices& services = CNavigatorBar::GetScanServices();
    if (services.deleteDefinition)
        services.deleteDefinition(int(data - 10));
    for (QWidget* p = parentWidget(); p; p = p->parentWidget())
        if (auto* bar = qobject_cast<CNavigatorBar*>(p)) {
            bar->FillScanning();
            break;
        }
}

// ---------------------------------------------------------------- bar

CNavigatorBar::ScanServices& CNavigatorBar::GetScanServices()
{
    static ScanServices services;
    return services;
}

CNavigatorBar::CNavigatorBar(QWidget* pParent) : CSizingControlBarG(pParent) {}

CNavigatorBar::~CNavigatorBar()
{
    if (GetNavigatorFavouritesTree() == m_pFavourites)
        SetNavigatorFavouritesTree(nullptr);
}

bool CNavigatorBar::Create(const QString& strTitle, QMainWindow* pParent, unsigned nID, uint32_t dwStyle)
{
    if (!CSizingControlBarG::Create(strTitle, pParent, nID, dwStyle))
        return false;
    return OnCreate() == 0;
}

int CNavigatorBar::OnCreate()
{
    // The docking code owns the edge bits; these two are the bar's own.
    SetBarStyle((GetBarStyle() | SZB_DRAW_EDGES | SZB_FIT_CHILD) & ~SZB_EDGES);
    m_pBar = new COXShortcutBar;
    if (!m_pBar->Create(this, QRect(), kShortcutBarStyle, IDC_SHORTCUT_BAR, winapi::WS_CHILD | winapi::WS_VISIBLE,
                        winapi::WS_EX_STATICEDGE)) {
        delete m_pBar;
        m_pBar = nullptr;
        return -1;
    }
    setWidget(m_pBar);
    connect(m_pBar, &COXShortcutBar::notify, this, [this](SHB_NOTIFY* pNotify, intptr_t* pResult) {
        switch (pNotify->code) {
        case kItemSelected:
        case kGroupExpanded:
        case kContextMenu:
            *pResult = OnNotify(pNotify);
            break;
        default:
            break;
        }
    });
    return 0;
}

CNavigatorBar* CNavigatorBar::CreateForMainFrame(QMainWindow* pFrame)
{
    auto* bar = new CNavigatorBar(pFrame);
    if (!bar->Create(QStringLiteral("Selection"), pFrame, IDC_BAR)) {
        delete bar;
        return nullptr;
    }
    bar->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    pFrame->addDockWidget(Qt::LeftDockWidgetArea, bar);
    return bar;
}

SHBGROUPID CNavigatorBar::AddGroup(const QString& strText, QWidget* pChild)
{
    SHB_GROUPINFO info;
    info.nMask = SHBGI_TEXT | SHBGI_ORDER;
    info.strText = strText;
    info.nOrder = SHBGI_ORDER_LAST;
    if (pChild) {
        info.nMask |= SHBGI_CHILDWND;
        info.pChildWnd = pChild;
    }
    const SHBGROUPID group = m_pBar->InsertGroup(&info);
    m_pBar->SetGroupHeaderHeight(group, m_nHeaderHeight);
    if (!pChild) {
        m_pBar->SetLCImageList(group, m_pLarge.get(), winapi::LVSIL_NORMAL);
        m_pBar->SetLCImageList(group, m_pSmall.get(), winapi::LVSIL_SMALL);
    }
    return group;
}

void CNavigatorBar::CreateGroups()
{
    if (!m_pBar)
        return;
    m_pSmall = buildList(kSmallPictures);
    m_pLarge = buildList(kLargePictures);

    const bool single = GetSettings().m_bTreeSingleExpand != 0;
    m_pFavourites = new CFavouritesTree(m_pBar);
    SetDlgCtrlID(m_pFavourites, IDC_TREE);
    m_pFavourites->SetTreeStyle(CFavouritesTree::TVS_SHOWSELALWAYS | (single ? kSingleExpand : 0));
    m_pFavourites->SetImageList(m_pSmall.get());
    m_pFavourites->hide();
    SetNavigatorFavouritesTree(m_pFavourites);
    m_pMemories = new CMemoryTreeCtrl(m_pBar);
    SetDlgCtrlID(m_pMemories, IDC_TREE);
    m_pMemories->setRootIsDecorated(false);
    m_pMemories->SetSingleExpand(single);
    m_pMemories->SetImageList(pixmaps(m_pSmall.get()));
    m_pMemories->hide();

    m_pScanning = new CNavigatorListCtrl;
    m_pScanning->Create(kScanningListStyle, QRect(), m_pBar, IDC_SCANNING);
    m_pScanning->m_nListKind = 2;

    m_nHeaderHeight = QFontMetrics(font()).height() + 4;

    m_hFavourites = AddGroup(QStringLiteral("Favourites"), m_pFavourites);
    m_hBands = AddGroup(QStringLiteral("Bands"), nullptr);
    m_hMemories = AddGroup(QStringLiteral("Memories"), m_pMemories);
    m_hQuickSave = AddGroup(QStringLiteral("Quick Save"), nullptr);
    m_hScanning = AddGroup(QStringLiteral("Scanning"), m_pScanning);

    m_pScanning->SetImageList(m_pLarge.get(), winapi::LVSIL_NORMAL);
    m_pScanning->SetImageList(m_pSmall.get(), winapi::LVSIL_SMALL);
    m_pBar->SetChildMargins(1, 0, 1, 1);

    const CRegistry& registry = GetRegistry();
    m_pBar->SetGroupView(m_hBands, viewCode(registry.GetInt(kBandsView, SHBV_LARGEICONS)));
    m_pBar->SetGroupView(m_hQuickSave, viewCode(registry.GetInt(kQuickView, SHBV_SMALLICONS)));
    m_pBar->SetGroupView(m_hScanning, viewCode(registry.GetInt(kScansView, SHBV_LARGEICONS)));

    const COLORREF window = winapi::GetSysColor(winapi::COLOR_WINDOW);
    const COLORREF text = winapi::GetSysColor(winapi::COLOR_WINDOWTEXT);
    for (COXSHBListCtrl* list : {m_pBar->GetGroupListCtrl(m_hBands), m_pBar->GetGroupListCtrl(m_hQuickSave),
                                 static_cast<COXSHBListCtrl*>(m_pScanning)}) {
        if (!list)
            continue;
        list->SetBkColour(window);
        list->SetTextColour(text);
    }

    FillFavourites();
    FillBands();
    FillMemories();
    FillQuickSave();
    FillScanning();

    const int order = registry.GetInt(kGroupValue, 0);
    if (order >= 0 && order < m_pBar->GetGroupCount())
        m_pBar->ExpandGroup(m_pBar->FindGroupByOrder(order));
    else
        m_pBar->ExpandGroup(m_hFavourites);
    m_bGroupsCreated = true;
}

void CNavigatorBar::AddListItem(SHBGROUPID hGroup, int nPosition, const QString& strText, int nImage, intptr_t nData)
{
    m_pBar->InsertLCItem(hGroup, winapi::LVIF_TEXT | winapi::LVIF_IMAGE | winapi::LVIF_PARAM, nPosition, strText, 0,
                         0, nImage, nData);
}

// ---------------------------------------------------------------- fills

void CNavigatorBar::FillFavourites()
{
    if (!m_pFavourites)
        return;
    m_pFavourites->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(m_pFavourites);
        m_pFavourites->clear();
    }
    const CFavouritesCollection& favourites = GetFavourites();
    for (int i = 0; i < favourites.GetCount(); ++i) {
        const CMemoryChannel* entry = favourites.GetAt(i);
        m_pFavourites->AddItemPath(entry->GetFolder(), entry->GetTitle(), i, CFavouritesTree::INSERT_LAST);
    }
    // The open folders as the last SaveState left them.
    QStringList open;
    GetRegistry().GetStringArray(kOpenFavourites, open);
    m_pFavourites->ExpandFolders(open);
    m_pFavourites->setUpdatesEnabled(true);
    m_pFavourites->viewport()->update();
    m_pFavourites->AddCommandItems();
    if (QTreeWidgetItem* first = m_pFavourites->topLevelItem(0))
        m_pFavourites->scrollToItem(first);
    m_pFavourites->RebuildVisibleMap();
}

void CNavigatorBar::FillBands()
{
    if (!m_pBar || !m_hBands)
        return;
    COXSHBListCtrl* list = m_pBar->GetGroupListCtrl(m_hBands);
    if (!list)
        return;
    list->DeleteAllItems();
    AddListItem(m_hBands, 0, QStringLiteral("Custom Bands Manager"), IMAGE_MANAGER, 0);
    AddListItem(m_hBands, 1, QStringLiteral("Country Band Plans"), IMAGE_COUNTRY, 1);
    for (int n = 0; n < 4; ++n) {
        CBandPlan plan;
        plan.BuildStandard(n);
        AddListItem(m_hBands, list->GetItemCount(), plan.GetTitle(), IMAGE_PLAN, 2 + n);
    }
    const CBandSetList& sets = GetBandSets();
    for (int i = 0; i < sets.GetCount(); ++i) {
        const CBandSet* set = sets.GetAt(i);
        if (set && set->GetEnabled())
            AddListItem(m_hBands, list->GetItemCount(), set->GetTitle(), IMAGE_BAND_SET, i + 10);
    }
}

void CNavigatorBar::FillMemories()
{
    if (!m_pMemories)
        return;
    const CRegistry& registry = GetRegistry();
    if (m_pMemories->topLevelItemCount() > 0) {
        QStringList open;
        m_pMemories->GetExpandedPaths(open);
        registry.WriteStringArray(kOpenMemories, open);
    }
    m_pMemories->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(m_pMemories);
        m_pMemories->clear();
    }
    m_pMemories->InsertItem(QStringLiteral("Manager"), IMAGE_MANAGER, CMemoryTreeCtrl::DATA_MANAGER);
    m_pMemories->InsertItem(QStringLiteral("Close folders"), IMAGE_CLOSE_FOLDERS, CMemoryTreeCtrl::DATA_CLOSE_FOLDERS);
    m_pMemories->InsertItem(QStringLiteral("Reload"), IMAGE_RELOAD, CMemoryTreeCtrl::DATA_RELOAD);

    if (CRadioApp* app = GetRadioApp()) {
        const CRadioMemoryList& list = app->GetMemoryList();
        // Blocks of the regular channels; the scan limits after them are not listed.
        const int limit = std::min(list.GetCount(), CRadioMemoryList::kScanLowerLimit);
        for (int block = 0; block < limit; block += 20) {
            const QChar letter = QLatin1Char(char('A' + block / 20));
            QTreeWidgetItem* folder = nullptr;
            for (int i = block; i < block + 20 && i < list.GetCount(); ++i) {
                const CMemoryChannel* channel = list.GetChannel(i);
                if (!channel || !channel->HasFrequency() || !channel->IsUsed())
                    continue;
                if (!folder)
                    folder = m_pMemories->InsertItem(QStringLiteral("%1-%2 - %1-%3")
                                                         .arg(letter)
                                                         .arg(block + 1, 3, 10, QLatin1Char('0'))
                                                         .arg(block + 20, 3, 10, QLatin1Char('0')),
                                                     IMAGE_FOLDER, 0);
                const QString number = QStringLiteral("%1-%2").arg(letter).arg(i + 1, 3, 10, QLatin1Char('0'));
                QString text;
                if (channel->IsTagOn() && !channel->GetTag().isEmpty())
                    text = QStringLiteral("%1: %2").arg(number, channel->GetTag());
                else if (channel->GetTxFrequencyText().isEmpty())
                    text = QStringLiteral("%1: Rx+Tx:%2").arg(number, channel->GetRxFrequencyText());
                else
                    text = QStringLiteral("%1: Rx:%2/Tx:%3")
                               .arg(number, channel->GetRxFrequencyText(), channel->GetTxFrequencyText());
                while (text.endsWith(QLatin1Char(' ')))
                    text.chop(1);
                m_pMemories->InsertItem(text, IMAGE_MEMORY, uintptr_t(i) + CMemoryTreeCtrl::DATA_FIRST_CHANNEL,
                                        folder);
            }
        }
    }
    QStringList open;
    registry.GetStringArray(kOpenMemories, open);
    m_pMemories->ExpandPaths(open);
    m_pMemories->setUpdatesEnabled(true);
    m_pMemories->viewport()->update();
    if (QTreeWidgetItem* first = m_pMemories->topLevelItem(0))
        m_pMemories->scrollToItem(first);
}

void CNavigatorBar::FillQuickSave()
{
    if (!m_pBar || !m_hQuickSave)
        return;
    COXSHBListCtrl* list = m_pBar->GetGroupListCtrl(m_hQuickSave);
    if (!list)
        return;
    list->DeleteAllItems();
    AddListItem(m_hQuickSave, 0, QStringLiteral("Toolbar"), IMAGE_TOOLBAR, 0);
    CRadioApp* app = GetRadioApp();
    for (int k = 0; app && k < CRadioApp::kQuickSaveSlots; ++k) {
        const CQuickSave& slot = app->GetQuickSave(k);
        if (!slot.IsSet())
            continue;
        const QString frequency =
            CFrequencyText(uint32_t(slot.GetFrequency()), CFrequencyText::FORM_HZ).GetText().rightJustified(11);
        const QString mode = CatModeName(slot.GetMode(), QString()).GetText();
        AddListItem(m_hQuickSave, k + 1, QStringLiteral("(%1) %2 %3").arg(k + 1).arg(frequency, mode),
                    IMAGE_FAVOURITE, k + 1);
    }
}

void CNavigatorBar::FillScanning()
{
    if (!m_pScanning)
        return;
    m_pScanning->DeleteAllItems();
    m_pScanning->InsertItem(winapi::LVIF_TEXT | winapi::LVIF_IMAGE | winapi::LVIF_PARAM, 0,
                            QStringLiteral("Manager"), 0, 0, IMAGE_MANAGER, 2);
    m_pScanning->InsertItem(winapi::LVIF_TEXT | winapi::LVIF_IMAGE | winapi::LVIF_PARAM, 1,
                            QStringLiteral("[Default] Scan Band"), 0, 0, IMAGE_BAND_SCAN, 0);
    m_pScanning->InsertItem(winapi::LVIF_TEXT | winapi::LVIF_IMAGE | winapi::LVIF_PARAM, 2,
                            QStringLiteral("[Default] Scan Memory"), 0, 0, IMAGE_MEMORY_SCAN, 1);
    const ScanServices& services = GetScanServices();
    if (!services.definitions)
        return;
    const QList<std::pair<QString, int>> definitions = services.definitions();
    for (int i = 0; i < definitions.size(); ++i)
        m_pScanning->InsertItem(winapi::LVIF_TEXT | winapi::LVIF_IMAGE | winapi::LVIF_PARAM,
                                m_pScanning->GetItemCount(), definitions[i].first, 0, 0,
                                definitions[i].second == 0 ? IMAGE_BAND_SCAN : IMAGE_MEMORY_SCAN, i + 10);
}

// ---------------------------------------------------------------- groups

void CNavigatorBar::SelectFavouritesGroup()
{
    if (m_pBar && m_hFavourites)
        m_pBar->ExpandGroup(m_hFavourites);
}

void CNavigatorBar::SelectBandsGroup()
{
    if (m_pBar && m_hBands)
        m_pBar->ExpandGroup(m_hBands);
}

void CNavigatorBar::SelectMemoryGroup()
{
    if (m_pBar && m_hMemories)
        m_pBar->ExpandGroup(m_hMemories);
}

void CNavigatorBar::SelectQuickSaveGroup()
{
    if (m_pBar && m_hQuickSave)
        m_pBar->ExpandGroup(m_hQuickSave);
}

bool CNavigatorBar::IsQuickSaveGroupSelected() const
{
    return m_pBar && m_hQuickSave && m_pBar->GetExpandedGroup() == m_hQuickSave;
}

int CNavigatorBar::GetGroupCount() const
{
    return m_pBar ? m_pBar->GetGroupCount() : 0;
}

void CNavigatorBar::ExpandGroupByOrder(int nOrder)
{
    if (m_pBar)
        m_pBar->ExpandGroup(m_pBar->FindGroupByOrder(nOrder));
}

void CNavigatorBar::SaveState()
{
    const CRegistry& registry = GetRegistry();
    if (m_pFavourites) {
        QStringList open;
        m_pFavourites->GetExpandedFolders(open);
        registry.WriteStringArray(kOpenFavourites, open);
    }
    if (m_pMemories) {
        QStringList open;
        m_pMemories->GetExpandedPaths(open);
        registry.WriteStringArray(kOpenMemories, open);
    }
    if (m_pBar && m_bGroupsCreated) {
        registry.WriteInt(kBandsView, m_pBar->GetGroupView(m_hBands));
        registry.WriteInt(kQuickView, m_pBar->GetGroupView(m_hQuickSave));
        registry.WriteInt(kScansView, m_pBar->GetGroupView(m_hScanning));
    }
}

void CNavigatorBar::ApplyTreeStyle()
{
    const bool single = GetSettings().m_bTreeSingleExpand != 0;
    if (m_pFavourites)
        m_pFavourites->ModifyTreeStyle(single ? 0 : kSingleExpand, single ? kSingleExpand : 0);
    if (m_pMemories)
        m_pMemories->SetSingleExpand(single);
}

// ---------------------------------------------------------------- notifications

intptr_t CNavigatorBar::OnNotify(SHB_NOTIFY* pNotify)
{
    switch (pNotify->code) {
    case kItemSelected:
        if (pNotify->nItem >= 0)
            OnItemSelected(pNotify->hGroup, pNotify->nItem);
        return 0;
    case kGroupExpanded: {
        OrganiserCursor wait;
        GetRegistry().WriteInt(kGroupValue, m_pBar->GetGroupOrder(pNotify->hGroup));
        return 0;
    }
    case kContextMenu:
        // An empty favourites tree has nothing to organise: no menu.
        if (pNotify->hGroup == m_hFavourites && m_pFavourites && m_pFavourites->topLevelItemCount() == 0)
            return 1;
        return 0;
    default:
        return 0;
    }
}

void CNavigatorBar::OnItemSelected(SHBGROUPID hGroup, int nItem)
{
    COXSHBListCtrl* list = hGroup == m_hScanning ? m_pScanning : m_pBar->GetGroupListCtrl(hGroup);
    if (!list || nItem >= list->GetItemCount())
        return;
    const intptr_t data = list->GetItemData(nItem);
    QWidget* frame = GetMainFrame();
    CDisplayView* view = GetDisplayView();
    if (hGroup == m_hScanning) {
        const ScanServices& services = GetScanServices();
        if (data == 2) {
            OrganiserCursor wait;
            if (services.runManager && services.runManager(frame))
                FillScanning();
        } else if (data == 0) {
            if (services.runScanBand)
                services.runScanBand(frame);
        } else if (data == 1) {
            if (services.runScanMemory)
                services.runScanMemory(frame);
        } else if (data >= 10 && services.startScan) {
            services.startScan(int(data - 10));
        }
    } else if (hGroup == m_hBands) {
        OrganiserCursor wait;
        if (data == 0) {
            if (CMainFrame* main = GetMainFrame())
                main->OnCommand(ID_BANDS_MANAGER);
        } else if (data == 1) {
            // Writes "Options page" = 7 ("Band Plans") and opens the sheet there.
            RunProgramOptions(frame, COptionsSheet::kBandPlans);
        } else if (data >= 2 && data <= 9) {
            if (view)
                view->SetTuningRange(int(data - 2));
        } else if (data >= 10) {
            if (view)
                view->SetTuningRangeToBand(int(data - 10));
        }
    } else if (hGroup == m_hQuickSave) {
        if (data == 0) {
            if (auto* main = qobject_cast<CRadioMainFrame*>(GetMainFrame()))
                main->ToggleQuickSaveBar();
        } else if (CRadioApp* app = GetRadioApp()) {
            app->GetQuickSave(int(data - 1)).Recall();
        }
    }
}
