#pragma once
// A real main window with an MDI area and four receive-channel frames around
// the display canvas. Each frame's form answers the canvas's messages as a
// receive channel window does: nMsgFrequency tunes its DSP channel through
// the binding, nMsgQuery gives its channel number, nMsgCenter is counted.
#include "brevio/core/DspLibrary.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/display/DisplayCanvasServices.h"
#include "brevio/display/PaletteDesigner.h"
#include "shared/RegisteredEvent.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <vector>

namespace testsupport {

class ChannelForm : public QWidget {
public:
    explicit ChannelForm(int nChannel) : m_nChannel(nChannel) {}
    int m_nChannel;
    std::vector<std::pair<uintptr_t, intptr_t>> m_frequencies;
    int m_nCentres = 0;
    bool event(QEvent* e) override
    {
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgFrequency)) {
            m_frequencies.emplace_back(m->wParam(), m->lParam());
            fnSetRXFrequency(int(m->lParam()), 0, m_nChannel);
            return true;
        }
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgQuery)) {
            *reinterpret_cast<int*>(m->lParam()) = m_nChannel;
            return true;
        }
        if (CRegisteredEvent::As(e, RegisteredMessage::nMsgCenter)) {
            ++m_nCentres;
            return true;
        }
        return QWidget::event(e);
    }
};

// Receives what the Super Browser's canvas posts.
class SuperView : public QObject {
public:
    std::vector<std::pair<uintptr_t, intptr_t>> m_frequencies;
    bool event(QEvent* e) override
    {
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgFrequency)) {
            m_frequencies.emplace_back(m->wParam(), m->lParam());
            return true;
        }
        return QObject::event(e);
    }
};

class CanvasHost : public CDisplayCanvasServices {
public:
    CanvasHost()
    {
        m_main.resize(900, 700);
        m_pArea = new QMdiArea;
        m_main.setCentralWidget(m_pArea);
        for (int n = 0; n < 4; ++n) {
            m_forms[n] = new ChannelForm(n);
            m_frames[n] = m_pArea->addSubWindow(m_forms[n]);
            m_frames[n]->resize(300, 200);
            m_frames[n]->hide();
        }
        m_main.show();
        (void)QTest::qWaitForWindowExposed(&m_main);
        CDisplayCanvasServices::SetInstance(this);
    }
    ~CanvasHost() override { CDisplayCanvasServices::SetInstance(nullptr); }

    // Shows channel n's frame and makes it the active one.
    void Open(int n)
    {
        m_frames[n]->showNormal();
        m_pArea->setActiveSubWindow(m_frames[n]);
    }
    void Hide(int n) { m_frames[n]->hide(); }

    bool HasMainWindow() const override { return true; }
    QMdiArea* GetMdiArea() const override { return m_pArea; }
    QWidget* GetChannelFrame(int n) const override { return n >= 0 && n < 4 ? m_frames[n] : nullptr; }
    bool IsChannelVisible(int n) const override { return m_frames[n]->isVisible(); }
    bool IsChannelActive(int n) const override { return m_pArea->activeSubWindow() == m_frames[n]; }
    void ActivateView(int n, int nShow) override
    {
        m_activations.emplace_back(n, nShow);
        if (n < 0 || n > 3)
            return;
        QMdiSubWindow* f = m_frames[n];
        const bool bWasActive = m_pArea->activeSubWindow() == f && f->isVisible();
        if (!bWasActive) {
            f->showNormal();
            m_pArea->setActiveSubWindow(f);
        } else if (f->isMinimized()) {
            f->showNormal();
        } else if (nShow == kShowMinimise) {
            f->showMinimized();
        }
    }
    bool IsCentreBarVisible() const override { return m_bCentreBar; }
    int GetCentreValue() const override { return m_nCentre; }
    int64_t GetDialFrequency() const override { return m_nDial; }
    void ShowOptionsPage(int nPage) override { m_pages.push_back(nPage); }
    void RewindInput() override { ++m_nRewinds; }
    // As the main frame does: the palette designer, modal over the main window.
    void OnPaletteEditor() override
    {
        ++m_nPaletteEditors;
        CPaletteDesigner designer(&m_main);
        designer.DoModal();
    }
    void ReduceMixerLevels(int nPercent) override { m_volume.push_back(nPercent); }
    QObject* GetSuperView() const override { return m_pSuperView; }
    bool IsTxPanelShown() const override { return m_bTxPanel; }
    bool IsTxLocked() const override { return m_bTxLocked; }
    int GetTxFrequency() const override { return m_nTxFrequency; }

    QMainWindow m_main;
    QMdiArea* m_pArea = nullptr;
    QMdiSubWindow* m_frames[4] = {};
    ChannelForm* m_forms[4] = {};
    std::vector<std::pair<int, int>> m_activations;
    bool m_bCentreBar = false;
    int m_nCentre = 0;
    int64_t m_nDial = 0;
    std::vector<int> m_pages;
    int m_nRewinds = 0;
    int m_nPaletteEditors = 0;
    std::vector<int> m_volume;
    QObject* m_pSuperView = nullptr;
    bool m_bTxPanel = false;
    bool m_bTxLocked = false;
    int m_nTxFrequency = 0;
};

} // namespace testsupport
