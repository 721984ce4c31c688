#include "corvane/frontpanel/StressTestDialog.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/BaseDialog.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimerEvent>

CStressTestDialog::CStressTestDialog(QWidget* pParent, Hooks hooks) : QDialog(pParent), m_hooks(std::move(hooks))
{
    setWindowTitle(QStringLiteral("Stress Test"));
    auto* text = new QLabel(QStringLiteral("This will perform a stress test of this program's graphics routines. It "
                                           "will not send any commands to your FT-817. This is designed to find any "
                                           "programming weaknesses."),
                            this);
    text->setWordWrap(true);
    auto check = [this](const char* caption, unsigned id) {
        auto* c = new QCheckBox(QString::fromLatin1(caption), this);
        SetDlgCtrlID(c, id);
        c->setChecked(true);
        return c;
    };
    m_pDisplay = check("&Display", IDC_DISPLAY);
    m_pFaceplate = check("&Faceplate", IDC_FACEPLATE);
    m_pTuningDial = check("&Tuning dial", IDC_TUNING_DIAL);
    m_pButtons = check("&Buttons", IDC_BUTTONS);
    m_pPowerMeters = check("&Power meters", IDC_POWER_METERS);
    m_pSelectionBar = check("&Selection Bar", IDC_SELECTION_BAR);
    m_pDelay = new QSlider(Qt::Horizontal, this);
    SetDlgCtrlID(m_pDelay, IDC_DELAY);
    m_pDelay->setRange(1, 10);
    m_pDelay->setValue(10);
    m_pStart = new QPushButton(QStringLiteral("Start"), this);
    SetDlgCtrlID(m_pStart, platform::IDOK);
    m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(m_pCancel, platform::IDCANCEL);
    connect(m_pStart, &QPushButton::clicked, this, &CStressTestDialog::OnStart);
    connect(m_pCancel, &QPushButton::clicked, this, &CStressTestDialog::OnCancel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(text, 0, 0, 1, 2);
    grid->addWidget(m_pDisplay, 1, 0);
    grid->addWidget(m_pFaceplate, 1, 1);
    grid->addWidget(m_pTuningDial, 2, 0);
    grid->addWidget(m_pButtons, 2, 1);
    grid->addWidget(m_pPowerMeters, 3, 0);
    grid->addWidget(m_pSelectionBar, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Delay"), this), 4, 0);
    grid->addWidget(m_pDelay, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pStart);
    buttons->addWidget(m_pCancel);
    grid->addLayout(buttons, 5, 0, 1, 2);
}

CStressTestDialog::~CStressTestDialog()
{
    // No random colour outlives the test.
    if (m_bRunning)
        Restore();
}

int CStressTestDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

QCheckBox* CStressTestDialog::GetCheck(unsigned nId) const
{
    for (QCheckBox* c : {m_pDisplay, m_pFaceplate, m_pTuningDial, m_pButtons, m_pPowerMeters, m_pSelectionBar})
        if (GetDlgCtrlID(c) == nId)
            return c;
    return nullptr;
}

int CStressTestDialog::GetDelay() const
{
    return m_pDelay->value();
}

uint32_t CStressTestDialog::RandomColour()
{
    const int r = int(m_random() % 255);
    const int g = int(m_random() % 255);
    const int b = int(m_random() % 255);
    return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}

void CStressTestDialog::Broadcast()
{
    QWidget* view = m_hooks.view ? m_hooks.view() : nullptr;
    if (view) {
        SendRegisteredMessage(view, RegisteredMessage::nMsgRedrawNew);
        for (QWidget* child : view->findChildren<QWidget*>())
            SendRegisteredMessage(child, RegisteredMessage::nMsgRedrawNew);
    }
    if (m_hooks.reapplyNavigator)
        m_hooks.reapplyNavigator();
}

void CStressTestDialog::Restore()
{
    GetSettings().Load();
    Broadcast();
    // The random frequency and meter values were drawn straight into the
    // controls; the panel would keep them until the radio's values change.
    if (m_hooks.restorePanel)
        m_hooks.restorePanel();
}

void CStressTestDialog::OnStart()
{
    if (!m_bRunning) {
        if (!m_bSeeded)
            m_random.seed(uint32_t(QDateTime::currentSecsSinceEpoch()));
        m_timer.start(GetDelay() * 100, this);
    } else {
        m_timer.stop();
        Restore();
    }
    m_bRunning = !m_bRunning;
    m_pCancel->setEnabled(!m_bRunning);
    m_pStart->setText(m_bRunning ? QStringLiteral("Stop") : QStringLiteral("Start"));
}

void CStressTestDialog::OnTimer()
{
    m_timer.stop();
    CSettings& s = GetSettings();
    if (m_pSelectionBar->isChecked() && m_hooks.navigatorGroupCount && m_hooks.expandNavigatorGroup) {
        const int groups = m_hooks.navigatorGroupCount();
        if (groups > 0)
            m_hooks.expandNavigatorGroup(m_nTicks % groups);
    }
    if (m_pButtons->isChecked()) {
        s.m_colColButtonFace = RandomColour();
        s.m_colColButtonText = RandomColour();
        s.m_colColButtonFaceSel = RandomColour();
        s.m_colColButtonTextSel = RandomColour();
    }
    if (m_pDisplay->isChecked()) {
        s.m_colFreqBackground = RandomColour();
        s.m_colFreqForeground = RandomColour();
        s.m_colSMeterBar = RandomColour();
        uint8_t bytes[4];
        for (uint8_t& b : bytes)
            b = uint8_t(m_random() % 255);
        if (m_hooks.showFrequencyBytes)
            m_hooks.showFrequencyBytes(bytes);
        if (m_hooks.setSMeterBar)
            m_hooks.setSMeterBar(int(m_random() % 15));
    }
    if (m_pFaceplate->isChecked()) {
        s.m_colDspBackground = RandomColour();
        s.m_colDspForeground = RandomColour();
    }
    if (m_pPowerMeters->isChecked()) {
        s.m_colTxBarMeterBackground = RandomColour();
        s.m_colTxBarMeterForeground = RandomColour();
        const int alc = int(m_random() % 15);
        const int mod = int(m_random() % 15);
        const int swr = int(m_random() % 15);
        if (m_hooks.setMeters)
            m_hooks.setMeters(alc, mod, swr);
    }
    if (m_pTuningDial->isChecked()) {
        s.m_colTuningDialBackground = RandomColour();
        s.m_colTuningDialForeground = RandomColour();
        s.m_colTuningDialSliderColour = RandomColour();
    }
    Broadcast();
    ++m_nTicks;
    m_timer.start(GetDelay() * 100, this);
}

void CStressTestDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId()) {
        OnTimer();
        return;
    }
    QDialog::timerEvent(event);
}

void CStressTestDialog::OnCancel()
{
    m_timer.stop();
    m_bRunning = false;
    Restore();
    done(Rejected);
}
