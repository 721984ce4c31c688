#pragma once
#include <cstdint>

// The digital-mode program's 32 registered messages, numbered during static
// initialisation in this order and only read afterwards. Seven names are
// shared with the radio-control program and so get the same numbers there.
namespace RegisteredMessage {
extern const uint32_t nMsgActivate;
extern const uint32_t nMsgBrowserActivate;
extern const uint32_t nMsgEditCurrent;
extern const uint32_t nMsgCenter;
extern const uint32_t nMsgCharRdy;
extern const uint32_t nMsgFrequency;
extern const uint32_t nMsgFullScreen;
extern const uint32_t nMsgMacro;
extern const uint32_t nMsgKeystroke;
extern const uint32_t nMsgNewValue;
extern const uint32_t nMsgLocator;
extern const uint32_t nMsgLocatorLog;
extern const uint32_t nMsgOptions;
extern const uint32_t nMsgQuery;
extern const uint32_t nMsgRedraw;
extern const uint32_t nMsgReloadMacros;
extern const uint32_t nMsgRefreshTags;
extern const uint32_t nMsgReloadTags;
extern const uint32_t nMsgSaveTagsNow;
extern const uint32_t nMsgSquelch;
extern const uint32_t nMsgSelect;
extern const uint32_t nMsgUpdate;
extern const uint32_t nMsgGetAFC;
extern const uint32_t nMsgGetIMD;
extern const uint32_t nMsgGetClockError;
extern const uint32_t nMsgSaveNeeded;
extern const uint32_t nMsgSetAFC;
extern const uint32_t nMsgTag;
extern const uint32_t nMsgGetList;
extern const uint32_t nMsgShowLastChar;
extern const uint32_t nMsgSuperChannel;
extern const uint32_t nMsgSelectMacro;

// Every name in registration order.
const char* const* AllNames();
int Count();

// Action codes of nMsgMacro (wParam).
enum MacroAction : int {
    MacroAbort = 0,
    MacroEraseTx = 1,
    MacroOpenFile = 2,
    MacroTransmit = 3,
    MacroTransmitAutostop = 4,
    MacroSend = 5,
    MacroSendToo = 6,
    MacroMarkUnsent = 7,
    MacroEraseRx = 8,
};
} // namespace RegisteredMessage
