#pragma once
// The navigator: the docking "Selection" bar at the left of the main window.
// Five groups of a shortcut bar, one open at a time: Favourites (the
// favourites tree), Bands (band plans and custom band sets for the tuning
// dial), Memories (the radio's channels in folders of 20), Quick Save (the
// ten slots) and Scanning (the scan definitions). A click tunes the radio,
// switches the dial's range, recalls a slot, starts a scan or opens the
// matching manager. The open group, the open folders of both trees and the
// views of the list groups are remembered in the registry.
#include "corvane/frontpanel/SelectionBar.h"
#include "shared/shortcutbar/OXSHBListCtrl.h"
#include "shared/shortcutbar/OXShortcutBar.h"
#include "shared/shortcutbar/ShortcutBarTypes.h"
#include "shared/sizingbar/SizingControlBarG.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class CFavouritesTree;
class CImageList;
class CMemoryTreeCtrl;
class COXShortcutBar;
class QMainWindow;

// The Scanning group's list: it offers "Delete" on a user's scan definition.
class CNavigatorListCtrl : public COXSHBListCtrl {
    Q_OBJECT
public:
    static constexpr unsigned ID_DELETE = 32784;

    CNavigatorListCtrl();
    ~CNavigatorListCtrl() override;

    // 2 for the scanning list (the value the context menu tests).
    int m_nListKind = 0;
    int GetContextItem() const { return m_nContextItem; }
    // The Delete command on the item under the last right-click.
    void OnDelete();

protected:
    bool event(QEvent* pEvent) override;

private:
    void AdjustMenu(SHB_MENUREQUEST* pRequest);

    int m_nContextItem = -1;
};

class CNavigatorBar : public CSizingControlBarG, public CSelectionBar {
    Q_OBJECT
public:
    enum ControlId : unsigned { IDC_BAR = 123, IDC_SHORTCUT_BAR = 102, IDC_TREE = 103, IDC_SCANNING = 1188 };
    // Shortcut-bar notifications the bar answers.
    static constexpr unsigned kItemSelected = 0x480;
    static constexpr unsigned kGroupExpanded = 0x469;
    static constexpr unsigned kContextMenu = 1174;
    static constexpr uint32_t kShortcutBarStyle = 0x2B80;
    static constexpr uint32_t kScanningListStyle = 0x2044;
    static constexpr uint32_t kSingleExpand = 0x400;
    static constexpr unsigned ID_BANDS_MANAGER = 32925;

    // What the scanning part of the program brings: its definitions (title
    // and type, 0 a band scan), its manager (TRUE after OK), the two scan
    // windows without a definition, starting a definition and deleting one
    // (which saves the store). Absent services leave those items idle.
    struct ScanServices {
        std::function<QList<std::pair<QString, int>>()> definitions;
        std::function<bool(QWidget* pParent)> runManager;
        std::function<void(QWidget* pParent)> runScanBand;
        std::function<void(QWidget* pParent)> runScanMemory;
        std::function<void(int nDefinition)> startScan;
        std::function<void(int nDefinition)> deleteDefinition;
    };
    static ScanServices& GetScanServices();

    explicit CNavigatorBar(QWidget* pParent = nullptr);
    ~CNavigatorBar() override;

    // The bar's window in the main window: "Selection", docked left.
    bool Create(const QString& strTitle, QMainWindow* pParent, unsigned nID, uint32_t dwStyle = 0) override;
    static CNavigatorBar* CreateForMainFrame(QMainWindow* pFrame);

    void CreateGroups();
    bool AreGroupsCreated() const { return m_bGroupsCreated; }

    // CSelectionBar.
    QDockWidget* GetBarWindow() override { return this; }
    void SelectFavouritesGroup() override;
    void SelectBandsGroup() override;
    void SelectMemoryGroup() override;
    void SelectQuickSaveGroup() override;
    bool IsQuickSaveGroupSelected() const override;
    void FillFavourites() override;
    void FillBands() override;
    void FillMemories() override;
    void FillQuickSave() override;
    void FillScanning() override;
    void SaveState() override;
    void ApplyTreeStyle() override;
    int GetGroupCount() const override;
    void ExpandGroupByOrder(int nOrder) override;

    CFavouritesTree* GetFavouritesTree() const { return m_pFavourites; }
    CMemoryTreeCtrl* GetMemoryTree() const { return m_pMemories; }
    CNavigatorListCtrl* GetScanningList() const { return m_pScanning; }
    COXShortcutBar* GetShortcutBar() const { return m_pBar; }
    SHBGROUPID GetFavouritesGroup() const { return m_hFavourites; }
    SHBGROUPID GetBandsGroup() const { return m_hBands; }
    SHBGROUPID GetMemoriesGroup() const { return m_hMemories; }
    SHBGROUPID GetQuickSaveGroup() const { return m_hQuickSave; }
    SHBGROUPID GetScanningGroup() const { return m_hScanning; }
    CImageList* GetSmallImages() const { return m_pSmall.get(); }
    CImageList* GetLargeImages() const { return m_pLarge.get(); }
    int GetHeaderHeight() const { return m_nHeaderHeight; }

    // The shortcut bar's notifications; the result for the bar.
    intptr_t OnNotify(SHB_NOTIFY* pNotify);
    // An item of a list group was selected.
    void OnItemSelected(SHBGROUPID hGroup, int nItem);

private:
    int OnCreate();
    SHBGROUPID AddGroup(const QString& strText, QWidget* pChild);
    void AddListItem(SHBGROUPID hGroup, int nPosition, const QString& strText, int nImage, intptr_t nData);

    COXShortcutBar* m_pBar = nullptr;
    CFavouritesTree* m_pFavourites = nullptr;
    CMemoryTreeCtrl* m_pMemories = nullptr;
    CNavigatorListCtrl* m_pScanning = nullptr;
    std::unique_ptr<CImageList> m_pLarge;
    std::unique_ptr<CImageList> m_pSmall;
    SHBGROUPID m_hFavourites = 0;
    SHBGROUPID m_hBands = 0;
    SHBGROUPID m_hMemories = 0;
    SHBGROUPID m_hQuickSave = 0;
    SHBGROUPID m_hScanning = 0;
    bool m_bGroupsCreated = false;
    int m_nHeaderHeight = 0;
};
