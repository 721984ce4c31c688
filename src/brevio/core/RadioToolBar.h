#pragma once
#include <QToolBar>

class QComboBox;
class CColourStatic;
class CTxMeterStatic;

// The radio toolbar: what the linked radio program reports (dial frequency,
// AGC, receive or transmit meter) and the radio command buttons.
class CRadioToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CRadioToolBar(QWidget* parent = nullptr);
    ~CRadioToolBar() override;

    // Adds the buttons of the commands (in the bar's order) and its controls.
    bool Create(QWidget* pParent, int nId);

    void SetFrequency(int nHz);
    int GetFrequency() const { return m_nLastFrequency; }
    // -1 disables the AGC combo; otherwise selects the item with that data,
    // unless its list is open.
    void SetAgc(int nIndex);
    void SetMeter(int nValue, bool bTransmit);

    // The dial frequency's text: groups of three digits joined by ".",
    // without an empty leading group; empty for 0.
    static QString FormatFrequency(unsigned nHz);

    QString GetFrequencyText() const;
    QComboBox* GetAgcCombo() const { return m_pAgcCombo; }
    QAction* GetCommandAction(int nCommand) const;
    int GetMeterValue() const { return m_nLastMeter; }
    bool IsMeterTransmit() const { return m_bMeterTransmit; }
    int GetMeterPaintCount() const { return m_nMeterPaints; }
    CTxMeterStatic* GetMeter() const { return m_pMeter; }

signals:
    void Command(int nCommand);
    // The operator picked an AGC setting (item data).
    void AgcChosen(int nAgc);

private:
    QComboBox* m_pAgcCombo = nullptr;
    CColourStatic* m_pFrequency = nullptr;
    CTxMeterStatic* m_pMeter = nullptr;
    QString m_strFrequency;
    int m_nLastFrequency = -1;
    int m_nLastMeter = -1;
    bool m_bMeterTransmit = false;
    int m_nMeterPaints = 0;
    QList<QPair<int, QAction*>> m_actions;
};
