#pragma once
// A Super Browser view in its own frame, offscreen, on a scripted band of
// signals and a clock the test moves.
#include "ScriptedBand.h"
#include "platform/Program.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/display/AlarmActions.h"
#include "brevio/display/AlarmList.h"
#include "brevio/display/DisplayCanvas.h"
#include "brevio/display/SuperFrame.h"
#include "brevio/display/SuperView.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

class AlarmLog : public CAlarmActions {
public:
    void Beep() override { m_calls << QStringLiteral("beep"); }
    void PlayWave(const QString& strPath) override { m_calls << QStringLiteral("play ") + strPath; }
    void Speak(const QString& strText, bool, bool) override { m_calls << QStringLiteral("speak ") + strText; }
    QStringList m_calls;
};

class SuperViewFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        CAlarmActions::SetInstance(&m_alarms);
    }
    void TearDown() override
    {
        m_frame.reset();
        CSuperView::SetMenuRunner(nullptr);
        CAlarmActions::SetInstance(nullptr);
        Alarms().RemoveAll();
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        platform::setProgram(platform::corvaneIdentity());
    }
    // The view as the program makes it, in its frame, laid out and drawn.
    CSuperView* Create(QSize size = QSize(800, 600))
    {
        auto* view = new CSuperView;
        view->OnInitialUpdate();
        m_frame.reset(static_cast<CSuperFrame*>(view->CreateFrame()));
        m_frame->resize(size);
        m_frame->show();
        QCoreApplication::processEvents();
        view->OnTimer(101);
        QCoreApplication::processEvents();
        m_view = view;
        return view;
    }
    // Started and past its three seconds of initialising.
    void Start()
    {
        m_view->StartBrowser();
        m_view->OnTimer(102);
    }
    void Feed(int index, const QString& text)
    {
        for (QChar c : text)
            m_view->OnChannelChar(c.unicode(), index + 10);
    }
    // One second of the browser.
    void Second()
    {
        m_band.Advance(1000);
        m_view->OnTimer(100);
    }
    QPoint BoxCentre(int index) const
    {
        const RECT b = m_view->Engine().Channel(index).GetBox();
        const QPoint origin = m_view->GetArea()->pos();
        return QPoint(origin.x() + CSuperView::kScaleWidth + (b.left + b.right) / 2, origin.y() + (b.top + b.bottom) / 2);
    }
    // Picks the menu entry with that text (the menus are never shown).
    void PickMenuEntry(const QString& text)
    {
        CSuperView::SetMenuRunner([this, text](QMenu* menu, const QPoint&) -> QAction* {
            m_menuTexts.clear();
            QAction* found = nullptr;
            for (QAction* a : menu->actions()) {
                m_menuTexts << a->text();
                if (a->text() == text)
                    found = a;
            }
            return found;
        });
    }

    ScriptedBand m_band;
    AlarmLog m_alarms;
    std::unique_ptr<CSuperFrame> m_frame;
    CSuperView* m_view = nullptr;
    QStringList m_menuTexts;
};

} // namespace testsupport
