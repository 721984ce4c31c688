#pragma once
// The front panel's window: a splitter with the front-panel view on top and
// the S-meter chart below (hidden until asked for), and the document that
// goes with it (no data of its own).
#include <QPointer>
#include <QSplitter>
#include <QWidget>
#include <cstdint>

class CCatLink;
class CChartView;
class CDisplayView;

class CDisplayDoc : public QObject {
    Q_OBJECT
public:
    explicit CDisplayDoc(QObject* parent = nullptr) : QObject(parent) {}
    bool OnNewDocument() { return true; }
};

// A splitter that can take one row out of its layout and bring it back
// with the size it had.
class CDisplaySplitterWnd : public QSplitter {
    Q_OBJECT
public:
    explicit CDisplaySplitterWnd(QWidget* parent = nullptr);
    void HideRow(int nRow);
    void ShowRow();
    int GetHiddenRow() const { return m_nHiddenRow; }

private:
    int m_nHiddenRow = -1;
    int m_nKeptSize = 0;
};

class CDisplayFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCommandHistory = 32916;

    // Builds the splitter with the view and the chart; registers with the main frame.
    explicit CDisplayFrame(QWidget* parent = nullptr, CCatLink* pLink = nullptr, int nDisplaySize = -1);
    ~CDisplayFrame() override;

    CDisplayView* GetView() const { return m_pView; }
    CChartView* GetChartView() const { return m_pChart; }
    CDisplaySplitterWnd* GetSplitter() const { return m_pSplitter; }
    CDisplayDoc* GetDocument() const { return m_pDocument; }

    void AddChartSample(uint8_t nValue);
    // "S-Meter History": shows or hides the chart row.
    void OnSMeterHistory();
    bool IsChartShowing() const;

private:
    CDisplayDoc* m_pDocument;
    CDisplaySplitterWnd* m_pSplitter;
    CDisplayView* m_pView;
    CChartView* m_pChart;
    bool m_bRowSizesSet = false;
};
