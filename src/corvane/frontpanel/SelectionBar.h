#pragma once
// What the main window and the front panel ask of the docking "Selection"
// bar (the navigator of the frequency organisers), which a later part of the
// program provides through CRadioMainFrame::SetSelectionBarFactory.
class QDockWidget;

class CSelectionBar {
public:
    virtual ~CSelectionBar() = default;

    // The bar's window, docked in the main window.
    virtual QDockWidget* GetBarWindow() = 0;
    // Opens one group of the bar.
    virtual void SelectFavouritesGroup() = 0;
    virtual void SelectBandsGroup() = 0;
    virtual void SelectMemoryGroup() = 0;
    virtual void SelectQuickSaveGroup() = 0;
    virtual bool IsQuickSaveGroupSelected() const = 0;
    // Refills of the groups whose contents changed elsewhere.
    virtual void FillFavourites() = 0;
    virtual void FillBands() = 0;
    virtual void FillMemories() = 0;
    virtual void FillQuickSave() = 0;
    virtual void FillScanning() = 0;
    // The open group and folders, for the next start.
    virtual void SaveState() = 0;
    // The single-expand option of the trees changed.
    virtual void ApplyTreeStyle() = 0;
    // Groups in display order (the stress test opens them in turn).
    virtual int GetGroupCount() const = 0;
    virtual void ExpandGroupByOrder(int nOrder) = 0;
};
