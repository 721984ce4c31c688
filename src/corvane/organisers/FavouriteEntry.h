#pragma once
// A favourite: a named radio setting (receive frequency, CAT mode and an
// optional set of repeater settings) filed under a folder path. It is a
// memory-channel record that uses only a few of its fields; every operation
// here works on any record of the favourites list, whatever created it.
#include "corvane/core/MemoryChannel.h"

#include <QString>
#include <cstdint>

class CCatLink;

class CFavouriteEntry : public CMemoryChannel {
public:
    // Fields of the repeater settings text "%u,%u,%u,%u,%u,%u".
    enum Setting { SETTING_VALID = 0, SETTING_SHIFT = 1, SETTING_CTCSS = 2, SETTING_DCS = 3,
                   SETTING_OFFSET = 4, SETTING_TONE_MODE = 5 };

    CFavouriteEntry();
    // A favourite with the fields of any record (a plain record of the file).
    explicit CFavouriteEntry(const CMemoryChannel& record);
    ~CFavouriteEntry() override;

    // valid, shift (Hz), CTCSS index, DCS index, offset direction, tone mode.
    static QString FormatRepeaterSettings(uint32_t nValid, uint32_t nShift, uint32_t nCtcss, uint32_t nDcs,
                                          uint32_t nOffset, uint32_t nToneMode);
    // Field n of a settings text: a missing or non-numeric field reads 0.
    static uint32_t RepeaterSetting(const QString& strSettings, int nField);

    uint32_t GetRepeaterSetting(int nField) const { return RepeaterSetting(GetRepeaterSettings(), nField); }
    bool HasRepeaterSettings() const { return GetRepeaterSetting(SETTING_VALID) != 0; }
    // Repeater shift (offset size) in Hz.
    uint32_t GetShift() const { return GetRepeaterSetting(SETTING_SHIFT); }
    uint32_t GetCtcssTone() const { return GetRepeaterSetting(SETTING_CTCSS); }
    uint32_t GetDcsCode() const { return GetRepeaterSetting(SETTING_DCS); }
    // Offset direction: 0 simplex, 1 minus, 2 plus.
    uint32_t GetRepeaterOffset() const { return GetRepeaterSetting(SETTING_OFFSET); }
    // 0 off, 1 tone encoder, 2 tone squelch, 3 DCS.
    uint32_t GetToneMode() const { return GetRepeaterSetting(SETTING_TONE_MODE); }

    // Sends the favourite to the radio over the application's link.
    void ApplyToRadio() const;
    // The same for any record over the given link: frequency and mode, then,
    // when the settings are valid, CTCSS, DCS, offset direction, tone mode
    // and shift. Every step is tried whatever the one before did.
    static void ApplyToRadio(const CMemoryChannel& record, CCatLink& link);
};
