// The MDI frame of a channel window and its status bar.
#include "brevio/core/Components.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/TxTextWindow.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>

namespace {
// Holds the status bar outside the frame's own layout, so that a pane's new
// text lays out the bar alone and never the form (which would hold the
// received text back while it settles).
class StatusHolder : public QWidget {
public:
    explicit StatusHolder(QWidget* parent) : QWidget(parent) {}
    void SetBar(QWidget* bar) { m_bar = bar; }

protected:
    void resizeEvent(QResizeEvent*) override
    {
        // Narrower than its panes, the bar keeps their widths and the
        // holder cuts the last ones off, rather than letting them overlap.
        if (m_bar)
            m_bar->setGeometry(0, 0, qMax(width(), m_bar->minimumSizeHint().width()), height());
    }

private:
    QWidget* m_bar = nullptr;
};
} // namespace

CFrameRx::CFrameRx(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* holder = new StatusHolder(this);
    m_pHolder = holder;
    m_pStatusBar = new QStatusBar(holder);
    holder->SetBar(m_pStatusBar);
    m_pStatusBar->setSizeGripEnabled(false);
    const char* const sizing[] = {"", "IMD: < -99dB", "TX Lock: 9999 Hz", "Send: Immediate", "Autostop",
                                  "To send: 9999"};
    for (int i = 0; i < 6; ++i) {
        auto* pane = new QLabel(m_pStatusBar);
        pane->setProperty("controlId", kPaneIds[i]);
        if (i == 0) {
            m_pStatusBar->addWidget(pane, 1);
        } else {
            pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(sizing[i])) + 8);
            m_pStatusBar->addPermanentWidget(pane);
        }
        m_panes.append(pane);
    }
    holder->hide();
    connect(&m_blinkTimer, &QTimer::timeout, this, [this] {
        m_bBlink = !m_bBlink;
        UpdatePanes();
    });
    m_blinkTimer.start(500);
}

CFrameRx::~CFrameRx() = default;

CFormRx* CFrameRx::Form() const
{
    return dynamic_cast<CFormRx*>(widget());
}

void CFrameRx::SetTxState(int nState)
{
    if (nState == m_nTxStateShown)
        return;
    m_nTxStateShown = nState;
    SetStatusText(nState ? QStringLiteral("Sending") : QStringLiteral("Receiving"));
}

void CFrameRx::SetStatusText(const QString& strText)
{
    if (!m_panes.isEmpty())
        m_panes[0]->setText(strText);
}

QString CFrameRx::GetStatusText() const
{
    return m_panes.isEmpty() ? QString() : m_panes[0]->text();
}

void CFrameRx::SetMinTrackSize(const QSize& size)
{
    m_minTrack = size;
    if (size.width() > 0 && size.height() > 0)
        setMinimumSize(size);
}

void CFrameRx::ShowStatusBar(bool bShow)
{
    m_pHolder->setVisible(bShow);
    PlaceStatusBar();
}

void CFrameRx::PlaceStatusBar()
{
    // The bar takes the bottom of the client area; the form the rest.
    QWidget* form = widget();
    if (!form)
        return;
    if (layout())
        layout()->activate();
    const QRect client = form->geometry();
    if (m_pHolder->isHidden() || client.height() <= 0)
        return;
    const int h = m_pStatusBar->sizeHint().height();
    form->setGeometry(client.adjusted(0, 0, 0, -h));
    m_pHolder->setGeometry(client.left(), client.bottom() - h + 1, client.width(), h);
    m_pHolder->raise();
}

bool CFrameRx::event(QEvent* event)
{
    const bool handled = QMdiSubWindow::event(event);
    // The frame lays its widget out over the whole client again.
    if (event->type() == QEvent::LayoutRequest)
        PlaceStatusBar();
    return handled;
}

void CFrameRx::resizeEvent(QResizeEvent* event)
{
    QMdiSubWindow::resizeEvent(event);
    PlaceStatusBar();
}

bool CFrameRx::IsStatusBarShown() const
{
    return !m_pHolder->isHidden();
}

QString CFrameRx::PaneText(int nId) const
{
    const CFormRx* form = Form();
    switch (nId) {
    case 106: {
        const int imd = form ? form->GetImd() : 0;
        if (imd == -999)
            return QStringLiteral("IMD: Noise");
        if (imd < 0)
            return QStringLiteral("IMD: %1%2dB").arg(form->GetImdFlag() ? QStringLiteral("< ") : QString()).arg(imd);
        return QStringLiteral("IMD:");
    }
    case 108:
        if (form && form->IsTxFrequencyLocked())
            return QStringLiteral("Tx Lock: %1 Hz").arg(form->GetTxFrequency());
        return QStringLiteral("Tx Lock: off");
    case 166:
        switch (CurrentSettings().m_nTxSendChars) {
        case 1:
            return QStringLiteral("Send: Space");
        case 2:
            return QStringLiteral("Send: Linefeed");
        default:
            return QStringLiteral("Send: Immediate");
        }
    case 126:
        return QStringLiteral("Autostop");
    case 127:
        return QStringLiteral("To send: %1").arg(form && form->GetTxWindow() ? form->GetTxWindow()->GetUnsentCount() : 0);
    default:
        return GetStatusText();
    }
}

bool CFrameRx::IsPaneEnabled(int nId) const
{
    const CFormRx* form = Form();
    if (nId == 126)
        return form && form->IsAutoStop();
    if (nId == 166) {
        const CMainFrame* frame = GetMainFrame();
        if (frame && frame->IsTransmitting() && form && form->GetTxWindow() && form->GetTxWindow()->IsWaiting())
            return m_bBlink;
    }
    return true;
}

void CFrameRx::UpdatePanes()
{
    for (int i = 1; i < m_panes.size(); ++i) {
        const QString text = PaneText(kPaneIds[i]);
        if (m_panes[i]->text() != text)
            m_panes[i]->setText(text);
        m_panes[i]->setEnabled(IsPaneEnabled(kPaneIds[i]));
    }
}

void CFrameRx::closeEvent(QCloseEvent* event)
{
    event->ignore();
    TheApp().HideView(this);
}

void CFrameRx::moveEvent(QMoveEvent* event)
{
    QMdiSubWindow::moveEvent(event);
    if (CFormRx* form = Form())
        form->Settle();
}

void CFrameRx::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowActive) && m_nChannel != -1) {
        CMainFrame* frame = GetMainFrame();
        if (auto* tags = frame ? dynamic_cast<ITagsBar*>(frame->GetTagsBar()) : nullptr)
            tags->SelectChannel(m_nChannel);
    }
}
