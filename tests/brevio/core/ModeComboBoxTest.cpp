// The modulation list re-applies the receive mode to every engine channel
// when the operator chooses, and only then.
#include "brevio/core/DspLibrary.h"
#include "brevio/core/ModeComboBox.h"

#include <gtest/gtest.h>

TEST(ModeComboBox, OperatorsChoiceAppliesTheModeToAllFiftyChannels)
{
    int asked = 0;
    SetRxModeSource([] { return 0; }, [&asked] {
        ++asked;
        return 2;
    });
    CModeComboBox combo;
    combo.AddItem(QStringLiteral("BPSK"), 0);
    combo.AddItem(QStringLiteral("QPSK-LSB"), 2);
    combo.SetCurSel(1);
    combo.SelectByData(0);
    EXPECT_EQ(asked, 0);
    emit combo.activated(1);
    EXPECT_EQ(asked, dsp::kChannelCount);
    SetRxModeSource(nullptr, nullptr);
}
