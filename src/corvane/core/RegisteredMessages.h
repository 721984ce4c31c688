#pragma once
#include <cstdint>

// The radio-control program's registered messages, numbered once during
// static initialisation (in this order) and only read afterwards. Do not use
// them from another static initialiser.
namespace RegisteredMessage {
extern const uint32_t nMsgAppearance;
extern const uint32_t nMsgChart;
extern const uint32_t nMsgData;
extern const uint32_t nMsgDrawBands;
extern const uint32_t nMsgFavourite;
extern const uint32_t nMsgFreqButton;
extern const uint32_t nMsgFreqDigit;
extern const uint32_t nMsgFullScreen;
extern const uint32_t nMsgInitialise;
extern const uint32_t nMsgKeystroke;
extern const uint32_t nMsgIdle;
extern const uint32_t nMsgLoad;
extern const uint32_t nMsgLogbookAdd;
extern const uint32_t nMsgLogbookFilter;
extern const uint32_t nMsgLogbookSort;
extern const uint32_t nMsgMemory;
extern const uint32_t nMsgMouseMove;
extern const uint32_t nMsgOptions;
extern const uint32_t nMsgOrganise;
extern const uint32_t nMsgPause;
extern const uint32_t nMsgRedraw;
extern const uint32_t nMsgRedrawNew;
extern const uint32_t nMsgReloadMemory;
extern const uint32_t nMsgSave;
extern const uint32_t nMsgScanning;
extern const uint32_t nMsgSelect;
extern const uint32_t nMsgSquelch;
extern const uint32_t nMsgUpdate;

// Every name in registration order, for diagnostics and tests.
const char* const* AllNames();
int Count();
} // namespace RegisteredMessage
