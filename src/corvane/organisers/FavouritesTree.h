#pragma once
// The favourites as a folder tree: folder paths turned into items and back,
// clicks on favourites reported to a window with a registered message, the
// "Manager" and "Close folders" command items, the memory of which folders
// are open, and a map from frequency to the title of the favourites that
// can be seen (every ancestor open), which the front panel prefers to the
// collection's own map.
//
// Item kinds are told apart by their picture in the navigator's small image
// list, where every picture has two indices and the even one is used.
#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <cstdint>

class CFavouritesCollection;
class CImageList;

class CFavouritesTree : public QTreeWidget {
    Q_OBJECT
public:
    enum Image : int {
        IMAGE_FOLDER = 0,
        IMAGE_OPEN_FOLDER = 2,
        IMAGE_FAVOURITE = 6,
        IMAGE_MEMORY = 8,
        IMAGE_MANAGER = 12,
        IMAGE_CLOSE_FOLDERS = 26,
    };
    // Tree styles, as the window style word holds them.
    enum Style : uint32_t {
        TVS_HASBUTTONS = 0x0001,
        TVS_HASLINES = 0x0002,
        TVS_LINESATROOT = 0x0004,
        TVS_EDITLABELS = 0x0008,
        TVS_SHOWSELALWAYS = 0x0020,
        TVS_SINGLEEXPAND = 0x0400,
    };
    enum InsertPosition { INSERT_LAST, INSERT_SORTED };
    // The Organise command of the context menu.
    static constexpr unsigned ID_ORGANISE = 32786;
    static constexpr unsigned ID_FAVOURITES_MANAGER = 32779;
    static constexpr int kMaxTextLength = 1023;

    explicit CFavouritesTree(QWidget* pParent = nullptr);
    ~CFavouritesTree() override;

    // Click reporting: message 0 reports nothing.
    void SetNotifyMessage(uint32_t nMessage) { m_nNotifyMessage = nMessage; }
    uint32_t GetNotifyMessage() const { return m_nNotifyMessage; }
    void SetNotifyWindow(QObject* pWindow) { m_pNotifyWindow = pWindow; }
    QObject* GetNotifyWindow() const { return m_pNotifyWindow; }
    void SetSelectOnChange(bool bOn) { m_bSelectOnChange = bOn; }
    void SetReportFolders(bool bOn) { m_bReportFolders = bOn; }
    // The collection favourites are looked up in; by default the application's.
    void SetCollection(CFavouritesCollection* pCollection) { m_pCollection = pCollection; }
    CFavouritesCollection* GetCollection() const;

    // Window style and pictures.
    void SetTreeStyle(uint32_t dwStyle);
    uint32_t GetTreeStyle() const { return m_dwStyle; }
    void ModifyTreeStyle(uint32_t dwRemove, uint32_t dwAdd) { SetTreeStyle((m_dwStyle & ~dwRemove) | dwAdd); }
    void SetImageList(CImageList* pImages);
    CImageList* GetImageList() const { return m_pImages; }

    // Items.
    QTreeWidgetItem* InsertItem(const QString& strText, int nImage, intptr_t nData, QTreeWidgetItem* pParent,
                                QTreeWidgetItem* pAfter = nullptr);
    // At a position among the parent's children (the top level for nullptr).
    QTreeWidgetItem* InsertItemAt(const QString& strText, int nImage, intptr_t nData, QTreeWidgetItem* pParent,
                                  int nIndex);
    static intptr_t GetItemData(const QTreeWidgetItem* pItem);
    static void SetItemData(QTreeWidgetItem* pItem, intptr_t nData);
    static int GetItemImage(const QTreeWidgetItem* pItem);
    void SetItemImage(QTreeWidgetItem* pItem, int nImage);
    static bool IsFolder(const QTreeWidgetItem* pItem);
    static bool IsFavourite(const QTreeWidgetItem* pItem);
    // The item's ancestors' texts from the top level down, joined by '\'.
    static QString ParentPath(const QTreeWidgetItem* pItem);
    // The same with the item's own text last.
    static QString FullPath(const QTreeWidgetItem* pItem);
    QTreeWidgetItem* GetSelectedItem() const { return currentItem(); }
    void SelectItem(QTreeWidgetItem* pItem);

    // Finds or creates the folders of the path and the favourite under them.
    QTreeWidgetItem* AddItemPath(const QString& strFolder, const QString& strTitle, intptr_t nData,
                                 InsertPosition nPosition);
    // A copy of another tree's items (folders only unless bCopyAll), under a
    // new "Favourites" root with bAddRoot.
    void CopyFrom(const CFavouritesTree& source, bool bCopyAll, bool bAddRoot);
    void Fill(const CFavouritesTree& source, QTreeWidgetItem* pDestParent, const QTreeWidgetItem* pSourceParent,
              bool bCopyAll);
    QTreeWidgetItem* FindChild(QTreeWidgetItem* pParent, const QString& strText) const;
    QTreeWidgetItem* FindOrAddFolder(QTreeWidgetItem* pParent, const QString& strText);
    QTreeWidgetItem* AddFolderUnderSelection(const QString& strText);
    void AddCommandItems();
    // The radio's used memory channels with a frequency, at the top level.
    void AddMemoryChannels();
    // Children of a parent (the top level for nullptr).
    int ChildCount(const QTreeWidgetItem* pParent) const;
    QTreeWidgetItem* Child(const QTreeWidgetItem* pParent, int nIndex) const;

    // The full paths of every open item that can be seen, and back.
    void GetExpandedFolders(QStringList& paths) const;
    void ExpandFolders(const QStringList& paths);
    // Collapses the open folders that can be seen from the first one shown.
    void CloseFolders(QTreeWidgetItem* pClicked);

    void RebuildVisibleMap();
    bool LookupFrequency(uint32_t nHz, QString& strTitle) const;
    const QHash<uint32_t, QString>& VisibleMap() const { return m_visible; }

    // The application's favourites manager.
    void OpenManager();
    // In-place renaming; labelEditEnded tells the new text (the old one when
    // cancelled), with the item's text left as it was.
    void EditLabel(QTreeWidgetItem* pItem);
    bool IsEditing() const { return state() == EditingState; }

    // Items in the order a tree shows them when every open folder is open:
    // the next item below, or nullptr.
    QTreeWidgetItem* NextVisible(QTreeWidgetItem* pItem) const;

signals:
    void labelEditEnded(QTreeWidgetItem* pItem, const QString& strNewText, const QString& strOldText);
    void itemDoubleClickedAt(QTreeWidgetItem* pItem);

protected:
    bool event(QEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void closeEditor(QWidget* pEditor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void OnItemExpanded(QTreeWidgetItem* pItem);
    void OnItemCollapsed(QTreeWidgetItem* pItem);
    void OnCurrentItemChanged(QTreeWidgetItem* pCurrent, QTreeWidgetItem* pPrevious);
    void OnItemChanged(QTreeWidgetItem* pItem);
    void ReportItem(QTreeWidgetItem* pItem, bool bSelection);
    void FillContextMenu(class QMenu* pMenu);
    void ApplyIcon(QTreeWidgetItem* pItem);

    uint32_t m_nNotifyMessage = 0;
    QPointer<QObject> m_pNotifyWindow;
    bool m_bSelectOnChange = false;
    bool m_bReportFolders = false;
    bool m_bSuspendSingleExpand = false;
    uint32_t m_dwStyle = TVS_SHOWSELALWAYS;
    CImageList* m_pImages = nullptr;
    CFavouritesCollection* m_pCollection = nullptr;
    QHash<uint32_t, QString> m_visible;
    QTreeWidgetItem* m_pEditItem = nullptr;
    QString m_strEditOld;
};
