#include "corvane/core/StartupSearch.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/EepromImage.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/core/MemoryChannelList.h"
#include "platform/Prompter.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"
#include "shared/StringEx.h"

#include <QApplication>
#include <QCursor>

#include <algorithm>

namespace {
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
} // namespace

CStartupSearch::CStartupSearch(View& view, CCatLink& link, CRadioMemoryList& memory)
    : m_pView(&view), m_link(link), m_memory(memory)
{
}

void CStartupSearch::SetCancelFlag(const std::atomic<bool>* pCancel)
{
    m_pCancel = pCancel;
    m_link.SetInterruptFlag(pCancel);
}

void CStartupSearch::Pause(int nMs) const
{
    // In short steps: a cancelled search does not sit out the radio's pauses.
    constexpr int kStepMs = 25;
    for (int left = nMs; left > 0 && !IsCancelled(); left -= kStepMs)
        platform::sleepMs(std::min(left, kStepMs));
}

void CStartupSearch::Select(int nPort, int nSpeed)
{
    m_nPort = nPort;
    m_nSpeed = nSpeed;
    m_pView->SelectPort(nPort);
    m_pView->SelectSpeed(nSpeed);
}

QString CStartupSearch::AskSpeedValueName(const QString& strPort, const QString& strSpeed)
{
    // The blank at the end belongs to the stored name.
    return QStringLiteral("Ask baud rate %1 %2 ").arg(strPort, strSpeed);
}

QString CStartupSearch::SpeedQuestion(const QString& strSpeed)
{
    CStringEx speed;
    speed.FormatThousands(strSpeed.toUInt(), QString());
    return QStringLiteral("Your FT-817 is not configured for the fastest performance.\n") + QStringLiteral("\n") +
           QStringLiteral("Use Menu Item 14 [CAT RATE] to set the baud rate to 38,400 bps.\n") +
           QStringLiteral("\n") + QStringLiteral("Press 'Yes' to continue with ") + speed + QStringLiteral(" bps.");
}

void CStartupSearch::AddRow(const QString& strStatus, int nImage)
{
    m_pView->AddRow({GetPort(), GetSpeed(), strStatus, nImage});
}

void CStartupSearch::AddHint(const QString& strText)
{
    m_pView->AddRow({QString(), QString(), strText, IMAGE_HINT});
}

bool CStartupSearch::TryCurrent()
{
    const QString port = GetPort();
    const QString speed = GetSpeed();
    QString error;
    if (!m_link.Open(port, speed, error)) {
        AddRow(error, IMAGE_FAILURE);
        AddHint(QStringLiteral("Check that %1 is not in use by another program.").arg(port));
        return false;
    }
    for (int attempt = 0; attempt < 2 && !IsCancelled(); ++attempt) {
        if (attempt > 0)
            Pause(250);
        // A radio that was switched off needs the wake-up and then time
        // before it answers; sent whether the radio is on or not.
        m_link.SetPower(true);
        Pause((attempt + 1) * 250);
        uint32_t frequency = 0;
        uint8_t mode = 0;
        m_link.ReadFrequencyAndMode(frequency, mode);
        if (frequency != 0 && frequency != 0xFFFFFFFFu) {
            AddRow(QStringLiteral("Connected"), IMAGE_SUCCESS);
            AddRow(QStringLiteral("Rx = %1").arg(CFrequencyText(frequency, CFrequencyText::FORM_CAT_BYTES).GetText()),
                   IMAGE_SUCCESS);
            return true;
        }
    }
    if (IsCancelled()) {
        m_link.Close();
        return false;
    }
    AddRow(QStringLiteral("Failed to get Rx frequency"), IMAGE_FAILURE);
    m_link.Close();
    return false;
}

bool CStartupSearch::Connect(bool bSearch, bool bAskSpeed)
{
    WaitCursor wait;
    return Search(bSearch) && Finish(bAskSpeed);
}

bool CStartupSearch::Search(bool bSearch)
{
    m_pView->ClearRows();
    m_pView->SetProgressText(QStringLiteral("Connecting to FT-817..."));

    bool connected = false;
    if (bSearch) {
        m_pView->SetProgressText(QStringLiteral("Searching for FT-817..."));
        connected = TryCurrent();
        for (int p = 0; p < m_ports.size() && !connected && !IsCancelled(); ++p) {
            for (int s = 0; s < m_speeds.size() && !connected && !IsCancelled(); ++s) {
                Select(p, s);
                m_pView->Repaint();
                connected = TryCurrent();
            }
        }
    } else {
        connected = TryCurrent();
    }
    if (IsCancelled()) {
        m_link.Close();
        return false;
    }
    if (!connected)
        m_pView->SetProgressText(QStringLiteral("Failed to connect"));
    return connected;
}

bool CStartupSearch::Finish(bool bAskSpeed)
{
    const CRegistry registry;
    registry.WriteString(QStringLiteral("Startup port"), GetPort());
    registry.WriteString(QStringLiteral("Startup speed"), GetSpeed());
    m_pView->Repaint();

    if (bAskSpeed && !m_speeds.isEmpty() && GetSpeed() != m_speeds.last()) {
        const QString name = AskSpeedValueName(GetPort(), GetSpeed());
        if (registry.GetInt(name, 1) != 0) {
            const int answer = platform::messageBox(m_pView->Owner(), SpeedQuestion(GetSpeed()), m_pView->Title(),
                                                    platform::MB_YESNO | platform::MB_ICONQUESTION);
            if (answer != platform::IDYES) {
                m_link.Close();
                return false;
            }
            registry.WriteInt(name, 0);
        }
    }
    return LoadMemory();
}

bool CStartupSearch::LoadMemory()
{
    m_pView->ShowProgress(true);
    m_pView->SetProgressText(QStringLiteral("Initialising..."));
    m_pView->RepaintProgress();
    // Without the bitmap every channel would look empty: a radio that stops
    // answering here is a failed connection, not an empty memory.
    if (!GetEepromImage().ReloadUsedBitmap()) {
        AddRow(QStringLiteral("Failed to read the memory channel map"), IMAGE_FAILURE);
        m_pView->SetProgressText(QStringLiteral("Failed to connect"));
        m_pView->ShowProgress(false);
        m_link.Close();
        return false;
    }
    const int count = m_memory.GetCount();
    for (int i = 0; i < count; ++i) {
        m_pView->SetProgressText(QStringLiteral("Loading memory... %1 / %2").arg(i + 1).arg(count));
        m_pView->SetProgressPos(i + 1);
        m_pView->RepaintProgress();
        m_memory.GetChannel(i)->LoadChannel(i, false);
    }
    return true;
}
