#pragma once
// The main frame's "Macros" docking window: the built-in transmit commands
// and the enabled macros as one list. A click sends an entry to the active
// channel window; Ctrl+digit and Ctrl+Shift+digit in a channel window send
// the first twenty macros; hovering shows what a macro sends.
#include "brevio/core/Components.h"
#include "shared/sizingbar/SizingControlBarG.h"

#include <QMap>
#include <QPixmap>

class CMacro;
class CToolTipWnd;
class QListWidget;
class QListWidgetItem;
class QMainWindow;

class CMacrosBar : public CSizingControlBarG, public IMacrosBar {
    Q_OBJECT
public:
    static constexpr unsigned kBarId = 59425;
    static constexpr int kListId = 110;
    static constexpr int kShortcuts = 20;
    // Entry codes (also the entries' image indexes).
    enum Code : int {
        CodeManager = 0,
        CodeAbort = 2,
        CodeErase = 4,
        CodeOpenFile = 6,
        CodeTx = 8,
        CodeTxAutostop = 10,
        CodeMarkUnsent = 12,
        CodeMacro = 22,
        CodeMacroOther = 24,
        CodeTitleToggle = 26,
        CodeMacroSend = 28,
    };
    // Include flags in the core's order.
    enum Include : int { IncAbort = 0, IncErase, IncOpenFile, IncTxOn, IncTxOnAutostop, IncUnsend, IncCount };
    // List-view styles.
    enum Style : int { StyleIcon = 0, StyleReport = 1, StyleSmallIcon = 2, StyleList = 3 };

    explicit CMacrosBar(QWidget* parent = nullptr);
    ~CMacrosBar() override;

    bool Create(const QString& strTitle, QMainWindow* pParent, unsigned nID, uint32_t dwStyle = 0) override;
    int OnCreate();
    static CMacrosBar* CreateForMainFrame(QWidget* pMainFrame);

    void FillList();
    bool IsViewStyle(int nStyle) const { return m_nViewStyle == nStyle; }
    void OpenManager();
    void OpenTagsManager();
    void EditCurrent();
    // The entry of a row acted on as a click does.
    void OnEntryClicked(int nRow);
    void OnSelectMacro(int nShortcut);
    // The text of an entry's info tip (empty for built-in entries).
    QString InfoTip(int nRow) const;
    // The hover text for the selected entry (a macro's lines), as the tip shows it.
    QString HoverText() const;

    // What the core asks of the docking macros window.
    void OpenMacroManager() override { OpenManager(); }
    void OpenTagManager() override { OpenTagsManager(); }
    bool HasSelectedMacro() const override;
    bool GetIncludeFlag(int nFlag) const override;
    void InvertIncludeFlag(int nFlag) override;
    int GetViewStyle() const override { return m_nViewStyle; }
    void SetViewStyle(int nStyle) override;

    QListWidget* GetList() const { return m_pList; }
    CToolTipWnd* GetTipWindow() const { return m_pTip; }
    bool IsFullTitle() const { return m_bFullTitle; }
    int EntryCode(int nRow) const;
    intptr_t EntryData(int nRow) const;
    // Shortcut number (0-19) to macro index, as the last fill made it.
    const QMap<int, int>& ShortcutMap() const { return m_shortcuts; }

    // The context menu runs through this; tests answer it without a loop.
    using MenuRunner = std::function<QAction*(QMenu& menu, const QPoint& pos)>;
    static void SetMenuRunner(MenuRunner runner);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    static bool IsMacroCode(int nCode) { return nCode == CodeMacro || nCode == CodeMacroOther || nCode == CodeMacroSend; }
    void AddEntry(const QString& strLabel, int nCode, intptr_t data);
    void SendToActive(int nCommand, intptr_t lParam, bool bNeedVisible);
    void SendMacro(int nIndex);
    void ApplyViewStyle();
    void WriteIncludeFlags() const;
    void OnHover(const QPoint& pos);

    QListWidget* m_pList = nullptr;
    CToolTipWnd* m_pTip = nullptr;
    bool m_bFullTitle = false;
    bool m_include[IncCount] = {};
    int m_nViewStyle = StyleList;
    QMap<int, int> m_shortcuts;
    QMap<int, int> m_macroNumbers;
    QString m_strHoverText;
    QList<QPixmap> m_images;
};
