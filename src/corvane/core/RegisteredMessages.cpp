#include "corvane/core/RegisteredMessages.h"

#include "shared/RegisteredEvent.h"

namespace RegisteredMessage {

namespace {
const char* const kNames[] = {
    "RegisteredMessage::nMsgAppearance",
    "RegisteredMessage::nMsgChart",
    "RegisteredMessage::nMsgData",
    "RegisteredMessage::nMsgDrawBands",
    "RegisteredMessage::nMsgFavourite",
    "RegisteredMessage::nMsgFreqButton",
    "RegisteredMessage::nMsgFreqDigit",
    "RegisteredMessage::nMsgFullScreen",
    "RegisteredMessage::nMsgInitialise",
    "RegisteredMessage::nMsgKeystroke",
    "RegisteredMessage::nMsgIdle",
    "RegisteredMessage::nMsgLoad",
    "RegisteredMessage::nMsgLogbookAdd",
    "RegisteredMessage::nMsgLogbookFilter",
    "RegisteredMessage::nMsgLogbookSort",
    "RegisteredMessage::nMsgMemory",
    "RegisteredMessage::nMsgMouseMove",
    "RegisteredMessage::nMsgOptions",
    "RegisteredMessage::nMsgOrganise",
    "RegisteredMessage::nMsgPause",
    "RegisteredMessage::nMsgRedraw",
    "RegisteredMessage::nMsgRedrawNew",
    "RegisteredMessage::nMsgReloadMemory",
    "RegisteredMessage::nMsgSave",
    "RegisteredMessage::nMsgScanning",
    "RegisteredMessage::nMsgSelect",
    "RegisteredMessage::nMsgSquelch",
    "RegisteredMessage::nMsgUpdate",
};
} // namespace

const uint32_t nMsgAppearance = RegisterWindowMessage(kNames[0]);
const uint32_t nMsgChart = RegisterWindowMessage(kNames[1]);
const uint32_t nMsgData = RegisterWindowMessage(kNames[2]);
const uint32_t nMsgDrawBands = RegisterWindowMessage(kNames[3]);
const uint32_t nMsgFavourite = RegisterWindowMessage(kNames[4]);
const uint32_t nMsgFreqButton = RegisterWindowMessage(kNames[5]);
const uint32_t nMsgFreqDigit = RegisterWindowMessage(kNames[6]);
const uint32_t nMsgFullScreen = RegisterWindowMessage(kNames[7]);
const uint32_t nMsgInitialise = RegisterWindowMessage(kNames[8]);
const uint32_t nMsgKeystroke = RegisterWindowMessage(kNames[9]);
const uint32_t nMsgIdle = RegisterWindowMessage(kNames[10]);
const uint32_t nMsgLoad = RegisterWindowMessage(kNames[11]);
const uint32_t nMsgLogbookAdd = RegisterWindowMessage(kNames[12]);
const uint32_t nMsgLogbookFilter = RegisterWindowMessage(kNames[13]);
const uint32_t nMsgLogbookSort = RegisterWindowMessage(kNames[14]);
const uint32_t nMsgMemory = RegisterWindowMessage(kNames[15]);
const uint32_t nMsgMouseMove = RegisterWindowMessage(kNames[16]);
const uint32_t nMsgOptions = RegisterWindowMessage(kNames[17]);
const uint32_t nMsgOrganise = RegisterWindowMessage(kNames[18]);
const uint32_t nMsgPause = RegisterWindowMessage(kNames[19]);
const uint32_t nMsgRedraw = RegisterWindowMessage(kNames[20]);
const uint32_t nMsgRedrawNew = RegisterWindowMessage(kNames[21]);
const uint32_t nMsgReloadMemory = RegisterWindowMessage(kNames[22]);
const uint32_t nMsgSave = RegisterWindowMessage(kNames[23]);
const uint32_t nMsgScanning = RegisterWindowMessage(kNames[24]);
const uint32_t nMsgSelect = RegisterWindowMessage(kNames[25]);
const uint32_t nMsgSquelch = RegisterWindowMessage(kNames[26]);
const uint32_t nMsgUpdate = RegisterWindowMessage(kNames[27]);

const char* const* AllNames() { return kNames; }
int Count() { return int(sizeof kNames / sizeof kNames[0]); }

} // namespace RegisteredMessage
