// The simulated radio's CAT state machine, frame in, reply out, with the EEPROM
// kept in step.
#include "DefaultImage.h"
#include "Radio.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>

using namespace ft817sim;

namespace {

Reply send(Radio& radio, std::initializer_list<uint8_t> bytes)
{
    Frame f;
    int i = 0;
    for (uint8_t b : bytes)
        f.bytes[i++] = b;
    return radio.handleFrame(f);
}

std::string hex(const Reply& r)
{
    std::string s;
    char two[4];
    for (size_t i = 0; i < r.size(); ++i) {
        std::snprintf(two, sizeof two, i ? " %02X" : "%02X", r[i]);
        s += two;
    }
    return s;
}

uint16_t vfoRecord(bool vfoB, int band)
{
    return uint16_t(kVfoRecordBase + (band + (vfoB ? kBandsPerVfo : 0)) * kRecordSize);
}

uint32_t recordFrequency(const Radio& r, uint16_t a)
{
    return uint32_t(r.peek(a + 10)) << 24 | uint32_t(r.peek(a + 11)) << 16 | uint32_t(r.peek(a + 12)) << 8
        | r.peek(a + 13);
}

struct Step {
    std::initializer_list<uint8_t> frame;
    const char* reply; // hex, "" for silence
    const char* what;
};

void runSteps(Radio& radio, std::initializer_list<Step> steps)
{
    for (const Step& s : steps)
        EXPECT_EQ(hex(send(radio, s.frame)), s.reply) << s.what;
}

} // namespace

TEST(SimRadio, TunesFrequencyModeAndVfosAsTheRadioDoes)
{
    Radio radio;
    runSteps(radio, {
        {{0, 0, 0, 0, 0x03}, "01 40 70 00 01", "starts on VFO A, 20 m, 14.070.00 USB"},
        {{0x01, 0x40, 0x95, 0x00, 0x01}, "00", "tune within 20 m"},
        {{0, 0, 0, 0, 0x03}, "01 40 95 00 01", "new frequency, same mode"},
        {{0x00, 0x70, 0x74, 0x00, 0x01}, "00", "tune to 7.074 MHz"},
        {{0, 0, 0, 0, 0x03}, "00 70 74 00 00", "40 m record brings its own mode (LSB)"},
        {{0x00, 0x59, 0, 0, 0xBB}, "C2 00", "VFO A band nibble is now 40 m"},
        {{0x01, 0, 0, 0, 0x07}, "00", "USB"},
        {{0, 0, 0, 0, 0x03}, "00 70 74 00 01", "mode changed"},
        {{0x01, 0x40, 0x70, 0x00, 0x01}, "00", "back to 20 m"},
        {{0, 0, 0, 0, 0x03}, "01 40 70 00 01", "20 m record kept its mode"},
        {{0x00, 0x00, 0x00, 0x00, 0x81}, "00", "VFO B"},
        {{0, 0, 0, 0, 0x03}, "14 48 00 00 08", "VFO B on 2 m, 144.800.00 FM"},
        {{0x00, 0x55, 0, 0, 0xBB}, "81 00", "0x55 bit 0 marks VFO B"},
        {{0x43, 0x35, 0x00, 0x00, 0x01}, "00", "tune VFO B to 433.500 MHz"},
        {{0x00, 0x59, 0, 0, 0xBB}, "D4 00", "VFO B band nibble 70 cm, VFO A untouched"},
        {{0x00, 0x00, 0x00, 0x00, 0x81}, "00", "back to VFO A"},
        {{0, 0, 0, 0, 0x03}, "01 40 70 00 01", "VFO A as it was"},
        {{0x99, 0x99, 0x99, 0x99, 0x01}, "00", "999.999.990 MHz is outside the receiver"},
        {{0x0A, 0x00, 0x00, 0x00, 0x01}, "00", "not BCD"},
        {{0, 0, 0, 0, 0x03}, "01 40 70 00 01", "both ignored"},
        {{0x06, 0, 0, 0, 0x07}, "00", "mode 06 (WFM) on 20 m is kept as FM"},
        {{0x05, 0, 0, 0, 0x07}, "00", "mode 05 does not exist"},
        {{0, 0, 0, 0, 0x03}, "01 40 70 00 08", "FM"},
        {{0x08, 0x85, 0x00, 0x00, 0x01}, "00", "FM broadcast band"},
        {{0, 0, 0, 0, 0x03}, "08 85 00 00 06", "reported as WFM"},
    });
}

TEST(SimRadio, ModeAndNarrowShowInTheReplyAndTheBandRecord)
{
    Radio radio;
    const uint16_t rec = vfoRecord(false, 4);
    send(radio, {0x88, 0, 0, 0, 0x07}); // FM narrow
    EXPECT_EQ(send(radio, {0, 0, 0, 0, 0x03})[4], 0x88);
    EXPECT_EQ(radio.peek(rec) & 0x07, 5);
    EXPECT_TRUE(radio.peek(rec + 1) & 0x08);

    // The narrow bit written into the record shows in the next CAT read.
    send(radio, {uint8_t(rec >> 8), uint8_t((rec + 1) & 0xFF), uint8_t(radio.peek(rec + 1) & ~0x08),
                 radio.peek(rec + 2), 0xBC});
    EXPECT_EQ(send(radio, {0, 0, 0, 0, 0x03})[4], 0x08);

    // CW uses the optional filter bit.
    send(radio, {0x02, 0, 0, 0, 0x07});
    EXPECT_EQ(send(radio, {0, 0, 0, 0, 0x03})[4], 0x02);
    send(radio, {uint8_t(rec >> 8), uint8_t((rec + 1) & 0xFF), uint8_t(radio.peek(rec + 1) | 0x10),
                 radio.peek(rec + 2), 0xBC});
    EXPECT_EQ(send(radio, {0, 0, 0, 0, 0x03})[4], 0x82);
    // Plain FM again clears FM narrow, which the optional filter does not affect.
    send(radio, {0x08, 0, 0, 0, 0x07});
    EXPECT_EQ(send(radio, {0, 0, 0, 0, 0x03})[4], 0x08);
    EXPECT_TRUE(radio.peek(rec + 1) & 0x10);
}

TEST(SimRadio, EepromWritesToTheCurrentRecordChangeWhatCatReads)
{
    Radio radio;
    const uint16_t rec = vfoRecord(false, 4);
    // 14.250.00 MHz = 1,425,000 (10 Hz) = 0x0015BE68, written as two pairs.
    const uint16_t f = rec + 10;
    EXPECT_EQ(hex(send(radio, {uint8_t(f >> 8), uint8_t(f & 0xFF), 0x00, 0x15, 0xBC})), "00");
    EXPECT_EQ(hex(send(radio, {uint8_t((f + 2) >> 8), uint8_t((f + 2) & 0xFF), 0xBE, 0x68, 0xBC})), "00");
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "01 42 50 00 01");
    EXPECT_EQ(hex(send(radio, {uint8_t(f >> 8), uint8_t(f & 0xFF), 0, 0, 0xBB})), "00 15");

    // Writing 0x55 selects VFO B; 0x59 chooses its band.
    send(radio, {0x00, 0x59, 0x94, 0x00, 0xBC});  // A 20 m, B 6 m
    send(radio, {0x00, 0x55, 0x81, 0x00, 0xBC});
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "05 01 50 00 01");
    EXPECT_TRUE(radio.isVfoB());
    EXPECT_EQ(radio.currentRecordAddress(), vfoRecord(true, 9));
}

TEST(SimRadio, ReadsEveryEepromAddressUpToTheLimit)
{
    Radio radio;
    for (uint32_t a : {0x0000u, 0x0055u, 0x0484u, 0x1906u, 0x1927u}) {
        const Reply r = send(radio, {uint8_t(a >> 8), uint8_t(a & 0xFF), 0, 0, 0xBB});
        ASSERT_EQ(r.size(), 2u) << a;
        EXPECT_EQ(r[0], radio.peek(a));
        EXPECT_EQ(r[1], radio.peek(a + 1));
    }
    // The 8 KB part wraps at its end.
    send(radio, {0x00, 0x00, 0x12, 0x34, 0xBC});
    EXPECT_EQ(hex(send(radio, {0x1F, 0xFF, 0, 0, 0xBB})), hex(Reply{radio.peek(0x1FFF), 0x12}));
}

TEST(SimRadio, ReplyLengthsAndSilenceForUnknownOpcodes)
{
    const std::set<int> known = {0x00, 0x01, 0x02, 0x03, 0x05, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0F,
                                 0x80, 0x81, 0x82, 0x85, 0x88, 0x8F, 0xBB, 0xBC, 0xBD, 0xE7, 0xF5, 0xF7, 0xF9};
    for (int opcode = 0; opcode < 256; ++opcode) {
        Radio radio;
        send(radio, {0, 0, 0, 0, 0x08}); // keyed, so the TX meter answers too
        const Reply r = send(radio, {0x00, 0x00, 0x00, 0x00, uint8_t(opcode)});
        if (known.count(opcode)) {
            EXPECT_EQ(int(r.size()), replyLength(uint8_t(opcode))) << "opcode " << opcode;
            EXPECT_GT(r.size(), 0u) << "opcode " << opcode;
        } else {
            EXPECT_TRUE(r.empty()) << "opcode " << opcode;
            EXPECT_EQ(replyLength(uint8_t(opcode)), 0) << "opcode " << opcode;
        }
    }
    // The wake-up bytes before power-on are an unknown opcode too.
    Radio radio;
    EXPECT_TRUE(send(radio, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).empty());
}

TEST(SimRadio, PttStatusAndMeters)
{
    Radio radio;
    runSteps(radio, {
        {{0, 0, 0, 0, 0xF7}, "FF", "receiving"},
        {{0, 0, 0, 0, 0xBD}, "", "no TX meter in receive"},
        {{0, 0, 0, 0, 0x88}, "F0", "PTT off while receiving"},
        {{0, 0, 0, 0, 0x08}, "00", "PTT on"},
        {{0, 0, 0, 0, 0x08}, "F0", "already keyed"},
        {{0, 0, 0, 0, 0xF7}, "0C", "keyed, high power reading"},
        {{0, 0, 0, 0, 0xBD}, "C3 15", "PWR 12, ALC 3, SWR 1, MOD 5"},
        {{0, 0, 0, 0, 0x88}, "00", "PTT off"},
        {{0, 0, 0, 0, 0xF7}, "FF", "receiving again"},
    });

    // Receiver status: S-meter in bits 0-3, squelch closed (bit 7) with no signal.
    radio.setSMeter(0);
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0xE7})), "E0");
    radio.setSMeter(9);
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0xE7})), "69");
    send(radio, {0x08, 0, 0, 0, 0x07}); // FM: discriminator centred on a signal
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0xE7})), "49");
    send(radio, {0, 0, 0, 0, 0x08});
    EXPECT_EQ(send(radio, {0, 0, 0, 0, 0xE7})[0] & 0x0F, 0); // no S-meter while transmitting

    // Lower power shows in the status and the meter.
    send(radio, {0x00, 0x79, 0x03, radio.peek(0x7A), 0xBC});
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0xF7})), "03");
    EXPECT_EQ(send(radio, {0, 0, 0, 0, 0xBD})[0] >> 4, 3);
}

TEST(SimRadio, SplitTransmitsOnTheOtherVfo)
{
    Radio radio;
    runSteps(radio, {
        {{0, 0, 0, 0, 0x02}, "00", "split on"},
        {{0, 0, 0, 0, 0x02}, "F0", "already on"},
        {{0x00, 0x7A, 0, 0, 0xBB}, "80 08", "0x7A bit 7"},
        {{0, 0, 0, 0, 0x03}, "01 40 70 00 01", "receives on VFO A"},
        {{0, 0, 0, 0, 0x08}, "00", "key"},
        {{0, 0, 0, 0, 0xF7}, "2C", "split flag in the TX status"},
        {{0, 0, 0, 0, 0x03}, "14 48 00 00 08", "transmits on VFO B"},
        {{0, 0, 0, 0, 0x88}, "00", "unkey"},
        {{0, 0, 0, 0, 0x82}, "00", "split off"},
        {{0x00, 0x7A, 0, 0, 0xBB}, "00 08", "bit cleared"},
    });
}

TEST(SimRadio, LockClarifierRepeaterAndToneSettingsLandInTheEeprom)
{
    Radio radio;
    const uint16_t rec = vfoRecord(false, 4);
    runSteps(radio, {
        {{0, 0, 0, 0, 0x00}, "00", "lock"},
        {{0, 0, 0, 0, 0x00}, "F0", "already locked"},
        {{0, 0, 0, 0, 0x05}, "00", "clarifier on"},
        {{0xFF, 0x00, 0x01, 0x45, 0xF5}, "00", "clarifier -1.45 kHz"},
        {{0x49, 0, 0, 0, 0x09}, "00", "plus shift"},
        {{0x00, 0x06, 0x00, 0x00, 0xF9}, "00", "600 kHz offset"},
        {{0x2A, 0, 0, 0, 0x0A}, "00", "CTCSS encode and decode"},
        {{0x08, 0x85, 0, 0, 0x0B}, "00", "88.5 Hz"},
        {{0x00, 0x23, 0, 0, 0x0C}, "00", "DCS 023"},
        {{0x12, 0x34, 0, 0, 0x0B}, "00", "123.4 Hz is no tone of the radio"},
    });
    EXPECT_TRUE(radio.isLocked());
    EXPECT_FALSE(radio.peek(kAgcByte) & 0x40);
    EXPECT_TRUE(radio.isClarifierOn());
    EXPECT_TRUE(radio.peek(rec + 2) & 0x40);
    EXPECT_EQ(radio.clarifierOffset(), -145);
    EXPECT_EQ(radio.peek(rec + 1) >> 6, 2);
    EXPECT_EQ(radio.peek(rec + 14), 0);
    EXPECT_EQ(radio.peek(rec + 15) << 16 | radio.peek(rec + 16) << 8 | radio.peek(rec + 17), 60000);
    EXPECT_EQ(radio.peek(rec + 4) & 0x03, 2);
    EXPECT_EQ(radio.peek(rec + 6) & 0x3F, 8);
    EXPECT_EQ(radio.peek(rec + 7) & 0x7F, 0);

    runSteps(radio, {
        {{0x0A, 0, 0, 0, 0x0A}, "00", "DCS"},
        {{0x07, 0x54, 0, 0, 0x0C}, "00", "DCS 754, the last code"},
        {{0x89, 0, 0, 0, 0x09}, "00", "simplex"},
        {{0x8A, 0, 0, 0, 0x0A}, "00", "tone off"},
        {{0, 0, 0, 0, 0x85}, "00", "clarifier off"},
        {{0, 0, 0, 0, 0x80}, "00", "unlock"},
    });
    EXPECT_EQ(radio.peek(rec + 7) & 0x7F, 103);
    EXPECT_EQ(radio.peek(rec + 1) >> 6, 0);
    EXPECT_EQ(radio.peek(rec + 4) & 0x03, 0);
    EXPECT_FALSE(radio.isClarifierOn());
    EXPECT_FALSE(radio.isLocked());
}

TEST(SimRadio, MemoryModeTunesThroughTheMemoryTuneRecord)
{
    Radio radio;
    radio.poke(kVfoStateByte, 0xC0);        // memory mode
    radio.poke(kCurrentMemoryChannel, 3);   // "RPT R7"
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "14 57 25 00 08");
    EXPECT_EQ(radio.currentRecordAddress(), kMemoryBase + 3 * kRecordSize);

    send(radio, {0x14, 0x55, 0x00, 0x00, 0x01});
    EXPECT_TRUE(radio.isMemoryTune());
    EXPECT_EQ(radio.currentRecordAddress(), kMemoryTuneRecord);
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "14 55 00 00 08");
    // The stored channel keeps its frequency; the tune record took its settings.
    EXPECT_EQ(recordFrequency(radio, kMemoryBase + 3 * kRecordSize), 14572500u);
    EXPECT_EQ(radio.peek(kMemoryTuneRecord + 6), radio.peek(kMemoryBase + 3 * kRecordSize + 6));
}

TEST(SimRadio, PowerOffLeavesOnlyPowerOnHeard)
{
    Radio radio;
    send(radio, {0, 0, 0, 0, 0x08});
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x8F})), "00");
    EXPECT_FALSE(radio.isPoweredOn());
    EXPECT_FALSE(radio.isTransmitting());
    for (uint8_t opcode : {0x03, 0xE7, 0xF7, 0xBB, 0xBC, 0x8F})
        EXPECT_TRUE(send(radio, {0, 0x55, 0, 0, opcode}).empty()) << int(opcode);
    EXPECT_TRUE(send(radio, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).empty());
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x0F})), "00");
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "01 40 70 00 01");
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x0F})), "F0");
}

TEST(SimRadio, DefaultImageIsConsistent)
{
    const Eeprom e = defaultEeprom();
    Radio radio(e);
    for (int vfo = 0; vfo < 2; ++vfo) {
        for (int band = 0; band < kBandsPerVfo; ++band) {
            const uint16_t rec = vfoRecord(vfo == 1, band);
            const uint32_t f = recordFrequency(radio, rec);
            EXPECT_EQ(bandForFrequency(uint64_t(f) * 10), band) << "VFO " << vfo << " band " << band;
            EXPECT_EQ(e[rec + 1] & 0x07, rangeCodeForBand(band));
        }
    }
    int used = 0;
    for (int ch = 0; ch < kMemoryChannels; ++ch) {
        const bool bit = e[kUsedBitmap + ch / 8] & (1 << (ch % 8));
        const uint32_t f = recordFrequency(radio, uint16_t(kMemoryBase + ch * kRecordSize));
        EXPECT_EQ(bit, f != 0xFFFFFFFF) << "channel " << ch;
        used += bit;
    }
    EXPECT_TRUE(e[kUsedBitmap] & 1) << "channel 1 is always in use";
    EXPECT_GE(used, 5);
    // Channel 3 is a tagged repeater channel: minus shift, 600 kHz, tone encode.
    const uint16_t ch3 = kMemoryBase + 3 * kRecordSize;
    EXPECT_TRUE(e[ch3] & 0x80);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&e[ch3 + 18]), 8), "RPT R7  ");
    EXPECT_EQ(e[ch3 + 1] >> 6, 1);
    EXPECT_EQ(e[ch3 + 15] << 16 | e[ch3 + 16] << 8 | e[ch3 + 17], 60000);
    EXPECT_EQ(e[ch3 + 4] & 3, 1);
    // Menu bytes the pages read: FST off and panel unlocked, CW pitch 700 Hz, 20 wpm.
    EXPECT_EQ(e[0x57] & 0xC0, 0xC0);
    EXPECT_EQ(((e[0x5E] & 0x0F) + 6) * 50, 700);
    EXPECT_EQ((e[0x62] & 0x3F) + 4, 20);
    EXPECT_EQ(e[0x44F], 0);
}

TEST(SimRadio, BcdAndBandTables)
{
    uint8_t b[4];
    encodeBcd(1407000, b, 4);
    EXPECT_EQ(hex(Reply(b, b + 4)), "01 40 70 00");
    uint32_t v = 0;
    ASSERT_TRUE(decodeBcd(b, 4, &v));
    EXPECT_EQ(v, 1407000u);
    const uint8_t bad[2] = {0x1A, 0x00};
    EXPECT_FALSE(decodeBcd(bad, 2, &v));

    struct Case { uint64_t hz; int band; };
    for (const Case& c : {Case{99999, -1}, Case{909000, 14}, Case{1840000, 0}, Case{3573000, 1},
                          Case{7074000, 2}, Case{10136000, 3}, Case{14074000, 4}, Case{18100000, 5},
                          Case{21074000, 6}, Case{24915000, 7}, Case{28074000, 8}, Case{50313000, 9},
                          Case{56000010, -1}, Case{98000000, 10}, Case{118000000, 11}, Case{145500000, 12},
                          Case{300000000, -1}, Case{433500000, 13}, Case{470000010, -1}})
        EXPECT_EQ(bandForFrequency(c.hz), c.band) << c.hz;
    EXPECT_EQ(ctcssIndexForTenthsHz(670), 0);
    EXPECT_EQ(ctcssIndexForTenthsHz(2541), 49);
    EXPECT_EQ(dcsIndexForCode(23), 0);
    EXPECT_EQ(dcsIndexForCode(754), 103);
    EXPECT_EQ(dcsIndexForCode(24), -1);
}

TEST(SimRadio, ScanningUpStepsOnEveryFrequencyRead)
{
    Radio radio;
    // Not scanning: reads leave the radio where it is.
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "01 40 70 00 01");
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "01 40 70 00 01");
    radio.poke(kPowerByte, 0x40);
    ASSERT_TRUE(radio.isScanningUp());
    // USB on 20 m: 1 kHz a read.
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "01 40 71 00 01");
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "01 40 72 00 01");
    // FM: 12.5 kHz.
    send(radio, {0x08, 0, 0, 0, 0x07});
    EXPECT_EQ(hex(send(radio, {0, 0, 0, 0, 0x03})), "01 40 84 50 08");
    // Other reads do not move it; at the top of the band it stays there.
    send(radio, {0, 0, 0, 0, 0xE7});
    send(radio, {0x03, 0x99, 0x99, 0x00, 0x01});  // 39.999.000, the top of its band record
    const uint32_t top = radio.frequency();
    send(radio, {0, 0, 0, 0, 0x03});
    EXPECT_EQ(radio.frequency(), top);
    // Scanning down is not modelled.
    radio.poke(kPowerByte, 0x60);
    EXPECT_FALSE(radio.isScanningUp());

    // Memory mode: on to the next channel in use without its skip bit.
    radio.poke(kPowerByte, 0x40);
    radio.poke(kVfoStateByte, 0xC0);
    radio.poke(kCurrentMemoryChannel, 0);
    std::vector<int> order;
    for (int i = 0; i < 12; ++i) {
        send(radio, {0, 0, 0, 0, 0x03});
        order.push_back(radio.peek(kCurrentMemoryChannel));
    }
    std::set<int> visited(order.begin(), order.end());
    for (int c : visited) {
        EXPECT_TRUE(radio.peek(kUsedBitmap + c / 8) & (1 << (c % 8))) << c;
        EXPECT_FALSE(radio.peek(kMemoryBase + c * kRecordSize + 2) & 0x80) << c;
    }
    EXPECT_TRUE(visited.count(3));
    radio.poke(kMemoryBase + 3 * kRecordSize + 2, radio.peek(kMemoryBase + 3 * kRecordSize + 2) | 0x80);
    for (int i = 0; i < 12; ++i) {
        send(radio, {0, 0, 0, 0, 0x03});
        EXPECT_NE(radio.peek(kCurrentMemoryChannel), 3) << "a skipped channel is passed over";
    }
}
