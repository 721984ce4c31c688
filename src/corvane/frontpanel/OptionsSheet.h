#pragma once
// "Program Options": ten pages over the global options with a page-selector
// list at the left. The pages preview some changes straight in the global
// options; Apply and OK store every page and redraw the front panel, OK
// alone saves to the registry, Cancel reads everything back from it. The
// sheet also loads the colours from, and saves all options to, a
// user-options file ("FT-817 Settings.txt"), and applies a built-in colour
// scheme chosen on its Schemes page.
#include "shared/ui/PropertySheet.h"

#include <functional>

class CPageSelectorList;
class CSettings;
class COptionsPage;
class COptionsSchemes;
class COptionsFrequencyDisplay;
class COptionsTuningDial;
class COptionsBarMeters;
class COptionsDisplayControls;
class COptionsFaceplate;
class COptionsVarious;
class COptionsBands;
class COptionsRanges;
class COptionsExchange;

class COptionsSheet : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr unsigned IDC_SELECTOR = 1078;
    static constexpr int kSelectorWidth = 200;
    static constexpr int kEdge = 2;  // the system's 3-D edge height
    static constexpr int kPageCount = 10;
    enum Page {
        kSchemes = 0,
        kFrequencyDisplay,
        kTuningDial,
        kTxMeters,
        kButtons,
        kFaceplate,
        kVarious,
        kBandPlans,
        kRxRanges,
        kExchange,
    };

    // Callers choose the first page by writing "Options page" first.
    explicit COptionsSheet(QWidget* pParent, unsigned iSelectPage = 0);
    ~COptionsSheet() override;

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnApplyNow() override;

    // The scheme selected on the Schemes page into the global options; the
    // band plans and the Various page keep what they show.
    void ApplySelectedScheme();
    // The pages that hold settings, in their store order.
    void StorePages(CSettings& settings);
    void LoadPages(CSettings& settings);
    // Optionally stores the pages, then redraws everything that paints
    // from the options.
    void ApplyChanges(bool bStore);
    // Values no page may be left with (a range starting above its end);
    // FALSE shows the page that holds one.
    bool CheckPages();

    // The registered messages.
    int OnSelect();
    int OnLoad();
    int OnSave();

    CPageSelectorList* GetSelectorList() const { return m_pSelector; }
    COptionsPage* GetOptionsPage(int nPage) const;
    COptionsSchemes* GetSchemesPage() const { return m_pSchemes; }
    COptionsFrequencyDisplay* GetFrequencyDisplayPage() const { return m_pFrequencyDisplay; }
    COptionsTuningDial* GetTuningDialPage() const { return m_pTuningDial; }
    COptionsBarMeters* GetBarMetersPage() const { return m_pBarMeters; }
    COptionsDisplayControls* GetButtonsPage() const { return m_pDisplayControls; }
    COptionsFaceplate* GetFaceplatePage() const { return m_pFaceplate; }
    COptionsVarious* GetVariousPage() const { return m_pVarious; }
    COptionsBands* GetBandsPage() const { return m_pBands; }
    COptionsRanges* GetRangesPage() const { return m_pRanges; }
    COptionsExchange* GetExchangePage() const { return m_pExchange; }

    // The colours and the button lamp value a user-options file brings in;
    // everything else in it is ignored.
    static void CopyColours(const CSettings& from, CSettings& to);
    static QString SettingsFileName() { return QStringLiteral("FT-817 Settings.txt"); }

    // The navigator bar re-applies its tree style after options change; the
    // bar installs this when it exists.
    static void SetTreeStyleHandler(std::function<void()> handler);

protected:
    bool event(QEvent* event) override;
    void OnShowWindow(bool bShow) override;

private:
    COptionsSchemes* m_pSchemes;
    COptionsFrequencyDisplay* m_pFrequencyDisplay;
    COptionsTuningDial* m_pTuningDial;
    COptionsBarMeters* m_pBarMeters;
    COptionsDisplayControls* m_pDisplayControls;
    COptionsFaceplate* m_pFaceplate;
    COptionsVarious* m_pVarious;
    COptionsBands* m_pBands;
    COptionsRanges* m_pRanges;
    COptionsExchange* m_pExchange;
    CPageSelectorList* m_pSelector = nullptr;  // owned; made at initialisation
};

// Opens the sheet modally over the parent; a page of 0 or more is written as
// "Options page" first (the Speech, Colour Schemes and band commands),
// -1 opens the page shown last. IDOK or IDCANCEL.
int RunProgramOptions(QWidget* pParent, int nPage = -1);
