#include "corvane/core/SpeechText.h"

#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RequestWorker.h"
#include "corvane/core/Settings.h"
#include "shared/MainWindow.h"

void CSpeechText::Add(const QString& strWord)
{
    if (!m_strText.isEmpty())
        m_strText += QLatin1Char(' ');
    m_strText += strWord;
}

void CSpeechText::AddFrequency()
{
    const CRadioApp* app = GetRadioApp();
    const CDisplayViewHooks* view = app ? app->GetDisplayView() : nullptr;
    if (view)
        AddFrequency(view->GetFrequency());
}

void CSpeechText::AddMode()
{
    const CRadioApp* app = GetRadioApp();
    const CDisplayViewHooks* view = app ? app->GetDisplayView() : nullptr;
    if (view)
        AddMode(view->GetMode());
}

void CSpeechText::AddFrequency(uint32_t nFrequency)
{
    const QString digits = QString::number(int32_t(nFrequency));
    const int n = int(digits.size());
    // Below 100 kHz there is nothing worth reading.
    if (n <= 5)
        return;
    const CSettings& settings = GetSettings();
    QString phrase = digits.left(n - 6) + QLatin1Char(' ') + settings.m_strWhiteStickDot + QLatin1Char(' ');
    // Down to the kHz, or to the 10 Hz digit with the full read-out; the Hz
    // digit is never read.
    const int end = settings.m_bWhiteStickFull ? n - 1 : n - 3;
    for (int i = n - 6; i < end; ++i) {
        if (i > n - 6)
            phrase += QStringLiteral(" , ");
        phrase += digits[i] + QLatin1Char(' ');
    }
    Add(phrase);
}

void CSpeechText::AddMode(uint8_t nMode)
{
    const char* words = nullptr;
    switch (nMode & 0x0F) {
    case 0: words = "Lower sideband"; break;
    case 1: words = "Upper sideband"; break;
    case 2: words = "C , W"; break;
    case 3: words = "C , W , Reverse"; break;
    case 4: words = "A , M"; break;
    case 6: words = "Wide F , M"; break;
    case 8: words = "F , M"; break;
    case 10: words = "Digital"; break;
    case 12: words = "Packet"; break;
    default: words = "Mode unknown"; break;
    }
    Add(QString::fromLatin1(words));
    if (nMode & 0x80) {
        AddPause();
        Add(QStringLiteral("narrow"));
    }
}

void CSpeechText::Speak(bool bClear)
{
    CRadioApp* app = GetRadioApp();
    if (app)
        app->GetRequestWorker().QueueRequest(CRequestWorker::REQUEST_SPEAK, GetMainWindow(), 0, m_strText);
    if (bClear)
        m_strText.clear();
}
