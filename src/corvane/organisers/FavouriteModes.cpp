#include "corvane/organisers/FavouriteModes.h"

#include "shared/ui/OwnComboBox.h"

#include <QSignalBlocker>

void FavouriteModes::Fill(COwnComboBox& combo)
{
    static const struct {
        const char* text;
        uint8_t code;
    } modes[] = {{"LSB", 0}, {"USB", 1}, {"CW", 2}, {"CWR", 3}, {"AM", 4},
                 {"FM", 8},  {"WFM", 6}, {"DIG", 10}, {"PKT", 12}};
    const QSignalBlocker block(&combo);
    combo.ResetContent();
    for (const auto& m : modes)
        combo.AddItem(QString::fromLatin1(m.text), m.code);
}

void FavouriteModes::Select(COwnComboBox& combo, uint8_t nMode)
{
    const QSignalBlocker block(&combo);
    for (int i = 0; i < combo.count(); ++i) {
        if (combo.GetItemData(i) == nMode) {
            combo.SetCurSel(i);
            return;
        }
    }
    combo.SetCurSel(0);
}
