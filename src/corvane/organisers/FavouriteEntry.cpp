#include "corvane/organisers/FavouriteEntry.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/RadioApp.h"
#include "corvane/organisers/OrganiserCursor.h"

#include <QStringList>
#include <limits>

CFavouriteEntry::CFavouriteEntry()
{
    MarkAsStoredRecord();
}

CFavouriteEntry::CFavouriteEntry(const CMemoryChannel& record) : CMemoryChannel(record) {}

CFavouriteEntry::~CFavouriteEntry() = default;

QString CFavouriteEntry::FormatRepeaterSettings(uint32_t nValid, uint32_t nShift, uint32_t nCtcss, uint32_t nDcs,
                                                uint32_t nOffset, uint32_t nToneMode)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6").arg(nValid).arg(nShift).arg(nCtcss).arg(nDcs).arg(nOffset).arg(nToneMode);
}

uint32_t CFavouriteEntry::RepeaterSetting(const QString& strSettings, int nField)
{
    if (strSettings.isEmpty() || nField < 0)
        return 0;
    const QStringList fields = strSettings.split(QLatin1Char(','));
    if (nField >= fields.size())
        return 0;
    // Read as a C library would: blanks, a sign, digits; anything else ends it.
    const QString& text = fields[nField];
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int64_t value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        // A run of digits too long for the field saturates instead of wrapping.
        if (value > std::numeric_limits<int32_t>::max()) {
            value = int64_t(std::numeric_limits<int32_t>::max()) + (negative ? 1 : 0);
            break;
        }
    }
    return uint32_t(int32_t(negative ? -value : value));
}

void CFavouriteEntry::ApplyToRadio() const
{
    if (CRadioApp* app = GetRadioApp())
        ApplyToRadio(*this, app->GetCatLink());
}

void CFavouriteEntry::ApplyToRadio(const CMemoryChannel& record, CCatLink& link)
{
    // Only the low nibble is a CAT mode; the high bits are flags of ours.
    link.SetFrequencyInMode(record.GetRxFrequency(), uint8_t(record.GetMode() & 0x0F));
    const QString settings = record.GetRepeaterSettings();
    if (RepeaterSetting(settings, SETTING_VALID) == 0)
        return;
    OrganiserCursor wait;
    // The tone and code indexes live in the current band or memory record.
    link.WriteCtcssToneIndex(int(RepeaterSetting(settings, SETTING_CTCSS) & 0x3F));
    link.WriteDcsCodeIndex(int(RepeaterSetting(settings, SETTING_DCS) & 0x7F));
    const uint32_t direction = RepeaterSetting(settings, SETTING_OFFSET);
    if (direction <= 2)
        link.SetRepeaterShift(int(direction));
    const uint32_t toneMode = RepeaterSetting(settings, SETTING_TONE_MODE);
    if (toneMode <= 3)
        link.SetToneMode(int(toneMode));
    link.SetRepeaterOffset(RepeaterSetting(settings, SETTING_SHIFT));
}
