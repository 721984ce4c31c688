#include "brevio/display/DisplayComponents.h"

#include "brevio/core/Components.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/SettingToolbars.h"
#include "brevio/display/DisplayCanvasBar.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/AlarmList.h"
#include "brevio/display/PaletteDesigner.h"
#include "brevio/display/SuperView.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

namespace {

constexpr int kCentreBarId = 59433;
constexpr int kPaletteEditorCommand = 33512;

// The canvas's services answered by the running program.
class CProgramCanvasServices : public CDisplayCanvasServices {
public:
    bool HasMainWindow() const override { return GetMainFrame() != nullptr; }
    QMdiArea* GetMdiArea() const override { return GetMainFrame() ? GetMainFrame()->GetMdiArea() : nullptr; }
    QWidget* GetChannelFrame(int n) const override { return TheApp().GetChannelFrame(n); }
    bool IsChannelVisible(int n) const override
    {
        const QWidget* frame = TheApp().GetChannelFrame(n);
        return frame && frame->isVisible();
    }
    bool IsChannelActive(int n) const override
    {
        QMdiArea* area = GetMdiArea();
        return area && TheApp().GetChannelFrame(n) && area->activeSubWindow() == TheApp().GetChannelFrame(n);
    }
    void ActivateView(int n, int nShowCommand) override
    {
        QMdiSubWindow* frame = TheApp().GetChannelFrame(n);
        QMdiArea* area = GetMdiArea();
        const bool bWasActive = frame && area && area->activeSubWindow() == frame && frame->isVisible() &&
                                !frame->isMinimized() && !frame->isMaximized();
        TheApp().ActivateView(n, nShowCommand);
        // The show command applies to the window that already was the active one.
        if (bWasActive && nShowCommand == kShowMinimise)
            frame->showMinimized();
    }
    bool IsCentreBarVisible() const override
    {
        const QToolBar* bar = CentreBar();
        return bar && bar->isVisible();
    }
    int GetCentreValue() const override
    {
        const auto* bar = dynamic_cast<const CCentreFrequencyBar*>(CentreBar());
        return bar ? bar->GetValue() : 0;
    }
    int64_t GetDialFrequency() const override
    {
        const CRadioToolBar* radio = GetMainFrame() ? GetMainFrame()->GetRadioBar() : nullptr;
        return radio && radio->GetFrequency() > 0 ? radio->GetFrequency() : 0;
    }
    void ShowOptionsPage(int nPage) override
    {
        if (CMainFrame* frame = GetMainFrame())
            frame->ShowOptionsPage(nPage);
    }
    void RewindInput() override
    {
        if (CMainFrame* frame = GetMainFrame())
            frame->RewindInput();
    }
    void OnPaletteEditor() override
    {
        if (CMainFrame* frame = GetMainFrame())
            frame->OnCommand(kPaletteEditorCommand);
    }
    void ReduceMixerLevels(int nPercent) override
    {
        if (CMainFrame* frame = GetMainFrame())
            frame->ReduceMixerLevels(nPercent);
    }
    QObject* GetSuperView() const override
    {
        ISuperView* view = TheApp().GetSuperView();
        return view ? view->GetWidget() : nullptr;
    }
    bool IsTxPanelShown() const override
    {
        const CSuperView* view = Browser();
        return view && view->IsTxPanelShown();
    }
    bool IsTxLocked() const override
    {
        const CSuperView* view = Browser();
        return view && view->IsTxLocked();
    }
    int GetTxFrequency() const override
    {
        const CSuperView* view = Browser();
        return view ? view->GetTxFrequency() : 0;
    }

private:
    static const CSuperView* Browser() { return dynamic_cast<const CSuperView*>(TheApp().GetSuperView()); }
    static QToolBar* CentreBar() { return GetMainFrame() ? GetMainFrame()->GetToolBar(kCentreBarId) : nullptr; }
};

std::function<void()>& OtherStores()
{
    static std::function<void()> others;
    return others;
}

void LoadStores()
{
    Alarms().LoadDefault();
    if (OtherStores())
        OtherStores()();
}

} // namespace

void InstallDisplayComponents()
{
    static CProgramCanvasServices services;
    CDisplayCanvasServices::SetInstance(&services);
    PskComponents().createDisplayBar = [](QWidget* parent) -> QDockWidget* {
        return CDisplayCanvasBar::CreateForMainFrame(parent);
    };
    PskComponents().createSuperView = [](QWidget* parent) -> ISuperView* {
        auto* view = new CSuperView(parent);
        view->OnInitialUpdate();
        return view;
    };
    PskComponents().runPaletteDesigner = [](QWidget* parent) {
        CPaletteDesigner designer(parent);
        designer.DoModal();
    };
    // The alarms load with whatever other stores the program loads.
    auto* current = PskComponents().loadStores.target<void (*)()>();
    if (!current || *current != &LoadStores)
        OtherStores() = PskComponents().loadStores;
    PskComponents().loadStores = &LoadStores;
}
