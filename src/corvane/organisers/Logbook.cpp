#include "corvane/organisers/Logbook.h"

#include "corvane/core/DocView.h"
#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/RadioMainFrame.h"
#include "corvane/organisers/DxClusterDialog.h"
#include "corvane/organisers/LogbookAdd.h"
#include "corvane/organisers/LogbookDatabase.h"
#include "corvane/organisers/LogbookView.h"
#include "shared/ui/BaseDialog.h"

#include <QMdiArea>
#include <QToolBar>

namespace {
constexpr unsigned kViewCommands[] = {CLogbookView::ID_LOGBOOK_RELOAD, CLogbookView::ID_LOGBOOK_SORT,
                                      CLogbookView::ID_LOGBOOK_FILTER, CLogbookView::ID_LOGBOOK_REMOVE_FILTER,
                                      CLogbookView::ID_LOGBOOK_DELETE};
} // namespace

void ShowLogbook()
{
    CRadioApp* app = GetRadioApp();
    if (!app)
        return;
    // The bar first: the window area takes its new size before the logbook
    // window is placed in it.
    if (auto* main = qobject_cast<CRadioMainFrame*>(GetMainFrame()))
        if (QToolBar* bar = main->GetLogbookBar())
            bar->show();
    if (CLogbookFrame* frame = GetLogbookFrame()) {
        // Asked for again: it comes forward, restored when minimised, and
        // the other windows keep their states.
        if (frame->isMinimized())
            frame->showNormal();
        if (QMdiArea* area = frame->mdiArea())
            area->setActiveSubWindow(frame);
    } else if (CMultiDocTemplate* tpl = app->GetTemplate(CRadioApp::IDR_LOGBOOK)) {
        // The first time it opens minimised, as its frame always does.
        tpl->OpenDocumentFile(true);
    }
}

void InstallLogbook()
{
    InstallLogbookTemplate();
    // The logbook's store lives as long as the main window.
    CRadioApp::Services& services = CRadioApp::GetServices();
    auto createFrame = services.createMainFrame;
    services.createMainFrame = [createFrame]() -> CMainFrame* {
        CMainFrame* frame = createFrame ? createFrame() : new CMainFrame;
        if (frame)
            QObject::connect(frame, &QObject::destroyed, [] { ResetLogbookDatabase(); });
        return frame;
    };

    CRadioMainFrame::RegisterModalCommand(CRadioMainFrame::ID_LOGBOOK_DISPLAY, [](CRadioMainFrame*) { ShowLogbook(); });
    CRadioMainFrame::RegisterCommandUpdate(CRadioMainFrame::ID_LOGBOOK_DISPLAY, [](CCmdUI& ui) {
        CLogbookFrame* frame = GetLogbookFrame();
        ui.Enable(true);
        ui.SetCheck(frame && frame->mdiArea() && frame->mdiArea()->activeSubWindow() == frame);
    });
    for (unsigned id : kViewCommands) {
        CRadioMainFrame::RegisterModalCommand(id, [id](CRadioMainFrame*) {
            if (CLogbookView* view = GetLogbookView())
                view->OnCommand(id);
        });
        CRadioMainFrame::RegisterCommandUpdate(id, [](CCmdUI& ui) {
            if (CLogbookView* view = GetLogbookView())
                view->OnUpdateCommand(ui);
            else
                ui.Enable(false);
        });
    }

    CRadioMainFrame::ToolWindow add;
    add.create = [](CRadioMainFrame* pFrame) -> QWidget* { return new CLogbookAdd(pFrame); };
    CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_LOGBOOK_ADD, add);

    CRadioMainFrame::ToolWindow dx;
    dx.create = [](CRadioMainFrame* pFrame) -> QWidget* { return new CDxClusterDialog(pFrame); };
    // A visible DX window is closed, which also stops its updates.
    dx.bCloseByPost = true;
    CRadioMainFrame::RegisterToolWindow(CRadioMainFrame::ID_DX_CLUSTER, dx);
}
