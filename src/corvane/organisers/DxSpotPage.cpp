#include "corvane/organisers/DxSpotPage.h"

namespace {
const CDxSpotPage::Page kPages[CDxSpotPage::kPageCount] = {
    {"25 DX", "/dxs/dx25.html?"},
    {"250 DX", "/dxs/dx250.html?"},
    {"50 HF", "/dxs/hfdx25.html?"},
    {"50 HF CW", "/dxs/hfcwdx50.html?"},
    {"50 HF Phone", "/dxs/hffonedx50.html?"},
    {"50 VHF", "/dxs/vhfdx25.html?"},
    {"50 VHF CW", "/dxs/vhfcwdx50.html?"},
    {"50 VHF Phone", "/dxs/vhffonedx50.html?"},
    {"137kHz", "/dxs/137.html"},
    {"1.8MHz", "/dxs/1.html"},
    {"3.5MHz", "/dxs/3.html?"},
    {"7MHz", "/dxs/7.html?"},
    {"10MHz", "/dxs/10.html?"},
    {"14MHz", "/dxs/14.html?"},
    {"18MHz", "/dxs/18.html?"},
    {"21MHz", "/dxs/21.html?"},
    {"24MHz", "/dxs/24.html?"},
    {"28MHz", "/dxs/28.html?"},
    {"50MHz", "/dxs/50.html?"},
    {"70MHz", "/dxs/70.html?"},
    {"144MHz", "/dxs/144.html?"},
    {"430MHz", "/dxs/430.html?"},
    {"1.2GHz", "/dxs/1g2.html?"},
    {"10GHz", "/dxs/10g.html?"},
    {"Beacon", "/dxs/beacon.html?"},
    {"Digital", "/dxs/digi.html?"},
    {"IOTA", "/dxs/iota.html?"},
    {"QRP", "/dxs/qrp.html?"},
    {"Satellite", "/dxs/sat.html?"},
};

// Spot line columns (character positions from 0).
constexpr int kHeadLength = 17;
constexpr int kSplitWithoutBlank = 9;
constexpr int kDxFirst = 18, kDxCount = 12;
constexpr int kCommentFirst = 30, kCommentCount = 30;
constexpr int kTimeFirst = 60, kTimeCount = 11;
constexpr uint32_t kHighestKhz = 500000;
} // namespace

const CDxSpotPage::Page* CDxSpotPage::Pages()
{
    return kPages;
}

QStringList CDxSpotPage::PageNames()
{
    QStringList names;
    for (const Page& page : kPages)
        names << QString::fromLatin1(page.pName);
    return names;
}

QString CDxSpotPage::PathOf(const QString& strName)
{
    for (const Page& page : kPages)
        if (strName == QLatin1String(page.pName))
            return QString::fromLatin1(page.pPath);
    return {};
}

QString CDxSpotPage::Address(const QString& strHost, const QString& strPath)
{
    return QStringLiteral("http://") + strHost.trimmed() + strPath;
}

QString CDxSpotPage::GetCell(const QString& strLine, int nFirst, int nCount)
{
    if (strLine.size() <= nFirst)
        return {};
    return strLine.mid(nFirst, nCount).trimmed();
}

CDxSpotPage::Spot CDxSpotPage::ParseSpotLine(const QString& strLine)
{
    Spot spot;
    const QString head = strLine.left(kHeadLength);
    int split = int(head.lastIndexOf(QLatin1Char(' ')));
    if (split < 0)
        split = kSplitWithoutBlank;
    QString spotter = head.left(split);
    while (!spotter.isEmpty() && spotter.back() == QLatin1Char(' '))
        spotter.chop(1);
    spot.strSpotter = spotter;
    // The frequency keeps the blank it was cut at, so it lines up on the right.
    QString frequency = head.mid(split);
    if (!frequency.contains(QLatin1Char('.')))
        frequency += QStringLiteral(".0");
    else if (frequency.endsWith(QLatin1Char('.')))
        frequency += QLatin1Char('0');
    spot.strFrequency = frequency;
    spot.strDx = GetCell(strLine, kDxFirst, kDxCount);
    spot.strTime = GetCell(strLine, kTimeFirst, kTimeCount);
    spot.strComment = GetCell(strLine, kCommentFirst, kCommentCount);
    return spot;
}

CDxSpotPage::Parsed CDxSpotPage::ParseLines(const QStringList& lines)
{
    Parsed parsed;
    bool inBlock = false;
    for (const QString& line : lines) {
        const qsizetype heading = line.indexOf(QLatin1String("<H4>"));
        if (heading >= 0) {
            QString caption = line.mid(heading + 4);
            const qsizetype tag = caption.indexOf(QLatin1Char('<'));
            if (tag > 0)
                caption = caption.left(tag);
            parsed.strCaption = caption;
        }
        if (!inBlock) {
            const qsizetype pre = line.indexOf(QLatin1String("<PRE>"));
            if (pre >= 0) {
                inBlock = true;
                const QString rest = line.mid(pre + 5);
                if (!rest.isEmpty())
                    parsed.spots.append(ParseSpotLine(rest));
            }
            continue;
        }
        if (line.contains(QLatin1String("</PRE>")))
            inBlock = false;
        else if (!line.isEmpty())
            parsed.spots.append(ParseSpotLine(line));
    }
    return parsed;
}

bool CDxSpotPage::FrequencyToHz(const QString& strFrequency, uint32_t& nHz)
{
    int i = 0;
    while (i < strFrequency.size() && strFrequency[i] == QLatin1Char(' '))
        ++i;
    uint64_t khz = 0;
    int digits = 0;
    while (i < strFrequency.size() && strFrequency[i].isDigit() && khz <= kHighestKhz) {
        khz = khz * 10 + uint64_t(strFrequency[i].digitValue());
        ++i;
        ++digits;
    }
    // A cell without a number is not tuned to 0 Hz.
    if (digits == 0 || khz > kHighestKhz)
        return false;
    uint64_t hz = khz * 1000;
    const qsizetype dot = strFrequency.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QString fraction = (strFrequency.mid(dot + 1) + QStringLiteral("000")).left(3);
        int value = 0;
        for (const QChar c : fraction) {
            if (!c.isDigit())
                break;
            value = value * 10 + c.digitValue();
        }
        hz += uint64_t(value);
    }
    nHz = uint32_t(hz);
    return true;
}
