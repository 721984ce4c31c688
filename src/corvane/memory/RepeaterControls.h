#pragma once
// The repeater sheet's vocabulary: the standard offsets, the offset field,
// and the CTCSS and DCS lists.
#include <QString>
#include <QStringList>
#include <cstdint>

class CFrequencyEdit;
class COwnComboBox;
class QListWidget;

namespace RepeaterControls {

// "Select..." (0) and the standard offsets with their Hz as item data.
void FillStandardOffsets(COwnComboBox* pList);
// Mask "##.###.## MHz", prompt '_', no automatic advance, the display font,
// 10 Hz a digit.
void SetUpOffsetEdit(CFrequencyEdit* pEdit);
// The offset (10 Hz units) as seven digits, validated.
void ShowOffset(CFrequencyEdit* pEdit, uint32_t nTenHz);
// A standard offset chosen: into the field, the list back to "Select...";
// FALSE for "Select...".
bool ChooseStandardOffset(COwnComboBox* pList, CFrequencyEdit* pEdit);
// A multi-column list of tone or code texts, columns 3/2 of the widest text.
void FillToneList(QListWidget* pList, const QStringList& texts);
// Selects an index without the selection notifications.
void SelectIndex(QListWidget* pList, int nIndex);

} // namespace RepeaterControls
