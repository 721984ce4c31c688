#include "engine/PttLine.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace pskdsp {
namespace {

class SerialPttLine final : public PttLine {
public:
    ~SerialPttLine() override { close(); }

    bool open(const std::string& device, std::string* error) override
    {
        close();
        const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            *error = device + ": " + std::strerror(errno);
            return false;
        }
        // Opening a port raises both lines on most drivers: drop them at once.
        int bits = TIOCM_RTS | TIOCM_DTR;
        if (::ioctl(fd, TIOCMBIC, &bits) != 0) {
            *error = device + ": " + std::strerror(errno);
            ::close(fd);
            return false;
        }
        m_fd = fd;
        return true;
    }

    bool setLines(bool rts, bool dtr, std::string* error) override
    {
        if (m_fd < 0) {
            *error = "the port is not open";
            return false;
        }
        int on = (rts ? TIOCM_RTS : 0) | (dtr ? TIOCM_DTR : 0);
        int off = (rts ? 0 : TIOCM_RTS) | (dtr ? 0 : TIOCM_DTR);
        if ((on && ::ioctl(m_fd, TIOCMBIS, &on) != 0) || (off && ::ioctl(m_fd, TIOCMBIC, &off) != 0)) {
            *error = std::strerror(errno);
            return false;
        }
        return true;
    }

    void close() override
    {
        if (m_fd >= 0) {
            int bits = TIOCM_RTS | TIOCM_DTR;
            ::ioctl(m_fd, TIOCMBIC, &bits);
            ::close(m_fd);
        }
        m_fd = -1;
    }

private:
    int m_fd = -1;
};

} // namespace

std::unique_ptr<PttLine> createSerialPttLine()
{
    return std::make_unique<SerialPttLine>();
}

std::string pttDeviceForPort(int port)
{
    return "/dev/ttyS" + std::to_string(port - 1);
}

} // namespace pskdsp
