#pragma once
// What the front panel needs of the radio's memory-channel list: finding the
// channel the radio sits on, keeping its copy in step with each poll, and
// the used flags and tags of the channels.
#include <QString>
#include <cstdint>

struct CRadioStatus;

class CPanelMemoryList {
public:
    virtual ~CPanelMemoryList() = default;
    virtual int GetCount() const = 0;
    virtual bool IsUsed(int nChannel) const = 0;
    // TRUE when the channel's tag flag is set; the tag is then in strTag.
    virtual bool GetTag(int nChannel, QString& strTag) const = 0;
    // The single channel that matches (while receiving by its receive
    // frequency and mode, while transmitting by its transmit ones); with
    // several matches the hint when it is one of them, else 99999; with none,
    // the hint.
    virtual int FindChannel(bool bReceiving, uint32_t nHz, uint8_t nCatMode, int nHint) = 0;
    // Takes the record bytes of the status into the channel it names.
    virtual void UpdateFromStatus(const CRadioStatus& status) = 0;
};
