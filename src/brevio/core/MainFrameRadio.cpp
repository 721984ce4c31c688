// The link to the radio-control program (message 1090), the locator to the
// map program (1091) and the external logbook's notification.
#include "brevio/core/MainFrame.h"

#include "brevio/core/DspCalls.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RadioToolBar.h"
#include "platform/LocalMessaging.h"
#include "platform/Prompter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <cstring>

std::optional<uint32_t> CMainFrame::SendRemote(const QString& strClass, uint32_t nCommand, int32_t nArgument)
{
    // One connection per linked program, kept between the 200 ms polls.
    if (!m_radioClient || m_strRadioClientClass != strClass || !m_radioClient->isConnected()) {
        m_radioClient = std::make_unique<platform::LocalClient>();
        m_strRadioClientClass = strClass;
        if (!m_radioClient->connectTo(strClass, kRemoteTimeoutMs)) {
            m_radioClient.reset();
            return std::nullopt;  // window not found
        }
    }
    // A program that does not answer in time counts as gone.
    const std::optional<uint32_t> reply =
        m_radioClient->send(WM_REMOTE_COMMAND, nCommand, nArgument, kRemoteTimeoutMs);
    if (!reply)
        m_radioClient.reset();
    return reply;
}

void CMainFrame::ProbeRadioProgram()
{
    m_bRadioLinked = false;
    m_nRadioProgram = 0;
    std::optional<uint32_t> reply = SendRemote(RadioProgramClass(), 2, 0);
    if (reply && *reply != 0) {
        m_bRadioLinked = true;
        m_nRadioProgram = 1;
        return;
    }
    reply = SendRemote(RavelinClass(), 2, 0);
    if (reply && *reply != 0) {
        m_bRadioLinked = true;
        m_nRadioProgram = 2;
        SendRemote(RavelinClass(), 99, 0);
    }
}

void CMainFrame::ApplyDecodedStatus(uint32_t nWord)
{
    m_bRadioAtt = (nWord >> 1) & 1;
    // The radio-control program reports IPO (preamplifier off) in bit 2.
    const bool bit2 = (nWord >> 2) & 1;
    m_bRadioPreamp = m_nRadioProgram == 1 ? !bit2 : bit2;
    m_bRadioNarrow = (nWord >> 3) & 1;
    m_bRadioNB = (nWord >> 4) & 1;
    m_bRadioDig = (nWord >> 5) & 1;
    if (m_pRadioBar) {
        m_pRadioBar->SetAgc(int((nWord >> 16) & 0x0F));
        if (m_bTransmitting)
            m_pRadioBar->SetMeter(int(((nWord >> 28) & 0x0F) | (((nWord >> 24) & 0x0F) << 4)), true);
        else
            m_pRadioBar->SetMeter(int((nWord >> 8) & 0x0F), false);
    }
}

void CMainFrame::LoseRadioLink()
{
    m_bRadioAtt = false;
    m_bRadioPreamp = false;
    m_bRadioLinked = false;
    m_radioClient.reset();
    if (m_pRadioBar) {
        m_pRadioBar->SetFrequency(0);
        m_pRadioBar->SetMeter(0, false);
        m_pRadioBar->SetAgc(-1);
    }
    if (m_nPttProgram)
        StopTransmissionWithoutRadio();
}

QString CMainFrame::RadioProgramName(int nProgram)
{
    return nProgram == 1 ? QStringLiteral("FT-817 Corvane") : QStringLiteral("Ravelin");
}

void CMainFrame::StopTransmissionWithoutRadio()
{
    // The program that keyed the radio is gone or closing (it unkeys the
    // radio itself then): going on would only pretend to transmit. Ended as
    // Escape ends it; the unsent text stays, and the end of the transmission
    // still asks that program to unkey. What the engine reported during the
    // transmit delay came before its stop, and may have ended it already.
    const int program = m_nPttProgram;
    EndTxDelay();
    if (!m_nPttProgram)
        return;
    m_bCWIdPending = false;
    fnAbortTX();
    fnClearTXBuffer();
    m_strTxStopNote = QStringLiteral("Transmission stopped: the link to %1 was lost").arg(RadioProgramName(program));
    CPSK31App::LogPrintf("%s", m_strTxStopNote.toLocal8Bit().constData());
    statusBar()->showMessage(m_strTxStopNote);
}

void CMainFrame::ClearTxStopNote()
{
    if (!m_strTxStopNote.isEmpty() && statusBar()->currentMessage() == m_strTxStopNote)
        statusBar()->clearMessage();
    m_strTxStopNote.clear();
}

void CMainFrame::RadioCommand(int nCommand, int nArgument)
{
    if (!m_bRadioLinked)
        return;
    const QString cls = m_nRadioProgram == 1 ? RadioProgramClass() : RavelinClass();
    const uint32_t reply = SendRemote(cls, uint32_t(nCommand), nArgument).value_or(0);
    if (reply == 0) {
        LoseRadioLink();
        return;
    }
    switch (nCommand) {
    case 6:
    case 7:
    case 8:
    case 9:
    case 12:
    case 15:
        ApplyDecodedStatus(reply);
        break;
    default:
        if (m_pRadioBar)
            m_pRadioBar->SetFrequency(int(reply));
        break;
    }
}

bool CMainFrame::KeyRadioForTransmit()
{
    const CPSK31Settings& s = CurrentSettings();
    if (!s.m_bPTTFT817 && !s.m_bPTTRVL)
        return true;
    const int program = m_bRadioLinked ? m_nRadioProgram : (s.m_bPTTFT817 ? 1 : 2);
    if (m_bRadioLinked) {
        PttOn();
        if (m_bRadioLinked) {
            m_nPttProgram = program;
            m_bPttPrepared = true;
            return true;
        }
        // Refused: a radio that keyed all the same without confirming it
        // must not stay on the air.
        SendRemote(program == 1 ? RadioProgramClass() : RavelinClass(), 4, 0);
    }
    // Nothing would key the radio: sending now would only pretend to.
    const QString name = RadioProgramName(program);
    CPSK31App::LogPrintf("Switching radio to Tx failed: %s did not key the radio", name.toLocal8Bit().constData());
    platform::messageBox(this,
                         QStringLiteral("%1 could not switch the radio to transmit: it is not running or it has "
                                        "lost the radio.\nNothing was transmitted.")
                             .arg(name),
                         QStringLiteral("Error"), platform::MB_OK | int(platform::MB_ICONERROR));
    return false;
}

void CMainFrame::PttOff()
{
    const int keyed = m_nPttProgram;
    m_nPttProgram = 0;
    if (m_bRadioLinked) {
        RadioCommand(4, 0);
        return;
    }
    // The link went while the radio was keyed: the program that keyed it
    // is still asked to unkey it.
    if (keyed)
        SendRemote(keyed == 1 ? RadioProgramClass() : RavelinClass(), 4, 0);
}

void CMainFrame::ActivateRadioProgram()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    auto bringForward = [](const QString& cls) {
        // The running program comes to the front on the activation request.
        return platform::LocalClient::postTo(cls, 0x0006, 1, 0, 500);
    };
    bool done = bringForward(RadioProgramClass());
    if (!done && QFileInfo(folder + QStringLiteral("FT-817 Corvane")).isReadable()) {
        TheApp().ShellOpen(folder + QStringLiteral("FT-817 Corvane"));
        done = true;
    }
    if (!done)
        done = bringForward(RavelinClass());
    if (!done && QFileInfo(folder + QStringLiteral("Ravelin")).isReadable()) {
        TheApp().ShellOpen(folder + QStringLiteral("Ravelin"));
        done = true;
    }
    QApplication::restoreOverrideCursor();
    if (!done)
        platform::messageBox(this, QStringLiteral("Radio control program not found"), QStringLiteral("Error"),
                             platform::MB_OK | int(platform::MB_ICONERROR));
}

uint32_t CMainFrame::OnRadioLink(uint32_t wParam, int32_t lParam)
{
    Q_UNUSED(lParam);
    if (m_bClosing || wParam != 14)
        return 0;
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    return 1;
}

void CMainFrame::LocatorParams(const QString& strLocator, uint32_t& wParam, int32_t& lParam)
{
    char buffer[9] = {};
    const QByteArray text = strLocator.toLatin1().left(8);
    std::memcpy(buffer, text.constData(), size_t(text.size()));
    wParam = uint32_t(uint8_t(buffer[0])) | (uint32_t(uint8_t(buffer[1])) << 8) |
             (uint32_t(uint8_t(buffer[2])) << 16) | (uint32_t(uint8_t(buffer[3])) << 24);
    lParam = int32_t(uint32_t(uint8_t(buffer[4])) | (uint32_t(uint8_t(buffer[5])) << 8) |
                     (uint32_t(uint8_t(buffer[6])) << 16) | (uint32_t(uint8_t(buffer[7])) << 24));
}

void CMainFrame::SendLocatorToOrbisk(const QString& strLocator)
{
    if (strLocator.size() != 6)
        return;
    uint32_t wParam = 0;
    int32_t lParam = 0;
    LocatorParams(strLocator, wParam, lParam);
    platform::LocalClient::postTo(OrbiskClass(), WM_REMOTE_LOCATOR, wParam, lParam, 500);
}

void CMainFrame::NotifyExternalLogbook()
{
    const CPSK31Settings& s = CurrentSettings();
    if (!s.m_bExtLogbookEnable || s.m_strExtLogbookClass.isEmpty())
        return;
    platform::LocalClient::postTo(s.m_strExtLogbookClass, WM_USER + uint32_t(s.m_nExtLogbookMsgId),
                                  uint32_t(s.m_nExtLogbookWPARAM), s.m_nExtLogbookLPARAM, 500);
}
