#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/IOLogList.h"
#include "corvane/frontpanel/IOLogView.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

TEST(IOLogView, StartsMinimisedWithReadyTakesTheApplicationsRowsAndOnlyMinimises)
{
    CMainFrame frame;
    frame.MakeMainFrame();
    frame.resize(800, 600);
    frame.show();
    CMultiDocTemplate tpl(CRadioApp::IDR_IOLOG,
                          {[] { return new CIOLogDoc; }, [] { return new CIOLogFrame; }, [] { return new CIOLogView; }});
    CDocument* doc = tpl.OpenDocumentFile(true);
    ASSERT_NE(doc, nullptr);
    auto* view = qobject_cast<CIOLogView*>(doc->GetFirstView());
    ASSERT_NE(view, nullptr);
    QMdiSubWindow* child = frame.GetMdiClient()->subWindowList().value(0);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child, frame.GetIoLogFrame());
    EXPECT_TRUE(child->isMinimized());
    EXPECT_EQ(child->windowTitle(), "I/O Logfile");

    CIOLogList* list = view->GetList();
    ASSERT_EQ(list->GetItemCount(), 1);
    EXPECT_TRUE(list->GetRow(0).strSent.isEmpty());
    EXPECT_TRUE(list->GetRow(0).strReceived.isEmpty());
    EXPECT_EQ(list->GetRow(0).strComment, "Ready");

    // The application's log entry points reach it.
    EXPECT_EQ(CRadioApp::GetIoLogSink(), view);
    const uint8_t sent[5] = {0, 0, 0, 0, 8};
    const uint8_t got[1] = {0};
    CRadioApp::LogExchange(sent, 5, got, 1, "Set PTT");
    CRadioApp::Log("text line");
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_EQ(list->GetRow(1).strSent, "00 00 00 00 08");
    EXPECT_EQ(list->GetRow(1).strReceived, "00");
    EXPECT_EQ(list->GetRow(2).strComment, "text line");

    // Closing minimises; the rows stay.
    child->showNormal();
    child->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(child->isMinimized());
    EXPECT_EQ(frame.GetMdiClient()->subWindowList().size(), 1);
    EXPECT_EQ(list->GetItemCount(), 3);

    // Without the window the entry points do nothing.
    tpl.CloseAllDocuments(false);
    EXPECT_EQ(CRadioApp::GetIoLogSink(), nullptr);
    CRadioApp::Log("nobody listens");
}
