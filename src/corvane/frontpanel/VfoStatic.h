#pragma once
// The front panel's small display of the other VFO: "VFOa"/"VFOb" on the
// left, its frequency in the middle and its mode on the right, in the
// panel's frequency colours.
#include <QFont>
#include <QWidget>
#include <cstdint>
#include <memory>

class CVfoStatic : public QWidget {
    Q_OBJECT
public:
    explicit CVfoStatic(QWidget* parent = nullptr);
    ~CVfoStatic() override;

    // nVfo 1 shows "VFOb", any other value "VFOa". The frequency is the
    // band record's four bytes as the radio keeps them: tens of Hz, most
    // significant first. The mode is the record's 3-bit code with bit 7 for
    // narrow. Repaints only when something changed.
    void SetValues(int nVfo, const uint8_t frequency[4], uint8_t nMode);
    // The panel's form: with VFO A in use the other VFO is B.
    void SetOtherVfo(bool bVfoASelected, const uint8_t frequency[4], uint8_t nMode)
    {
        SetValues(bVfoASelected ? 1 : 0, frequency, nMode);
    }
    uint32_t GetFrequency() const { return m_nFrequency; }
    int GetVfo() const { return m_nVfo; }
    uint8_t GetMode() const { return m_nMode; }
    // The large front panel uses bigger fonts; takes effect before the first paint.
    void SetLargePanel(bool bLarge) { m_bLargePanel = bLarge; }

    // The three texts as painted: label, frequency, mode.
    QString LabelText() const;
    QString FrequencyText() const { return FormatFrequency(m_nFrequency); }
    QString ModeText() const;
    // "%8u" of Hz / 10 split as MHz.kHz.tens: 14250000 gives " 14.250.00".
    static QString FormatFrequency(uint32_t nHz);
    int GetInvalidationCount() const { return m_nInvalidations; }

signals:
    // A double click: the frequency-entry window on this VFO's frequency.
    void enterFrequencyRequested(uint32_t nHz);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<QFont> m_pFrequencyFont;
    std::unique_ptr<QFont> m_pLabelFont;
    uint8_t m_nMode = 0;
    int m_nVfo = 1;
    uint32_t m_nFrequency = 0;
    bool m_bLargePanel = false;
    int m_nInvalidations = 0;
};
