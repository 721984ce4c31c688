// Documents, views and child frames made by the templates inside the main
// frame, and the I/O log found through its template.
#include "corvane/core/DocView.h"
#include "corvane/core/IoLogSink.h"
#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {
class LogView : public CView, public CIoLogSink {
public:
    void OnInitialUpdate() override { ++initialUpdates; }
    void AddTextRow(const QString& text) override { rows << text; }
    void AddBytesRow(const std::optional<QByteArray>&, const std::optional<QByteArray>&, const QString& d) override
    {
        rows << d;
    }
    QStringList rows;
    int initialUpdates = 0;
};

CMultiDocTemplate::Classes logClasses()
{
    return {[] { return new CDocument; }, [] { return new CMDIChildWnd; }, [] { return new LogView; }};
}
} // namespace

TEST(DocTemplates, OpenBringForwardAndMaximise)
{
    CRadioApp app;
    CMainFrame frame;
    frame.LoadFrame(128);
    frame.MakeMainFrame();
    frame.show();

    CMultiDocTemplate log(CRadioApp::IDR_IOLOG, logClasses());
    app.ShowTemplateDocument(&log, false);
    ASSERT_EQ(log.GetDocuments().size(), 1);
    auto* view = dynamic_cast<LogView*>(log.GetDocuments().first()->GetFirstView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->initialUpdates, 1);
    EXPECT_EQ(frame.GetMdiClient()->subWindowList().size(), 1);

    // Without the maximise flag an existing document is brought forward.
    app.ShowTemplateDocument(&log, false);
    EXPECT_EQ(log.GetDocuments().size(), 1);
    // With it a new one opens, maximised.
    app.ShowTemplateDocument(&log, true);
    ASSERT_EQ(log.GetDocuments().size(), 2);
    auto* second = qobject_cast<QMdiSubWindow*>(log.GetDocuments().last()->GetFirstView()->parentWidget());
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isMaximized());

    // A template whose classes do not exist yet opens nothing.
    CMultiDocTemplate panel(CRadioApp::IDR_DISPLAY, {});
    app.ShowTemplateDocument(&panel, true);
    EXPECT_TRUE(panel.GetDocuments().isEmpty());

    // Closing a document's frame takes the document with it.
    log.CloseAllDocuments(false);
    EXPECT_TRUE(log.GetDocuments().isEmpty());
    EXPECT_TRUE(frame.GetMdiClient()->subWindowList().isEmpty());
}

TEST(DocTemplates, TheIoLogIsFoundThroughItsTemplate)
{
    CRadioApp::GetServices().templates[CRadioApp::IDR_IOLOG] = logClasses();
    CRadioApp app;
    app.CreateTemplates();
    EXPECT_EQ(app.FindIoLogView(), nullptr);
    CMainFrame frame;
    frame.LoadFrame(128);
    frame.MakeMainFrame();
    CDocument* document = app.GetTemplate(CRadioApp::IDR_IOLOG)->OpenDocumentFile(true);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(app.FindIoLogView(), dynamic_cast<CIoLogSink*>(document->GetFirstView()));
    CRadioApp::GetServices() = {};
}
