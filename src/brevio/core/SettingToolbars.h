#pragma once
// The small setting toolbars of the main window: one number each, shown in a
// value static with a spin beside it (AFC limit, passband minimum and
// maximum, filter centre frequency, clipping percentage) and the date and
// time bar. A change of a number is written where
// it belongs the moment it is made.
#include <QLabel>
#include <QTimer>
#include <QToolBar>

class COwnSpinButtonCtrl;
class CColourStatic;

class CCentreFrequencyStatic : public QLabel {
    Q_OBJECT
    // The spin writes its buddy's text through this.
    Q_PROPERTY(QString text READ text WRITE SetText)
public:
    explicit CCentreFrequencyStatic(QWidget* parent = nullptr);

    // Shows the text and, while active, writes its value to the target.
    void SetText(const QString& strText);

    int m_bAFC = 0;
    int m_bCentreFrequency = 0;
    int m_bDisplayMax = 0;
    int m_bDisplayMin = 0;
    int m_bActive = 0;
    int m_bFFTMode = 0;
};

// What the number bars have in common: the value static and its spin put in
// the place of a placeholder button.
class CNumberBar : public QToolBar {
    Q_OBJECT
public:
    CNumberBar(const QString& strTitle, int nBarId, QWidget* parent);

    CCentreFrequencyStatic* GetStatic(int n = 0) const { return m_statics.value(n); }
    COwnSpinButtonCtrl* GetSpin(int n = 0) const { return m_spins.value(n); }
    // A spin step as the operator's click makes it (+1 or -1).
    void StepSpin(int n, bool bUp);

protected:
    // The value static (id) and its spin (id) with range, scale and first
    // position; the static is made active once its first value shows.
    void AddValueControl(int nStaticId, int nSpinId, int nLow, int nHigh, int nScale, int nFirst,
                         int CCentreFrequencyStatic::*pTarget);
    QAction* AddButton(int nCommand, const QString& strPrompt, const QString& strTip);
    void SetControlsEnabled(bool bEnabled);
    bool event(QEvent* event) override;
    virtual intptr_t OnOptions() { return 0; }
    // The buttons' states from the main window's commands (its idle update).
    virtual void OnUpdateCmdUI();
    QAction* ButtonAt(int nIndex) const;

    QList<CCentreFrequencyStatic*> m_statics;
    QList<COwnSpinButtonCtrl*> m_spins;
    QList<QAction*> m_buttons;
    QTimer m_update;
};

class CAfcBar : public CNumberBar {
    Q_OBJECT
public:
    static constexpr int kBarId = 59430;
    explicit CAfcBar(QWidget* parent = nullptr);
    bool CreateControls();
    // Shows a channel's limit without sending it back.
    void SetAfcLimit(int nLimit);
    // The limit shown, in Hz.
    int GetAfcLimit() const;
    // Enables the value controls while "Custom AFC limit" is enabled and checked.
    void UpdateState(bool bButtonEnabled, bool bButtonChecked);

protected:
    void OnUpdateCmdUI() override;

private:
    int m_nEnabledState = -1;
};

class CPassbandBar : public CNumberBar {
    Q_OBJECT
public:
    static constexpr int kBarId = 59429;
    explicit CPassbandBar(QWidget* parent = nullptr);
    bool CreateControls();
    void SetEnabled(bool bEnabled);
    bool IsEnabledFlag() const { return m_bEnabled; }

protected:
    intptr_t OnOptions() override;

private:
    bool m_bEnabled = false;
};

class CCentreFrequencyBar : public CNumberBar {
    Q_OBJECT
public:
    static constexpr int kBarId = 59433;
    explicit CCentreFrequencyBar(QWidget* parent = nullptr);
    bool CreateControls();
    // The centre frequency shown, in Hz (0 when it holds no number).
    int GetValue() const;
    void UpdateState(bool bDisplayBarVisible);

protected:
    void OnUpdateCmdUI() override;
    intptr_t OnOptions() override { return 0; }

private:
    int m_nEnabledState = 1;
};

class CClippingBar : public CNumberBar {
    Q_OBJECT
public:
    static constexpr int kBarId = 59431;
    explicit CClippingBar(QWidget* parent = nullptr);
    bool CreateControls();
    void UpdateState(bool bButtonEnabled, bool bButtonChecked);

protected:
    intptr_t OnOptions() override;
    void OnUpdateCmdUI() override;

private:
    int m_nEnabledState = -1;
};

class CClockBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int kBarId = 59432;
    explicit CClockBar(QWidget* parent = nullptr);
    bool Create(QWidget* pParent, int nId);
    CColourStatic* GetClock() const { return m_pClock; }
    // The time as the bar shows it for the settings' date and UTC switches.
    static QString ClockText(const QDateTime& utc, bool bDate, bool bUTC);
    void OnTimer();

private:
    CColourStatic* m_pClock = nullptr;
    QTimer m_timer;
};
