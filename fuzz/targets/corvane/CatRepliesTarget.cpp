// The radio's side of the CAT line: replies of any length and content
// (short, long, late bytes of an earlier exchange, read failures) to the
// program's reads, verified EEPROM writes, memory-mode changes and the
// front panel's poll.
#include "FuzzTarget.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/RadioPoll.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "platform/SerialPort.h"

#include <algorithm>
#include <memory>

namespace {

// Reads take their bytes from the fuzz input: one control byte per read
// says how many bytes arrive (any number up to the request) or that the
// read call fails; an exhausted input is a silent radio.
class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool Empty() const { return m_pos >= m_size; }
    uint8_t Byte() { return Empty() ? 0 : m_data[m_pos++]; }
    uint16_t Word() { return uint16_t(Byte() << 8 | Byte()); }
    size_t Take(uint8_t* out, size_t n)
    {
        n = std::min(n, m_size - std::min(m_pos, m_size));
        std::copy(m_data + m_pos, m_data + m_pos + n, out);
        m_pos += n;
        return n;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

class FuzzPort final : public platform::SerialPort {
public:
    explicit FuzzPort(Input& input) : m_input(input) {}
    bool open(const QString&, QString*) override { return m_open = true; }
    bool configure(const platform::SerialLineSettings&, QString*) override { return true; }
    bool setTimeouts(const platform::SerialTimeouts&, QString*) override { return true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool write(const uint8_t*, int count, int* written, QString*) override
    {
        *written = count;
        return true;
    }
    bool read(uint8_t* data, int count, int* got, QString* error) override
    {
        *got = 0;
        if (m_input.Empty())
            return true;
        const uint8_t control = m_input.Byte();
        if (control == 0xFF) {
            if (error)
                *error = QStringLiteral("Input/output error");
            return false;
        }
        *got = int(m_input.Take(data, size_t(control % (count + 1))));
        return true;
    }
    void flushInput() override {}
    bool setDtr(bool) override { return true; }
    bool setRts(bool) override { return true; }

private:
    Input& m_input;
    bool m_open = false;
};

} // namespace

CORVANE_FUZZ_TARGET(CatReplies)
{
    Input input(data, size);
    platform::setSerialPortFactory([&input] { return std::make_unique<FuzzPort>(input); });
    CCatLink link;
    QString error;
    link.Open(QStringLiteral("/dev/fuzz"), QStringLiteral("38400"), error);
    CRadioPoll poll(link, GetSettings());
    for (int step = 0; step < 64 && !input.Empty(); ++step) {
        uint8_t a = 0, b = 0;
        uint32_t frequency = 0;
        switch (input.Byte() % 14) {
        case 0: link.ReadFrequencyAndMode(frequency, a); break;
        case 1: link.ReadRxStatus(a); break;
        case 2: link.ReadTxStatus(a); break;
        case 3: link.ReadTxMeter(a, b); break;
        case 4: link.ReadEepromAt(input.Word(), a, b); break;
        case 5: {
            const uint16_t address = input.Word();
            const uint8_t mask = input.Byte();
            link.WriteEepromBits(address, mask, input.Byte(), QString());
            break;
        }
        case 6: link.ChangeEepromBit(input.Word(), input.Byte() % 8, input.Byte() & 1); break;
        case 7: {
            uint8_t record[27] = {};
            link.ReadBandRecord(input.Byte() & 1, input.Byte() % 16, record, input.Byte() % 27);
            break;
        }
        case 8: link.LeaveMemoryMode(); break;
        case 9: link.SwitchMTuneOff(); break;
        case 10: link.ToggleAntenna(); break;
        case 11: link.SetFrequencyHz(uint32_t(input.Word()) * 1000u); break;
        case 12: link.GetEepromField(input.Word(), input.Byte() % 8, input.Byte() % 9); break;
        case 13: {
            CRadioStatus status;
            status.m_bReadExtra = input.Byte() & 1;
            poll.ReadRadioStatus(status, CRadioStatus::kNoChannel);
            status.FrequencyHz();
            break;
        }
        }
    }
    link.Close();
    platform::setSerialPortFactory(nullptr);
    return 0;
}
