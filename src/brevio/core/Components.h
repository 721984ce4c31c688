#pragma once
// What the digital-mode core calls on the parts built above it (spectrum
// display and Super Browser; macros, tags, options and tools). Those parts
// implement these interfaces and are handed to the core through
// PskComponents(); without them the core runs with plain placeholders.
#include <QStringList>
#include <functional>

class QDockWidget;
class QMdiSubWindow;
class QObject;
class QToolBar;
class QWidget;
class CFormRx;
class CMacro;
class CTxTextWindow;

// The waterfall and spectrum canvas.
class IDisplayCanvas {
public:
    virtual ~IDisplayCanvas() = default;
    virtual void OnFFTReady() = 0;
    // Both overload flags of the last drawing set.
    virtual bool IsOverloaded() const = 0;
    // The next waterfall drawing starts from an empty picture.
    virtual void SetClearFlag() = 0;
    // The object that takes the canvas's registered messages.
    virtual QObject* GetMessageTarget() = 0;
};

// A docking window holding a canvas (the main frame's "Display").
class IDisplayCanvasHost {
public:
    virtual ~IDisplayCanvasHost() = default;
    virtual IDisplayCanvas* GetCanvas() = 0;
};

// The Super Browser view (browser slots on DSP channels 10-49).
class ISuperView {
public:
    virtual ~ISuperView() = default;
    virtual QWidget* GetWidget() = 0;
    virtual void OnChannelChar(int nChar, int nChannel) = 0;
    virtual void OnDspStatus(int nStatus) = 0;
    virtual void OnChannelImd(int nSlot, int nReading, int nFlag) = 0;
    virtual bool IsRunning() const = 0;
    virtual bool IsAutoStop() const = 0;
    virtual CTxTextWindow* GetTxWindow() = 0;
    virtual IDisplayCanvas* GetCanvas() = 0;
    virtual void DisableAllDspChannels() = 0;
    virtual void StartBrowser() = 0;
    virtual void StopBrowser() = 0;
    // Status texts of its transmit window.
    virtual void SetStatusText(const QString& strText) { (void)strText; }
    // A browser slot's DSP channel (10-49), its received text, and the
    // browser's squelch threshold (0-99): what a channel window takes over.
    virtual int GetChannelDspId(int nSlot) const { return nSlot + 10; }
    virtual QString GetChannelText(int nSlot) const { (void)nSlot; return QString(); }
    virtual int GetSquelchThreshold() const { return 50; }
    // A tag value picked from its received text.
    virtual void SetTagValue(const QString& strTitle, const QString& strValue) { (void)strTitle, (void)strValue; }
    // Its MDI frame, made by the view and holding it (nullptr: a plain
    // sub-window).
    virtual QMdiSubWindow* CreateFrame() { return nullptr; }
    // Commands of the view's menus and buttons: true when the view has the
    // command (and then its state).
    virtual bool OnCommand(int nCommand) { (void)nCommand; return false; }
    virtual bool UpdateCommand(int nCommand, bool& bEnabled, bool& bChecked)
    {
        (void)nCommand, (void)bEnabled, (void)bChecked;
        return false;
    }
};

// The docking tags window.
class ITagsBar {
public:
    virtual ~ITagsBar() = default;
    virtual void StorePendingValues() = 0;
    virtual void ClearValues() = 0;
    virtual void Reload() = 0;
    virtual void GetOwnTags(QStringList& names, QStringList& values) = 0;
    virtual void SetOwnTags(const QStringList& names, const QStringList& values) = 0;
    // The channel whose values the bar shows (0-3, browser slots 10-49).
    virtual void SelectChannel(int nChannel) { (void)nChannel; }
    // Stores a value for the shown channel (or the common value).
    virtual void SetTagValue(const QString& strTitle, const QString& strValue) { (void)strTitle, (void)strValue; }
    // The value column of a row, and the value of each named row ("" when none).
    virtual QString GetValueAt(int nRow) const { (void)nRow; return QString(); }
    virtual void GetValues(const QStringList& names, QStringList& values) const
    {
        values.clear();
        for (int i = 0; i < names.size(); ++i)
            values.append(QString());
    }
};

// The docking macros window.
class IMacrosBar {
public:
    virtual ~IMacrosBar() = default;
    virtual void OpenMacroManager() = 0;
    virtual void OpenTagManager() = 0;
    virtual bool HasSelectedMacro() const = 0;
    // Include flags 0 Abort, 1 Erase, 2 Open File, 3 Tx, 4 Tx - Autostop, 5 Mark Unsent.
    virtual bool GetIncludeFlag(int nFlag) const = 0;
    virtual void InvertIncludeFlag(int nFlag) = 0;
    // List-view styles: 0 icon, 1 report, 2 small icon, 3 list.
    virtual int GetViewStyle() const = 0;
    virtual void SetViewStyle(int nStyle) = 0;
};

// The modeless options sheet.
class IOptionsSheet {
public:
    virtual ~IOptionsSheet() = default;
    virtual QWidget* GetWidget() = 0;
    virtual void LoadAllPages() = 0;
    virtual void SetActivePage(int nPage) = 0;
};

// The Grid Square Summary: the locators spotted in received text.
class ILocatorLog {
public:
    virtual ~ILocatorLog() = default;
    virtual void AddEntry(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                          const QString& strFrequency) = 0;
};

struct CPskComponents {
    // Each returns a new object owned by the caller's parent, or nullptr for
    // the core's plain placeholder.
    std::function<QDockWidget*(QWidget* parent)> createDisplayBar;
    std::function<QDockWidget*(QWidget* parent)> createMacrosBar;
    std::function<QDockWidget*(QWidget* parent)> createTagsBar;
    std::function<QToolBar*(QWidget* parent)> createDistanceBar;
    std::function<IOptionsSheet*(QWidget* parent)> createOptionsSheet;
    std::function<ISuperView*(QWidget* parent)> createSuperView;
    // Alarms, macros and tags from their files (or their defaults).
    std::function<void()> loadStores;

    // The dialogs a channel window runs; each answers 1 for OK.
    // Macro input: one value per name comes back in values.
    std::function<int(QWidget* parent, int nChannel, const QString& strTitle, const QStringList& names,
                      const QStringList& lines, bool bErase, bool bSend, QStringList& values)>
        runMacroInput;
    // The record shown for editing before it goes to the logbook files
    // (without it the record goes as built).
    std::function<int(QWidget* parent, QString& strRecord)> runAddToLogfile;
    // The macro editor on one macro of the store: on OK the store holds the
    // edited macro and is saved; answers 1 for OK.
    std::function<int(QWidget* parent, CMacro& macro)> editMacro;
    // The beacon: (frame, transmit text, transmit window, channel window).
    std::function<void(QWidget* parent, const QString& strText, CTxTextWindow* pTx, CFormRx* pForm)> runBeacon;
    // The palette designer, run modally over the parent.
    std::function<void(QWidget* parent)> runPaletteDesigner;
    // The modeless tool window of a main-frame command (33564 Grid Square
    // Calculator, 33565 Distance Calculator, 33627 Grid Square Summary), made
    // once on first use; nullptr for a command without one.
    std::function<QWidget*(int nCommand, QWidget* parent)> createToolWindow;
    // The favourites manager, run modally over the main window.
    std::function<void(QWidget* parent)> runFavouritesManager;
};

CPskComponents& PskComponents();
