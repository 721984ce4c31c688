#pragma once
#include <QMdiSubWindow>
#include <QWidget>

class CTxTextWindow;

// A receive channel window (DSP channels 0-3): what the main frame and the
// application need of it. The window's own text paths, level meters and
// commands build on this class.
class CFormRx : public QWidget {
    Q_OBJECT
public:
    explicit CFormRx(QWidget* parent = nullptr);
    ~CFormRx() override;

    virtual void OnInitialUpdate() {}
    virtual void SetChannel(int nChannel) { m_nChannel = nChannel; }
    int GetChannel() const { return m_nChannel; }

    // Receive (false) or transmit (true); with bForce even when unchanged.
    virtual void SetTxState(bool bTransmit, bool bForce);
    bool IsTxState() const { return m_bTxState; }
    virtual void SetIMD(int nReading, int nFlag);
    virtual void SetClockError(int nReading);
    virtual void AutosaveText() {}
    // Frequency and per-channel settings, kept for the next start.
    virtual void SaveChannelState() {}

    CTxTextWindow* GetTxWindow() const { return m_pTxWindow; }
    // Stop the transmission when the text is used up.
    virtual bool IsAutoStop() const { return m_bAutoStop; }
    void SetAutoStop(bool bAutoStop) { m_bAutoStop = bAutoStop; }

    int GetImd() const { return m_nImd; }
    int GetImdFlag() const { return m_nImdFlag; }
    int GetClockError() const { return m_nClockError; }

protected:
    CTxTextWindow* m_pTxWindow = nullptr;
    int m_nChannel = -1;
    bool m_bTxState = false;
    bool m_bAutoStop = false;
    int m_nImd = 0;
    int m_nImdFlag = 0;
    int m_nClockError = 0;
};

class CDocRx {
public:
    virtual ~CDocRx() = default;
};

// The MDI frame of a channel window; its close button hides it.
class CFrameRx : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CFrameRx(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
