#pragma once
#include <functional>
#include <memory>
#include <string>

namespace pskdsp {

// The modem-control lines of a serial device that key the transmitter.
class PttLine {
public:
    virtual ~PttLine() = default;
    // Opens the device with both lines low.
    virtual bool open(const std::string& device, std::string* error) = 0;
    virtual bool setLines(bool rts, bool dtr, std::string* error) = 0;
    virtual void close() = 0;
};

using PttLineFactory = std::function<std::unique_ptr<PttLine>()>;

// The real line through termios and the TIOCM ioctls.
std::unique_ptr<PttLine> createSerialPttLine();

// "COMn" numbering as the radio link uses it: port n is /dev/ttyS<n-1>.
std::string pttDeviceForPort(int port);

} // namespace pskdsp
