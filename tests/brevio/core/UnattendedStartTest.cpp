// BREVIO_AUTOSTART: the start-up dialog takes the stored choices by itself.
#include "platform/Program.h"
#include "brevio/core/CustomiseDialog.h"
#include "brevio/core/PSK31Settings.h"
#include "shared/Registry.h"
#include "support/ScriptedPrompter.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(UnattendedStart, TheStartupDialogTakesTheStoredChoices)
{
    platform::setProgram(platform::brevioIdentity());
    CurrentSettings().SetDefaults();
    CurrentSettings().m_bPTTFT817 = 1;
    CRegistry().WriteBool(QStringLiteral("Started at least once"), 1);
    qputenv("BREVIO_AUTOSTART", "1");
    int result = -1;
    int layout = -1;
    {
        CCustomiseDialog dialog(nullptr);
        // Had it waited for a hand, this would end it as cancelled.
        QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(QDialog::Rejected); });
        result = dialog.exec();
        layout = dialog.GetLayout();
    }
    qunsetenv("BREVIO_AUTOSTART");
    EXPECT_EQ(result, int(QDialog::Accepted));
    EXPECT_EQ(layout, 2);  // the previous session's layout
    EXPECT_EQ(CurrentSettings().m_bPTTFT817, 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    // Without it the dialog waits for the operator.
    CCustomiseDialog dialog(nullptr);
    QTimer::singleShot(300, &dialog, [&dialog] { dialog.done(QDialog::Rejected); });
    EXPECT_EQ(dialog.exec(), int(QDialog::Rejected));
    CurrentSettings().SetDefaults();
    platform::setProgram(platform::corvaneIdentity());
}

} // namespace
