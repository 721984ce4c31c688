// The used-channel bitmap and EEPROM blocks, read from the simulator.
#include "CatLinkTestSupport.h"

#include "corvane/core/EepromBlock.h"
#include "corvane/core/EepromImage.h"

using namespace cattest;

namespace {
// The application's link on a simulator.
class AppOnSim : public ::testing::Test {
protected:
    void start(const QStringList& pokes)
    {
        testsupport::Simulator::Options o;
        o.pokes = pokes;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        app = std::make_unique<CRadioApp>();
        QString error;
        ASSERT_TRUE(app->GetCatLink().Open(sim->portPath(), QStringLiteral("38400"), error)) << error.toStdString();
    }
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
};
} // namespace

TEST_F(AppOnSim, RefreshReadsTheUsedChannelBitmap)
{
    // Channels 0 and 9 in use: bitmap bytes 0x0450 = 01, 0x0451 = 02.
    QStringList pokes{QStringLiteral("0450=0102")};
    for (int a = 0x452; a < 0x46A; ++a)
        pokes << QStringLiteral("%1=00").arg(a, 4, 16, QLatin1Char('0'));
    start(pokes);
    CEepromImage image;
    EXPECT_EQ(image.IsBitSet(0x0450, 0), 0) << "empty until refreshed";
    image.Refresh();
    EXPECT_EQ(image.IsBitSet(0x0450, 0), 1);
    EXPECT_EQ(image.IsBitSet(0x0451, 1), 1);
    EXPECT_EQ(image.IsBitSet(0x0450, 1), 0);
    EXPECT_TRUE(image.IsChannelUsed(0));
    EXPECT_TRUE(image.IsChannelUsed(9));
    EXPECT_FALSE(image.IsChannelUsed(1));
    EXPECT_FALSE(image.IsChannelUsed(201));
    EXPECT_EQ(image.IsBitSet(0x0450, 8), 0);
    EXPECT_EQ(image.IsBitSet(9000, 0), 0);
    // One confirmed read per bitmap byte: two answers that agree, 52 reads in all.
    const QList<QByteArray> frames = sim->frames();
    ASSERT_EQ(frames.size(), 52);
    EXPECT_EQ(frames.first(), hex("04 50 00 00 BB"));
    EXPECT_EQ(frames[1], hex("04 50 00 00 BB"));
    EXPECT_EQ(frames.last(), hex("04 69 00 00 BB"));
}

TEST_F(AppOnSim, EepromBlockFields)
{
    start({QStringLiteral("0100=A5C3123456789A")});
    CEepromBlock block;
    block.Read(0x0100, 7);
    EXPECT_EQ(block.GetAddress(), 0x0100u);
    EXPECT_EQ(block.GetCount(), 7u);
    EXPECT_EQ(block.GetBytes().size(), 8) << "rounded up to whole pairs";
    EXPECT_EQ(sim->frames(), hexList({"01 00 00 00 BB", "01 02 00 00 BB", "01 04 00 00 BB", "01 06 00 00 BB"}));

    EXPECT_EQ(block.IsBitSet(0, 0), 1);
    EXPECT_EQ(block.IsBitSet(0, 1), 0);
    EXPECT_EQ(block.IsBitSet(0, 8), 0);
    EXPECT_EQ(block.IsBitSet(7, 0), 0) << "outside the count";
    EXPECT_EQ(block.GetBits(1, 4, 4), 0xCu);
    EXPECT_EQ(block.GetBits(1, 0, 8), 0xC3u);
    EXPECT_EQ(block.GetBits(1, 0, 0), 0u);
    EXPECT_EQ(block.GetBits(1, 8, 1), 0u);
    EXPECT_EQ(block.GetBits(7, 0, 8), 0u);
    EXPECT_EQ(block.GetWord32(2), 0x12345678u);
    EXPECT_EQ(block.GetWord32(3), 0x3456789Au);
    EXPECT_EQ(block.GetWord32(4), 0u) << "four bytes do not fit";
    EXPECT_EQ(block.GetWord24(4), 0x56789Au);
    EXPECT_EQ(block.GetWord24(5), 0u);
}
