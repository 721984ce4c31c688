#include "brevio/tools/options/OptionsLogic.h"

#include "brevio/core/Locator.h"

#include <QIODevice>
#include <climits>

namespace PskOptions {

namespace {

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
           c == QLatin1Char('\v') || c == QLatin1Char('\f');
}

// Reads an optionally signed decimal number at pos (after blanks); false
// when no digit follows. The value saturates.
bool ScanInt(const QByteArray& text, int& pos, long long& value)
{
    while (pos < text.size() && IsBlank(QLatin1Char(text[pos])))
        ++pos;
    int p = pos;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    if (p >= text.size() || text[p] < '0' || text[p] > '9')
        return false;
    long long v = 0;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') {
        if (v < 100000000000LL)
            v = v * 10 + (text[p] - '0');
        ++p;
    }
    value = negative ? -v : v;
    pos = p;
    return true;
}

} // namespace

int ReadLeadingInt(const QString& strText)
{
    const QByteArray text = strText.toLatin1();
    int pos = 0;
    long long value = 0;
    if (!ScanInt(text, pos, value))
        return 0;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

QString NotUnsignedMessage()
{
    return QStringLiteral("Please enter a positive integer.");
}

QString RangeMessage(long long nMin, long long nMax)
{
    return QStringLiteral("Please enter an integer between %1 and %2.").arg(nMin).arg(nMax);
}

UnsignedField ReadUnsignedField(const QString& strText, unsigned nMin, unsigned nMax)
{
    UnsignedField field;
    const QString text = strText.trimmed();
    bool digitsOnly = !text.isEmpty();
    for (QChar c : text)
        digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    bool ok = false;
    const unsigned long long value = digitsOnly ? text.toULongLong(&ok) : 0;
    if (!digitsOnly || !ok || value > 0xFFFFFFFFULL) {
        field.result = UnsignedField::kNotUnsigned;
        field.message = NotUnsignedMessage();
        return field;
    }
    field.value = unsigned(value);
    if (field.value < nMin || field.value > nMax) {
        field.result = UnsignedField::kOutOfRange;
        field.message = RangeMessage(nMin, nMax);
    }
    return field;
}

QString TopicLineText(const QString& strLine)
{
    QString line = strLine;
    line.replace(QLatin1Char('@'), QStringLiteral("    "));
    return QStringLiteral("    ") + line;
}

int ListWidthExtra(int nWidestText)
{
    return nWidestText + 25;
}

int CwSpeedButton(int nSpeed)
{
    return nSpeed >= 1 && nSpeed <= 4 ? nSpeed - 1 : 0;
}

int CwSpeedValue(int nButton)
{
    return nButton >= 0 && nButton <= 3 ? nButton + 1 : 1;
}

int SoundcardButton(int nCard)
{
    return nCard >= 0 && nCard <= 3 ? nCard : 4;
}

int SoundcardValue(int nButton)
{
    return nButton >= 0 && nButton <= 3 ? nButton : -1;
}

int PttOptionButton(int bFT817, int bRVL)
{
    if (bFT817)
        return 1;
    return bRVL ? 2 : 0;
}

void PttOptionValues(int nButton, int& bFT817, int& bRVL)
{
    bFT817 = nButton == 1 ? 1 : 0;
    bRVL = nButton == 2 ? 1 : 0;
}

int HundredsPosition(int nValue)
{
    return nValue / 100;
}

int FftModeButton(int nMode)
{
    if (nMode == 0)
        return 0;
    return nMode == 1 ? 1 : 2;
}

int FftModeValue(int nButton, int nClipping)
{
    if (nButton == 0)
        return 0;
    return nButton == 1 ? 1 : nClipping;
}

int SquelchButton(int nSquelch)
{
    if (nSquelch == 1)
        return 1;
    return nSquelch >= 10 && nSquelch <= 200 ? 2 : 0;
}

int SquelchValue(int nButton, int nSlider)
{
    if (nButton == 1)
        return 1;
    return nButton == 2 ? nSlider : 0;
}

int SentTextBits(bool bBold, bool bItalic, bool bStrike, bool bUnderline)
{
    return (bBold ? 1 : 0) | (bItalic ? 2 : 0) | (bStrike ? 4 : 0) | (bUnderline ? 8 : 0);
}

QString TxDelayLabel(int nPosition)
{
    return nPosition == 0 ? QStringLiteral("None") : QStringLiteral("%1 ms").arg(nPosition * 10);
}

QString SecondsLabel(int nPosition)
{
    return QStringLiteral("%1 s").arg(nPosition);
}

QString PercentLabel(int nPosition)
{
    return QStringLiteral("%1%").arg(nPosition);
}

QString WaveInputDevicesText(int nCount)
{
    return QStringLiteral("Waveform-audio input devices present: %1").arg(nCount);
}

QString StoredBrowserNewline(const QString& strText)
{
    return strText.isEmpty() ? QStringLiteral(" ") : strText;
}

int ReadColourFile(QIODevice& file, COLORREF table[256])
{
    int entries = 0;
    for (int i = 0; i < 256; ++i) {
        // One line of at most 255 characters; a longer one goes on as the next.
        QByteArray line;
        bool any = false;
        char c = 0;
        while (line.size() < 255 && file.getChar(&c)) {
            any = true;
            if (c == '\n')
                break;
            if (c != '\r')
                line.append(c);
        }
        if (!any)
            break;
        int values[3] = {0, 0, 0};
        int pos = 0;
        for (int& v : values) {
            long long read = 0;
            if (!ScanInt(line, pos, read))
                break;
            v = int(read);
        }
        table[255 - i] = RGB(values[0] & 0xFF, values[1] & 0xFF, values[2] & 0xFF);
        ++entries;
    }
    return entries;
}

namespace {

QString PadTwo(const QString& strText)
{
    return strText.size() >= 2 ? strText : QString(2 - strText.size(), QLatin1Char('0')) + strText;
}

double ReadDecimal(const QString& strText)
{
    bool ok = false;
    const double value = strText.trimmed().toDouble(&ok);
    return ok ? value : double(ReadLeadingInt(strText));
}

double Degrees(const QString& deg, const QString& min, const QString& sec)
{
    return ReadDecimal(deg) + (ReadDecimal(min) + ReadDecimal(sec) / 60.0) / 60.0;
}

} // namespace

LocatorOutcome ComputeLocator(const LocatorInput& input)
{
    LocatorOutcome out;
    out.latMin = PadTwo(input.latMin);
    out.latSec = PadTwo(input.latSec);
    out.lonMin = PadTwo(input.lonMin);
    out.lonSec = PadTwo(input.lonSec);
    if (ReadLeadingInt(input.latDeg) > 90 || ReadLeadingInt(out.latMin) > 60 || ReadLeadingInt(out.latSec) > 60) {
        out.status = QStringLiteral("Latitude: invalid");
        return out;
    }
    if (ReadLeadingInt(input.lonDeg) > 180 || ReadLeadingInt(out.lonMin) > 60 || ReadLeadingInt(out.lonSec) > 60) {
        out.status = QStringLiteral("Longitude: invalid");
        return out;
    }
    double latitude = Degrees(input.latDeg, out.latMin, out.latSec);
    double longitude = Degrees(input.lonDeg, out.lonMin, out.lonSec);
    if (input.bSouth)
        latitude = -latitude;
    if (input.bEast)
        longitude = -longitude;
    const QString locator = LatLongToLocator(longitude, latitude).toUpper();
    // The pole and the far edge of the grid (90 degrees, 180 degrees with
    // minutes) fall outside the locator alphabet.
    if (locator.size() != 6 || !IsValidLocator(locator)) {
        out.status = QStringLiteral("Error");
        return out;
    }
    out.bComputed = true;
    out.locator = locator;
    return out;
}

QString ExternalLogbookSampleName()
{
    return QStringLiteral("External Logbook Code Sample.txt");
}

QStringList ExternalLogbookSample(bool bEnable, const QString& strClass, unsigned nMsgId, unsigned nLParam,
                                  unsigned nWParam)
{
    constexpr unsigned kWmUser = 1024;
    QStringList lines;
    lines << QStringLiteral("//")
          << QStringLiteral("// PSK31 Brevio - external logbook notification")
          << QStringLiteral("//")
          << QStringLiteral("// After every entry written to its logbook files PSK31 Brevio finds the")
          << QStringLiteral("// top-level window of the class below and posts it the message below.")
          << QStringLiteral("// The receiving program answers nothing; nothing is retried.")
          << QStringLiteral("//")
          << QString()
          << QStringLiteral("// The link is switched on and off on the \"Logbook 2\" options page.")
          << QStringLiteral("BOOL bEnable = %1;").arg(bEnable ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
          << QStringLiteral("if (!bEnable)")
          << QStringLiteral("    return;")
          << QString()
          << QStringLiteral("// Any window title; no parent and no child to start after.")
          << QStringLiteral("HWND hWnd = ::FindWindowEx(NULL, NULL, \"%1\", NULL);").arg(strClass)
          << QStringLiteral("if (hWnd == NULL)")
          << QStringLiteral("    return;")
          << QString()
          << QStringLiteral("UINT nMsgId = %1;   // WM_USER + %2").arg(kWmUser + nMsgId).arg(nMsgId)
          << QStringLiteral("LPARAM lParam = %1;").arg(nLParam)
          << QStringLiteral("WPARAM wParam = %1;").arg(nWParam)
          << QString()
          << QStringLiteral("::PostMessage(hWnd, nMsgId, wParam, lParam);");
    return lines;
}

} // namespace PskOptions
