#include "corvane/core/FrequencyRangeCheck.h"

#include "corvane/core/ReceiverCoverage.h"
#include "corvane/core/Settings.h"
#include "platform/Prompter.h"
#include "shared/edit/FrequencyEdit.h"

#include <algorithm>

int CFrequencyRangeCheck::FindRange(uint32_t nFrequency)
{
    const CSettings& settings = GetSettings();
    for (int i = 0; i < 6; ++i) {
        const uint32_t low = uint32_t(settings.GetFreqRange(i));
        const uint32_t high = uint32_t(settings.GetFreqRange(i + 6));
        if (low <= nFrequency && nFrequency <= high)
            return i;
    }
    return -1;
}

QString CFrequencyRangeCheck::RangeName(int nIndex)
{
    static const char* const names[6] = {"HF", "6 m", "FM broadcast", "Air", "2 m", "70 cms"};
    return nIndex >= 0 && nIndex < 6 ? QString::fromLatin1(names[nIndex]) : QString();
}

QString CFrequencyRangeCheck::ValueText(const CFrequencyEdit& edit)
{
    // The places nobody typed show the mask's prompt; the message quotes
    // only what the operator sees as the value.
    QString text = edit.text();
    const QChar prompt = edit.GetPromptChar();
    if (!prompt.isNull() && !prompt.isSpace())
        text.remove(prompt);
    text = text.simplified();
    // A field of zeros shows nothing but its points once the zeros are
    // hidden: the value is 0, and a leading point is read as "0.".
    if (!std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
        return QStringLiteral("0");
    if (text.startsWith(QLatin1Char('.')))
        text.prepend(QLatin1Char('0'));
    return text;
}

bool CFrequencyRangeCheck::CheckReceivable(QWidget* pOwner, uint32_t nFrequency, const QString& strText,
                                           const QString& strCaption)
{
    if (CReceiverCoverage::Contains(nFrequency))
        return true;
    // The message names the unit itself.
    QString value = strText.trimmed();
    if (value.endsWith(QLatin1String("MHz")))
        value = value.chopped(3).trimmed();
    platform::messageBox(pOwner,
                         QStringLiteral("The FT-817 cannot receive %1 MHz.\n \nIt receives %2.")
                             .arg(value, CReceiverCoverage::LimitsText()),
                         strCaption, platform::MB_ICONERROR);
    return false;
}

bool CFrequencyRangeCheck::CheckReceivable(QWidget* pOwner, const CFrequencyEdit& edit, const QString& strCaption)
{
    return CheckReceivable(pOwner, edit.GetFrequency(), ValueText(edit), strCaption);
}

bool CFrequencyRangeCheck::Check(QWidget* pOwner, uint32_t nFrequency, const QString& strText, bool bTx,
                                 int nExpected)
{
    const QString direction = bTx ? QStringLiteral("Tx") : QStringLiteral("Rx");
    const QString caption = QStringLiteral("%1 Frequency Out of Range").arg(direction);
    const int found = FindRange(nFrequency);
    if (found < 0) {
        platform::messageBox(pOwner,
                             QStringLiteral("The value %1 is out of range.\n \nTo define valid %2 frequency ")
                                     .arg(strText, direction) +
                                 QStringLiteral("ranges, select Program Options (F8)."),
                             caption, platform::MB_ICONERROR);
        return false;
    }
    // Ranges widened past the radio in the options must not let through
    // what the radio would ignore.
    if (!CheckReceivable(pOwner, nFrequency, strText, caption))
        return false;
    m_nRange = found;
    if (nExpected == -1 || nExpected == found)
        return true;
    platform::messageBox(pOwner,
                         QStringLiteral("The range will be set to '%1' instead of '%2'.")
                             .arg(RangeName(found), RangeName(nExpected)),
                         QStringLiteral("Invalid Range"), platform::MB_ICONWARNING);
    return false;
}

bool CFrequencyRangeCheck::CheckRx(QWidget* pOwner, const CFrequencyEdit& edit)
{
    return Check(pOwner, edit.GetFrequency(), ValueText(edit), false, -1);
}

bool CFrequencyRangeCheck::CheckRxInRange(QWidget* pOwner, const CFrequencyEdit& edit, int nExpected)
{
    return Check(pOwner, edit.GetFrequency(), ValueText(edit), false, nExpected);
}

bool CFrequencyRangeCheck::CheckTx(QWidget* pOwner, const CFrequencyEdit& edit)
{
    return Check(pOwner, edit.GetFrequency(), ValueText(edit), true, -1);
}

bool CFrequencyRangeCheck::CheckSameRange(QWidget* pOwner, const CFrequencyEdit& first, const CFrequencyEdit& second)
{
    if (!CheckRx(pOwner, first))
        return false;
    const int range = m_nRange;
    if (!CheckRx(pOwner, second))
        return false;
    if (range == m_nRange)
        return true;
    platform::messageBox(pOwner,
                         QStringLiteral("The values are valid, but not in the same range.\n \nTo define frequency ") +
                             QStringLiteral("ranges, select Program Options (F8)."),
                         QStringLiteral("Different Ranges"), platform::MB_ICONERROR);
    return false;
}
