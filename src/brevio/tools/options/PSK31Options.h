#pragma once
// "Options" of the digital-mode program: a modeless sheet of sixteen pages
// without OK, Cancel or Apply. Every change on a page applies all pages at
// once: they are stored into the current settings, saved, and every window
// is told. Left of the tabs a list shows each page's caption with its topics;
// choosing a line opens its page. Closing only hides the sheet; it lives as
// long as the main frame and remembers its page and position.
#include "brevio/core/Components.h"
#include "shared/ui/PropertySheet.h"

#include <QList>

class CPageSelectorList;
class CPSK31OptionsPage;
class CPSK31PageAutosave;
class CPSK31PageCW;
class CPSK31PageDisplay;
class CPSK31PageFFT;
class CPSK31PageLocator;
class CPSK31PageLogbook;
class CPSK31PageLogbookExt;
class CPSK31PageRxTx;
class CPSK31PageTx2;
class CPSK31PageRx3;
class CPSK31PageSignal;
class CPSK31PagePTT;
class CPSK31PageSoundcard;
class CPSK31PageBrowser;
class CPSK31PageBrowserMore;
class CPSK31PageWavefiles;

class CPSK31Options : public CPropertySheet, public IOptionsSheet {
    Q_OBJECT
public:
    static constexpr int kPageCount = 16;
    static constexpr unsigned IDC_PAGE_LIST = 110;
    static constexpr int kEdge = 2;  // the system's 3-D edge height
    enum Page {
        kAutosave = 0,
        kCW,
        kDisplay,
        kFFT,
        kLocator,
        kLogbook,
        kLogbookExt,
        kRxTx,
        kTx,
        kRx,
        kSignal,
        kPTT,
        kSoundcard,
        kBrowser,
        kBrowserMore,
        kWavefiles,
    };

    CPSK31Options(const QString& strCaption = QStringLiteral("Options"), QWidget* pParent = nullptr,
                  unsigned iSelectPage = 0);
    ~CPSK31Options() override;

    static QString Caption() { return QStringLiteral("Options: Changes applied immediately"); }
    static QString SelectPageValue() { return QStringLiteral("CPSK31Options::iSelectPage"); }
    static QString GeometryValue() { return QStringLiteral("CPSK31Options::Geometry"); }

    // The main frame's sheet: made, initialised and hidden, owned by the frame.
    static CPSK31Options* CreateForMainFrame(QWidget* pMainFrame);

    // IOptionsSheet
    QWidget* GetWidget() override { return this; }
    void LoadAllPages() override;
    void SetActivePage(int nPage) override;

    bool OnInitDialog() override;
    // Every page into the current settings, saved and announced.
    void ApplyAllPages();
    // The registered messages.
    int OnUpdate();
    int OnSelect();

    bool IsOptionsInitialised() const { return m_bInitialised != 0; }
    CPageSelectorList* GetPageList() const { return m_pList; }
    CPSK31OptionsPage* GetOptionsPage(int nPage) const;
    // The pages in the order they are stored and loaded.
    QList<CPSK31OptionsPage*> ApplyOrder() const;
    // Width added for the list (widest caption or topic + 25).
    int GetListExtra() const { return m_nListExtra; }

    CPSK31PageAutosave* GetAutosavePage() const { return m_pAutosave; }
    CPSK31PageCW* GetCWPage() const { return m_pCW; }
    CPSK31PageDisplay* GetDisplayPage() const { return m_pDisplay; }
    CPSK31PageFFT* GetFFTPage() const { return m_pFFT; }
    CPSK31PageLocator* GetLocatorPage() const { return m_pLocator; }
    CPSK31PageLogbook* GetLogbookPage() const { return m_pLogbook; }
    CPSK31PageLogbookExt* GetLogbookExtPage() const { return m_pLogbookExt; }
    CPSK31PageRxTx* GetRxTxPage() const { return m_pRxTx; }
    CPSK31PageTx2* GetTxPage() const { return m_pTx; }
    CPSK31PageRx3* GetRxPage() const { return m_pRx; }
    CPSK31PageSignal* GetSignalPage() const { return m_pSignal; }
    CPSK31PagePTT* GetPTTPage() const { return m_pPTT; }
    CPSK31PageSoundcard* GetSoundcardPage() const { return m_pSoundcard; }
    CPSK31PageBrowser* GetBrowserPage() const { return m_pBrowser; }
    CPSK31PageBrowserMore* GetBrowserMorePage() const { return m_pBrowserMore; }
    CPSK31PageWavefiles* GetWavefilesPage() const { return m_pWavefiles; }

protected:
    bool event(QEvent* event) override;
    void OnShowWindow(bool bShow) override;
    void closeEvent(QCloseEvent* event) override;
    // Enter and Escape hide the sheet as its close box does.
    void OnOK() override;
    void OnCancel() override;

private:
    void PlaceRemembered();
    void WriteRemembered();

    CPSK31PageAutosave* m_pAutosave;
    CPSK31PageCW* m_pCW;
    CPSK31PageDisplay* m_pDisplay;
    CPSK31PageFFT* m_pFFT;
    CPSK31PageLocator* m_pLocator;
    CPSK31PageLogbook* m_pLogbook;
    CPSK31PageLogbookExt* m_pLogbookExt;
    CPSK31PageRxTx* m_pRxTx;
    CPSK31PageTx2* m_pTx;
    CPSK31PageRx3* m_pRx;
    CPSK31PageSignal* m_pSignal;
    CPSK31PagePTT* m_pPTT;
    CPSK31PageSoundcard* m_pSoundcard;
    CPSK31PageBrowser* m_pBrowser;
    CPSK31PageBrowserMore* m_pBrowserMore;
    CPSK31PageWavefiles* m_pWavefiles;

    CPageSelectorList* m_pList = nullptr;  // made at initialisation
    int m_bInitialised = 0;
    int m_nListExtra = 0;
    bool m_bApplying = false;
    bool m_bApplyAgain = false;
    // Only a sheet that has been on screen (or was placed from the stored
    // rectangle) has a position worth remembering.
    bool m_bPlaced = false;
};
