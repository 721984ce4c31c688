#pragma once
#include "corvane/core/DocView.h"
#include "shared/BaseApp.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

class CCatLink;
class CCmdUI;
class CDisplaySize;
class CDisplayViewHooks;
class CIoLogSink;
class CMainFrame;
class CMultiDocTemplate;
class CQuickSave;
class CRadioMemoryList;
class CRequestWorker;
class CSettings;

// The application object of FT-817 Corvane: owner of the program's
// long-lived objects (CAT link, radio memory list, quick-save slots,
// front-panel size, request workers, document templates), the start-up
// sequence, the application-level commands and the I/O log entry points.
class CRadioApp : public CBaseApp {
public:
    // Template resource numbers.
    enum Template : unsigned { IDR_IOLOG = 129, IDR_DISPLAY = 130, IDR_LOGBOOK = 318 };
    // Commands handled by the application.
    enum Command : unsigned {
        ID_APP_ABOUT = 57664,
        ID_HELP_CONTENTS = 32835,
        ID_HELP_INDEX = 57666,
        ID_HELP_SEARCH = 32836,
        ID_FAVOURITES_MANAGER = 32779,
        ID_FAVOURITES_DEFAULTS = 32789,
        ID_FAVOURITES_SAVE = 32851,
        ID_FAVOURITES_LOAD = 32852,
        ID_BANDS_DEFAULTS = 32937,
        ID_COMMAND_ENTRY = 32878,
        ID_STRESS_TEST = 32857,
        ID_TRACE_ALL_COMMS = 33020,
        ID_MAKER_WEB = 32904,
        ID_USERGROUP = 32909,
        ID_SUPPORT_EMAIL = 32906,
        ID_PRINT_SETUP = 57606,
    };

    // What the later parts of the program bring to the start-up and to the
    // application's commands. Anything not given is simply not there yet.
    struct Services {
        // The main frame (default: the core CMainFrame).
        std::function<CMainFrame*()> createMainFrame;
        // First run: puts a named colour scheme into the options.
        std::function<void(const QString& strScheme, CSettings& settings)> applyPresetScheme;
        // S-meter chart settings from the registry.
        std::function<void()> loadChartSettings;
        // Band definitions, favourites (the built-in ones when none are
        // stored) and scan definitions.
        std::function<void()> loadOrganisers;
        // The navigator bar shows the quick-save slots again.
        std::function<void()> quickSaveChanged;
        // Commands of other parts handled through the application (favourites,
        // bands, command entry, stress test): TRUE when handled.
        std::function<bool(unsigned nId)> command;
        std::function<void(CCmdUI& cmdUI)> updateCommand;
        // The classes of the three document templates, by resource number.
        std::map<unsigned, CMultiDocTemplate::Classes> templates;
    };
    static Services& GetServices();

    CRadioApp();
    ~CRadioApp() override;

    // The start-up sequence; FALSE ends the program.
    bool InitInstance();
    void ExitInstance() override;

    CCatLink& GetCatLink() { return *m_catLink; }
    CRadioMemoryList& GetMemoryList() { return *m_memoryList; }
    CDisplaySize& GetDisplaySize() { return *m_displaySize; }
    CRequestWorker& GetFirstWorker() { return *m_firstWorker; }
    CRequestWorker& GetRequestWorker() { return *m_requestWorker; }
    CQuickSave& GetQuickSave(int nSlot);
    static constexpr int kQuickSaveSlots = 10;

    // The front-panel view registers itself while it exists.
    CDisplayViewHooks* GetDisplayView() const { return m_pDisplayView; }
    void SetDisplayView(CDisplayViewHooks* pView) { m_pDisplayView = pView; }

    // The three document templates with the classes the services name.
    void CreateTemplates();
    CMultiDocTemplate* GetTemplate(unsigned nIDResource) const;
    CMainFrame* GetMainFrame() const;
    // The first view of the first I/O log document that is a log sink.
    CIoLogSink* FindIoLogView() const;
    // Opens (maximised) or brings forward a document of the template.
    void ShowTemplateDocument(CMultiDocTemplate* pTemplate, bool bMaximise);
    // Opens a file or web address with the desktop; above 32 on success,
    // else 0 after an error box.
    int OpenDocumentOrUrl(const QString& strTarget);
    void StartWorker(CRequestWorker& worker);
    // Queues a stop to both workers and waits for each up to the time-out;
    // FALSE when one did not finish in time.
    bool StopWorkers(int nTimeoutMs);

    // Application commands and their states.
    bool OnCommand(unsigned nId);
    void OnUpdateCommand(CCmdUI& cmdUI);
    void WinHelp();
    void QuickSaveChanged();

    // The I/O log entry points: without a log window they do nothing. A text
    // line holds at most 4095 characters; a longer one is cut there.
    static void Log(const QString& text);
    static void LogSent(const uint8_t* bytes, int count, const QString& description);
    static void LogReceived(const uint8_t* bytes, int count, const QString& description);
    static void LogExchange(const uint8_t* sent, int sentCount, const uint8_t* received, int receivedCount,
                            const QString& description);
    static void SetIoLogSink(CIoLogSink* sink);
    static CIoLogSink* GetIoLogSink();
    static constexpr int kMaxLogLine = 4095;

    // Web addresses of the maker and of the users' group, and the support mail.
    static QString MakerWebAddress();
    static QString UserGroupAddress();
    static QString SupportAddress();
    static QString SupportGreetingName();
    void SendSupportMail();

    // Shift held while starting: the settings reset and the bar layout.
    static bool IsShiftHeld();
    static void SetShiftOverride(int nState);  // tests: -1 real keyboard, 0 up, 1 held

private:
    bool RunStartupDialog();

    std::array<std::unique_ptr<CQuickSave>, kQuickSaveSlots> m_quickSave;
    std::map<unsigned, std::unique_ptr<CMultiDocTemplate>> m_templates;
    CDisplayViewHooks* m_pDisplayView = nullptr;
    std::unique_ptr<CRadioMemoryList> m_memoryList;
    std::unique_ptr<CCatLink> m_catLink;
    std::unique_ptr<CDisplaySize> m_displaySize;
    std::unique_ptr<CRequestWorker> m_firstWorker;
    std::unique_ptr<CRequestWorker> m_requestWorker;
    std::unique_ptr<CMainFrame> m_mainFrame;
};

// The one application object; nullptr before it is constructed.
CRadioApp* GetRadioApp();

// The process-wide critical section, held while the object lives. Nothing in
// the program takes it; it exists for code that must not run beside another.
class CGlobalLock {
public:
    CGlobalLock();
    ~CGlobalLock();
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;
};

// The settings reset of the start: only while Shift is held (or forced),
// asks and deletes the program's whole settings key. 1 when asked, else 0.
int ResetSettingsIfShift(const QString& strKeyPath, bool bForce);
