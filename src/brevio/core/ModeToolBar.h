#pragma once
#include <QToolBar>

class QComboBox;

// The Tx/Rx toolbar with its PSK modulation combo ("BPSK" 0, "QPSK-LSB" 2,
// "QPSK-USB" 1, in that order), which decides receive and transmit modes.
class CModeToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit CModeToolBar(const QString& strTitle, QWidget* parent = nullptr);

    void CreateCombo();
    // Item data of the selection (0 when nothing is selected).
    int GetMode() const;
    QComboBox* GetCombo() const { return m_pCombo; }

signals:
    // The operator chose another modulation.
    void ModeChosen(int nMode);

private:
    QComboBox* m_pCombo = nullptr;
};

