#include "brevio/core/RegisteredMessages.h"

#include "shared/RegisteredEvent.h"

namespace RegisteredMessage {

namespace {
const char* const kNames[] = {
    "RegisteredMessage::nMsgActivate",
    "RegisteredMessage::nMsgBrowserActivate",
    "RegisteredMessage::nMsgEditCurrent",
    "RegisteredMessage::nMsgCenter",
    "RegisteredMessage::nMsgCharRdy",
    "RegisteredMessage::nMsgFrequency",
    "RegisteredMessage::nMsgFullScreen",
    "RegisteredMessage::nMsgMacro",
    "RegisteredMessage::nMsgKeystroke",
    "RegisteredMessage::nMsgNewValue",
    "RegisteredMessage::nMsgLocator",
    "RegisteredMessage::nMsgLocatorLog",
    "RegisteredMessage::nMsgOptions",
    "RegisteredMessage::nMsgQuery",
    "RegisteredMessage::nMsgRedraw",
    "RegisteredMessage::nMsgReloadMacros",
    "RegisteredMessage::nMsgRefreshTags",
    "RegisteredMessage::nMsgReloadTags",
    "RegisteredMessage::nMsgSaveTagsNow",
    "RegisteredMessage::nMsgSquelch",
    "RegisteredMessage::nMsgSelect",
    "RegisteredMessage::nMsgUpdate",
    "RegisteredMessage::nMsgGetAFC",
    "RegisteredMessage::nMsgGetIMD",
    "RegisteredMessage::nMsgGetClockError",
    "RegisteredMessage::nMsgSaveNeeded",
    "RegisteredMessage::nMsgSetAFC",
    "RegisteredMessage::nMsgTag",
    "RegisteredMessage::nMsgGetList",
    "RegisteredMessage::nMsgShowLastChar",
    "RegisteredMessage::nMsgSuperChannel",
    "RegisteredMessage::nMsgSelectMacro",
};
} // namespace

const uint32_t nMsgActivate = RegisterWindowMessage(kNames[0]);
const uint32_t nMsgBrowserActivate = RegisterWindowMessage(kNames[1]);
const uint32_t nMsgEditCurrent = RegisterWindowMessage(kNames[2]);
const uint32_t nMsgCenter = RegisterWindowMessage(kNames[3]);
const uint32_t nMsgCharRdy = RegisterWindowMessage(kNames[4]);
const uint32_t nMsgFrequency = RegisterWindowMessage(kNames[5]);
const uint32_t nMsgFullScreen = RegisterWindowMessage(kNames[6]);
const uint32_t nMsgMacro = RegisterWindowMessage(kNames[7]);
const uint32_t nMsgKeystroke = RegisterWindowMessage(kNames[8]);
const uint32_t nMsgNewValue = RegisterWindowMessage(kNames[9]);
const uint32_t nMsgLocator = RegisterWindowMessage(kNames[10]);
const uint32_t nMsgLocatorLog = RegisterWindowMessage(kNames[11]);
const uint32_t nMsgOptions = RegisterWindowMessage(kNames[12]);
const uint32_t nMsgQuery = RegisterWindowMessage(kNames[13]);
const uint32_t nMsgRedraw = RegisterWindowMessage(kNames[14]);
const uint32_t nMsgReloadMacros = RegisterWindowMessage(kNames[15]);
const uint32_t nMsgRefreshTags = RegisterWindowMessage(kNames[16]);
const uint32_t nMsgReloadTags = RegisterWindowMessage(kNames[17]);
const uint32_t nMsgSaveTagsNow = RegisterWindowMessage(kNames[18]);
const uint32_t nMsgSquelch = RegisterWindowMessage(kNames[19]);
const uint32_t nMsgSelect = RegisterWindowMessage(kNames[20]);
const uint32_t nMsgUpdate = RegisterWindowMessage(kNames[21]);
const uint32_t nMsgGetAFC = RegisterWindowMessage(kNames[22]);
const uint32_t nMsgGetIMD = RegisterWindowMessage(kNames[23]);
const uint32_t nMsgGetClockError = RegisterWindowMessage(kNames[24]);
const uint32_t nMsgSaveNeeded = RegisterWindowMessage(kNames[25]);
const uint32_t nMsgSetAFC = RegisterWindowMessage(kNames[26]);
const uint32_t nMsgTag = RegisterWindowMessage(kNames[27]);
const uint32_t nMsgGetList = RegisterWindowMessage(kNames[28]);
const uint32_t nMsgShowLastChar = RegisterWindowMessage(kNames[29]);
const uint32_t nMsgSuperChannel = RegisterWindowMessage(kNames[30]);
const uint32_t nMsgSelectMacro = RegisterWindowMessage(kNames[31]);

const char* const* AllNames() { return kNames; }
int Count() { return int(sizeof(kNames) / sizeof(kNames[0])); }

} // namespace RegisteredMessage
