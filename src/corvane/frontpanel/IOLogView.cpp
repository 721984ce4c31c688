#include "corvane/frontpanel/IOLogView.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/IOLogList.h"

#include <QCloseEvent>
#include <QVBoxLayout>

CIOLogDoc::CIOLogDoc() = default;
CIOLogDoc::~CIOLogDoc() = default;

CIOLogFrame::CIOLogFrame(QWidget* parent) : CMDIChildWnd(parent)
{
    // The log keeps running in the background: it starts minimised.
    SetStartMinimised(true);
}

CIOLogFrame::~CIOLogFrame() = default;

bool CIOLogFrame::OnCreateClient(CView* pView)
{
    if (!CMDIChildWnd::OnCreateClient(pView))
        return false;
    if (CMainFrame* frame = GetMainFrame())
        frame->SetIoLogFrame(this);
    setWindowTitle(QStringLiteral("I/O Logfile"));
    return true;
}

void CIOLogFrame::closeEvent(QCloseEvent* event)
{
    // The log cannot be closed, only put out of the way.
    event->ignore();
    showMinimized();
}

CIOLogView::CIOLogView(QWidget* parent) : CView(parent), m_pList(new CIOLogList(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pList);
}

CIOLogView::~CIOLogView()
{
    if (CRadioApp::GetIoLogSink() == this)
        CRadioApp::SetIoLogSink(nullptr);
}

void CIOLogView::OnInitialUpdate()
{
    CRadioApp::SetIoLogSink(this);
    AddText(QStringLiteral("Ready"));
}

void CIOLogView::AddEntry(const uint8_t* sent, int sentCount, const uint8_t* received, int receivedCount,
                          const QString& strComment)
{
    m_pList->AddEntry(sent, sentCount, received, receivedCount, strComment);
}

void CIOLogView::AddText(const QString& strComment)
{
    m_pList->AddText(strComment);
}

void CIOLogView::AddBytesRow(const std::optional<QByteArray>& sent, const std::optional<QByteArray>& received,
                             const QString& description)
{
    const QByteArray s = sent.value_or(QByteArray());
    const QByteArray r = received.value_or(QByteArray());
    AddEntry(reinterpret_cast<const uint8_t*>(s.constData()), int(s.size()),
             reinterpret_cast<const uint8_t*>(r.constData()), int(r.size()), description);
}

void InstallIoLogTemplate()
{
    CRadioApp::GetServices().templates[CRadioApp::IDR_IOLOG] = CMultiDocTemplate::Classes{
        [] { return new CIOLogDoc; }, [] { return new CIOLogFrame; }, [] { return new CIOLogView; }};
}
