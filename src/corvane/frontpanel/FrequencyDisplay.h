#pragma once
// The LCD-style frequency display of the front panel: seven-segment digits,
// a caption row (VFO or memory, label, mode), the antenna letter, an S-meter
// or power-meter row and a row of status indicators with the CTCSS tone or
// DCS code. Composed off-screen from recoloured glyphs; a changes-only
// render repaints just the pieces that changed. A click on a digit tunes
// (upper half up, lower half down) and repeats while held.
#include "shared/WinTypes.h"

#include <QBasicTimer>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QRect>
#include <QVector>
#include <QWidget>
#include <cstdint>

class CFrequencyDisplay : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRepeatTimerId = 100;
    static constexpr int kNoChannel = 99999;

    // bLarge: the large front panel's fonts.
    explicit CFrequencyDisplay(QWidget* parent = nullptr, bool bLarge = false);
    ~CFrequencyDisplay() override;

    // Recolours the glyphs, remakes the off-screen buffer and renders in full.
    void Build();
    // Renders in full when pending (and a frequency is set), else the changes.
    void Update();
    // No radio: blank display.
    void Clear();

    void SetFrequency(uint32_t nBcdWord) { m_nFrequency = nBcdWord; }
    uint32_t GetFrequency() const { return m_nFrequency; }
    // The frequency as the digit row shows it ("144.300.00", "7.050.00"),
    // made at every render; empty while no frequency is shown.
    QString GetFrequencyText() const { return m_strFrequency; }
    static QString ShownText(uint32_t nBcdWord);
    void SetCtcssTone(int nIndex) { m_nCtcss = nIndex; }
    void SetDcsCode(int nIndex) { m_nDcs = nIndex; }
    void SetBackgroundColour(COLORREF c) { m_colBackground = c; }
    void SetForegroundColour(COLORREF c) { m_colForeground = c; }
    void SetBarColour(COLORREF c) { m_colBar = c; }
    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetForegroundColour() const { return m_colForeground; }
    COLORREF GetBarColour() const { return m_colBar; }
    void EnableDigitTuning(bool bEnable) { m_bDigitTuning = bEnable; }
    bool IsReceiving() const { return m_bReceiving; }
    uint8_t GetSMeter() const { return m_nSMeter; }
    uint8_t GetPowerMeter() const { return m_nPowerMeter; }
    bool IsShowingTxMeter() const { return !m_bReceiving; }
    uint8_t GetTxMeter() const { return m_nPowerMeter; }

    void SetChannelInfo(int nVfoState, uint8_t nMode, int nChannel, const QString& strLabel);
    void SetAntenna(bool bRear);
    void SetIndicator(int nBit, bool bOn);
    uint32_t GetIndicators() const { return m_nIndicators; }
    void SetPowerLevel(int nLevel);
    void SetToneMode(int nMode);
    void SetSMeter(uint8_t nValue);
    void SetPowerMeter(uint8_t nValue);
    void SetBlink(bool bOn);
    // Index 0 (100 MHz) .. 7 (10 Hz) of the digit under a point in global
    // coordinates, -1 when none.
    int HitTestDigit(const QPoint& globalPoint) const;

    // Where RegisteredMessage::nMsgFreqDigit goes (the front-panel view).
    void SetTarget(QObject* pTarget) { m_pTarget = pTarget; }
    void SetLargeFonts(bool bLarge);

    // What the last render drew (for tests and the benchmark).
    int DigitSize() const { return m_nDigitSize; }
    const QVector<int>& DigitRowIds() const { return m_glyphIds; }
    QRect DigitRect(int nIndex) const { return m_digitRects[nIndex]; }
    QString CaptionText() const;
    QString ToneText() const;
    const QImage& Buffer() const { return m_buffer; }
    QList<QRect> LastDirtyRects() const { return m_dirty; }
    const QVector<int>& MeterRowIds() const { return m_meterIds; }
    int MeterSegments() const { return m_nMeterSegments; }

    static const char* const kCtcssTones[50];
    static const char* const kDcsCodes[104];

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Metrics {
        int pointWidth, blockHeight, rowWidth, blankWidth, digitHeight, digitWidth;
    };
    void Render(bool bFull);
    const QImage& Glyph(int nId) const;
    QImage Recoloured(int nId) const;
    void DrawMeterRow(QPainter& p, const QRect& row);
    void PostDigit();

    int m_nAntennaRear = 0;
    int m_bAntennaDrawn = 0;
    int m_bBlinkEnabled = 0;
    int m_nBlinkPhase = 0;
    int m_bDigitTuning = 0;
    int m_bButtonHeld = 0;
    int m_nLastMemoryMode = -1;
    int m_bFullPending = 1;
    int m_bReceiving = 1;
    int m_bLastReceiving = 1;
    int m_bCaptionDrawn = 0;
    uint8_t m_nMode = 0xFF;
    uint8_t m_nPowerMeter = 0;
    uint8_t m_nLastPowerMeter = 0;
    uint8_t m_nSMeter = 0;
    uint8_t m_nLastSMeter = 0;
    QImage m_buffer;
    QFont m_antennaFont;
    QFont m_captionFont;
    QRect m_toneRect;
    QRect m_digitRects[8];
    QString m_strFrequency;
    QString m_strLabel;
    QString m_strTone;
    bool m_bCursorSaved = false;
    uint32_t m_nFrequency = 0xFFFFFFFF;
    uint32_t m_nIndicators = 0;
    uint32_t m_nLastIndicators = 0xFFFFFFFF;
    int m_nChannel = 0;
    int m_nVfoState = 0;
    int m_nPeriod = 0;
    QVector<int> m_glyphIds;
    QVector<int> m_lastDrawnIds;
    int m_nCtcss = -1;
    int m_nDcs = -1;
    int m_nDirection = 0;
    int m_nDigit = 0;
    Metrics m_metrics[4];
    int m_nPwrWidth = 0;
    int m_nSmallHeight = 0;
    int m_nSTextWidth = 0;
    int m_nDigitSize = 0;
    QHash<int, QImage> m_glyphs;
    QHash<int, QImage> m_indicators;
    COLORREF m_colBackground;
    COLORREF m_colForeground;
    COLORREF m_colBar;
    QPointer<QObject> m_pTarget;
    QBasicTimer m_repeatTimer;
    QList<QRect> m_dirty;
    QVector<int> m_meterIds;
    int m_nMeterSegments = 0;
};
