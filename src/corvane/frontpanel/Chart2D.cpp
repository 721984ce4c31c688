#include "corvane/frontpanel/Chart2D.h"

#include "corvane/frontpanel/PanelFonts.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

// ---------------------------------------------------------------- data

CChartData::CChartData(int, int nSets, int nPoints)
{
    m_sets.resize(std::max(0, nSets));
    for (Set& s : m_sets) {
        s.x = QVector<double>(std::max(0, nPoints), 0.0);
        s.y = QVector<double>(std::max(0, nPoints), 0.0);
    }
}

int CChartData::GetNPoints(int nSet) const
{
    return nSet >= 0 && nSet < m_sets.size() ? int(m_sets[nSet].x.size()) : 0;
}

int CChartData::GetLastPoint(int nSet) const
{
    return nSet >= 0 && nSet < m_sets.size() ? m_sets[nSet].last : 0;
}

void CChartData::SetLastPoint(int nSet, int nIndex)
{
    if (nSet >= 0 && nSet < m_sets.size())
        m_sets[nSet].last = std::clamp(nIndex, 0, std::max(0, int(m_sets[nSet].x.size()) - 1));
}

void CChartData::SetXElement(int nSet, int nIndex, double x)
{
    if (nSet >= 0 && nSet < m_sets.size() && nIndex >= 0 && nIndex < m_sets[nSet].x.size())
        m_sets[nSet].x[nIndex] = x;
}

void CChartData::SetYElement(int nSet, int nIndex, double y)
{
    if (nSet >= 0 && nSet < m_sets.size() && nIndex >= 0 && nIndex < m_sets[nSet].y.size())
        m_sets[nSet].y[nIndex] = y;
}

double CChartData::X(int nSet, int nIndex) const { return m_sets.value(nSet).x.value(nIndex); }
double CChartData::Y(int nSet, int nIndex) const { return m_sets.value(nSet).y.value(nIndex); }

void CChartData::ShiftPoints(int nSet, int nDestination, int nSource, int nCount)
{
    if (nSet < 0 || nSet >= m_sets.size() || nCount <= 0)
        return;
    Set& s = m_sets[nSet];
    const int n = int(s.x.size());
    if (nSource < 0 || nDestination < 0 || nSource + nCount > n || nDestination + nCount > n)
        return;
    std::copy(s.x.begin() + nSource, s.x.begin() + nSource + nCount, s.x.begin() + nDestination);
    std::copy(s.y.begin() + nSource, s.y.begin() + nSource + nCount, s.y.begin() + nDestination);
}

// ---------------------------------------------------------------- chart

CChart2D::CChart2D(QWidget* parent) : QWidget(parent) {}

CChart2D::~CChart2D() = default;

void CChart2D::Log(const QString& text)
{
    m_log << text;
}

bool CChart2D::Create(const QString& strName, const QRect& rect, QWidget* pParent, int nId)
{
    if (pParent)
        setParent(pParent);
    setObjectName(strName);
    setProperty("controlId", nId);
    setGeometry(rect);
    m_pChart = new QChart;
    m_pView = new QChartView(m_pChart, this);
    m_pView->setRenderHint(QPainter::Antialiasing);
    m_pView->setGeometry(QRect(QPoint(0, 0), rect.size()));
    m_pChart->legend()->hide();
    show();
    Log(QStringLiteral("create"));
    return m_pChart != nullptr;
}

void CChart2D::SetValue(int nId, int32_t nValue)
{
    Log(QStringLiteral("set %1 %2").arg(nId, 0, 16).arg(nValue));
    m_values[nId] = nValue;
    if (nId == RepaintSwitch) {
        m_bRepaint = nValue != 0;
        if (m_bRepaint)
            Redraw();
    } else if (nId == ChartWidth || nId == ChartHeight) {
        if (m_pView)
            m_pView->resize(Value(ChartWidth) > 0 ? Value(ChartWidth) : width(),
                            Value(ChartHeight) > 0 ? Value(ChartHeight) : height());
    }
}

void CChart2D::SetDouble(int nId, double value)
{
    Log(QStringLiteral("set %1 %2").arg(nId, 0, 16).arg(value));
    m_values[nId] = value;
}

void CChart2D::SetData(CChartData* pData)
{
    Log(QStringLiteral("set %1 data").arg(Data, 0, 16));
    m_pData = pData;
    if (m_bRepaint)
        Redraw();
}

void CChart2D::SetPointer(int nId, const void* pValue)
{
    Log(QStringLiteral("set %1 pointer").arg(nId, 0, 16));
    m_values[nId] = QVariant::fromValue(quintptr(pValue));
}

QVector<int32_t> CChart2D::GetRecord(int nId) const
{
    const_cast<CChart2D*>(this)->Log(QStringLiteral("get %1").arg(nId, 0, 16));
    return m_records.value(nId, QVector<int32_t>(9, 0));
}

void CChart2D::SetRecord(int nId, const QVector<int32_t>& record)
{
    Log(QStringLiteral("set %1 record").arg(nId, 0, 16));
    m_records[nId] = record;
}

void CChart2D::SetPropString(int nId, const QString& strText)
{
    Log(QStringLiteral("string %1 %2").arg(nId, 0, 16).arg(strText));
    m_strings[nId] = strText;
}

void CChart2D::SetValueLabel(int nAxis, double value, const QString& strText)
{
    Log(QStringLiteral("label %1 %2 %3").arg(nAxis).arg(value).arg(strText));
    m_labels[value] = strText;
}

CChart2D::DataStyle CChart2D::GetDataStyle(int) const
{
    return m_style;
}

void CChart2D::SetDataStyle(int, const DataStyle& style)
{
    Log(QStringLiteral("style %1 %2 %3 %4").arg(style[0]).arg(style[2]).arg(style[3]).arg(style[4]));
    m_style = style;
}

int CChart2D::CreateTextArea()
{
    Log(QStringLiteral("text area"));
    return ++m_nTextAreas;
}

void CChart2D::SetTextAreaValue(int nArea, int nId, const QVariant& value)
{
    Log(QStringLiteral("text %1 %2").arg(nId, 0, 16).arg(value.toString()));
}

void CChart2D::DrawToDC(QPainter& painter, const QRect& rect)
{
    if (!m_pView)
        return;
    m_pView->render(&painter, QRectF(rect), m_pView->rect());
}

void CChart2D::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_pView)
        m_pView->resize(event->size());
}

void CChart2D::Redraw()
{
    if (!m_pChart)
        return;
    ++m_nRedraws;
    m_pChart->removeAllSeries();
    // A removed axis comes back to the caller: the chart no longer owns it.
    for (QAbstractAxis* axis : m_pChart->axes()) {
        m_pChart->removeAxis(axis);
        delete axis;
    }
    m_pChart->setBackgroundBrush(toQColor(COLORREF(Value(Background))));
    m_pChart->setPlotAreaBackgroundBrush(toQColor(COLORREF(Value(GraphArea))));
    m_pChart->setPlotAreaBackgroundVisible(true);
    m_pChart->setMargins(QMargins(4, 4, 4, 4));

    // "Face,points[,Bold]".
    const QStringList parts = PropString(AxisFont).split(QLatin1Char(','));
    QFont axisFont = PanelFont(parts.value(0, QStringLiteral("Small Fonts")), parts.value(1).toInt(),
                               PropString(AxisFont).contains(QLatin1String("Bold"), Qt::CaseInsensitive));

    const qint64 base = qint64(uint32_t(Value(TimeBase)));
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("hh:mm"));
    x->setLabelsFont(axisFont);
    x->setRange(QDateTime::fromSecsSinceEpoch(base + qint64(DoubleValue(XMin))),
                QDateTime::fromSecsSinceEpoch(base + qint64(DoubleValue(XMax))));
    auto* y = new QCategoryAxis;
    y->setLabelsFont(axisFont);
    y->setRange(DoubleValue(YMin), DoubleValue(YMax) > DoubleValue(YMin) ? DoubleValue(YMax) : 15.0);
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (auto it = m_labels.constBegin(); it != m_labels.constEnd(); ++it)
        if (!it.value().trimmed().isEmpty())
            y->append(it.value().trimmed(), it.key());
    m_pChart->addAxis(x, Qt::AlignBottom);
    m_pChart->addAxis(y, Qt::AlignLeft);

    auto* line = new QLineSeries;
    line->setName(PropString(SetName));
    if (m_pData) {
        const int last = m_pData->GetLastPoint(0);
        QList<QPointF> points;
        points.reserve(last + 1);
        for (int i = 0; i <= last; ++i)
            points << QPointF(double((base + qint64(m_pData->X(0, i))) * 1000), m_pData->Y(0, i));
        line->replace(points);
    }
    const QColor plot = toQColor(COLORREF(m_style[2]));
    QPen pen(plot);
    pen.setWidth(std::max(1, int(m_style[3])));
    if (Value(ChartType) == 5) {
        auto* area = new QAreaSeries(line);
        // The area series does not own its boundary line; the line goes with it.
        line->setParent(area);
        area->setPen(pen);
        area->setBrush(plot);
        m_pChart->addSeries(area);
        area->attachAxis(x);
        area->attachAxis(y);
    } else {
        line->setPen(pen);
        m_pChart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
    }
}
