#pragma once
// "Manage Favourites": the favourites organiser. It works on a private copy
// read from the favourites file; its tree decides the folders and the order,
// and only the final save writes the file from the tree, after which the
// application's favourites, the navigator and the dial markers follow.
#include "corvane/organisers/FavouritesCollection.h"
#include "shared/ui/BaseDialog.h"

#include <QBasicTimer>
#include <QPoint>
#include <QPointer>
#include <QString>

class CFavouritesTree;
class COXBitmapButton;
class QLabel;
class QPushButton;
class QTreeWidgetItem;

class CManageFavouritesDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 267;
    enum ControlId : unsigned {
        IDC_TREE = 1209, IDC_INFO = 1215, IDC_CREATE_ROOT = 1213, IDC_CREATE_FOLDER = 1210, IDC_COPY = 1216,
        IDC_EDIT = 1211, IDC_DELETE = 1124, IDC_MOVE = 1212, IDC_UP = 1121, IDC_DOWN = 1122, IDC_MERGE = 1433,
        IDC_DEFAULTS = 1348, IDC_LOAD = 1200, IDC_SAVE = 1119, IDC_SORT = 1125, IDC_OK = 1214,
    };
    // Timers of a drag: auto-scroll and hover-to-open.
    static constexpr int kScrollTimerMs = 75;
    static constexpr int kHoverTimerMs = 1000;

    explicit CManageFavouritesDialog(QWidget* pParent = nullptr);
    ~CManageFavouritesDialog() override;

    bool OnInitDialog() override;
    // Enter does not close the window.
    void OnOK() override {}
    void OnCancel() override;
    // The final save: the tree as the favourites file, then the application
    // reloads it.
    void SaveAll();

    // Buttons.
    void OnCreateRoot();
    void OnCreateFolder();
    void OnCopy();
    void OnEdit();
    void OnDelete();
    void OnMoveToFolder();
    void OnUp();
    void OnDown();
    void OnMerge();
    void OnDefaults();
    void OnLoad();
    void OnSave();
    void OnSort();
    void OnCloseButton();

    // Moves an item (and its subtree) into a folder; nullptr is the top level.
    void MoveItem(QTreeWidgetItem* pTarget, QTreeWidgetItem* pItem);
    // Renames a folder path in the private collection (index -1: every entry
    // under it; otherwise that entry only), then rebuilds the tree.
    void RenameFolder(const QString& strOld, const QString& strNew, int nIndex);

    // Drag and drop, in the tree's viewport coordinates.
    void BeginDrag(QTreeWidgetItem* pItem, QPoint point);
    void DragMove(QPoint point);
    void DragDrop();
    void CancelDrag();
    bool IsDragging() const { return m_bDragging; }
    QTreeWidgetItem* GetDropTarget() const { return m_pTarget; }
    void OnHoverTimer();
    void OnScrollTimer();

    bool IsChanged() const { return m_bChanged; }
    CFavouritesCollection& GetPrivateCollection() { return m_favourites; }
    CFavouritesTree* Tree() const { return m_pTree; }
    QLabel* InfoText() const { return m_pInfo; }
    QWidget* Button(unsigned nId) const;
    QString GetCaption() const { return m_strCaption; }

    // Folder paths and entries as the tree shows them, depth first.
    struct TreeFavourite {
        QString strFolder;
        QString strTitle;
        intptr_t nIndex;
    };
    QList<TreeFavourite> WalkTree() const;

protected:
    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void timerEvent(QTimerEvent* pEvent) override;

private:
    void UpdateButtons();
    void ShowDetails();
    void OnSelectionChanged();
    void OnLabelEditEnded(QTreeWidgetItem* pItem, const QString& strNew, const QString& strOld);
    void SetChanged();
    void RebuildTree(bool bSorted);
    void FillTree(bool bSorted);
    bool Ask(const QString& strText, const QString& strCaption, QWidget* pOwner = nullptr);
    void BuildCollection(CFavouritesCollection& collection) const;
    void MarkDropTarget(QTreeWidgetItem* pItem);
    void StopDrag();
    QTreeWidgetItem* ItemUnderCursor() const;
    CFavouriteEntry* EntryOf(const QTreeWidgetItem* pItem) const;
    void CreateFolderUnder(QTreeWidgetItem* pParent);

    CFavouritesCollection m_favourites;
    CFavouritesTree* m_pTree = nullptr;
    QLabel* m_pInfo = nullptr;
    bool m_bChanged = false;
    QString m_strCaption;

    // Drag state.
    bool m_bDragging = false;
    QTreeWidgetItem* m_pDragged = nullptr;
    QTreeWidgetItem* m_pTarget = nullptr;
    QPointer<QLabel> m_pDragImage;
    QPoint m_pressPoint;
    QTreeWidgetItem* m_pPressed = nullptr;
    QTreeWidgetItem* m_pMarked = nullptr;
    QPoint m_dragGlobal;
    QBasicTimer m_scrollTimer;  // 1
    QBasicTimer m_hoverTimer;   // 2
    int m_nScrollTicks = 0;
    QSize m_dragImageSize;
};
