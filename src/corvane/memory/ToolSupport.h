#pragma once
// Small pieces the EEPROM tools share: the application's CAT link, bitmap
// buttons made with their ids, the highlighted note colours and hexadecimal
// input.
#include "shared/WinTypes.h"

#include <QString>
#include <cstdint>

class CAnimatedButton;
class CCatLink;
class CColourStatic;
class COXBitmapButton;
class QWidget;

namespace ToolSupport {

// The given link, else the application's (nullptr without an application).
CCatLink* Link(CCatLink* pLink = nullptr);

// A push button with a picture from the artwork (pure red is transparent),
// pseudo-disabled so that its tooltip still shows while it is disabled.
COXBitmapButton* BitmapButton(QWidget* pParent, unsigned nId, const QString& strText, int nBitmapId);

// The warning animation of the dialogs that can change the radio's
// calibration (control 1201, strip 263 at six frames a second).
void WarningAnimation(CAnimatedButton* pButton, QWidget* pParent);

// The system's highlight colours, as the notes about radio limits use.
void Highlight(CColourStatic* pStatic);
// The system's button face and text colours.
void ButtonColours(CColourStatic* pStatic);

// A hexadecimal number as typed: an optional "0X"/"0x", then the digits
// from the left up to the first other character; no digit gives 0.
uint32_t HexValue(const QString& strText);

// The 8 bits of a byte, bit 7 first ("10100101").
QString BitsText(uint8_t nByte);

} // namespace ToolSupport
