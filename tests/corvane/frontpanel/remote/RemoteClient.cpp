// A second program that sends window messages to FT-817 Corvane, as the
// digital-mode program does: remote-command-client IDENTIFIER MESSAGE
// WPARAM LPARAM [WPARAM LPARAM ...] prints one line per request, the reply
// read as an unsigned number, or "none" when no reply came.
#include "platform/LocalMessaging.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 5 || (argc - 3) % 2 != 0) {
        std::fprintf(stderr, "usage: %s IDENTIFIER MESSAGE WPARAM LPARAM [WPARAM LPARAM ...]\n", argv[0]);
        return 2;
    }
    platform::LocalClient client;
    if (!client.connectTo(QString::fromLocal8Bit(argv[1]))) {
        std::printf("not found\n");
        return 1;
    }
    const uint32_t message = uint32_t(std::strtoul(argv[2], nullptr, 0));
    for (int i = 3; i + 1 < argc; i += 2) {
        const uint32_t wParam = uint32_t(std::strtoul(argv[i], nullptr, 0));
        const int32_t lParam = int32_t(std::strtol(argv[i + 1], nullptr, 0));
        const std::optional<uint32_t> reply = client.send(message, wParam, lParam, 5000);
        if (reply)
            std::printf("%u\n", unsigned(*reply));
        else
            std::printf("none\n");
        std::fflush(stdout);
    }
    return 0;
}
