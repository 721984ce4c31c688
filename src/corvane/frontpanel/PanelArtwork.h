#pragma once
// The front panel's pictures, drawn in code as black shapes on white (the
// frequency display recolours them): seven-segment digits in four sizes,
// the small meter-row glyphs, the status indicators, and the arrow pictures
// of the panel's buttons. Looked up by resource id.
#include <QImage>
#include <QSize>

namespace PanelArtwork {

// The picture of a resource id; null when the id is not one of ours.
QImage Bitmap(int nId);
// Registers the button pictures (165, 166, 168, 171, 187, 188, 359, 360,
// 363, 364) with the program's artwork so that bitmap buttons find them.
void RegisterButtonPictures();

// Resource ids of the digit sets: size s, index i (0 point, 1 point-width
// blank, 2 blank digit, 3..12 digits 0..9).
int DigitGlyphId(int nSize, int nIndex);
// Small glyphs: S, spacer, plus, digits 0..9, Pwr, down and up arrows.
constexpr int kSmallS = 156, kSmallSpacer = 158, kSmallPlus = 157, kSmallPwr = 334, kSmallDown = 162, kSmallUp = 161;
int SmallDigitId(int nDigit);
// The 15 indicators, in display order.
int IndicatorId(int nIndex);

} // namespace PanelArtwork
