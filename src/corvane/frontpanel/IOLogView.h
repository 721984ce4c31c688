#pragma once
// The I/O log window (document template 129): a child window of the main
// frame listing every traced CAT exchange and every logged line. It starts
// minimised and cannot be closed, only minimised.
#include "corvane/core/DocView.h"
#include "corvane/core/IoLogSink.h"

#include <cstdint>

class CIOLogList;

class CIOLogDoc : public CDocument {
    Q_OBJECT
public:
    CIOLogDoc();
    ~CIOLogDoc() override;
};

class CIOLogFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    explicit CIOLogFrame(QWidget* parent = nullptr);
    ~CIOLogFrame() override;

    bool OnCreateClient(CView* pView) override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

class CIOLogView : public CView, public CIoLogSink {
    Q_OBJECT
public:
    explicit CIOLogView(QWidget* parent = nullptr);
    ~CIOLogView() override;

    // Registers with the application as its I/O log and adds "Ready".
    void OnInitialUpdate() override;

    void AddEntry(const uint8_t* sent, int sentCount, const uint8_t* received, int receivedCount,
                  const QString& strComment);
    void AddText(const QString& strComment);

    // CIoLogSink: the application's log entry points.
    void AddTextRow(const QString& text) override { AddText(text); }
    void AddBytesRow(const std::optional<QByteArray>& sent, const std::optional<QByteArray>& received,
                     const QString& description) override;

    CIOLogList* GetList() const { return m_pList; }

private:
    CIOLogList* m_pList;
};

// Registers the I/O log's document template (129) with the application.
void InstallIoLogTemplate();
