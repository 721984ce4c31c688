#include "corvane/frontpanel/FrequencyDisplay.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/PanelArtwork.h"
#include "corvane/frontpanel/PanelFonts.h"
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

const char* const CFrequencyDisplay::kCtcssTones[50] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

const char* const CFrequencyDisplay::kDcsCodes[104] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

namespace {
// Indicator table: does the next share this one's place; does it stay in
// memory mode without a channel.
const bool kSharesNext[15] = {true, false, true, false, false, false, false, false, true, true, true, false,
                              false, false, false};
const bool kShownWithoutChannel[15] = {true, true, false, false, false, false, false, true, true, true, true, true,
                                       true, true, true};
constexpr int kIndicatorHeight = 16;
// Nibble shifts of the eight digits, 100 MHz first: first reply byte lowest.
const int kNibbleShift[8] = {4, 0, 12, 8, 20, 16, 28, 24};
} // namespace

CFrequencyDisplay::CFrequencyDisplay(QWidget* parent, bool bLarge) : QWidget(parent)
{
    const CSettings& settings = GetSettings();
    m_colBackground = settings.m_colFreqBackground;
    m_colForeground = settings.m_colFreqForeground;
    m_colBar = settings.m_colSMeterBar;
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int s = 0; s < 4; ++s) {
        const QImage point = PanelArtwork::Bitmap(PanelArtwork::DigitGlyphId(s, 0));
        const QImage blank = PanelArtwork::Bitmap(PanelArtwork::DigitGlyphId(s, 1));
        const QImage digit = PanelArtwork::Bitmap(PanelArtwork::DigitGlyphId(s, 3));
        Metrics& m = m_metrics[s];
        m.pointWidth = point.width();
        m.blankWidth = blank.width();
        m.digitHeight = digit.height();
        m.digitWidth = digit.width();
        m_nSmallHeight = PanelArtwork::Bitmap(PanelArtwork::kSmallS).height();
        m.blockHeight = m.digitHeight + m_nSmallHeight + 8;
        m.rowWidth = 9 * m.blankWidth + 8 * m.digitWidth + 2 * m.pointWidth;
    }
    m_nPwrWidth = PanelArtwork::Bitmap(PanelArtwork::kSmallPwr).width();
    const int sWidth = PanelArtwork::Bitmap(PanelArtwork::kSmallS).width();
    const int nineWidth = PanelArtwork::Bitmap(PanelArtwork::SmallDigitId(9)).width();
    const int plusWidth = PanelArtwork::Bitmap(PanelArtwork::kSmallPlus).width();
    const int spacer = PanelArtwork::Bitmap(PanelArtwork::kSmallSpacer).width();
    m_nSTextWidth = sWidth + nineWidth + plusWidth + 2 * nineWidth + 6 * spacer;
    SetLargeFonts(bLarge);
}

CFrequencyDisplay::~CFrequencyDisplay() = default;

void CFrequencyDisplay::SetLargeFonts(bool bLarge)
{
    m_antennaFont = PanelFont(QStringLiteral("Microsoft Sans Serif"), bLarge ? 10 : 8);
    m_captionFont = PanelFont(QStringLiteral("Microsoft Sans Serif"), bLarge ? 10 : 8);
}

QImage CFrequencyDisplay::Recoloured(int nId) const
{
    QImage image = PanelArtwork::Bitmap(nId).convertToFormat(QImage::Format_RGB32);
    const QRgb background = toQColor(m_colBackground).rgb();
    const QRgb foreground = toQColor(m_colForeground).rgb();
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? background : foreground;
    }
    return image;
}

const QImage& CFrequencyDisplay::Glyph(int nId) const
{
    static const QImage none;
    auto it = m_glyphs.constFind(nId);
    if (it != m_glyphs.constEnd())
        return *it;
    it = m_indicators.constFind(nId);
    return it == m_indicators.constEnd() ? none : *it;
}

void CFrequencyDisplay::Build()
{
    unsetCursor();
    if (m_buffer.size() != size() && !size().isEmpty())
        m_buffer = QImage(size(), QImage::Format_RGB32);
    m_glyphs.clear();
    m_indicators.clear();
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < 13; ++i) {
            const int id = PanelArtwork::DigitGlyphId(s, i);
            m_glyphs.insert(id, Recoloured(id));
        }
    for (int id : {PanelArtwork::kSmallS, PanelArtwork::kSmallSpacer, PanelArtwork::kSmallPlus, PanelArtwork::kSmallPwr,
                   PanelArtwork::kSmallDown, PanelArtwork::kSmallUp})
        m_glyphs.insert(id, Recoloured(id));
    for (int d = 0; d < 10; ++d)
        m_glyphs.insert(PanelArtwork::SmallDigitId(d), Recoloured(PanelArtwork::SmallDigitId(d)));
    for (int i = 0; i < 15; ++i)
        m_indicators.insert(PanelArtwork::IndicatorId(i), Recoloured(PanelArtwork::IndicatorId(i)));
    Render(true);
}

void CFrequencyDisplay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_glyphs.isEmpty())
        Build();
}

void CFrequencyDisplay::Update()
{
    if (m_bFullPending && m_nFrequency != 0xFFFFFFFF) {
        m_bFullPending = 0;
        Render(true);
        update();
    } else {
        Render(false);
    }
}

void CFrequencyDisplay::Clear()
{
    m_nFrequency = 0xFFFFFFFF;
    m_bFullPending = 1;
    Render(true);
    update();
}

void CFrequencyDisplay::SetChannelInfo(int nVfoState, uint8_t nMode, int nChannel, const QString& strLabel)
{
    if (nVfoState == m_nVfoState && nMode == m_nMode && nChannel == m_nChannel && strLabel == m_strLabel)
        return;
    m_bCaptionDrawn = 0;
    m_nVfoState = nVfoState;
    m_nMode = nMode;
    m_nChannel = nChannel;
    m_strLabel = strLabel;
    Update();
}

void CFrequencyDisplay::SetAntenna(bool bRear)
{
    if (int(bRear) == m_nAntennaRear)
        return;
    m_bAntennaDrawn = 0;
    m_nAntennaRear = bRear;
    Update();
}

void CFrequencyDisplay::SetIndicator(int nBit, bool bOn)
{
    if (bOn)
        m_nIndicators |= 1u << nBit;
    else
        m_nIndicators &= ~(1u << nBit);
}

void CFrequencyDisplay::SetPowerLevel(int nLevel)
{
    m_nIndicators &= ~(0xFu << 8);
    if (nLevel >= 0 && nLevel <= 3)
        m_nIndicators |= 1u << (8 + nLevel);
}

void CFrequencyDisplay::SetToneMode(int nMode)
{
    SetIndicator(4, nMode == 1 || nMode == 2);
    SetIndicator(5, nMode == 2);
    SetIndicator(6, nMode == 3);
}

void CFrequencyDisplay::SetSMeter(uint8_t nValue)
{
    if (!m_bReceiving) {
        m_bReceiving = 1;
        m_nLastSMeter = uint8_t(~m_nSMeter);
    }
    m_nSMeter = nValue;
}

void CFrequencyDisplay::SetPowerMeter(uint8_t nValue)
{
    if (m_bReceiving) {
        m_bReceiving = 0;
        m_nLastPowerMeter = uint8_t(~m_nPowerMeter);
    }
    m_nPowerMeter = nValue;
}

void CFrequencyDisplay::SetBlink(bool bOn)
{
    if (bool(m_bBlinkEnabled) == bOn)
        return;
    if (bOn) {
        m_bBlinkEnabled = 1;
        m_nBlinkPhase = 1;
    } else {
        m_nBlinkPhase = 1;
        Render(false);
        m_bBlinkEnabled = 0;
    }
}

QString CFrequencyDisplay::CaptionText() const
{
    switch (m_nVfoState) {
    case 0: return QStringLiteral("VFOa");
    case 1: return QStringLiteral("VFOb");
    default: break;
    }
    const QString base = m_nVfoState == 3 ? QStringLiteral("MTUNE") : QStringLiteral("MEMORY");
    if (m_nChannel == kNoChannel)
        return base;
    return QString::asprintf("%s-%03d", qPrintable(base), m_nChannel + 1);
}

QString CFrequencyDisplay::ToneText() const
{
    const bool memory = m_nVfoState == 2 || m_nVfoState == 3;
    if (memory && m_nChannel == kNoChannel)
        return QString();
    if (m_nDcs >= 0)
        return QStringLiteral("DCS: %1").arg(QLatin1String(kDcsCodes[m_nDcs % 104]));
    if (m_nCtcss >= 0)
        return QStringLiteral("CTCSS: %1").arg(QLatin1String(kCtcssTones[m_nCtcss % 50]));
    return QString();
}

QString CFrequencyDisplay::ShownText(uint32_t nBcdWord)
{
    // The digit row as it reads: ddd.ddd.dd, leading zeros and non-digits
    // blank.
    QString text;
    bool blanking = true;
    for (int k = 0; k < 8; ++k) {
        const int nibble = int((nBcdWord >> kNibbleShift[k]) & 0x0F);
        if (nibble <= 9 && !(blanking && nibble == 0)) {
            text += QChar(u'0' + nibble);
            blanking = false;
        } else {
            text += QLatin1Char(' ');
        }
        if (k == 2 || k == 5)
            text += QLatin1Char('.');
    }
    // Nothing but blanks and points: no frequency to read.
    if (blanking)
        return QString();
    while (text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    return text;
}

int CFrequencyDisplay::HitTestDigit(const QPoint& globalPoint) const
{
    const QPoint local = mapFromGlobal(globalPoint);
    for (int i = 0; i < 8; ++i)
        if (m_digitRects[i].contains(local))
            return i;
    return -1;
}

void CFrequencyDisplay::Render(bool bFull)
{
    m_dirty.clear();
    m_nBlinkPhase = !m_nBlinkPhase;
    const bool haveFrequency = m_nFrequency != 0xFFFFFFFF;
    m_strFrequency = haveFrequency ? ShownText(m_nFrequency) : QString();
    if (m_buffer.isNull() || m_buffer.size() != size()) {
        if (size().isEmpty())
            return;
        m_buffer = QImage(size(), QImage::Format_RGB32);
        bFull = true;
    }
    const int w = width(), h = height();
    const QColor background = toQColor(m_colBackground);
    const QColor foreground = toQColor(m_colForeground);

    // 2. The largest digits that fit with room for the other rows.
    m_nDigitSize = 0;
    for (int s = 3; s >= 0; --s) {
        const Metrics& m = m_metrics[s];
        if (m.blockHeight + 4 * kIndicatorHeight < h - 4 && m.rowWidth + 3 * m.digitWidth < w - 4) {
            m_nDigitSize = s;
            break;
        }
    }
    const Metrics& m = m_metrics[m_nDigitSize];
    const int left = (w - m.rowWidth) / 2;
    const int top = (h - m.blockHeight) / 2;

    // 3. Entering or leaving memory mode redraws everything.
    const int memoryMode = m_nVfoState == 2 || m_nVfoState == 3;
    if (memoryMode != m_nLastMemoryMode)
        bFull = true;
    m_nLastMemoryMode = memoryMode;
    const bool noChannel = memoryMode && m_nChannel == kNoChannel;

    // 4. The digit row: ddd.ddd.dd with narrow blanks around the digits.
    QVector<int> ids;
    QVector<int> digitOf;
    bool blanking = true;
    ids << PanelArtwork::DigitGlyphId(m_nDigitSize, 1);
    digitOf << -1;
    for (int k = 0; k < 8; ++k) {
        const int nibble = haveFrequency ? int((m_nFrequency >> kNibbleShift[k]) & 0x0F) : 0x0F;
        int index = 2;  // blank digit
        if (nibble <= 9 && !(blanking && nibble == 0)) {
            index = 3 + nibble;
            blanking = false;
        }
        ids << PanelArtwork::DigitGlyphId(m_nDigitSize, index);
        digitOf << k;
        if (k == 2 || k == 5) {
            ids << PanelArtwork::DigitGlyphId(m_nDigitSize, 0);
            digitOf << -1;
        }
        ids << PanelArtwork::DigitGlyphId(m_nDigitSize, 1);
        digitOf << -1;
    }
    m_glyphIds = ids;

    QPainter p(&m_buffer);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (bFull) {
        p.fillRect(rect(), background);
        m_lastDrawnIds.clear();
        m_bCaptionDrawn = 0;
        m_bAntennaDrawn = 0;
    }

    // 6. Caption row.
    if (haveFrequency && (!m_bCaptionDrawn || bFull)) {
        const QRect row(2, 2, w - 4, QFontMetrics(m_captionFont).height());
        p.fillRect(row, background);
        p.setFont(m_captionFont);
        p.setPen(foreground);
        p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, CaptionText());
        p.drawText(row, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, m_strLabel);
        p.drawText(row, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, CatModeNameEx(m_nMode).GetText());
        m_dirty << row;
        m_bCaptionDrawn = 1;
    }

    // 7. Antenna letter, right-aligned halfway down.
    if (haveFrequency && (memoryMode || !m_bAntennaDrawn || bFull)) {
        const QString letter = noChannel ? QStringLiteral("   ") : m_nAntennaRear ? QStringLiteral("  R")
                                                                                   : QStringLiteral("  F");
        const QRect area = rect().adjusted(2, 2, -2, -2);
        const QFontMetrics fm(m_antennaFont);
        const int textWidth = fm.horizontalAdvance(QStringLiteral("  R"));
        const QRect box(area.right() - textWidth, area.center().y() - fm.height() / 2, textWidth + 1, fm.height());
        p.fillRect(box, background);
        p.setFont(m_antennaFont);
        p.setPen(foreground);
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, letter);
        m_dirty << box;
        m_bAntennaDrawn = 1;
    }

    // 9. Digits: only those whose picture changed in a changes-only render.
    if (m_lastDrawnIds.size() != ids.size())
        m_lastDrawnIds = QVector<int>(ids.size(), 0);
    int x = left;
    const int pointId = PanelArtwork::DigitGlyphId(m_nDigitSize, 0);
    const int blankPointId = PanelArtwork::DigitGlyphId(m_nDigitSize, 1);
    for (int i = 0; i < ids.size(); ++i) {
        int id = ids[i];
        // Blinking points, and no points at all without a frequency.
        if (id == pointId && ((m_bBlinkEnabled && m_nBlinkPhase == 0) || !haveFrequency))
            id = blankPointId;
        const QImage& glyph = Glyph(id);
        if (bFull || m_lastDrawnIds[i] != id) {
            m_lastDrawnIds[i] = id;
            p.drawImage(x, top, glyph);
            if (!bFull)
                m_dirty << QRect(x, top, glyph.width(), glyph.height());
        }
        if (digitOf[i] >= 0)
            m_digitRects[digitOf[i]] = QRect(x, top - glyph.width(), glyph.width(), glyph.height() + 2 * glyph.width());
        x += glyph.width();
    }

    // 10. Meter row.
    const QRect meterRow(left, top + m.digitHeight + 8, m.rowWidth, m_nSmallHeight + 6);
    const bool meterChanged = m_bReceiving != m_bLastReceiving ||
                              (m_bReceiving ? m_nSMeter != m_nLastSMeter : m_nPowerMeter != m_nLastPowerMeter);
    if (haveFrequency && (bFull || meterChanged)) {
        DrawMeterRow(p, meterRow);
        m_nLastSMeter = m_nSMeter;
        m_nLastPowerMeter = m_nPowerMeter;
        m_bLastReceiving = m_bReceiving;
        m_dirty << meterRow;
    }

    // 11. Indicators and the tone text.
    const QString tone = ToneText();
    if (haveFrequency && (m_nIndicators != m_nLastIndicators || tone != m_strTone || bFull)) {
        const QRect row(2, h - kIndicatorHeight - 3, w - 4, kIndicatorHeight);
        p.fillRect(row, background);
        if (!m_toneRect.isEmpty())
            p.fillRect(m_toneRect, background);
        m_dirty << row << m_toneRect;
        int ix = 2;
        for (int i = 0; i < 15; ++i) {
            const QImage& glyph = Glyph(PanelArtwork::IndicatorId(i));
            if ((m_nIndicators >> i) & 1 && (!noChannel || kShownWithoutChannel[i]))
                p.drawImage(ix, row.top(), glyph);
            if (!kSharesNext[i])
                ix += glyph.width() + 6;
        }
        m_nLastIndicators = m_nIndicators;
        m_strTone = tone;
        if (!tone.isEmpty()) {
            const QFontMetrics fm(m_captionFont);
            const QRect area = rect().adjusted(2, 2, -2, -2);
            const int tw = fm.horizontalAdvance(tone) + 1;
            m_toneRect = QRect(area.right() - tw + 1, area.bottom() - fm.height() + 1, tw, fm.height());
            p.setFont(m_captionFont);
            p.setPen(foreground);
            p.fillRect(m_toneRect, background);
            p.drawText(m_toneRect, Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine, tone);
            m_dirty << m_toneRect;
        } else {
            m_toneRect = QRect();
        }
    }
    p.end();

    if (bFull) {
        m_dirty = {rect()};
        update();
    } else {
        for (const QRect& r : m_dirty)
            if (!r.isEmpty())
                update(r);
    }
}

void CFrequencyDisplay::DrawMeterRow(QPainter& p, const QRect& row)
{
    const CSettings& settings = GetSettings();
    p.fillRect(row, toQColor(m_colBackground));
    const int textTop = row.top() + 6;
    int x = row.left();
    m_meterIds.clear();
    m_nMeterSegments = 0;
    auto put = [&](int id) {
        m_meterIds << id;
        const QImage& g = Glyph(id);
        p.drawImage(x, textTop, g);
        x += g.width();
    };
    const QRect barArea = [&] {
        const int start = m_bReceiving ? row.left() + m_nSTextWidth : row.left() + m_nPwrWidth;
        return QRect(start, row.top(), row.right() + 1 - start, row.height());
    }();
    const int bw = barArea.width(), bh = barArea.height();
    const QColor bar = toQColor(m_colBar);
    const QColor background = toQColor(m_colBackground);
    p.setPen(Qt::NoPen);
    if (m_bReceiving) {
        const int v = m_nSMeter;
        if (v == 0xFF)
            return;
        put(PanelArtwork::kSmallS);
        if (v >= 1 && v <= 9) {
            put(PanelArtwork::kSmallSpacer);
            put(PanelArtwork::SmallDigitId(v));
        } else if (v >= 10 && v <= 15) {
            put(PanelArtwork::kSmallSpacer);
            put(PanelArtwork::SmallDigitId(9));
            put(PanelArtwork::kSmallSpacer);
            put(PanelArtwork::kSmallPlus);
            put(PanelArtwork::kSmallSpacer);
            put(PanelArtwork::SmallDigitId(v - 9));
            put(PanelArtwork::kSmallSpacer);
            put(PanelArtwork::SmallDigitId(0));
        }
        const int value = std::min(v, 15);
        if (settings.m_bSMeterMono) {
            p.fillRect(barArea.left(), barArea.top(), value * bw / 15, bh, bar);
            p.setBrush(background);
            p.drawPolygon(QPolygon({{barArea.left(), barArea.bottom() - 3}, {barArea.left(), barArea.top()},
                                    {barArea.left() + 9 * bw / 15, barArea.top()}}));
        } else {
            const int step = (bh - 2) / 8;
            for (int i = 0; i < value; ++i) {
                const int x1 = (bw - 14) * i / 15 + i;
                const int x2 = (bw - 14) * (i + 1) / 15 + i;
                const int drop = i < 8 ? (8 - i) * step : 0;
                p.fillRect(barArea.left() + x1, barArea.top() + drop, x2 - x1, bh - drop,
                           toQColor(settings.m_colSMeter[i]));
                ++m_nMeterSegments;
            }
        }
    } else {
        put(PanelArtwork::kSmallPwr);
        const int value = std::min<int>(m_nPowerMeter, 9);
        if (settings.m_bTxMeterMono) {
            p.fillRect(barArea.left(), barArea.top(), value * bw / 9, bh, bar);
            p.setBrush(background);
            p.drawPolygon(QPolygon({{barArea.left(), barArea.bottom() - 3}, {barArea.left(), barArea.top()},
                                    {barArea.left() + bw, barArea.top()}}));
        } else {
            const int segment = (bw - 17) / 18;
            const int step = (bh - 2) / 16;
            for (int i = 0; i < 2 * value && i < 18; ++i) {
                const int drop = i < 16 ? (16 - i) * step : 0;
                p.fillRect(barArea.left() + i * (segment + 1), barArea.top() + drop, segment, bh - drop,
                           toQColor(settings.m_colTxMeter[i / 2]));
                ++m_nMeterSegments;
            }
        }
    }
}

void CFrequencyDisplay::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (m_buffer.isNull())
        p.fillRect(rect(), toQColor(m_colBackground));
    else
        p.drawImage(0, 0, m_buffer);
}

void CFrequencyDisplay::PostDigit()
{
    if (m_pTarget)
        PostRegisteredMessage(m_pTarget, RegisteredMessage::nMsgFreqDigit, uintptr_t(intptr_t(m_nDirection)),
                              m_nDigit);
}

void CFrequencyDisplay::mousePressEvent(QMouseEvent* event)
{
    if (m_bDigitTuning && event->button() == Qt::LeftButton) {
        const QPoint pt = event->position().toPoint();
        for (int i = 0; i < 8; ++i) {
            if (!m_digitRects[i].contains(pt))
                continue;
            m_nDirection = pt.y() < m_digitRects[i].center().y() ? 1 : -1;
            m_nDigit = i;
            PostDigit();
            if (!m_bButtonHeld) {
                m_bButtonHeld = 1;
                m_nPeriod = GetSettings().GetAutoRepeatDelay();
                m_repeatTimer.start(m_nPeriod, this);
            }
            event->accept();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void CFrequencyDisplay::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_bButtonHeld) {
        m_bButtonHeld = 0;
        m_repeatTimer.stop();
        if (m_bCursorSaved) {
            unsetCursor();
            m_bCursorSaved = false;
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void CFrequencyDisplay::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
}

void CFrequencyDisplay::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_repeatTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    const CSettings& settings = GetSettings();
    if (m_nPeriod == settings.GetAutoRepeatDelay()) {
        if (!m_bCursorSaved) {
            setCursor(Qt::BusyCursor);
            m_bCursorSaved = true;
        }
        m_nPeriod = settings.GetAutoRepeatInterval();
        m_repeatTimer.start(m_nPeriod, this);
    }
    PostDigit();
}
