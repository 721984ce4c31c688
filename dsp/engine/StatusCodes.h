#pragma once
#include <string>

namespace pskdsp {

// The status and error codes the modem reports, with their texts.
enum StatusCode {
    kStatusReceive = 0,
    kStatusTransmit = 1,
    kStatusCpuTooSlow = 2,
    kStatusTxComplete = 3,
    kStatusInputEnded = 4,
    kStatusOutputLimit = 5,
    kStatusInputProgress = 6,
    kStatusOutputProgress = 7,
    kErrNoInputDevice = 11,
    kErrInputOverflow = 12,
    kErrNoOutputDevice = 14,
    kErrFormat = 17,
    kErrBadDevice = 21,
    kErrDriver = 22,
    kErrAllocated = 23,
    kErrOutOfRange = 27,
    kErrInvalidFlag = 28,
    kErrInvalidParameter = 29,
    kErrUnknown = 33,
    kErrOpenInput = 34,
    kErrReadFile = 39,
    kErrOpenOutput = 41,
    kErrWriteFile = 42,
    kErrFileNotOpen = 43,
};

std::string statusText(int code);

} // namespace pskdsp
