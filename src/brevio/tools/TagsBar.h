#pragma once
// The main frame's "Tags" docking window: the enabled tags of the tag store
// with their values, typed in place. With per-channel tags on it shows the
// values of the active channel window or Super Browser slot. Edits reach
// the store at once and the tags file one second after the last one.
#include "brevio/core/Components.h"
#include "shared/sizingbar/SizingControlBarG.h"

#include <QTimer>

class CEditableListCtrl;
class CTagStore;
class QMainWindow;

class CTagsBar : public CSizingControlBarG, public ITagsBar {
    Q_OBJECT
public:
    static constexpr unsigned kBarId = 59424;
    static constexpr int kListId = 122;
    static constexpr int kSaveTimer = 100;
    static constexpr int kSaveDelayMs = 1000;
    // Item data of the "My station" row; own-station rows carry their store
    // index with the top bit set.
    static constexpr intptr_t kMyStationRow = -1;
    // Images of the rows.
    enum Image { ImageTag = 0, ImageOwn = 1, ImageMyStationOpen = 2, ImageMyStationClosed = 3, ImageLocked = 4 };

    explicit CTagsBar(QWidget* parent = nullptr);
    ~CTagsBar() override;

    bool Create(const QString& strTitle, QMainWindow* pParent, unsigned nID, uint32_t dwStyle = 0) override;
    int OnCreate();
    // The main frame's "Tags" bar (id 59424), filled from the application's store.
    static CTagsBar* CreateForMainFrame(QWidget* pMainFrame);

    void FillList(const CTagStore& store);
    void SelectChannel(int nChannel) override;
    void RefreshValues();
    void SaveIfNeeded();
    void SetTagValue(const QString& strTitle, const QString& strValue) override;
    void GetTitlesAndValues(QStringList& titles, QStringList& values) const;
    void GetOwnTitlesAndValues(QStringList& titles, QStringList& values);
    void LookupValues(const QStringList& titles, QStringList& values) const;
    void SetValuesFromMacro(const QStringList& titles, const QStringList& values, bool bIncludeOwn);
    QString GetValueText(int nRow) const;
    void ClearValues() override;
    void OnPerChannelChanged();

    // What the core asks of the docking tags window.
    void StorePendingValues() override { SaveIfNeeded(); }
    void Reload() override { OnPerChannelChanged(); }
    void GetOwnTags(QStringList& names, QStringList& values) override { GetOwnTitlesAndValues(names, values); }
    void SetOwnTags(const QStringList& names, const QStringList& values) override
    {
        SetValuesFromMacro(names, values, true);
    }
    QString GetValueAt(int nRow) const override { return GetValueText(nRow); }
    void GetValues(const QStringList& names, QStringList& values) const override { LookupValues(names, values); }

    CEditableListCtrl* GetList() const { return m_pList; }
    bool IsShowOwn() const { return m_bShowOwn; }
    int GetShownChannel() const { return m_nShownChannel; }
    bool IsSavePending() const { return m_bSavePending; }
    bool IsSaveTimerActive() const { return m_saveTimer.isActive(); }
    // The caption of column 0 for a channel: "Channel: n" or "Browser: n".
    static QString ChannelCaption(int nChannel);
    // The last locator announced to the main frame (lParam of nMsgLocator
    // points to it, so it outlives the message).
    static const QString& LastLocator();

    // The context menu runs through this; tests answer it without a loop.
    using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& pos)>;
    static void SetMenuRunner(MenuRunner runner);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int StoreChannel() const;
    void SizeColumns();
    void OnNewValue();
    void OnSaveNeeded();
    // The listed values into the store for the channel shown.
    void StoreListedValues();

    CEditableListCtrl* m_pList = nullptr;
    bool m_bShowOwn = false;
    int m_nShownChannel = 0;
    bool m_bSavePending = false;
    bool m_bSwitching = false;
    bool m_bCreated = false;
    QTimer m_saveTimer;
};
