#include "shared/edit/FrequencyEdit.h"
#include "KeyScript.h"
#include "shared/RegisteredEvent.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kMask = QStringLiteral("###\\.###\\.##");

void prepare(CFrequencyEdit& e, const QString& mask = kMask)
{
    e.SetPromptChar(QLatin1Char('_'));
    e.SetAutoAdvance(false);
    e.SetMask(mask);
}

TEST(FrequencyEdit, ReadsBackWhatWasSet)
{
    struct Case {
        uint32_t hz;
        const char* shown;
        uint32_t readBack;
    } cases[] = {
        {14250000, "_14.250.00", 14250000},
        {145000000, "145.000.00", 145000000},
        {7000000, "__7.000.00", 7000000},
        {470000000, "470.000.00", 470000000},
        {100000, "___.100.00", 100000},
        {1234567, "__1.234.56", 1234560}, // below 10 Hz is dropped
        {9, "___.___.__", 0},
        {0, "___.___.__", 0},
    };
    for (const Case& c : cases) {
        CFrequencyEdit e;
        prepare(e);
        e.SetFrequency(c.hz);
        e.Validate();
        EXPECT_EQ(e.text(), QString::fromLatin1(c.shown)) << c.hz;
        EXPECT_EQ(e.GetFrequency(), c.readBack) << c.hz;
    }
}

TEST(FrequencyEdit, MultiplierAndShorterMasks)
{
    CFrequencyEdit e;
    prepare(e, QStringLiteral("###\\.### MHz"));
    e.SetMultiplier(1000);
    e.SetInputText(QStringLiteral("145500"), 0, true);
    EXPECT_EQ(e.GetFrequency(), 145500000u);

    CFrequencyEdit offset;
    prepare(offset, QStringLiteral("##\\.###\\.## MHz"));
    offset.SetInputText(QString::asprintf("%7.7u", 60000u), 0, true);
    offset.Validate();
    EXPECT_EQ(offset.text(), QStringLiteral("__.600.00 MHz"));
    EXPECT_EQ(offset.GetFrequency(), 600000u);
}

TEST(FrequencyEdit, EmptyFieldIsLeftAloneAndReadsZero)
{
    CFrequencyEdit e;
    prepare(e);
    e.Validate();
    EXPECT_EQ(e.text(), QStringLiteral("___.___.__"));
    EXPECT_EQ(e.GetFrequency(), 0u);
}

struct Window {
    QWidget window;
    CFrequencyEdit* edit = new CFrequencyEdit(&window);
    Window()
    {
        prepare(*edit);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
    }
};

TEST(FrequencyEdit, DotJumpsToTheNextGroupAndTheLeadingGroupIsRightAligned)
{
    Window w;
    CFrequencyEdit* e = w.edit;
    e->setCursorPosition(0);
    testsupport::typeKeys(e, QStringLiteral("7."));
    EXPECT_EQ(e->cursorPosition(), 4);
    EXPECT_TRUE(QTest::qWaitFor([&] { return e->text() == QStringLiteral("__7.000.00"); }, 1000)) << e->text().toStdString();
    EXPECT_EQ(e->cursorPosition(), 4);
    testsupport::typeKeys(e, QStringLiteral("1"));
    EXPECT_EQ(e->text(), QStringLiteral("__7.100.00"));
    EXPECT_EQ(e->GetFrequency(), 7100000u);
}

TEST(FrequencyEdit, DotRightAfterADotIsIgnored)
{
    Window w;
    CFrequencyEdit* e = w.edit;
    e->SetFrequency(14250000);
    e->setCursorPosition(4);
    testsupport::typeKeys(e, QStringLiteral("."));
    EXPECT_EQ(e->cursorPosition(), 4);
    EXPECT_EQ(e->text(), QStringLiteral("014.250.00"));
}

TEST(FrequencyEdit, BackspaceBlanksTheDigitAndStepsOverDots)
{
    Window w;
    CFrequencyEdit* e = w.edit;
    e->SetFrequency(14250000);
    e->Validate();
    ASSERT_EQ(e->text(), QStringLiteral("_14.250.00"));
    e->setCursorPosition(6);
    testsupport::typeKeys(e, QStringLiteral("{BS}"));
    EXPECT_EQ(e->text(), QStringLiteral("_14.2_0.00"));
    EXPECT_EQ(e->cursorPosition(), 5);
    // Just after a dot, backspace only moves the caret.
    e->setCursorPosition(4);
    testsupport::typeKeys(e, QStringLiteral("{BS}"));
    EXPECT_EQ(e->text(), QStringLiteral("_14.2_0.00"));
    EXPECT_EQ(e->cursorPosition(), 3);
}

TEST(FrequencyEdit, BlankTypesThePromptAndCrossingADotReformats)
{
    Window w;
    CFrequencyEdit* e = w.edit;
    e->SetFrequency(14250000);
    e->setCursorPosition(4);
    testsupport::typeKeys(e, QStringLiteral(" "));
    EXPECT_EQ(e->text(), QStringLiteral("014._50.00"));
    // Left onto the dot makes the field tidy itself.
    testsupport::typeKeys(e, QStringLiteral("{LEFT}{LEFT}"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return e->text() == QStringLiteral("_14.050.00"); }, 1000)) << e->text().toStdString();
}

TEST(FrequencyEdit, UpdateMessageFromOutsideReformats)
{
    CFrequencyEdit e;
    prepare(e);
    e.SetInputText(QStringLiteral("7"), 0, true);
    PostRegisteredMessage(&e, RegisterWindowMessage("RegisteredMessage::nMsgUpdate"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return e.text() == QStringLiteral("__7.000.00"); }, 1000)) << e.text().toStdString();
}

TEST(FrequencyEdit, WithoutReformattingItIsAPlainMaskedField)
{
    Window w;
    CFrequencyEdit* e = w.edit;
    e->SetReformat(false);
    e->SetMask(QStringLiteral("XX"));
    e->setCursorPosition(0);
    testsupport::typeKeys(e, QStringLiteral("f{BS}"));
    EXPECT_EQ(e->text(), QStringLiteral("__"));
    testsupport::typeKeys(e, QStringLiteral("0a"));
    e->Validate();
    EXPECT_EQ(e->text(), QStringLiteral("0a"));
}

TEST(FrequencyEdit, DisplayFontIsFixedPitch)
{
    CFrequencyEdit e;
    e.UseDisplayFont();
    EXPECT_EQ(e.font().pointSize(), 10);
    EXPECT_TRUE(QFontInfo(e.font()).fixedPitch());
}

} // namespace
