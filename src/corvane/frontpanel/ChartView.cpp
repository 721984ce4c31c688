#include "corvane/frontpanel/ChartView.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/SMeterChartSettings.h"
#include "shared/PrintSetup.h"
#include "shared/RegisteredEvent.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QResizeEvent>
#include <ctime>

namespace {
std::function<void(CChartView*)>& optionsHandler()
{
    static std::function<void(CChartView*)> handler;
    return handler;
}
} // namespace

void CChartView::SetOptionsHandler(std::function<void(CChartView*)> handler)
{
    optionsHandler() = std::move(handler);
}

int CChartView::UtcOffsetAt(int64_t nSeconds)
{
    // The local breakdown read as if it were UTC, against the moment itself.
    const time_t t = time_t(nSeconds);
    struct tm local = {};
    localtime_r(&t, &local);
    const int64_t asUtc = int64_t(timegm(&local));
    return int(nSeconds - asUtc);
}

CChartView::CChartView(QWidget* parent)
    : QWidget(parent), m_clock([] { return QDateTime::currentSecsSinceEpoch(); })
{
    m_bGMT = GetSMeterChartSettings().m_bGMT;
    m_nUtcOffset = UtcOffsetAt(Now());
}

CChartView::~CChartView() = default;

int64_t CChartView::Now() const
{
    return m_clock();
}

bool CChartView::Create()
{
    m_nCreated = Now();
    if (!m_chart.Create(QString(), rect(), this, 0))
        return false;
    CChart2D& c = m_chart;
    c.SetValue(CChart2D::ChartType, 1);
    c.SetValue(0x4504, 0);
    c.SetValue(0x60B, 0);
    c.SetPropString(0x800, QStringLiteral("Small Fonts,7"));
    c.SetPropString(0x802, QStringLiteral("MS Sans Serif,8"));
    c.SetPropString(0x801, QStringLiteral("Arial,14,Bold"));
    c.SetPropString(0x803, QStringLiteral("MS Sans Serif,8"));
    c.SetValue(CChart2D::TimeBase, int32_t(m_nCreated));
    c.SetValue(0xE10, 1);
    c.SetValue(0x5000, 1);
    c.SetValue(0x4300, 3);
    c.SetValue(0x109, 1);
    c.SetValue(0x4B00, 2);
    c.SetValue(0xE1E, 1);
    c.SetDouble(CChart2D::YMin, 0.0);
    c.SetDouble(CChart2D::YMax, 15.0);
    c.SetValue(0xE1F, 1);
    c.SetValue(0x4301, 2);
    for (int id : {0x402, 0x403}) {
        QVector<int32_t> record = c.GetRecord(id);
        record[0] = 4;
        c.SetRecord(id, record);
    }
    c.SetValue(0xB01, 0);
    c.SetValue(0xB00, 0);
    // S1, S5, S9 and +40 labelled; every other odd value a tick.
    for (int v = 0; v <= 15; ++v) {
        QString text;
        if (v == 1 || v == 5 || v == 9 || v == 13)
            text = v < 10 ? QStringLiteral("S%1 ").arg(v) : QStringLiteral("+%1 ").arg((v - 9) * 10);
        else if (v == 3 || v == 7 || v == 11 || v == 15)
            text = QStringLiteral(" ");
        c.SetValueLabel(1, double(v), text);
    }
    c.SetColour(CChart2D::Background, 0xDDCCBB);
    c.SetColour(CChart2D::Background2, 0xDDCCBB);
    c.SetColour(CChart2D::GraphArea, 0xFFFFFF);
    c.SetValue(0x4200, 32);
    c.SetValue(0x4503, 3);
    c.SetValue(0x60C, 5);
    c.SetColour(0x208, 0xFFFFFF);
    m_style = c.GetDataStyle(0);
    c.SetValue(0x5200, 2);
    c.SetDouble(0x70F, 1.0e308);
    c.SetValue(0x107, 1);
    QVector<int32_t> record = c.GetRecord(0x401);
    record[2] = 255;
    record[0] = 2;
    c.SetRecord(0x401, record);
    m_nTextArea = c.CreateTextArea();
    const QPalette tips = QApplication::palette();
    const struct {
        int id;
        QVariant value;
    } textValues[] = {{0x11B, 0}, {0x90D, 0}, {0x11A, 0}, {0x4002, 1},
                      {0x20C, QVariant::fromValue(uint32_t(fromQColor(tips.color(QPalette::ToolTipBase))))},
                      {0x20D, QVariant::fromValue(uint32_t(fromQColor(tips.color(QPalette::ToolTipText))))},
                      {0x4505, 4}, {0x611, 1}, {0x11B, 0}};
    for (const auto& v : textValues)
        c.SetTextAreaValue(m_nTextArea, v.id, v.value);
    QString face;
    for (const char* candidate : {"Andale Mono", "Verdana", "Courier New"})
        if (QFontDatabase::families().contains(QString::fromLatin1(candidate))) {
            face = QString::fromLatin1(candidate);
            break;
        }
    c.SetTextAreaValue(m_nTextArea, 0x804, face.isEmpty() ? QStringLiteral("Courier New") : face);
    return true;
}

void CChartView::CreateDataSet()
{
    CChart2D& c = m_chart;
    static const int zero = 0;
    c.SetValue(CChart2D::RepaintSwitch, 0);
    c.SetValue(CChart2D::ChartType, 5);
    c.SetPointer(0xD04, &zero);
    c.SetPointer(0xD05, &zero);
    for (int id : {0x4501, 0x609, 0x4502, 0x60A, 0x101})
        c.SetValue(id, 0);
    UpdateTimeAxis();
    CChart2D::DataStyle style = m_style;
    style[0] = 2;
    style[3] = 2;
    style[4] = 1;
    c.SetDataStyle(0, style);
    m_pData = std::make_unique<CChartData>(2, 1, kCapacity);
    m_pData->SetLastPoint(0, 0);
    c.SetData(m_pData.get());
    c.SetPropString(CChart2D::SetName, QStringLiteral("S-Meter"));
    c.SetValue(0x4F01, 2);
    c.SetValue(CChart2D::RepaintSwitch, 1);
    OnOptions();
}

void CChartView::UpdateTimeAxis()
{
    const int64_t now = Now() + (m_bGMT ? m_nUtcOffset : 0);
    int64_t t = now - m_nCreated;
    t = t + 60 - (t % 60);
    m_chart.SetDouble(CChart2D::XMin, double(t - m_nTimeSpan));
    m_chart.SetDouble(CChart2D::XMax, double(t));
}

void CChartView::AddSample(uint8_t nValue)
{
    if (!m_pData)
        return;
    const double x = double(Now() + (m_bGMT ? m_nUtcOffset : 0) - m_nCreated);
    const int n = m_pData->GetNPoints(0);
    if (m_pData->GetLastPoint(0) == n - 1) {
        // Full: the oldest tenth goes.
        m_pData->ShiftPoints(0, 0, n / 10, n - n / 10);
        m_pData->SetLastPoint(0, n - n / 10 - 1);
    }
    const int last = m_pData->GetLastPoint(0) + 1;
    m_pData->SetLastPoint(0, last);
    m_pData->SetXElement(0, last, x);
    m_pData->SetYElement(0, last, double(nValue));
}

void CChartView::Refresh()
{
    m_chart.SetValue(CChart2D::RepaintSwitch, 0);
    UpdateTimeAxis();
    m_chart.SetData(m_pData.get());
    m_chart.SetValue(CChart2D::RepaintSwitch, 1);
}

void CChartView::Erase()
{
    m_pData = std::make_unique<CChartData>(2, 1, kCapacity);
    m_pData->SetLastPoint(0, 0);
    m_chart.SetData(m_pData.get());
    Refresh();
}

void CChartView::OnOptions()
{
    const CSMeterChartSettings& s = GetSMeterChartSettings();
    CChart2D& c = m_chart;
    c.SetColour(CChart2D::Background, s.m_colBackground);
    c.SetColour(CChart2D::GraphArea, s.m_colGraphArea);
    c.SetColour(CChart2D::Background2, s.m_colBackground);
    m_nTimeSpan = s.m_nTimeScale;
    UpdateTimeAxis();
    c.SetValue(CChart2D::ChartType, s.m_nPlotType >= 1 && s.m_nPlotType <= 3 ? 1 : 5);
    CChart2D::DataStyle style = m_style;
    style[0] = 2;
    style[4] = 1;
    style[2] = int32_t(s.m_colPlotColour);
    style[3] = s.m_nPlotType == 2 ? 2 : s.m_nPlotType == 3 ? 3 : 1;
    c.SetDataStyle(0, style);
    c.SetPropString(CChart2D::AxisFont, s.m_strAxisFont);
    Refresh();
}

QRect CChartView::PrintRect(const QSize& page, const QSize& chart)
{
    if (chart.isEmpty() || page.isEmpty())
        return QRect(QPoint(0, 0), page);
    const int64_t horz = page.width(), vert = page.height(), cw = chart.width(), ch = chart.height();
    if (vert * cw < horz * ch) {
        const int w = int(cw * vert / ch);
        return QRect(int((horz - w) / 2), 0, w, int(vert));
    }
    const int h = int(ch * horz / cw);
    return QRect(0, int((vert - h) / 2), int(horz), h);
}

void CChartView::Print(QPrinter& printer)
{
    printer.setFromTo(1, 1);
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    m_chart.DrawToDC(painter, PrintRect(page.size(), m_chart.size()).translated(page.topLeft()));
}

void CChartView::OnCommand(int nId)
{
    switch (nId) {
    case 32919: {
        // The printer and paper chosen in Print Setup.
        QPrinter& printer = CPrintSetup::Printer();
        QPrintDialog dialog(&printer, this);
        dialog.setMinMax(1, 1);
        if (dialog.exec() == QDialog::Accepted)
            Print(printer);
        break;
    }
    case 32920: {
        QPrintPreviewDialog preview(&CPrintSetup::Printer(), this);
        connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { Print(*p); });
        preview.exec();
        break;
    }
    case 32917:
        if (optionsHandler()) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            QApplication::restoreOverrideCursor();
            optionsHandler()(this);
        }
        break;
    case 32918: Erase(); break;
    default: break;
    }
}

bool CChartView::event(QEvent* event)
{
    if (CRegisteredEvent::As(event, RegisteredMessage::nMsgOptions)) {
        OnOptions();
        return true;
    }
    return QWidget::event(event);
}

void CChartView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_chart.setGeometry(rect());
    m_chart.SetValue(CChart2D::ChartWidth, width());
    m_chart.SetValue(CChart2D::ChartHeight, height());
}

void CChartView::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
}

void CChartView::mouseDoubleClickEvent(QMouseEvent*)
{
    OnCommand(32917);
}

void CChartView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const struct {
        const char* text;
        const char* status;
        int id;
    } items[] = {{"&Options", "Chart options (colours, time range etc.)", 32917},
                 {"&Erase", "Erase all data", 32918},
                 {"&Print", "Print the chart", 32919},
                 {"Print Pre&view", "Print preview", 32920}};
    for (const auto& item : items) {
        QAction* action = menu.addAction(QString::fromLatin1(item.text));
        action->setStatusTip(QString::fromLatin1(item.status));
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    }
    menu.exec(event->globalPos());
}
