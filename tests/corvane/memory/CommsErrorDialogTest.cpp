// The communications-error dialog against the simulator: it retries the
// transmitter-status read once a second and closes with IDOK when the radio
// answers; Escape and closing do nothing; "Quit Program" ends the process.
#include "corvane/core/CatLink.h"
#include "corvane/memory/CommsErrorDialog.h"
#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"
#include "support/Simulator.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
struct Radio {
    explicit Radio(const QStringList& faults = {})
    {
        testsupport::Simulator::Options o;
        o.faults = faults;
        sim = std::make_unique<testsupport::Simulator>(o);
        QString error;
        opened = sim->isRunning() && link.Open(sim->portPath(), QStringLiteral("38400"), error);
    }
    std::unique_ptr<testsupport::Simulator> sim;
    CCatLink link;
    bool opened = false;
};
} // namespace

TEST(CommsErrorDialog, RetriesUntilTheRadioAnswers)
{
    Radio radio({QStringLiteral("no-answer:op=F7,count=1")});
    ASSERT_TRUE(radio.opened);
    CCommsErrorDialog dialog(nullptr, &radio.link);
    EXPECT_EQ(dialog.windowTitle(), "Communications Error");
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QStringList titles;
    QObject::connect(&dialog, &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
    QElapsedTimer clock;
    clock.start();
    const int result = dialog.DoModal();
    // First attempt after 1 s goes unanswered (its read times out), the
    // second, a second later, is answered.
    EXPECT_EQ(result, platform::IDOK);
    EXPECT_GE(clock.elapsed(), 2000);
    EXPECT_EQ(radio.sim->frames().size(), 2);
    EXPECT_EQ(radio.sim->frames().last().toHex(), "00000000f7");
    // The caption shows each attempt while it is on the line.
    EXPECT_EQ(titles, QStringList({"Communications Error <=>", "Communications Error", "Communications Error <=>"}));
}

TEST(CommsErrorDialog, CannotBeCancelledAndQuitEndsTheProgram)
{
    Radio radio({QStringLiteral("no-answer:op=F7")});
    ASSERT_TRUE(radio.opened);
    int exitCode = -1;
    CCommsErrorDialog::SetExitHandler([&](int code) { exitCode = code; });
    CCommsErrorDialog dialog(nullptr, &radio.link);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    dialog.close();
    EXPECT_TRUE(dialog.isVisible());
    dialog.Retry();  // unanswered: still open, caption back
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Communications Error");
    EXPECT_EQ(dialog.result(), 0);

    auto* quit = qobject_cast<QPushButton*>(dialog.findChildren<QPushButton*>().value(0));
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(GetDlgCtrlID(quit), 1338u);
    EXPECT_EQ(quit->text(), "Quit Program");
    quit->click();
    EXPECT_EQ(exitCode, 0);
    CCommsErrorDialog::SetExitHandler(nullptr);
}
