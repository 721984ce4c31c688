#include "FrameFixture.h"

#include "shared/RegisteredEvent.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace testsupport {

bool MessageRecorder::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_target && uint32_t(e->type()) >= 0xC000 && uint32_t(e->type()) <= 0xFFFF) {
        if (auto* r = dynamic_cast<CRegisteredEvent*>(e))
            m_messages.append({r->message(), r->wParam(), r->lParam()});
    }
    return false;
}

QList<MessageRecorder::Message> MessageRecorder::Of(uint32_t msg) const
{
    QList<Message> out;
    for (const Message& m : m_messages)
        if (m.msg == msg)
            out.append(m);
    return out;
}

FrameFixture::FrameFixture()
{
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
    frame = new CMainFrame;
    frame->OnCreate();
    for (int n = 0; n < 4; ++n) {
        forms[n] = new CFormRx;
        auto* sub = frame->GetMdiArea()->addSubWindow(forms[n]);
        sub->hide();
        forms[n]->SetChannel(n);
        frame->SetChannelWindow(forms[n], n);
    }
    log = new CPSK31BrevioView;
    frame->GetMdiArea()->addSubWindow(log)->hide();
    log->OnInitialUpdate();
    // The engine was started as the program starts it.
    frame->StartSoundcard();
    dsp.Clear();
}

FrameFixture::~FrameFixture()
{
    TheApp().SetLogView(nullptr);
    delete frame;
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
}

void FrameFixture::Engine(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    dsp.Post(message, wParam, lParam);
    Process();
}

void FrameFixture::Process()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
}

QStringList FrameFixture::LogLines() const
{
    QStringList lines = log->toPlainText().split(QLatin1Char('\n'));
    // Without their "HH:mm:ss " stamps.
    for (QString& line : lines)
        if (line.size() >= 9 && line[2] == QLatin1Char(':') && line[5] == QLatin1Char(':'))
            line = line.mid(9);
    return lines;
}

} // namespace testsupport
