#include "engine/StatusCodes.h"

namespace pskdsp {

std::string statusText(int code)
{
    static const char* const texts[] = {
        "In Receive mode",
        "In Transmit mode",
        "CPU too slow or busy. The soundcard was reset because the CPU could not keep up.",
        "Transmission completed. All characters in the transmission queue and any CW ID have been sent.",
        "Input wave file finished reading.",
        "Output wave file reached time limit.",
        "Input file progress",
        "Output file progress",
        "<unknown>",
        "<unknown>",
        "Memory allocation error",
        "Tried to read and soundcard is not open",
        "Input buffers over-flowed",
        "Timed out waiting for input buffers",
        "Tried to write and soundcard is not open",
        "Output buffers under-flowed",
        "Timed out waiting for output buffers",
        "Device does not support 16 bit, 8000 Hz, Mono format",
        "Device is still outputing",
        "Header not prepared",
        "Device is synchronous",
        "Bad Device ID, multimedia hardware not present",
        "Driver failed to enable",
        "Device already allocated",
        "Device handle is invalid",
        "No device driver present",
        "Function is not supported",
        "Error value out of range",
        "Invalid flag passed",
        "Invalid parameter passed",
        "Handle is in use",
        "Driver does not call DriverCallback",
        "Registry error",
        "Unknown error",
        "Can't open wave file for input",
        "File is not a RIFF wave type",
        "Invalid wave file",
        "No data in file",
        "Not a supported data type",
        "Error reading data from file",
        "Tried to read and file is not open",
        "Can't open wave file for output",
        "Error writing to wave file",
        "Tried to write and file is not open",
    };
    if (code < 0 || code >= int(sizeof(texts) / sizeof(texts[0])))
        return "<unknown>";
    return texts[code];
}

} // namespace pskdsp
