#pragma once
// What the options pages do with their values, apart from the controls:
// how a stored value picks a radio button or a slider position and back,
// the texts of labels, the reading of numbers typed into edits, the
// page-list lines, the colour-file reader, the own-locator computation and
// the code sample of the external logbook link.
#include "shared/WinTypes.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace PskOptions {

// ---- numbers typed into edits

// The C library's atoi: leading blanks skipped, an optional sign, digits up
// to the first other character; 0 without digits. Saturates at the int range.
int ReadLeadingInt(const QString& strText);

// An unsigned value typed into an edit, checked as the dialog exchange
// checks it: blanks around the number are allowed, anything else (a sign,
// letters, an empty field) fails with kNotUnsigned; a number outside
// [nMin, nMax] fails with kOutOfRange and the range message.
struct UnsignedField {
    enum Result { kOk, kNotUnsigned, kOutOfRange };
    Result result = kOk;
    unsigned value = 0;
    QString message;  // empty when kOk
};
UnsignedField ReadUnsignedField(const QString& strText, unsigned nMin, unsigned nMax);
QString NotUnsignedMessage();                        // "Please enter a positive integer."
QString RangeMessage(long long nMin, long long nMax);  // "Please enter an integer between %1 and %2."

// ---- page list

// A topic line as the list shows it: four blanks in front, every "@" four blanks.
QString TopicLineText(const QString& strLine);
// The sheet widens by the widest caption or topic line plus 25 pixels.
int ListWidthExtra(int nWidestText);

// ---- radio groups and sliders (button index <-> stored value)

// CW speed 1..4 <-> buttons 0..3; anything else shows the first button.
int CwSpeedButton(int nSpeed);
int CwSpeedValue(int nButton);
// Card 0..3 <-> buttons 0..3, button 4 "Auto-detect" = -1 (and any other value).
int SoundcardButton(int nCard);
int SoundcardValue(int nButton);
// PTT option buttons 0 COM port, 1 FT-817, 2 Ravelin.
int PttOptionButton(int bFT817, int bRVL);
void PttOptionValues(int nButton, int& bFT817, int& bRVL);
// Spin positions of values stepping by 100, truncated toward zero.
int HundredsPosition(int nValue);
// Waterfall data mode: buttons 0 root, 1 log, 2 log with clipping.
int FftModeButton(int nMode);
int FftModeValue(int nButton, int nClipping);
// Squelch speed: buttons 0 fast, 1 slow, 2 variable (the slider's value).
int SquelchButton(int nSquelch);
int SquelchValue(int nButton, int nSlider);
// Sent-text style bits 1 bold, 2 italic, 4 strike-out, 8 underline.
int SentTextBits(bool bBold, bool bItalic, bool bStrike, bool bUnderline);

// ---- labels

QString TxDelayLabel(int nPosition);  // "None" or "%d ms" of position x 10
QString SecondsLabel(int nPosition);  // "%d s"
QString PercentLabel(int nPosition);  // "%d%%"
QString WaveInputDevicesText(int nCount);

// An empty newline replacement is kept as one blank.
QString StoredBrowserNewline(const QString& strText);

// ---- colour files

// Reads up to 256 lines of "r g b" into the table from the top entry (255)
// down; entries the file does not reach keep their colours. Lines longer
// than 255 characters are read in pieces of 255, as the line reader did.
// Returns the number of entries set.
int ReadColourFile(QIODevice& file, COLORREF table[256]);

// ---- own locator from a position

struct LocatorInput {
    QString latDeg, latMin, latSec;
    bool bSouth = false;
    QString lonDeg, lonMin, lonSec;
    bool bEast = false;
};
struct LocatorOutcome {
    // Minutes and seconds padded to two characters.
    QString latMin, latSec, lonMin, lonSec;
    QString status;   // "", "Latitude: invalid", "Longitude: invalid" or "Error"
    bool bComputed = false;
    QString locator;  // six upper-case characters when computed
};
LocatorOutcome ComputeLocator(const LocatorInput& input);

// ---- external logbook link

// The code fragment for the supplier of the receiving program.
QStringList ExternalLogbookSample(bool bEnable, const QString& strClass, unsigned nMsgId, unsigned nLParam,
                                  unsigned nWParam);
QString ExternalLogbookSampleName();  // "External Logbook Code Sample.txt"

} // namespace PskOptions
