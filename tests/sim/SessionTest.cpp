// Frame assembly, the line check and injected faults, without a pseudo-terminal.
#include "CatSession.h"
#include "Faults.h"
#include "FrameAssembler.h"

#include <gtest/gtest.h>

using namespace ft817sim;

namespace {

const LineSettings kRightLine{38400, 8, false, 2};

FaultRule rule(const std::string& text)
{
    FaultRule r;
    std::string error;
    EXPECT_TRUE(parseFaultRule(text, &r, &error)) << text << ": " << error;
    return r;
}

Outcome run(CatSession& s, uint8_t p1, uint8_t p2, uint8_t p3, uint8_t p4, uint8_t opcode)
{
    return s.process(Frame::of(p1, p2, p3, p4, opcode), kRightLine);
}

} // namespace

TEST(SimFrameAssembler, JoinsPiecesAndDropsAPartialFrameAfterAPause)
{
    FrameAssembler a(250);
    const uint8_t bytes[] = {0, 0, 0, 0, 3, 0, 0x55, 0, 0, 0xBB, 0xAA};
    auto r = a.feed(bytes, 2, 1000);
    EXPECT_TRUE(r.frames.empty());
    r = a.feed(bytes + 2, 3, 1100);
    ASSERT_EQ(r.frames.size(), 1u);
    EXPECT_EQ(r.frames[0].opcode(), 0x03);

    // Two frames and the start of a third in one read.
    const uint8_t two[] = {0, 0, 0, 0, 0xE7, 0, 0, 0, 0, 0xF7, 0x01};
    r = a.feed(two, sizeof two, 1200);
    ASSERT_EQ(r.frames.size(), 2u);
    EXPECT_EQ(r.frames[1].opcode(), 0xF7);
    EXPECT_EQ(a.pending(), 1u);

    // A stray byte is forgotten after the gap, so the next frame lines up.
    r = a.feed(bytes + 5, 5, 1600);
    ASSERT_EQ(r.dropped.size(), 1u);
    EXPECT_EQ(r.dropped[0], std::vector<uint8_t>{0x01});
    ASSERT_EQ(r.frames.size(), 1u);
    EXPECT_EQ(r.frames[0].address(), 0x0055);
    EXPECT_EQ(r.frames[0].opcode(), 0xBB);
}

TEST(SimFaults, ParsesRulesAndRejectsNonsense)
{
    FaultRule r = rule("short-reply:op=03,keep=2,after=1,every=3,count=4");
    EXPECT_EQ(r.kind, FaultKind::ShortReply);
    EXPECT_EQ(r.opcode, 0x03);
    EXPECT_EQ(r.keep, 2);
    EXPECT_EQ(r.after, 1);
    EXPECT_EQ(r.every, 3);
    EXPECT_EQ(r.count, 4);
    r = rule("inconsistent-eeprom:addr=0057");
    EXPECT_EQ(r.opcode, 0xBB);
    EXPECT_EQ(r.address, 0x57);
    EXPECT_EQ(r.every, 2);
    r = rule("late-answer:delay=50,op=0xF7");
    EXPECT_EQ(r.delayMs, 50);
    EXPECT_EQ(r.opcode, 0xF7);
    EXPECT_EQ(rule("corrupt-reply:xor=01").xorMask, 0x01);

    for (const char* bad : {"loud-answer", "no-answer:op", "no-answer:op=1FF", "no-answer:every=0",
                            "no-answer:delay=5", "short-reply:keep=9", "write-not-stick:op=BB",
                            "corrupt-reply:xor=00", "no-answer:count=-1", "late-answer:delay=abc"}) {
        FaultRule ignored;
        std::string error;
        EXPECT_FALSE(parseFaultRule(bad, &ignored, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(SimFaults, AfterEveryAndCountPickTheSameFramesEveryRun)
{
    FaultPlan plan;
    plan.add(rule("no-answer:op=03,after=1,every=2,count=2"));
    const Frame read = Frame::of(0, 0, 0, 0, 0x03);
    const Frame other = Frame::of(0, 0, 0, 0, 0xE7);
    std::string hits;
    for (int i = 0; i < 8; ++i) {
        EXPECT_FALSE(plan.decide(other).any());
        hits += plan.decide(read).ignoreFrame ? 'x' : '.';
    }
    EXPECT_EQ(hits, "..x.x...");
}

TEST(SimSession, WrongLineSettingsGetSilence)
{
    Radio radio;
    CatSession s(radio, 38400);
    const Frame read = Frame::of(0, 0, 0, 0, 0x03);
    for (const LineSettings& line : {LineSettings{9600, 8, false, 2}, LineSettings{38400, 8, false, 1},
                                     LineSettings{38400, 7, false, 2}, LineSettings{38400, 8, true, 2}}) {
        const Outcome o = s.process(read, line);
        EXPECT_TRUE(o.reply.empty()) << describeLine(line);
        EXPECT_NE(o.note.find("silent"), std::string::npos);
    }
    // Nothing the radio does not hear changes it.
    EXPECT_TRUE(s.process(Frame::of(0, 0, 0, 0, 0x08), LineSettings{4800, 8, false, 2}).reply.empty());
    EXPECT_FALSE(radio.isTransmitting());
    EXPECT_EQ(s.process(read, kRightLine).reply.size(), 5u);
}

TEST(SimSession, FaultsShapeTheReply)
{
    Radio radio;
    CatSession s(radio, 38400);
    s.faults().add(rule("no-answer:op=08,count=1"));
    s.faults().add(rule("short-reply:op=03,count=1"));
    s.faults().add(rule("corrupt-reply:op=F7,count=1"));
    s.faults().add(rule("late-answer:op=E7,delay=300,count=1"));

    Outcome o = run(s, 0, 0, 0, 0, 0x08);
    EXPECT_TRUE(o.reply.empty());
    EXPECT_EQ(o.note, "fault no-answer");
    EXPECT_FALSE(radio.isTransmitting()) << "an unheard frame has no effect";
    EXPECT_EQ(run(s, 0, 0, 0, 0, 0x08).reply, Reply{0x00});
    EXPECT_TRUE(radio.isTransmitting());

    o = run(s, 0, 0, 0, 0, 0x03);
    EXPECT_EQ(o.reply, (Reply{0x01, 0x40, 0x70, 0x00}));
    EXPECT_EQ(run(s, 0, 0, 0, 0, 0x03).reply.size(), 5u);

    EXPECT_EQ(run(s, 0, 0, 0, 0, 0xF7).reply, Reply{0x0C ^ 0xFF});
    EXPECT_EQ(run(s, 0, 0, 0, 0, 0xF7).reply, Reply{0x0C});

    o = run(s, 0, 0, 0, 0, 0xE7);
    EXPECT_EQ(o.delayMs, 300);
    EXPECT_EQ(o.reply.size(), 1u);
    EXPECT_EQ(run(s, 0, 0, 0, 0, 0xE7).delayMs, 0);
}

TEST(SimSession, InconsistentEepromMakesThreeReadsDisagree)
{
    Radio radio;
    CatSession s(radio, 38400);
    s.faults().add(rule("inconsistent-eeprom:addr=0057"));
    const uint8_t value = radio.peek(0x57);
    std::vector<uint8_t> firsts;
    for (int i = 0; i < 3; ++i)
        firsts.push_back(run(s, 0x00, 0x57, 0, 0, 0xBB).reply.at(0));
    EXPECT_EQ(firsts, (std::vector<uint8_t>{value, uint8_t(value ^ 1), value}));
    // Other addresses read true.
    EXPECT_EQ(run(s, 0x00, 0x59, 0, 0, 0xBB).reply.at(0), radio.peek(0x59));
    EXPECT_EQ(run(s, 0x00, 0x59, 0, 0, 0xBB).reply.at(0), radio.peek(0x59));
    EXPECT_EQ(radio.peek(0x57), value) << "the EEPROM itself is unchanged";
}

TEST(SimSession, WriteNotStickIsAcknowledgedButNotStored)
{
    Radio radio;
    CatSession s(radio, 38400);
    s.faults().add(rule("write-not-stick:addr=0079,count=3"));
    const uint8_t before = radio.peek(0x79);
    for (int attempt = 0; attempt < 3; ++attempt) {
        EXPECT_EQ(run(s, 0x00, 0x79, 0x03, radio.peek(0x7A), 0xBC).reply, Reply{0x00});
        EXPECT_EQ(run(s, 0x00, 0x79, 0, 0, 0xBB).reply.at(0), before);
    }
    // Other addresses, and this one once the count is used up, take the write.
    run(s, 0x00, 0x57, 0xC1, radio.peek(0x58), 0xBC);
    EXPECT_EQ(radio.peek(0x57), 0xC1);
    run(s, 0x00, 0x79, 0x03, radio.peek(0x7A), 0xBC);
    EXPECT_EQ(radio.peek(0x79), 0x03);
}

TEST(SimSession, JournalLineShowsFrameReplyAndNote)
{
    Outcome o;
    o.reply = {0x01, 0x40};
    o.note = "fault short-reply";
    EXPECT_EQ(journalLine("12:00:00.000", 42, Frame::of(0, 0, 0, 0, 0x03), o),
              "12:00:00.000 +42ms 00 00 00 00 03 -> 01 40 [fault short-reply]");
    EXPECT_EQ(journalLine("12:00:00.000", 7, Frame::of(0xFF, 0xFF, 0xFF, 0xFF, 0xFF), Outcome{}),
              "12:00:00.000 +7ms FF FF FF FF FF -> -");
}
