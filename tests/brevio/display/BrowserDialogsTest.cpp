// The quick channel selection's list of macros, and the larger
// channel-and-macro selection and the popup channel window, components the
// running program keeps but does not open.
#include "brevio/display/BrowserPopup.h"
#include "brevio/display/BrowserQuick.h"
#include "brevio/display/BrowserToChannel.h"

#include "platform/Program.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/PSK31Settings.h"
#include "shared/Registry.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {
class BrowserDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        CurrentSettings().SetDefaults();
        Macros().RemoveAll();
    }
    void TearDown() override
    {
        Macros().RemoveAll();
        platform::setProgram(platform::corvaneIdentity());
    }
};
} // namespace

// The operator numbers macros: "Macro 2" comes before "Macro 10", and
// letter case does not split the list.
TEST_F(BrowserDialogs, QuickSelectionListsTheEnabledMacrosInTheOrderOfTheirNumbers)
{
    for (const char* title : {"Macro 10", "macro 3", "Macro 2", "Macro 19", "Off 1", "Macro 1", "CQ", "Macro 11"})
        Macros().Add(QString::fromLatin1(title), QString(), {QStringLiteral("x")}, false, false, false, false,
                     QLatin1String(title) != QLatin1String("Off 1"), false);
    CRegistry().WriteString(QStringLiteral("CBrowserQuick::m_strMacro"), QStringLiteral("Macro 11"));
    CBrowserQuick dialog(nullptr);
    ASSERT_TRUE(dialog.OnInitDialog());
    QStringList listed;
    for (int i = 0; i < dialog.MacroList()->count(); ++i)
        listed << dialog.MacroList()->itemText(i);
    EXPECT_EQ(listed, QStringList({QStringLiteral("CQ"), QStringLiteral("Macro 1"), QStringLiteral("Macro 2"),
                                   QStringLiteral("macro 3"), QStringLiteral("Macro 10"), QStringLiteral("Macro 11"),
                                   QStringLiteral("Macro 19")}));
    EXPECT_EQ(dialog.MacroList()->currentText(), QStringLiteral("Macro 11"));
}

TEST_F(BrowserDialogs, ChannelAndMacroSelection)
{
    Macros().Add(QStringLiteral("CQ"), QString(), {QStringLiteral("cq")}, false, false, false, false, 1, false);
    Macros().Add(QStringLiteral("Off"), QString(), {QStringLiteral("x")}, false, false, false, false, 0, false);
    Macros().Add(QStringLiteral("Reply"), QString(), {QStringLiteral("<Callsign>")}, false, true, false, false, 1,
                 false);
    CRegistry().WriteString(QStringLiteral("CBrowserToChannel::m_strMacro"), QStringLiteral("Reply"));
    CBrowserToChannel dialog(nullptr);
    dialog.show();
    // Enabled macros only, the always-prompt one with its picture; the remembered one selected.
    ASSERT_EQ(dialog.List()->GetItemCount(), 2);
    EXPECT_EQ(dialog.List()->GetItemImage(1), 2);
    EXPECT_EQ(dialog.List()->GetSelectedItemText(0), QStringLiteral("Reply"));
    // The default channel is "Next Free".
    EXPECT_TRUE(dialog.ChannelRadio(9)->isChecked());
    dialog.ChannelRadio(2)->setChecked(true);
    dialog.List()->DeselectAll();
    dialog.List()->SelectItem(0, true);
    dialog.OnLaunch();
    EXPECT_TRUE(dialog.m_bLaunch);
    EXPECT_EQ(dialog.m_strMacro, QStringLiteral("CQ"));
    EXPECT_EQ(dialog.m_nChannel, 2);
    const CRegistry reg;
    EXPECT_EQ(reg.GetInt(QStringLiteral("CBrowserToChannel::m_nChannel"), 0), 2);
    EXPECT_EQ(reg.GetString(QStringLiteral("CBrowserToChannel::m_strMacro")), QStringLiteral("CQ"));
    EXPECT_TRUE(reg.GetBool(QStringLiteral("CBrowserToChannel::m_bLaunch"), false));
}

TEST_F(BrowserDialogs, PopupHostsAChannelView)
{
    CBrowserPopup popup(nullptr);
    ASSERT_TRUE(popup.OnInitDialog());
    ASSERT_NE(popup.GetChannelView(), nullptr);
    popup.show();
    popup.resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(popup.GetChannelView()->geometry(), popup.rect());
}
