#pragma once
// The tree of the navigator's Memories group: command items at the top
// ("Manager", "Reload", "Close folders"), then folders of channels. A click
// on a channel recalls it on the radio. It keeps which folders are open by
// their paths, so the navigator can rebuild it without closing them.
#include <QList>
#include <QPixmap>
#include <QTreeWidget>
#include <cstdint>

class CMemoryTreeCtrl : public QTreeWidget {
    Q_OBJECT
public:
    // Item data of the command items; a channel item holds channel + 3.
    enum ItemData : uintptr_t { DATA_MANAGER = 0, DATA_RELOAD = 1, DATA_CLOSE_FOLDERS = 2, DATA_FIRST_CHANNEL = 3 };
    // Folder images: closed and open.
    static constexpr int kClosedFolderImage = 0;
    static constexpr int kOpenFolderImage = 2;
    // The main frame's commands the command items run.
    static constexpr unsigned ID_MEMORY_MANAGER = 32811;
    static constexpr unsigned ID_RELOAD_MEMORY = 32847;

    explicit CMemoryTreeCtrl(QWidget* pParent = nullptr);
    ~CMemoryTreeCtrl() override;

    // The front-panel view attaches itself with its message: a channel
    // recalled from the tree is sent to it as (message, channel, 0). Clicks
    // do nothing until then.
    void Attach(QObject* pOwner, uint32_t nMessage);
    bool IsAttached() const { return m_nMessage != 0; }

    // Items as the navigator builds them: text, image, item data; placed
    // after pAfter, or last without it.
    QTreeWidgetItem* InsertItem(const QString& strText, int nImage, uintptr_t nData,
                                QTreeWidgetItem* pParent = nullptr, QTreeWidgetItem* pAfter = nullptr);
    static uintptr_t GetItemData(const QTreeWidgetItem* pItem);
    static int GetItemImage(const QTreeWidgetItem* pItem);
    void SetItemImage(QTreeWidgetItem* pItem, int nImage);
    void SetImageList(const QList<QPixmap>& images);

    // Opening an item closes the others that are not on its path.
    void SetSingleExpand(bool bSingle);
    bool IsSingleExpand() const { return m_bSingleExpand; }

    // The paths ("folder\sub") of every visible open item, from the root down.
    void GetExpandedPaths(QStringList& paths) const;
    // Opens the visible items with children whose paths are listed (under
    // single expand: selects them, which opens them), then scrolls to the
    // top left.
    void ExpandPaths(const QStringList& paths);
    static QString PathOf(const QTreeWidgetItem* pItem);

    // What a click on an item does (after the tree's own handling).
    void ActOnItem(QTreeWidgetItem* pItem);
    // Closes every open folder, keeping the clicked item selected.
    void CloseFolders(QTreeWidgetItem* pClicked);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ApplyImage(QTreeWidgetItem* pItem);
    void OnItemExpanded(QTreeWidgetItem* pItem);
    void OnItemCollapsed(QTreeWidgetItem* pItem);
    void OnCurrentItemChanged(QTreeWidgetItem* pCurrent);

    QObject* m_pOwner = nullptr;
    uint32_t m_nMessage = 0;
    bool m_bSingleExpand = false;
    bool m_bSuspendSingleExpand = false;
    QList<QPixmap> m_images;
};
