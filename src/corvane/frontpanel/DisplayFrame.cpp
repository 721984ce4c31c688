#include "corvane/frontpanel/DisplayFrame.h"

#include "corvane/frontpanel/ChartView.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/core/MainFrame.h"


CDisplaySplitterWnd::CDisplaySplitterWnd(QWidget* parent) : QSplitter(Qt::Vertical, parent)
{
    setChildrenCollapsible(false);
}

void CDisplaySplitterWnd::HideRow(int nRow)
{
    if (nRow < 0 || nRow >= count() || m_nHiddenRow >= 0)
        return;
    m_nHiddenRow = nRow;
    QWidget* pane = widget(nRow);
    // The pane that had the focus hands it to the next row.
    if (pane->isAncestorOf(focusWidget()) || pane->hasFocus()) {
        QWidget* next = widget((nRow + 1) % count());
        if (next && next != pane)
            next->setFocus();
    }
    m_nKeptSize = sizes().value(nRow);
    pane->hide();
}

void CDisplaySplitterWnd::ShowRow()
{
    const int row = m_nHiddenRow;
    if (row < 0)
        return;
    m_nHiddenRow = -1;
    QList<int> sizes = this->sizes();
    widget(row)->show();
    if (row < sizes.size() && m_nKeptSize > 0) {
        int total = 0;
        for (int s : sizes)
            total += s;
        sizes[row] = m_nKeptSize;
        int others = 0;
        for (int i = 0; i < sizes.size(); ++i)
            if (i != row)
                others += sizes[i];
        for (int i = 0; i < sizes.size(); ++i)
            if (i != row && others > 0)
                sizes[i] = std::max(1, (total - m_nKeptSize) * sizes[i] / others);
        setSizes(sizes);
    }
}

CDisplayView* CDisplayFrame::GetView() const
{
    return m_pView;
}

CDisplayFrame::CDisplayFrame(QWidget* parent) : CMDIChildWnd(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

bool CDisplayFrame::OnCreateClient(CView* pView)
{
    auto* view = qobject_cast<CDisplayView*>(pView);
    if (!view)
        return false;
    if (CMainFrame* frame = GetMainFrame())
        frame->SetDisplayFrame(this);
    setWindowTitle(QStringLiteral("Display"));
    m_pSplitter = new CDisplaySplitterWnd(this);
    m_pView = view;
    m_pChart = new CChartView(m_pSplitter);
    m_pSplitter->addWidget(view);
    m_pSplitter->addWidget(m_pChart);
    setWidget(m_pSplitter);
    if (!m_pChart->Create())
        return false;
    m_pChart->CreateDataSet();
    view->setFocus();
    m_pSplitter->HideRow(1);
    return true;
}

CDisplayFrame::~CDisplayFrame() = default;

void CDisplayFrame::AddChartSample(uint8_t nValue)
{
    if (!m_pChart)
        return;
    m_pChart->AddSample(nValue);
    if (IsChartShowing())
        m_pChart->Refresh();
}

bool CDisplayFrame::IsChartShowing() const
{
    return m_pSplitter->GetHiddenRow() < 0;
}

void CDisplayFrame::OnSMeterHistory()
{
    if (!m_bRowSizesSet) {
        m_bRowSizesSet = true;
        const int h = m_pSplitter->height();
        const int top = std::max(100, h * 2 / 3);
        const int bottom = std::max(100, h / 3);
        if (IsChartShowing())
            m_pSplitter->setSizes({top, bottom});
        else
            m_pSplitter->setSizes({top, 0});
        // The chart row comes back at a third of the height.
        if (!IsChartShowing()) {
            m_pSplitter->ShowRow();
            m_pSplitter->setSizes({top, bottom});
            m_pChart->Refresh();
            return;
        }
    }
    if (IsChartShowing()) {
        m_pSplitter->HideRow(1);
    } else {
        m_pChart->Refresh();
        m_pSplitter->ShowRow();
    }
}
