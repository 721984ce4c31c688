#include "brevio/core/PSK31Settings.h"

#include "brevio/core/MessageBroadcast.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdio>

namespace {

enum class Kind { Integer, String };

struct Row {
    const char* label;
    Kind kind;
    int CPSK31Settings::*pInt;
    QString CPSK31Settings::*pString;
    int nDefault;
    const char* pszDefault;
};

const Row kRows[] = {
    {"PSK31 m_eSpeed ................:", Kind::Integer, &CPSK31Settings::m_eSpeed, nullptr, 0, nullptr},
    {"PSK31 m_bTagsPerChannel .......:", Kind::Integer, &CPSK31Settings::m_bTagsPerChannel, nullptr, 0, nullptr},
    {"PSK31 m_colBrowserBackground ..:", Kind::Integer, &CPSK31Settings::m_colBrowserBackground, nullptr, int(RGB(0, 0, 0)), nullptr},
    {"PSK31 m_colBrowserChBorder ....:", Kind::Integer, &CPSK31Settings::m_colBrowserChBorder, nullptr, int(RGB(255, 255, 255)), nullptr},
    {"PSK31 m_colBrowserChInside ....:", Kind::Integer, &CPSK31Settings::m_colBrowserChInside, nullptr, int(RGB(128, 128, 128)), nullptr},
    {"PSK31 m_colBrowserChText ......:", Kind::Integer, &CPSK31Settings::m_colBrowserChText, nullptr, int(RGB(255, 255, 255)), nullptr},
    {"PSK31 m_colBrowserChConnector .:", Kind::Integer, &CPSK31Settings::m_colBrowserChConnector, nullptr, int(RGB(255, 255, 255)), nullptr},
    {"PSK31 m_colBrowserChSignal ....:", Kind::Integer, &CPSK31Settings::m_colBrowserChSignal, nullptr, int(RGB(255, 255, 255)), nullptr},
    {"PSK31 m_colBrowserChNoSignal ..:", Kind::Integer, &CPSK31Settings::m_colBrowserChNoSignal, nullptr, int(RGB(128, 128, 128)), nullptr},
    {"PSK31 m_colBrowserSeTickNone ..:", Kind::Integer, &CPSK31Settings::m_colBrowserSeTickNone, nullptr, int(RGB(255, 0, 0)), nullptr},
    {"PSK31 m_colBrowserSeTickSome ..:", Kind::Integer, &CPSK31Settings::m_colBrowserSeTickSome, nullptr, int(RGB(255, 255, 0)), nullptr},
    {"PSK31 m_strBrowserFont ........:", Kind::String, nullptr, &CPSK31Settings::m_strBrowserFont, 0, "Courier New,8,0,0"},
    {"PSK31 m_strBrowserNewline .....:", Kind::String, nullptr, &CPSK31Settings::m_strBrowserNewline, 0, ". "},
    {"PSK31 m_nBrowserThChars .......:", Kind::Integer, &CPSK31Settings::m_nBrowserThChars, nullptr, 10, nullptr},
    {"PSK31 m_nBrowserThInactive ....:", Kind::Integer, &CPSK31Settings::m_nBrowserThInactive, nullptr, 30, nullptr},
    {"PSK31 m_nBrowserThSearch ......:", Kind::Integer, &CPSK31Settings::m_nBrowserThSearch, nullptr, 5, nullptr},
    {"PSK31 m_nBrowserTextRepeats ...:", Kind::Integer, &CPSK31Settings::m_nBrowserTextRepeats, nullptr, 1, nullptr},
    {"PSK31 m_bBrowserShVectorData ..:", Kind::Integer, &CPSK31Settings::m_bBrowserShVectorData, nullptr, 1, nullptr},
    {"PSK31 m_bBrowserAlwaysOpt .....:", Kind::Integer, &CPSK31Settings::m_bBrowserAlwaysOpt, nullptr, 0, nullptr},
    {"PSK31 m_bBrowserShSignalLvl ...:", Kind::Integer, &CPSK31Settings::m_bBrowserShSignalLvl, nullptr, 1, nullptr},
    {"PSK31 m_bBrowserShowChNum .....:", Kind::Integer, &CPSK31Settings::m_bBrowserShowChNum, nullptr, 1, nullptr},
    {"PSK31 m_bBrowserToolbarStates .:", Kind::Integer, &CPSK31Settings::m_bBrowserToolbarStates, nullptr, 0, nullptr},
    {"PSK31 m_bBrowserAnimate .......:", Kind::Integer, &CPSK31Settings::m_bBrowserAnimate, nullptr, 1, nullptr},
    {"PSK31 m_strLocator ............:", Kind::String, nullptr, &CPSK31Settings::m_strLocator, 0, ""},
    {"PSK31 m_bLocChannelDistance ...:", Kind::Integer, &CPSK31Settings::m_bLocChannelDistance, nullptr, 1, nullptr},
    {"PSK31 m_bLocChannelHeading ....:", Kind::Integer, &CPSK31Settings::m_bLocChannelHeading, nullptr, 1, nullptr},
    {"PSK31 m_bLocSuperDistance .....:", Kind::Integer, &CPSK31Settings::m_bLocSuperDistance, nullptr, 1, nullptr},
    {"PSK31 m_bLocSuperHeading ......:", Kind::Integer, &CPSK31Settings::m_bLocSuperHeading, nullptr, 0, nullptr},
    {"PSK31 m_bLocUnits .............:", Kind::Integer, &CPSK31Settings::m_bLocUnits, nullptr, 1, nullptr},
    {"PSK31 m_bLocOrbisk ............:", Kind::Integer, &CPSK31Settings::m_bLocOrbisk, nullptr, 1, nullptr},
    {"PSK31 m_strExtLogbookClass ....:", Kind::String, nullptr, &CPSK31Settings::m_strExtLogbookClass, 0, ""},
    {"PSK31 m_bExtLogbookEnable .....:", Kind::Integer, &CPSK31Settings::m_bExtLogbookEnable, nullptr, 0, nullptr},
    {"PSK31 m_nExtLogbookMsgId ......:", Kind::Integer, &CPSK31Settings::m_nExtLogbookMsgId, nullptr, 0, nullptr},
    {"PSK31 m_nExtLogbookLPARAM .....:", Kind::Integer, &CPSK31Settings::m_nExtLogbookLPARAM, nullptr, 0, nullptr},
    {"PSK31 m_nExtLogbookWPARAM .....:", Kind::Integer, &CPSK31Settings::m_nExtLogbookWPARAM, nullptr, 0, nullptr},
    {"PSK31 m_strCWString ...........:", Kind::String, nullptr, &CPSK31Settings::m_strCWString, 0, ""},
    {"PSK31 m_nCWSpeed ..............:", Kind::Integer, &CPSK31Settings::m_nCWSpeed, nullptr, 1, nullptr},
    {"PSK31 m_bCWEnable .............:", Kind::Integer, &CPSK31Settings::m_bCWEnable, nullptr, 0, nullptr},
    {"PSK31 m_strAutosaveDir ........:", Kind::String, nullptr, &CPSK31Settings::m_strAutosaveDir, 0, ""},
    {"PSK31 m_bAutosaveAddDate ......:", Kind::Integer, &CPSK31Settings::m_bAutosaveAddDate, nullptr, 1, nullptr},
    {"PSK31 m_bAutosaveAppend .......:", Kind::Integer, &CPSK31Settings::m_bAutosaveAppend, nullptr, 1, nullptr},
    {"PSK31 m_bAutosaveEnable .......:", Kind::Integer, &CPSK31Settings::m_bAutosaveEnable, nullptr, 0, nullptr},
    {"PSK31 m_bClearTxText ..........:", Kind::Integer, &CPSK31Settings::m_bClearTxText, nullptr, 0, nullptr},
    {"PSK31 m_bCompressBlankLines ...:", Kind::Integer, &CPSK31Settings::m_bCompressBlankLines, nullptr, 1, nullptr},
    {"PSK31 m_bCompressSpaces .......:", Kind::Integer, &CPSK31Settings::m_bCompressSpaces, nullptr, 1, nullptr},
    {"PSK31 m_nDecayClock ...........:", Kind::Integer, &CPSK31Settings::m_nDecayClock, nullptr, 30, nullptr},
    {"PSK31 m_nDecayIMD .............:", Kind::Integer, &CPSK31Settings::m_nDecayIMD, nullptr, 30, nullptr},
    {"PSK31 m_bPTTFT817 .............:", Kind::Integer, &CPSK31Settings::m_bPTTFT817, nullptr, 0, nullptr},
    {"PSK31 m_bPTTRVL ...............:", Kind::Integer, &CPSK31Settings::m_bPTTRVL, nullptr, 0, nullptr},
    {"PSK31 m_nPTTMode ..............:", Kind::Integer, &CPSK31Settings::m_nPTTMode, nullptr, 0, nullptr},
    {"PSK31 m_nPTTPort ..............:", Kind::Integer, &CPSK31Settings::m_nPTTPort, nullptr, 1, nullptr},
    {"PSK31 m_nFFTMode ..............:", Kind::Integer, &CPSK31Settings::m_nFFTMode, nullptr, 10, nullptr},
    {"PSK31 m_nFFTSmoothing .........:", Kind::Integer, &CPSK31Settings::m_nFFTSmoothing, nullptr, 1, nullptr},
    {"PSK31 m_bInactiveString .......:", Kind::Integer, &CPSK31Settings::m_bInactiveString, nullptr, 1, nullptr},
    {"PSK31 m_nInactiveInterval .....:", Kind::Integer, &CPSK31Settings::m_nInactiveInterval, nullptr, 5000, nullptr},
    {"PSK31 m_bTxBackspace ..........:", Kind::Integer, &CPSK31Settings::m_bTxBackspace, nullptr, 1, nullptr},
    {"PSK31 m_nTxDelay ..............:", Kind::Integer, &CPSK31Settings::m_nTxDelay, nullptr, 100, nullptr},
    {"PSK31 m_bTxRxExternal .........:", Kind::Integer, &CPSK31Settings::m_bTxRxExternal, nullptr, 1, nullptr},
    {"PSK31 m_bTxBasic ..............:", Kind::Integer, &CPSK31Settings::m_bTxBasic, nullptr, 1, nullptr},
    {"PSK31 m_nTxSendChars ..........:", Kind::Integer, &CPSK31Settings::m_nTxSendChars, nullptr, 0, nullptr},
    {"PSK31 m_bDate .................:", Kind::Integer, &CPSK31Settings::m_bDate, nullptr, 0, nullptr},
    {"PSK31 m_bUTC ..................:", Kind::Integer, &CPSK31Settings::m_bUTC, nullptr, 1, nullptr},
    {"PSK31 m_bOverloadAdjust 1 .....:", Kind::Integer, &CPSK31Settings::m_bOverloadAdjust, nullptr, 0, nullptr},
    {"PSK31 m_bRxEmoticons ..........:", Kind::Integer, &CPSK31Settings::m_bRxEmoticons, nullptr, 1, nullptr},
    {"PSK31 m_bRxSlashZero ..........:", Kind::Integer, &CPSK31Settings::m_bRxSlashZero, nullptr, 1, nullptr},
    {"PSK31 m_nRxSquelch ............:", Kind::Integer, &CPSK31Settings::m_nRxSquelch, nullptr, 0, nullptr},
    {"PSK31 m_nSoundcardNum .........:", Kind::Integer, &CPSK31Settings::m_nSoundcardNum, nullptr, 0, nullptr},
    {"PSK31 m_bSoundcardEchoInput ...:", Kind::Integer, &CPSK31Settings::m_bSoundcardEchoInput, nullptr, 0, nullptr},
    {"PSK31 m_bSoundcardEchoOutput ..:", Kind::Integer, &CPSK31Settings::m_bSoundcardEchoOutput, nullptr, 1, nullptr},
    {"PSK31 m_nSoundcardClockAdjust .:", Kind::Integer, &CPSK31Settings::m_nSoundcardClockAdjust, nullptr, 0, nullptr},
    {"PSK31 m_colSigActive ..........:", Kind::Integer, &CPSK31Settings::m_colSigActive, nullptr, int(RGB(255, 255, 255)), nullptr},
    {"PSK31 m_colSigBackground ......:", Kind::Integer, &CPSK31Settings::m_colSigBackground, nullptr, int(RGB(192, 192, 192)), nullptr},
    {"PSK31 m_colSigGripper .........:", Kind::Integer, &CPSK31Settings::m_colSigGripper, nullptr, int(RGB(0, 0, 0)), nullptr},
    {"PSK31 m_colSigSquelch .........:", Kind::Integer, &CPSK31Settings::m_colSigSquelch, nullptr, int(RGB(128, 128, 128)), nullptr},
    {"PSK31 m_colRxBg ...............:", Kind::Integer, &CPSK31Settings::m_colRxBg, nullptr, int(RGB(255, 250, 241)), nullptr},
    {"PSK31 m_colRxRx ...............:", Kind::Integer, &CPSK31Settings::m_colRxRx, nullptr, int(RGB(64, 64, 0)), nullptr},
    {"PSK31 m_colRxTx ...............:", Kind::Integer, &CPSK31Settings::m_colRxTx, nullptr, int(RGB(0, 0, 0)), nullptr},
    {"PSK31 m_colRxTi ...............:", Kind::Integer, &CPSK31Settings::m_colRxTi, nullptr, int(RGB(96, 96, 96)), nullptr},
    {"PSK31 m_nSentText .............:", Kind::Integer, &CPSK31Settings::m_nSentText, nullptr, 4, nullptr},
    {"PSK31 m_strFontRxRx ...........:", Kind::String, nullptr, &CPSK31Settings::m_strFontRxRx, 0, "Courier New,10,1,0"},
    {"PSK31 m_strFontRxTx ...........:", Kind::String, nullptr, &CPSK31Settings::m_strFontRxTx, 0, "Courier New,10,0,0"},
    {"PSK31 m_strFontRxTi ...........:", Kind::String, nullptr, &CPSK31Settings::m_strFontRxTi, 0, "Courier New,10,0,0"},
    {"PSK31 m_colDisplayBack ........:", Kind::Integer, &CPSK31Settings::m_colDisplayBack, nullptr, int(RGB(0, 0, 0)), nullptr},
    {"PSK31 m_colDisplayText ........:", Kind::Integer, &CPSK31Settings::m_colDisplayText, nullptr, int(RGB(255, 255, 255)), nullptr},
    {"PSK31 m_bDisableScreenSaver ...:", Kind::Integer, &CPSK31Settings::m_bDisableScreenSaver, nullptr, 0, nullptr},
    {"PSK31 m_nDisplaySpectrumHeight :", Kind::Integer, &CPSK31Settings::m_nDisplaySpectrumHeight, nullptr, 35, nullptr},
    {"PSK31 m_nDisplayMax ...........:", Kind::Integer, &CPSK31Settings::m_nDisplayMax, nullptr, 3000, nullptr},
    {"PSK31 m_nDisplayMin ...........:", Kind::Integer, &CPSK31Settings::m_nDisplayMin, nullptr, 100, nullptr},
    {"PSK31 m_nDisplayMode ..........:", Kind::Integer, &CPSK31Settings::m_nDisplayMode, nullptr, 0, nullptr},
    {"PSK31 m_bDisplayGrid ..........:", Kind::Integer, &CPSK31Settings::m_bDisplayGrid, nullptr, 1, nullptr},
    {"PSK31 m_bDisplayRealFrequency .:", Kind::Integer, &CPSK31Settings::m_bDisplayRealFrequency, nullptr, 0, nullptr},
    {"PSK31 m_bDisplaySpectrum ......:", Kind::Integer, &CPSK31Settings::m_bDisplaySpectrum, nullptr, 1, nullptr},
    {"PSK31 m_bInputEnable ..........:", Kind::Integer, &CPSK31Settings::m_bInputEnable, nullptr, 0, nullptr},
    {"PSK31 m_nInputOffset ..........:", Kind::Integer, &CPSK31Settings::m_nInputOffset, nullptr, 0, nullptr},
    {"PSK31 m_bInputRepeat ..........:", Kind::Integer, &CPSK31Settings::m_bInputRepeat, nullptr, 0, nullptr},
    {"PSK31 m_bOutputEnable .........:", Kind::Integer, &CPSK31Settings::m_bOutputEnable, nullptr, 0, nullptr},
    {"PSK31 m_bOutputAppend .........:", Kind::Integer, &CPSK31Settings::m_bOutputAppend, nullptr, 0, nullptr},
    {"PSK31 m_nOutputLimit ..........:", Kind::Integer, &CPSK31Settings::m_nOutputLimit, nullptr, 100, nullptr},
    {"PSK31 m_strDisplayFont ........:", Kind::String, nullptr, &CPSK31Settings::m_strDisplayFont, 0, "Courier New,8,0,1"},
    {"PSK31 m_strDisplayColourFile ..:", Kind::String, nullptr, &CPSK31Settings::m_strDisplayColourFile, 0, ""},
    {"PSK31 m_strColourTable ........:", Kind::String, nullptr, &CPSK31Settings::m_strColourTable, 0, ""},
    {"PSK31 m_strInputWaveFile ......:", Kind::String, nullptr, &CPSK31Settings::m_strInputWaveFile, 0, ""},
    {"PSK31 m_strOutputWaveFile .....:", Kind::String, nullptr, &CPSK31Settings::m_strOutputWaveFile, 0, ""},
    {"PSK31 m_bLogbookConfirm .......:", Kind::Integer, &CPSK31Settings::m_bLogbookConfirm, nullptr, 1, nullptr},
    {"PSK31 m_bLogbookEnable1 .......:", Kind::Integer, &CPSK31Settings::m_bLogbookEnable1, nullptr, 0, nullptr},
    {"PSK31 m_bLogbookEnable2 .......:", Kind::Integer, &CPSK31Settings::m_bLogbookEnable2, nullptr, 0, nullptr},
    {"PSK31 m_bLogbookInclude1 ......:", Kind::Integer, &CPSK31Settings::m_bLogbookInclude1, nullptr, 0, nullptr},
    {"PSK31 m_bLogbookInclude2 ......:", Kind::Integer, &CPSK31Settings::m_bLogbookInclude2, nullptr, 0, nullptr},
    {"PSK31 m_strLogbookFile1 .......:", Kind::String, nullptr, &CPSK31Settings::m_strLogbookFile1, 0, ""},
    {"PSK31 m_strLogbookFile2 .......:", Kind::String, nullptr, &CPSK31Settings::m_strLogbookFile2, 0, ""},};
constexpr int kRowCount = int(sizeof(kRows) / sizeof(kRows[0]));
static_assert(kRowCount == 110, "the option table has 110 rows");

const QString kValuePrefix = QStringLiteral("PSK31Options 2.2 ");

// Piecewise-linear course of one colour component over the 256 entries of the
// default waterfall ramp: black, rising blue, a dip of the blue while red and
// green come up, then on to white.
struct Knot {
    int index;
    int value;
};
int Interpolate(const Knot* knots, int count, int index)
{
    for (int k = 1; k < count; ++k) {
        if (index <= knots[k].index) {
            const Knot& a = knots[k - 1];
            const Knot& b = knots[k];
            if (b.index == a.index)
                return b.value;
            // Rounded to the nearest integer, halves upwards.
            const int num = (b.value - a.value) * (index - a.index);
            const int den = b.index - a.index;
            const int step = num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den));
            return a.value + step;
        }
    }
    return knots[count - 1].value;
}
const Knot kRed[] = {{0, 0}, {58, 0}, {64, 11}, {96, 39}, {128, 95}, {160, 151}, {192, 187}, {224, 219}, {255, 255}};
const Knot kGreen[] = {{0, 0}, {58, 0}, {64, 11}, {96, 51}, {128, 115}, {160, 179}, {192, 203}, {224, 227}, {255, 255}};
const Knot kBlue[] = {{0, 0},    {1, 0},     {32, 123},  {54, 211},  {56, 203}, {64, 195},
                      {96, 159}, {98, 155},  {101, 155}, {128, 207}, {151, 255}, {255, 255}};

QPointer<QWidget>& BroadcastTarget()
{
    static QPointer<QWidget> target;
    return target;
}
void (*g_pfnRefreshPages)() = nullptr;

} // namespace

CPSK31Settings::CPSK31Settings()
{
    Exchange(Defaults);
}

void CPSK31Settings::Exchange(int nMode)
{
    if (nMode == Defaults)
        SetDefaultColourTable();
    if (nMode == SaveRegistry)
        m_strColourTable = FormatColourTable();

    CRegistry registry;
    for (const Row& row : kRows) {
        const QString name = kValuePrefix + QLatin1String(row.label);
        switch (nMode) {
        case Defaults:
            if (row.kind == Kind::Integer)
                this->*row.pInt = row.nDefault;
            else
                this->*row.pString = QString::fromLatin1(row.pszDefault);
            break;
        case LoadRegistry:
            if (row.kind == Kind::Integer)
                this->*row.pInt = registry.GetInt(name, row.nDefault);
            else
                this->*row.pString = registry.GetString(name, QString::fromLatin1(row.pszDefault));
            break;
        case SaveRegistry:
            if (row.kind == Kind::Integer)
                registry.WriteInt(name, this->*row.pInt);
            else
                registry.WriteString(name, this->*row.pString);
            break;
        default:
            break;
        }
    }

    if (nMode == LoadRegistry) {
        ParseColourTable(m_strColourTable);
        // Wave-file input never survives a restart.
        m_bInputEnable = 0;
    }
}

COLORREF CPSK31Settings::GetColour(int nIndex) const
{
    return nIndex >= 0 && nIndex < 256 ? m_colColourTable[nIndex] : 0;
}

void CPSK31Settings::SetColour(int nIndex, COLORREF colour)
{
    if (nIndex >= 0 && nIndex < 256)
        m_colColourTable[nIndex] = colour;
}

void CPSK31Settings::SetDefaultColourTable()
{
    for (int i = 0; i < 256; ++i)
        m_colColourTable[i] = RGB(Interpolate(kRed, int(std::size(kRed)), i),
                                  Interpolate(kGreen, int(std::size(kGreen)), i),
                                  Interpolate(kBlue, int(std::size(kBlue)), i));
}

QString CPSK31Settings::FormatColourTable() const
{
    QStringList items;
    items.reserve(256);
    for (COLORREF c : m_colColourTable)
        items.append(QStringLiteral("%1 %2 %3").arg(GetRValue(c)).arg(GetGValue(c)).arg(GetBValue(c)));
    return items.join(QLatin1Char(','));
}

void CPSK31Settings::ParseColourTable(const QString& strText)
{
    if (strText.isEmpty())
        return;
    const QStringList items = strText.split(QLatin1Char(','));
    for (int i = 0; i < items.size() && i <= 255; ++i) {
        // "%d %d %d": each number that cannot be read counts as 0.
        int v[3] = {0, 0, 0};
        const QByteArray item = items[i].toLatin1();
        std::sscanf(item.constData(), "%d %d %d", &v[0], &v[1], &v[2]);
        m_colColourTable[i] = COLORREF(v[0] & 0xFF) + COLORREF(v[1] & 0xFF) * 256 + COLORREF(v[2] & 0xFF) * 65536;
    }
}

int CPSK31Settings::RowCount()
{
    return kRowCount;
}

QString CPSK31Settings::RowValueName(int nRow)
{
    return nRow >= 0 && nRow < kRowCount ? kValuePrefix + QLatin1String(kRows[nRow].label) : QString();
}

QString CPSK31Settings::RowMember(int nRow)
{
    if (nRow < 0 || nRow >= kRowCount)
        return {};
    // The label is "PSK31 " + member + blank + dots + ":".
    QString label = QLatin1String(kRows[nRow].label).mid(6);
    return label.left(label.indexOf(QLatin1Char(' ')));
}

bool CPSK31Settings::RowIsString(int nRow)
{
    return nRow >= 0 && nRow < kRowCount && kRows[nRow].kind == Kind::String;
}

QString CPSK31Settings::RowText(int nRow) const
{
    if (nRow < 0 || nRow >= kRowCount)
        return {};
    const Row& row = kRows[nRow];
    return row.kind == Kind::String ? this->*row.pString : QString::number(this->*row.pInt);
}

void CPSK31Settings::SetRowText(int nRow, const QString& strValue)
{
    if (nRow < 0 || nRow >= kRowCount)
        return;
    const Row& row = kRows[nRow];
    if (row.kind == Kind::String)
        this->*row.pString = strValue;
    else
        this->*row.pInt = strValue.toInt();
}

CPSK31Settings& CurrentSettings()
{
    static CPSK31Settings settings;
    return settings;
}

CPSK31Settings& PreviousSettings()
{
    static CPSK31Settings settings;
    return settings;
}

void SetSettingsBroadcastTarget(QWidget* pMainWindow)
{
    BroadcastTarget() = pMainWindow;
}

void SetOptionsPagesRefresher(void (*pfnRefresh)())
{
    g_pfnRefreshPages = pfnRefresh;
}

void SaveAndAnnounceSettings()
{
    CurrentSettings().Save();
    QWidget* target = BroadcastTarget();
    if (target) {
        SendMessageToDescendants(target, RegisteredMessage::nMsgOptions, 0, 0, true);
        PostRegisteredMessage(target, RegisteredMessage::nMsgLocator, 0, 0);
    }
    // The previous values become an in-memory copy of what was just applied.
    // Re-reading them from the store would clear the wave-file input flag
    // there, so every later, unrelated change would look like a sound-card
    // change and restart the card (rewinding the input file).
    PreviousSettings() = CurrentSettings();
}

void SaveAndBroadcastSettings()
{
    SaveAndAnnounceSettings();
    if (g_pfnRefreshPages)
        g_pfnRefreshPages();
}
