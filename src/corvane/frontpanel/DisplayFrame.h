#pragma once
// The front panel's window: a splitter with the front-panel view on top and
// the S-meter chart below (hidden until asked for), and the document that
// goes with it (no data of its own).
#include "corvane/core/DocView.h"

#include <QPointer>
#include <QSplitter>
#include <cstdint>

class CChartView;
class CDisplayView;

class CDisplayDoc : public CDocument {
    Q_OBJECT
public:
    CDisplayDoc() = default;
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

class CDisplayFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    static constexpr int kCommandHistory = 32916;

    explicit CDisplayFrame(QWidget* parent = nullptr);
    ~CDisplayFrame() override;

    // Registers with the main frame, titles itself "Display" and builds the
    // splitter: the view on top, the chart (hidden) below.
    bool OnCreateClient(CView* pView) override;

    CDisplayView* GetView() const;
    CChartView* GetChartView() const { return m_pChart; }
    CDisplaySplitterWnd* GetSplitter() const { return m_pSplitter; }

    void AddChartSample(uint8_t nValue);
    // "S-Meter History": shows or hides the chart row.
    void OnSMeterHistory();
    bool IsChartShowing() const;

private:
    CDisplaySplitterWnd* m_pSplitter = nullptr;
    QPointer<CDisplayView> m_pView;
    CChartView* m_pChart = nullptr;
    bool m_bRowSizesSet = false;
};
