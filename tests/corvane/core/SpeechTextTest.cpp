// The spoken sentences: frequency digits, mode words and the queueing on the
// application's request worker.
#include "corvane/core/RadioApp.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/core/Settings.h"
#include "corvane/core/SpeechText.h"
#include "shared/TextToSpeech.h"

#include <gtest/gtest.h>

namespace {
QString spoken(uint32_t hz, int mode = -1)
{
    CSpeechText text;
    text.AddFrequency(hz);
    if (mode >= 0)
        text.AddMode(uint8_t(mode));
    return text.GetText();
}
} // namespace

TEST(SpeechText, FrequencyAndModeSentences)
{
    CSettings& s = GetSettings();
    s.m_strWhiteStickDot = "point";
    s.m_bWhiteStickFull = 0;
    struct Case {
        uint32_t hz;
        int mode;
        const char* text;
    };
    const Case cases[] = {
        // Each word after the first gets one blank before it, each digit one after.
        {145500000, 0x88, "145 point 5  , 0  , 0  F , M ,, narrow"},
        {7030000, -1, "7 point 0  , 3  , 0 "},
        {14074000, 1, "14 point 0  , 7  , 4  Upper sideband"},
        // Below 1 MHz the phrase begins with the blank before the point word.
        {500000, -1, " point 5  , 0  , 0 "},
        // Below 100 kHz nothing is read.
        {99000, -1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(spoken(c.hz, c.mode), QString::fromLatin1(c.text)) << c.hz;

    s.m_bWhiteStickFull = 1;
    s.m_strWhiteStickDot = "decimal";
    EXPECT_EQ(spoken(14074560), "14 decimal 0  , 7  , 4  , 5  , 6 ") << "down to 10 Hz, never the Hz digit";
    s.m_bWhiteStickFull = 0;
    s.m_strWhiteStickDot = "point";
}

TEST(SpeechText, ModeWords)
{
    const std::pair<int, const char*> modes[] = {
        {0, "Lower sideband"}, {1, "Upper sideband"}, {2, "C , W"},     {3, "C , W , Reverse"},
        {4, "A , M"},          {6, "Wide F , M"},     {8, "F , M"},     {10, "Digital"},
        {12, "Packet"},        {5, "Mode unknown"},   {0x82, "C , W ,, narrow"},
    };
    for (const auto& [code, words] : modes) {
        CSpeechText text;
        text.AddMode(uint8_t(code));
        EXPECT_EQ(text.GetText(), QString::fromLatin1(words)) << code;
    }
    // Without a front panel there is nothing to read.
    CRadioApp app;
    CSpeechText none;
    none.AddFrequency();
    none.AddMode();
    EXPECT_TRUE(none.GetText().isEmpty());
}

TEST(SpeechText, SpeakQueuesOnTheRequestWorkerAndClears)
{
    CRadioApp app;
    CSpeechText text;
    text.Add("one");
    text.Speak(false);
    EXPECT_EQ(text.GetText(), "one");
    text.Add("two");
    text.Speak(true);
    EXPECT_TRUE(text.GetText().isEmpty());
    // The newer text from the same window replaced the first.
    const auto queue = app.GetRequestWorker().GetQueue();
    ASSERT_EQ(queue.size(), 1);
    EXPECT_EQ(queue[0].first, CRequestWorker::REQUEST_SPEAK);
    EXPECT_EQ(queue[0].second, "one two");
    EXPECT_EQ(app.GetFirstWorker().GetQueueLength(), 0) << "the first worker gets no requests";
}
