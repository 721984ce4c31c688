#include "corvane/memory/CWSpeedDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/memory/ToolSupport.h"
#include "shared/buttons/OXBitmapButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace {
constexpr uint16_t kSpeedAddress = 0x62;
constexpr int kSpeedOffset = 4;  // the radio keeps speed - 4 in bits 0-5
} // namespace

CCWSpeedDialog::CCWSpeedDialog(QWidget* pParent, CCatLink* pLink)
    : CBaseDialog(kTemplateId, pParent), m_pLink(ToolSupport::Link(pLink))
{
    setWindowTitle(QStringLiteral("CW Speed"));
    m_pSlider = new QSlider(Qt::Horizontal, this);
    SetDlgCtrlID(m_pSlider, IDC_SPEED);
    m_pSlider->setTickPosition(QSlider::TicksBelow);
    m_pSlider->setTickInterval(4);
    m_pReload = ToolSupport::BitmapButton(this, IDC_RELOAD, QStringLiteral("&Reload"), 262);
    m_pReload->SetPseudoDisabled(false);
    m_pReload->SetHotTrack(true);
    m_pReload->setAutoDefault(false);
    connect(m_pReload, &QPushButton::clicked, this, &CCWSpeedDialog::ReadSpeed);
    connect(m_pSlider, &QSlider::valueChanged, this, [this](int) { OnSliderChanged(); });

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pSlider, 1);
    layout->addWidget(m_pReload);
    resize(360, sizeHint().height());
}

CCWSpeedDialog::~CCWSpeedDialog() = default;

bool CCWSpeedDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_strCaption = windowTitle();
    m_pSlider->setRange(4, 60);
    ReadSpeed();
    ShowTitle(false);
    m_bReady = true;
    return true;
}

void CCWSpeedDialog::ReadSpeed()
{
    const int speed = (m_pLink ? m_pLink->GetEepromField(kSpeedAddress, 0, 6) : 0) + kSpeedOffset;
    m_nSpeedInRadio = speed;
    m_pSlider->setValue(speed);
    if (!m_markTimer.isActive() && !m_writeTimer.isActive())
        ShowTitle(false);
}

void CCWSpeedDialog::OnSliderChanged()
{
    if (!m_bReady || m_pSlider->value() == m_nSpeedInRadio)
        return;
    ShowTitle(true);
    // Every movement starts the half second again: only a resting slider writes.
    m_writeTimer.stop();
    m_writeTimer.start(kDelayMs, this);
}

void CCWSpeedDialog::ShowTitle(bool bChanged)
{
    m_bMarked = bChanged;
    setWindowTitle(QString::asprintf("%s: %d wpm%s", m_strCaption.toLatin1().constData(), m_pSlider->value(),
                                     bChanged ? " *" : ""));
}

void CCWSpeedDialog::OnTimer(int nTimer)
{
    if (nTimer == kWriteTimer) {
        m_writeTimer.stop();
        m_markTimer.stop();
        m_markTimer.start(kDelayMs, this);
        const int speed = m_pSlider->value();
        if (m_pLink)
            m_pLink->WriteEepromBits(kSpeedAddress, 0x3F, uint8_t(speed - kSpeedOffset), QString());
        m_nSpeedInRadio = speed;
    } else if (nTimer == kMarkTimer) {
        m_markTimer.stop();
        ShowTitle(false);
    }
}

void CCWSpeedDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_writeTimer.timerId()) {
        OnTimer(kWriteTimer);
        return;
    }
    if (event->timerId() == m_markTimer.timerId()) {
        OnTimer(kMarkTimer);
        return;
    }
    CBaseDialog::timerEvent(event);
}
