#include "corvane/core/CatLink.h"

#include "corvane/core/RadioApp.h"
#include "corvane/core/Settings.h"
#include "platform/SerialPort.h"
#include "platform/Sleeper.h"
#include "shared/Registry.h"

#include <cstring>
#include <utility>

namespace {
constexpr int kAttempts = 3;
// Reads of one pair before a confirmed read gives up: enough for two in a
// row to agree around a garbled or cut reply, few enough to stay quick.
constexpr int kConfirmReads = 6;
// Frequencies and offsets travel as eight BCD digits of 10 Hz.
constexpr uint32_t kBcdLimit = 100000000;

// What an exchange on a link that was never opened reports.
QString NotOpenText()
{
    return QStringLiteral("The port is not open");
}

QString eepromText(const char* format, uint8_t high, uint8_t low)
{
    return QString::asprintf(format, high, low);
}
} // namespace

void PackBcd(uint32_t nValue, uint8_t bytes[4])
{
    for (int i = 3; i >= 0; --i) {
        const uint32_t low = nValue % 10;
        nValue /= 10;
        const uint32_t high = nValue % 10;
        nValue /= 10;
        bytes[i] = uint8_t(high << 4 | low);
    }
}

CCatLink::CCatLink() = default;

CCatLink::~CCatLink()
{
    Close();
}

bool CCatLink::IsOpen() const
{
    return m_hPort && m_hPort->isOpen();
}

void CCatLink::MoveToThread(QThread* pThread)
{
    if (m_hPort)
        m_hPort->moveToThread(pThread);
}

void CCatLink::SetInterruptFlag(const std::atomic<bool>* pInterrupt)
{
    m_pInterrupt = pInterrupt;
    if (m_hPort)
        m_hPort->setInterruptFlag(pInterrupt);
}

// ---------------------------------------------------------------- the link

bool CCatLink::Open(const QString& strPort, const QString& strSpeed, QString& strError)
{
    Close();
    std::unique_ptr<platform::SerialPort> port = platform::createSerialPort();
    port->setInterruptFlag(m_pInterrupt);
    QString reason;
    if (!port->open(strPort, &reason)) {
        strError = QStringLiteral("Error opening %1 - %2").arg(strPort, reason);
        return false;
    }
    m_hPort = std::move(port);
    CRadioApp::Log(QStringLiteral("Opened: %1").arg(strPort));

    const QString dcbText = QStringLiteral("%1,n,8,2").arg(strSpeed);
    platform::SerialLineSettings line;
    if (!platform::parseLineSettings(dcbText, &line, &reason)) {
        strError = QStringLiteral("Error building device control block - %1").arg(reason);
        Close();
        return false;
    }
    const CRegistry registry;
    line.dtr = registry.GetBool(QStringLiteral("Startup - DTR"), false);
    line.rts = registry.GetBool(QStringLiteral("Startup - RTS"), false);
    CRadioApp::Log(QStringLiteral("Build DCB: %1").arg(dcbText));
    if (!m_hPort->configure(line, &reason)) {
        strError = QStringLiteral("Error setting port status - %1").arg(reason);
        Close();
        return false;
    }
    CRadioApp::Log(QStringLiteral("Set DCB: %1").arg(platform::formatLineSettings(line)));

    const platform::SerialTimeouts timeouts{200, 200, 500, 100, 500};
    if (!m_hPort->setTimeouts(timeouts, &reason)) {
        strError = QStringLiteral("Error setting timeouts - %1").arg(reason);
        Close();
        return false;
    }
    CRadioApp::Log(QStringLiteral("Set timeouts:"));
    CRadioApp::Log(QStringLiteral("  Read interval timeout ...........: %1").arg(timeouts.readInterval));
    CRadioApp::Log(QStringLiteral("  Read Total Timeout Multiplier ...: %1").arg(timeouts.readTotalMultiplier));
    CRadioApp::Log(QStringLiteral("  Read Total Timeout Constant .....: %1").arg(timeouts.readTotalConstant));
    CRadioApp::Log(QStringLiteral("  Write Total Timeout Multiplier ..: %1").arg(timeouts.writeTotalMultiplier));
    CRadioApp::Log(QStringLiteral("  Write Total Timeout Constant ....: %1").arg(timeouts.writeTotalConstant));
    return true;
}

void CCatLink::Close()
{
    if (m_hPort) {
        m_hPort->close();
        m_hPort.reset();
        CRadioApp::Log(QStringLiteral("Closed"));
    }
}

bool CCatLink::Transact(const uint8_t* command, int nCommandLength, uint8_t* reply, int nReplyLength,
                        const QString& strDescription)
{
    std::memset(reply, 0, size_t(nReplyLength));
    QString error;
    QString reason = NotOpenText();
    int written = 0;
    if (m_hPort)
        m_hPort->flushInput();  // a late answer to an earlier frame is not this reply
    if (!m_hPort || !m_hPort->write(command, nCommandLength, &written, &reason)) {
        error = QStringLiteral("Send error: %1").arg(reason);
    } else {
        int got = 0;
        if (!m_hPort->read(reply, nReplyLength, &got, &reason))
            error = QStringLiteral("Read error: %1 (%2)").arg(reason, strDescription);
        else if (got < nReplyLength)
            // A short reply is as much a failure as none: its bytes cannot be trusted.
            error = QStringLiteral("Read error: %1 / %2 bytes read (%3)").arg(got).arg(nReplyLength).arg(strDescription);
    }
    if (m_bTraceAll)
        CRadioApp::LogExchange(command, nCommandLength, reply, nReplyLength, strDescription);
    if (!error.isEmpty())
        CRadioApp::Log(error);
    m_nFailedInARow = error.isEmpty() ? 0 : m_nFailedInARow + 1;
    return error.isEmpty();
}

bool CCatLink::Send(const uint8_t* command, int nCommandLength, const QString& strDescription)
{
    QString reason = NotOpenText();
    int written = 0;
    if (m_hPort)
        m_hPort->flushInput();
    const bool ok = m_hPort && m_hPort->write(command, nCommandLength, &written, &reason);
    if (m_bTraceAll)
        CRadioApp::LogSent(command, nCommandLength, strDescription);
    if (!ok)
        CRadioApp::Log(QStringLiteral("Send error: %1").arg(reason));
    return ok;
}

bool CCatLink::WriteBytes(const uint8_t* buffer, int nCount, const QString&)
{
    int written = 0;
    if (!m_hPort)
        return false;
    m_hPort->flushInput();
    return m_hPort->write(buffer, nCount, &written, nullptr);
}

bool CCatLink::ReadBytes(uint8_t* buffer, int nCount, const QString& strDescription)
{
    int got = 0;
    return ReadBytesCount(buffer, nCount, strDescription, got) && got > 0;
}

bool CCatLink::ReadBytesCount(uint8_t* buffer, int nCount, const QString&, int& nRead)
{
    nRead = 0;
    return m_hPort && m_hPort->read(buffer, nCount, &nRead, nullptr);
}

// ---------------------------------------------------------------- reads

bool CCatLink::ReadFrequencyAndMode(uint32_t& nFrequencyBytes, uint8_t& nMode)
{
    nFrequencyBytes = 0;
    nMode = 0;
    const uint8_t command[5] = {0, 0, 0, 0, 0x03};
    uint8_t reply[5];
    if (!Transact(command, 5, reply, 5, QStringLiteral("Read frequency and mode")))
        return false;
    std::memcpy(&nFrequencyBytes, reply, 4);
    nMode = reply[4];
    return true;
}

bool CCatLink::ReadRxStatus(uint8_t& nStatus)
{
    nStatus = 0;
    const uint8_t command[5] = {0, 0, 0, 0, 0xE7};
    uint8_t reply[1];
    if (!Transact(command, 5, reply, 1, QStringLiteral("Read RX status")))
        return false;
    nStatus = reply[0];
    return true;
}

bool CCatLink::ReadTxStatus(uint8_t& nStatus)
{
    nStatus = 0;
    const uint8_t command[5] = {0, 0, 0, 0, 0xF7};
    uint8_t reply[1];
    if (!Transact(command, 5, reply, 1, QStringLiteral("Read TX status")))
        return false;
    nStatus = reply[0];
    return true;
}

bool CCatLink::ReadTxMeter(uint8_t& nFirst, uint8_t& nSecond)
{
    nFirst = 0;
    nSecond = 0;
    const uint8_t command[5] = {0, 0, 0, 0, 0xBD};
    uint8_t reply[2];
    if (!Transact(command, 5, reply, 2, QStringLiteral("Read TX meter")))
        return false;
    nFirst = reply[0];
    nSecond = reply[1];
    return true;
}

// ---------------------------------------------------------------- set commands

bool CCatLink::SetCommand(uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4, uint8_t opcode,
                          const QString& strDescription)
{
    const uint8_t command[5] = {p1, p2, p3, p4, opcode};
    if (!Send(command, 5, strDescription))
        return false;
    // The radio acknowledges with one byte whose value means nothing.
    uint8_t ack[1];
    return ReadBytes(ack, 1, strDescription);
}

void CCatLink::SetLock(bool bOn)
{
    SetCommand(0, 0, 0, 0, bOn ? 0x00 : 0x80, QStringLiteral("Set lock"));
}

bool CCatLink::SetFrequency(uint32_t nTenHz)
{
    if (nTenHz >= kBcdLimit) {
        CRadioApp::Log(QStringLiteral("Set frequency refused: %1 Hz is 1 GHz or more").arg(uint64_t(nTenHz) * 10));
        return false;
    }
    if (m_bClarifierOn)
        SetClarifier(false);
    uint8_t bcd[4];
    PackBcd(nTenHz, bcd);
    // Also when no acknowledgement comes: the radio may have heard it.
    m_bFrequencySent = true;
    m_nSentTenHz = nTenHz;
    return SetCommand(bcd[0], bcd[1], bcd[2], bcd[3], 0x01,
                      QStringLiteral("Set frequency %1 Hz").arg(uint64_t(nTenHz) * 10));
}

bool CCatLink::SetFrequencyHz(uint32_t nHz)
{
    return SetFrequency(nHz / 10);
}

bool CCatLink::SetOtherVfoFrequency(uint32_t nHz)
{
    if (nHz / 10 >= kBcdLimit)
        return SetFrequency(nHz / 10);  // refused and logged; the VFO is left alone
    ToggleVfo();
    const bool ok = SetFrequency(nHz / 10);
    ToggleVfo();
    // The poll reads the VFO in use, not this one.
    m_bFrequencySent = false;
    return ok;
}

bool CCatLink::TakeSentFrequency(uint32_t& nTenHz)
{
    nTenHz = m_nSentTenHz;
    return std::exchange(m_bFrequencySent, false);
}

bool CCatLink::SetFrequencyInMode(uint32_t nHz, uint8_t nMode)
{
    if (nHz / 10 >= kBcdLimit)
        return SetFrequency(nHz / 10);
    SetMode(nMode);
    const bool ok = SetFrequency(nHz / 10);
    SetMode(nMode);
    return ok;
}

bool CCatLink::SetClarifier(bool bOn)
{
    return SetCommand(0, 0, 0, 0, bOn ? 0x05 : 0x85, QStringLiteral("Set clarifier on/off"));
}

bool CCatLink::SetClarifierOffset(int nTenHz)
{
    if (nTenHz < -999 || nTenHz > 999) {
        CRadioApp::Log(QStringLiteral("Set clarifier frequency refused: %1 Hz is beyond 9.99 kHz").arg(nTenHz * 10));
        return false;
    }
    const int magnitude = nTenHz < 0 ? -nTenHz : nTenHz;
    const int rest = magnitude % 100;
    return SetCommand(nTenHz < 0 ? 0xFF : 0x00, 0x00, uint8_t(magnitude / 100), uint8_t((rest / 10) << 4 | rest % 10),
                      0xF5, QStringLiteral("Set clarifier frequency"));
}

void CCatLink::SetMode(uint8_t nMode)
{
    switch (nMode) {
    case MODE_LSB: case MODE_USB: case MODE_CW: case MODE_CWR:
    case MODE_AM: case MODE_FM: case MODE_DIG: case MODE_PKT:
        SetCommand(nMode, 0, 0, 0, 0x07, QStringLiteral("Set mode"));
        break;
    default:
        break;
    }
}

bool CCatLink::SetPtt(bool bOn)
{
    return SetCommand(0, 0, 0, 0, bOn ? 0x08 : 0x88, QStringLiteral("Set PTT"));
}

void CCatLink::SetRepeaterShift(int nShift)
{
    static const uint8_t codes[3] = {0x89, 0x09, 0x49};
    if (nShift >= 0 && nShift <= 2)
        SetCommand(codes[nShift], 0, 0, 0, 0x09, QStringLiteral("Set repeater offset"));
}

bool CCatLink::SetRepeaterOffset(uint32_t nHz)
{
    const uint32_t tenHz = nHz / 10;
    if (tenHz >= kBcdLimit) {
        CRadioApp::Log(QStringLiteral("Set repeater shift refused: %1 Hz is 1 GHz or more").arg(nHz));
        return false;
    }
    uint8_t bcd[4];
    PackBcd(tenHz, bcd);
    return SetCommand(bcd[0], bcd[1], bcd[2], bcd[3], 0xF9, QStringLiteral("Set repeater shift"));
}

void CCatLink::SetToneMode(int nMode)
{
    static const uint8_t codes[4] = {0x8A, 0x4A, 0x2A, 0x0A};
    if (nMode >= 0 && nMode <= 3)
        SetCommand(codes[nMode], 0, 0, 0, 0x0A, QStringLiteral("Set CTCSS/DCS mode"));
}

bool CCatLink::SetCtcssTone(uint8_t b1, uint8_t b2)
{
    return SetCommand(b1, b2, 0, 0, 0x0B, QStringLiteral("Set CTCSS frequency"));
}

bool CCatLink::SetDcsCode(uint8_t b1, uint8_t b2)
{
    return SetCommand(b1, b2, 0, 0, 0x0C, QStringLiteral("Set DCS code"));
}

void CCatLink::SetPower(bool bOn)
{
    if (bOn) {
        // A sleeping radio needs some bytes on the line to wake up before it
        // hears the power-on frame.
        const uint8_t dummy[5] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        Send(dummy, 5, QStringLiteral("Power on dummy data"));
        platform::sleepMs(100);
        SetCommand(0, 0, 0, 0, 0x0F, QStringLiteral("Set Power On"));
    } else {
        SetCommand(0, 0, 0, 0, 0x8F, QStringLiteral("Set Power Off"));
    }
}

void CCatLink::ToggleVfo()
{
    SetCommand(0, 0, 0, 0, 0x81, QStringLiteral("Toggle VFO"));
}

bool CCatLink::SetSplit(bool bOn)
{
    return SetCommand(0, 0, 0, 0, bOn ? 0x02 : 0x82, QStringLiteral("Set split frequency operation"));
}

// ---------------------------------------------------------------- EEPROM reads

bool CCatLink::ReadEeprom(uint8_t nHigh, uint8_t nLow, uint8_t& nFirst, uint8_t& nSecond)
{
    if ((uint32_t(nHigh) << 8 | nLow) > GetSettings().GetEepromLimit()) {
        nFirst = 0xFF;
        nSecond = 0xFF;
        return false;
    }
    nFirst = 0;
    nSecond = 0;
    const uint8_t command[5] = {nHigh, nLow, 0, 0, 0xBB};
    uint8_t reply[2];
    if (!Transact(command, 5, reply, 2, eepromText("Read EEPROM 0x%02X%02X", nHigh, nLow)))
        return false;
    nFirst = reply[0];
    nSecond = reply[1];
    return true;
}

bool CCatLink::ReadEepromAt(uint16_t nAddress, uint8_t& nFirst, uint8_t& nSecond)
{
    return ReadEeprom(uint8_t(nAddress >> 8), uint8_t(nAddress), nFirst, nSecond);
}

bool CCatLink::ReadEepromConfirmed(uint16_t nAddress, uint8_t& nFirst, uint8_t& nSecond)
{
    if (nAddress > GetSettings().GetEepromLimit())
        return ReadEepromAt(nAddress, nFirst, nSecond);
    uint8_t last[2] = {};
    bool haveLast = false;
    int failedInARow = 0;
    for (int i = 0; i < kConfirmReads; ++i) {
        uint8_t reply[2] = {};
        if (!ReadEepromAt(nAddress, reply[0], reply[1])) {
            haveLast = false;
            // A radio that stopped answering is not asked again and again.
            if (++failedInARow >= 2 || m_nFailedInARow >= 3)
                break;
            continue;
        }
        failedInARow = 0;
        if (haveLast && reply[0] == last[0] && reply[1] == last[1]) {
            nFirst = reply[0];
            nSecond = reply[1];
            return true;
        }
        last[0] = reply[0];
        last[1] = reply[1];
        haveLast = true;
    }
    CRadioApp::Log(QString::asprintf("Read EEPROM 0x%04X: no two answers agreed", nAddress));
    return false;
}

int CCatLink::GetEepromBit(uint16_t nAddress, int nBit)
{
    return GetEepromField(nAddress, nBit, 1);
}

int CCatLink::GetEepromField(uint16_t nAddress, int nShift, int nWidth)
{
    int value = 0;
    ReadEepromField(nAddress, nShift, nWidth, value);
    return value;
}

bool CCatLink::ReadEepromField(uint16_t nAddress, int nShift, int nWidth, int& nValue)
{
    uint8_t first = 0;
    uint8_t second = 0;
    const bool read = ReadEepromConfirmed(nAddress, first, second);
    nValue = 0;
    if (nShift < 0 || nShift > 7 || nWidth < 0)
        return read;
    if (nWidth > 8)
        nWidth = 8;
    nValue = (first >> nShift) & ((1 << nWidth) - 1);
    return read;
}

bool CCatLink::IsVfoA()
{
    return GetEepromBit(EE_VFO_FLAGS, 0) == 0;
}

int CCatLink::GetVfoABand()
{
    return GetEepromField(EE_BANDS, 0, 4);
}

int CCatLink::GetVfoBBand()
{
    return GetEepromField(EE_BANDS, 4, 4);
}

bool CCatLink::ReadBandRecord(bool bVfoA, int nBand, uint8_t* buffer, int nCount)
{
    const CSettings& settings = GetSettings();
    const uint32_t base = settings.GetVfoBase() + uint32_t(nBand) * settings.GetBandRecordSize() +
                          (bVfoA ? 0 : settings.GetBandsPerVfo() * settings.GetBandRecordSize());
    bool ok = true;
    for (int i = 0; i < nCount; i += 2)
        ok = ReadEepromAt(uint16_t(base + uint32_t(i)), buffer[i], buffer[i + 1]) && ok;
    return ok;
}

// ---------------------------------------------------------------- EEPROM writes

bool CCatLink::WriteEepromBitsOnce(uint16_t nAddress, uint8_t nMask, uint8_t nValue, const QString& strDescription,
                                   bool& bReadFailed)
{
    const uint8_t high = uint8_t(nAddress >> 8);
    const uint8_t low = uint8_t(nAddress);
    const uint8_t readCommand[5] = {high, low, 0, 0, 0xBB};
    uint8_t replies[3][2];
    // Three reads that agree: a noisy line must not turn a read error into a
    // corrupted setting. A failed or disagreeing read ends only this attempt;
    // the next one reads afresh.
    for (auto& reply : replies) {
        if (!Transact(readCommand, 5, reply, 2, eepromText("Read EEPROM 0x%02X%02X (SetBits)", high, low))) {
            bReadFailed = true;
            return false;
        }
    }
    if (std::memcmp(replies[0], replies[1], 2) != 0 || std::memcmp(replies[0], replies[2], 2) != 0) {
        CRadioApp::LogExchange(readCommand, 5, replies[0], 2,
                               eepromText("Read EEPROM 0x%02X%02X, inconsistent values returned", high, low));
        return false;
    }
    const uint8_t newFirst = uint8_t((replies[0][0] & ~nMask) | (nValue & nMask));
    const uint8_t second = replies[0][1];

    const bool traced = m_bTraceAll;
    m_bTraceAll = false;
    const QString rowText = strDescription.isEmpty()
        ? QString::asprintf("Write EEPROM 0x%02X%02X, Value = %02X %02X", high, low, newFirst, second)
        : strDescription;
    const uint8_t writeCommand[5] = {high, low, newFirst, second, 0xBC};
    uint8_t ack[5] = {};
    int acked = 0;
    if (Send(writeCommand, 5, rowText))
        ReadBytesCount(ack, 5, rowText, acked);
    platform::sleepMs(20);  // the radio needs time to store the pair before it reads back
    uint8_t back[2] = {};
    const bool readBack = ReadEeprom(high, low, back[0], back[1]);
    if (traced || GetSettings().m_bLogMemWrite) {
        CRadioApp::LogExchange(&writeCommand[2], 2, ack, acked, rowText);
        CRadioApp::LogReceived(back, 2, QStringLiteral("Confirmation"));
    }
    // A read-back that failed proves nothing, and one that differs may have
    // been garbled on the way back: only answers that agree tell.
    bool stored = readBack && back[0] == newFirst;
    if (!stored && ReadEepromConfirmed(nAddress, back[0], back[1]))
        stored = back[0] == newFirst;
    m_bTraceAll = traced;
    return stored;
}

bool CCatLink::WriteEepromBits(uint16_t nAddress, uint8_t nMask, uint8_t nValue, const QString& strDescription)
{
    // The first bytes of the EEPROM are the radio's check bytes: never written.
    if (nAddress <= 0x0003)
        return false;
    bool readFailedBefore = false;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        bool readFailed = false;
        if (WriteEepromBitsOnce(nAddress, nMask, nValue, strDescription, readFailed))
            return true;
        // A radio that did not answer twice running is not asked on.
        if (readFailed && readFailedBefore) {
            ++m_nUnconfirmedWrites;
            return false;
        }
        readFailedBefore = readFailed;
    }
    ++m_nUnconfirmedWrites;
    CRadioApp::Log(QStringLiteral("EEPROM write not confirmed after %1 attempts: address %2, mask %3, value %4 (%5)")
                       .arg(kAttempts)
                       .arg(QString::asprintf("%04X", nAddress))
                       .arg(QString::asprintf("%02X", nMask))
                       .arg(QString::asprintf("%02X", nValue))
                       .arg(strDescription));
    return false;
}

bool CCatLink::WriteEepromByte(uint16_t nAddress, uint8_t nValue)
{
    return WriteEepromBits(nAddress, 0xFF, nValue, QString());
}

bool CCatLink::SetEepromBit(uint16_t nAddress, int nBit, int nState, const QString& strDescription)
{
    const uint8_t mask = uint8_t(1u << (nBit & 7));
    QString text = strDescription;
    if (!text.isEmpty())
        text += QStringLiteral(", ");
    text += QString::asprintf("Address = %04X, Bit = %d, State = %d", nAddress, nBit, nState);
    return WriteEepromBits(nAddress, mask, nState ? mask : 0, text);
}

bool CCatLink::ChangeEepromBit(uint16_t nAddress, int nBit, int nState)
{
    int current = 0;
    if (!ReadEepromField(nAddress, nBit, 1, current)) {
        ++m_nUnconfirmedWrites;
        return false;
    }
    if (current == (nState ? 1 : 0))
        return true;
    return SetEepromBit(nAddress, nBit, nState, QString());
}

bool CCatLink::CurrentPlace(RadioPlace& place)
{
    if (m_pPanel) {
        place.memoryMode = m_pPanel->IsMemoryMode();
        place.memoryTune = m_pPanel->IsMemoryTune();
        place.vfoA = m_pPanel->IsVfoA();
        place.channel = m_pPanel->GetMemoryChannel();
        return true;
    }
    // Without a front panel the radio itself says where it is.
    uint8_t flags = 0;
    uint8_t next = 0;
    if (!ReadEepromConfirmed(EE_VFO_FLAGS, flags, next))
        return false;
    place.memoryMode = flags & 0x40;
    place.memoryTune = (flags & 0x60) == 0x60;
    place.vfoA = !(flags & 0x01);
    return true;
}

bool CCatLink::WriteBandRecordBits(int nOffset, uint8_t nMask, uint8_t nValue, const QString& strDescription)
{
    const CSettings& settings = GetSettings();
    RadioPlace place;
    if (!CurrentPlace(place)) {
        ++m_nUnconfirmedWrites;
        return false;
    }
    uint32_t base = 0;
    if (place.memoryMode) {
        if (place.memoryTune) {
            base = settings.GetMemoryTuneAddress();
        } else {
            if (place.channel == CPanelState::kNoChannel)
                return false;
            base = settings.GetMemoryBase() + uint32_t(place.channel) * settings.GetMemoryRecordSize();
        }
    } else {
        uint8_t bands = 0;
        uint8_t next = 0;
        // The wrong band would change another band's record.
        if (!ReadEepromConfirmed(EE_BANDS, bands, next)) {
            ++m_nUnconfirmedWrites;
            return false;
        }
        const uint32_t band = place.vfoA ? (bands & 0x0F) : (bands >> 4);
        base = settings.GetVfoBase() + band * settings.GetBandRecordSize() +
               (place.vfoA ? 0 : settings.GetBandsPerVfo() * settings.GetBandRecordSize());
    }
    return WriteEepromBits(uint16_t(base + uint32_t(nOffset)), nMask, nValue, strDescription);
}

bool CCatLink::SetBandRecordBit(int nOffset, int nBit, int nState, const QString& strDescription)
{
    const uint8_t mask = uint8_t(1u << (nBit & 7));
    return WriteBandRecordBits(nOffset, mask, nState ? mask : 0, strDescription);
}

bool CCatLink::WriteEepromWord(uint16_t nAddress, uint8_t nFirst, uint8_t nSecond)
{
    if (nAddress <= 0x0005)
        return false;
    const uint8_t high = uint8_t(nAddress >> 8);
    const uint8_t low = uint8_t(nAddress);
    const uint8_t command[5] = {high, low, nFirst, nSecond, 0xBC};
    const QString text = eepromText("Write EEPROM 0x%02X%02X", high, low);
    bool ok = false;
    if (Send(command, 5, text)) {
        uint8_t ack[1];
        ok = ReadBytes(ack, 1, text);
    }
    platform::sleepMs(20);
    return ok;
}

// ---------------------------------------------------------------- named settings

void CCatLink::SetAgc(int nAgc)
{
    static const char* const names[4] = {"AGC Auto", "AGC Fast", "AGC Slow", "AGC Off"};
    const bool known = nAgc >= 0 && nAgc <= 3;
    const int value = known ? nAgc : 0;
    WriteEepromBits(EE_AGC_NB, 0x03, uint8_t(value),
                    QString::asprintf("%s, Address = %04X, Offset = %d, Value = %d", known ? names[nAgc] : "",
                                      EE_AGC_NB, 3, value));
}

void CCatLink::SetNoiseBlanker(bool bOn)
{
    SetEepromBit(EE_AGC_NB, 5, bOn, bOn ? QStringLiteral("NB On") : QStringLiteral("NB Off"));
}

void CCatLink::SetFst(bool bOn)
{
    // Stored inverted: a clear bit means FST on.
    SetEepromBit(EE_AGC_NB, 7, !bOn, QStringLiteral("Set FST On / Off"));
}

void CCatLink::SetRfKnob()
{
    SetEepromBit(EE_KNOB, 7, 0, QStringLiteral("Set RF On"));
}

void CCatLink::SetSqlKnob()
{
    SetEepromBit(EE_KNOB, 7, 1, QStringLiteral("Set SQL On"));
}

void CCatLink::SetTxPower(int nLevel)
{
    WriteEepromBits(EE_TX_POWER, 0x03, uint8_t(nLevel), QStringLiteral("Setting Tx power level"));
}

void CCatLink::DualWatchOn()
{
    WriteEepromBits(EE_TX_POWER, 0x18, 0x18, QStringLiteral("Dual Watch On"));
}

void CCatLink::DualWatchOff()
{
    WriteEepromBits(EE_TX_POWER, 0x18, 0x00, QStringLiteral("Dual Watch Off"));
}

void CCatLink::PriorityScanOn()
{
    WriteEepromBits(EE_TX_POWER, 0x18, 0x10, QStringLiteral("Priority Scan On"));
}

void CCatLink::PriorityScanOff()
{
    WriteEepromBits(EE_TX_POWER, 0x18, 0x00, QStringLiteral("Priority Scan Off"));
}

void CCatLink::StopScanning()
{
    WriteEepromBits(EE_TX_POWER, 0x60, 0x00, QStringLiteral("Stop scanning"));
}

void CCatLink::DisablePms()
{
    SetEepromBit(EE_VFO_FLAGS, 3, 0, QStringLiteral("Disable PMS"));
}

void CCatLink::StartScanningUp()
{
    WriteEepromBits(EE_TX_POWER, 0x60, 0x40, QStringLiteral("Start scanning up"));
}

void CCatLink::SetAttenuator(bool bOn)
{
    SetBandRecordBit(2, 4, bOn, bOn ? QStringLiteral("ATT On") : QStringLiteral("ATT Off"));
}

void CCatLink::SetIpo(bool bOn)
{
    SetBandRecordBit(2, 5, bOn, bOn ? QStringLiteral("IPO On") : QStringLiteral("IPO Off"));
}

void CCatLink::SetNarrow(bool bFm, bool bOn)
{
    if (bFm)
        SetBandRecordBit(1, 3, bOn, bOn ? QStringLiteral("FM Narrow On") : QStringLiteral("FM Narrow Off"));
    else
        SetBandRecordBit(1, 4, bOn, bOn ? QStringLiteral("Optional Filter On") : QStringLiteral("Optional Filter Off"));
}

void CCatLink::WriteCtcssToneIndex(int nIndex)
{
    WriteBandRecordBits(6, 0x3F, uint8_t(nIndex), QStringLiteral("Setting CTCSS frequency"));
}

void CCatLink::WriteDcsCodeIndex(int nIndex)
{
    WriteBandRecordBits(7, 0x7F, uint8_t(nIndex), QStringLiteral("Setting DCS tone"));
}

void CCatLink::ToggleAntenna()
{
    uint8_t flags = 0, bands = 0, antenna = 0, unused = 0;
    // A misread band or socket bit would switch the wrong socket.
    if (!ReadEepromConfirmed(EE_VFO_FLAGS, flags, unused) || !ReadEepromConfirmed(EE_BANDS, bands, unused) ||
        !ReadEepromConfirmed(EE_ANTENNA, antenna, unused)) {
        ++m_nUnconfirmedWrites;
        return;
    }
    const int band = (flags & 0x01) ? bands >> 4 : bands & 0x0F;
    int bit = 0;
    const char* name = "Default";
    switch (band) {
    case 9: bit = 1; name = "50MHz"; break;
    case 10: bit = 2; name = "FM broadcast"; break;
    case 11: bit = 3; name = "Air"; break;
    case 12: bit = 4; name = "144MHz"; break;
    case 13: bit = 5; name = "430MHz"; break;
    default: break;
    }
    const bool rear = antenna & (1 << bit);
    SetEepromBit(EE_ANTENNA, bit, rear ? 0 : 1,
                 QStringLiteral("Set %1 antenna = %2").arg(QLatin1String(name), rear ? QStringLiteral("rear")
                                                                                     : QStringLiteral("front")));
}

void CCatLink::ClearMemoryClarifiers()
{
    if (m_pMemoryHooks)
        m_pMemoryHooks->ClearClarifiers();
}

void CCatLink::SwitchToMemoryMode()
{
    ClearMemoryClarifiers();
    WriteEepromBits(EE_MEMORY_FLAGS, 0xFF, 0, QString());
    WriteEepromBits(EE_VFO_FLAGS, 0x60, 0x40, QString());
}

void CCatLink::SelectMemoryChannel(int nChannel)
{
    ClearMemoryClarifiers();
    WriteEepromBits(EE_MEMORY_CHANNEL, 0xFF, uint8_t(nChannel), QString());
    if (!(m_pPanel && m_pPanel->IsMemoryMode())) {
        WriteEepromBits(EE_MEMORY_FLAGS, 0xFF, 0, QString());
        WriteEepromBits(EE_VFO_FLAGS, 0x60, 0x40, QString());
    }
}

void CCatLink::LeaveMemoryMode()
{
    ClearMemoryClarifiers();
    for (int pass = 0; pass < 5; ++pass) {
        uint8_t flags = 0;
        uint8_t memory = 0;
        if (!ReadEepromConfirmed(EE_VFO_FLAGS, flags, memory)) {
            ++m_nUnconfirmedWrites;
            return;
        }
        const bool memoryTune = (flags & 0x60) == 0x60;
        if (pass > 0 && !memoryTune && !(flags & 0x40) && (flags & 0x80))
            break;
        if (memoryTune)
            SetEepromBit(EE_VFO_FLAGS, 5, 0, QStringLiteral("Switch M-Tune Off"));
        if (flags & 0x40)
            SetEepromBit(EE_VFO_FLAGS, 6, 0, QStringLiteral("Switch Memory Off"));
        if (!(flags & 0x80))
            SetEepromBit(EE_VFO_FLAGS, 7, 1, QStringLiteral("Enable VFO"));
        if (memory != 0)
            WriteEepromBits(EE_MEMORY_FLAGS, 0xFF, 0, QStringLiteral("Disabling Memory mode"));
    }
}

void CCatLink::SwitchMTuneOff()
{
    for (int pass = 0; pass < 5; ++pass) {
        uint8_t flags = 0;
        uint8_t unused = 0;
        if (!ReadEepromConfirmed(EE_VFO_FLAGS, flags, unused)) {
            ++m_nUnconfirmedWrites;
            return;
        }
        if (pass > 0 && (flags & 0x60) != 0x60)
            break;
        SetEepromBit(EE_VFO_FLAGS, 5, 0, QStringLiteral("Switch M-Tune Off"));
    }
}

void CCatLink::TuneToMemoryChannel(int nChannel)
{
    if (m_pMemoryHooks)
        m_pMemoryHooks->TuneToMemoryChannel(nChannel);
}
