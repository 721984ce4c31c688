#pragma once
// The S-meter chart's drawing component: a child window owning one chart,
// set up through numbered properties, fed from a data object of point sets,
// and drawn with Qt Charts. Property changes between a repaint switch of 0
// and of 1 are drawn once, when the switch goes back to 1.
#include "shared/WinTypes.h"

#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <QWidget>
#include <array>
#include <memory>

class QChart;
class QChartView;
class QPainter;

// Point sets of a chart: per set a last-point index and a capacity of
// points with a double x and a double y.
class CChartData {
public:
    CChartData(int nKind, int nSets, int nPoints);
    int GetNPoints(int nSet) const;
    int GetLastPoint(int nSet) const;
    void SetLastPoint(int nSet, int nIndex);
    void SetXElement(int nSet, int nIndex, double x);
    void SetYElement(int nSet, int nIndex, double y);
    double X(int nSet, int nIndex) const;
    double Y(int nSet, int nIndex) const;
    // Points source .. source + count - 1 move down to destination ..
    void ShiftPoints(int nSet, int nDestination, int nSource, int nCount);

private:
    struct Set {
        int last = 0;
        QVector<double> x, y;
    };
    QVector<Set> m_sets;
};

class CChart2D : public QWidget {
    Q_OBJECT
public:
    using DataStyle = std::array<int32_t, 9>;
    // Property ids whose role the chart view relies on.
    enum : int {
        RepaintSwitch = 0x111, Background = 0x200, Background2 = 0x202, GraphArea = 0x20A, Data = 0x300,
        ChartWidth = 0x600, ChartHeight = 0x601, XMin = 0x700, XMax = 0x703, YMin = 0x701, YMax = 0x704,
        AxisFont = 0x800, TimeBase = 0xA00, SetName = 0xC01, ChartType = 0x5100,
    };

    explicit CChart2D(QWidget* parent = nullptr);
    ~CChart2D() override;

    // The window and its chart; FALSE when either cannot be made.
    bool Create(const QString& strName, const QRect& rect, QWidget* pParent, int nId);

    void SetValue(int nId, int32_t nValue);
    void SetColour(int nId, COLORREF colour) { SetValue(nId, int32_t(colour)); }
    void SetDouble(int nId, double value);
    void SetData(CChartData* pData);
    void SetPointer(int nId, const void* pValue);
    // Records of ids 0x401, 0x402, 0x403 (entry 0 and on), read and written whole.
    QVector<int32_t> GetRecord(int nId) const;
    void SetRecord(int nId, const QVector<int32_t>& record);
    void SetPropString(int nId, const QString& strText);
    void SetValueLabel(int nAxis, double value, const QString& strText);
    DataStyle GetDataStyle(int nSet) const;
    void SetDataStyle(int nSet, const DataStyle& style);
    // The chart into a painter at a rectangle in device units.
    void DrawToDC(QPainter& painter, const QRect& rect);

    // The text area of the chart (its info tip).
    int CreateTextArea();
    void SetTextAreaValue(int nArea, int nId, const QVariant& value);

    // What has been set (ids to values), in the order of the calls.
    int32_t Value(int nId) const { return m_values.value(nId).toInt(); }
    double DoubleValue(int nId) const { return m_values.value(nId).toDouble(); }
    QString PropString(int nId) const { return m_strings.value(nId); }
    const QStringList& CallLog() const { return m_log; }
    void ClearCallLog() { m_log.clear(); }
    QMap<double, QString> ValueLabels() const { return m_labels; }
    CChartData* GetData() const { return m_pData; }
    bool IsRepaintOn() const { return m_bRepaint; }
    int RedrawCount() const { return m_nRedraws; }
    QChart* Chart() const { return m_pChart; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Log(const QString& text);
    void Redraw();

    QChartView* m_pView = nullptr;
    QChart* m_pChart = nullptr;
    CChartData* m_pData = nullptr;
    QMap<int, QVariant> m_values;
    QMap<int, QString> m_strings;
    QMap<int, QVector<int32_t>> m_records;
    QMap<double, QString> m_labels;
    DataStyle m_style{};
    QStringList m_log;
    bool m_bRepaint = true;
    int m_nRedraws = 0;
    int m_nTextAreas = 0;
};
