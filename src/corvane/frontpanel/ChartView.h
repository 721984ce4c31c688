#pragma once
// The S-meter chart: signal strength over time in the lower pane of the
// front-panel frame, one point per sample period, at most 10000 points
// (the oldest tenth dropped when full).
#include "corvane/frontpanel/Chart2D.h"

#include <QDateTime>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QPrinter;

class CChartView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCapacity = 10000;

    explicit CChartView(QWidget* parent = nullptr);
    ~CChartView() override;

    // Makes the chart in the view; FALSE when it cannot be made.
    bool Create();
    void CreateDataSet();
    void AddSample(uint8_t nValue);
    void Refresh();
    void UpdateTimeAxis();
    void OnOptions();
    void Erase();
    void OnCommand(int nId);

    CChart2D& Chart() { return m_chart; }
    CChartData* Data() const { return m_pData.get(); }
    int64_t CreationTime() const { return m_nCreated; }
    int UtcOffset() const { return m_nUtcOffset; }
    int TimeSpan() const { return m_nTimeSpan; }
    bool IsGmt() const { return m_bGMT; }
    // The clock the chart reads (seconds since the epoch); tests set it.
    void SetClock(std::function<int64_t()> clock) { m_clock = std::move(clock); }
    // The options sheet; the program sets how to run it.
    static void SetOptionsHandler(std::function<void(CChartView*)> handler);

    // Where the chart goes on a printed page (device units): scaled to the
    // page's height and centred across when the page is relatively wider
    // than the chart, else scaled to its width and centred down.
    static QRect PrintRect(const QSize& page, const QSize& chart);
    // Page 1 of the chart into a printer (PDF printers work without a display).
    void Print(QPrinter& printer);

    // UTC minus local time at a moment, in seconds.
    static int UtcOffsetAt(int64_t nSeconds);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    int64_t Now() const;

    CChart2D m_chart;
    std::unique_ptr<CChartData> m_pData;
    CChart2D::DataStyle m_style{};
    int m_nTextArea = 0;
    int m_bGMT = 0;
    int m_nUtcOffset = 0;
    int m_nTimeSpan = 300;
    int64_t m_nCreated = 0;
    std::function<int64_t()> m_clock;
};
