// ft817-sim: a Yaesu FT-817 on a pseudo-terminal, for tests and demonstrations.
//
// Opens a pseudo-terminal, tells where its slave end is and answers the CAT
// protocol there until SIGTERM or SIGINT. Run with --help for the options.
#include "CatSession.h"
#include "DefaultImage.h"
#include "FrameAssembler.h"
#include "Radio.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using namespace ft817sim;

namespace {

const char kUsage[] =
    "Usage: ft817-sim [options]\n"
    "A Yaesu FT-817 answering CAT commands on a pseudo-terminal.\n"
    "\n"
    "  --baud N           the radio's CAT RATE (default 38400); it answers only a\n"
    "                     line set to that speed with 8 data bits, no parity, 2 stop bits\n"
    "  --print-path       print the slave device path as the first line of stdout\n"
    "  --link PATH        also make PATH a symbolic link to the slave device\n"
    "  --realtime         send reply bytes at the line speed (11 bits per byte)\n"
    "  --fault SPEC       inject a fault (repeatable), SPEC = KIND[:key=value,...]\n"
    "                     KIND: no-answer, late-answer (delay=MS), short-reply (keep=N),\n"
    "                     corrupt-reply (xor=HH), inconsistent-eeprom, write-not-stick\n"
    "                     keys: op=HH addr=HHHH after=N every=N count=N\n"
    "  --faults-disarmed  start with the faults off; SIGUSR2 arms and disarms them\n"
    "                     (SIGRTMIN unplugs the line: the device and --link go;\n"
    "                     SIGRTMIN+1 plugs it back: a new device behind --link)\n"
    "                     (journalled as \"# faults armed\" / \"# faults disarmed\")\n"
    "  --journal FILE     write every frame received, with its time and the reply\n"
    "  --eeprom FILE      load the 8192-byte EEPROM image from FILE when it exists,\n"
    "                     save it there on exit and on SIGUSR1 (journalled as\n"
    "                     \"# eeprom saved\")\n"
    "  --poke ADDR=HEX    store bytes at an EEPROM address before serving, e.g.\n"
    "                     --poke 0055=C0 (repeatable)\n"
    "  --s-meter N        fixed S-meter reading 0-15 (default: varies with frequency)\n"
    "  --alc N            ALC reading 0-15 of the TX meter while keyed (default 3)\n"
    "  --frame-gap MS     drop a partial frame after this pause (default 250)\n"
    "  --exit-with-parent end when the starting process ends\n"
    "  --help             this text\n";

int g_signalPipe[2] = {-1, -1};

void onSignal(int signal)
{
    const char c = signal == SIGUSR1          ? 's'
                   : signal == SIGUSR2        ? 'f'
                   : signal == SIGRTMIN       ? 'u'
                   : signal == SIGRTMIN + 1   ? 'p'
                                              : 'x';
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

int64_t nowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string clockText()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    tm local{};
    localtime_r(&ts.tv_sec, &local);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03ld", local.tm_hour, local.tm_min, local.tm_sec,
                  ts.tv_nsec / 1000000);
    return text;
}

long speedOf(speed_t s)
{
    switch (s) {
    case B0: return 0;
    case B300: return 300;
    case B600: return 600;
    case B1200: return 1200;
    case B2400: return 2400;
    case B4800: return 4800;
    case B9600: return 9600;
    case B19200: return 19200;
    case B38400: return 38400;
    case B57600: return 57600;
    case B115200: return 115200;
    case B230400: return 230400;
    default: return -1;
    }
}

bool speedConstant(long baud, speed_t* out)
{
    const long speeds[] = {300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400};
    const speed_t constants[] = {B300, B600, B1200, B2400, B4800, B9600, B19200, B38400, B57600, B115200, B230400};
    for (size_t i = 0; i < sizeof speeds / sizeof speeds[0]; ++i) {
        if (speeds[i] == baud) {
            *out = constants[i];
            return true;
        }
    }
    return false;
}

// On Linux the master end reports the termios the slave's user set.
LineSettings lineOf(int master)
{
    LineSettings line;
    termios t{};
    if (tcgetattr(master, &t) != 0)
        return line;
    line.baud = speedOf(cfgetospeed(&t));
    switch (t.c_cflag & CSIZE) {
    case CS5: line.dataBits = 5; break;
    case CS6: line.dataBits = 6; break;
    case CS7: line.dataBits = 7; break;
    default: line.dataBits = 8; break;
    }
    line.parity = (t.c_cflag & PARENB) != 0;
    line.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
    return line;
}

bool parseHexBytes(const std::string& text, std::vector<uint8_t>* out)
{
    if (text.empty() || text.size() % 2)
        return false;
    for (size_t i = 0; i < text.size(); i += 2) {
        char* end = nullptr;
        const std::string two = text.substr(i, 2);
        const long v = std::strtol(two.c_str(), &end, 16);
        if (*end != '\0')
            return false;
        out->push_back(uint8_t(v));
    }
    return true;
}

bool loadImage(const std::string& path, Eeprom* image, std::string* error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return true; // no file yet: the default image, saved there on exit
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != size_t(kEepromSize)) {
        *error = path + ": an EEPROM image has " + std::to_string(kEepromSize) + " bytes, this file "
            + std::to_string(bytes.size());
        return false;
    }
    for (int i = 0; i < kEepromSize; ++i)
        (*image)[i] = uint8_t(bytes[i]);
    return true;
}

bool saveImage(const std::string& path, const Eeprom& image)
{
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
        if (!out)
            return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

// The pseudo-terminal: the radio's end (master) and the device a program opens.
struct Line {
    int master = -1;
    int slaveKeep = -1;
    std::string slavePath;
};

bool openLine(Line* line, std::string* error)
{
    line->master = posix_openpt(O_RDWR | O_NOCTTY);
    if (line->master < 0 || grantpt(line->master) != 0 || unlockpt(line->master) != 0) {
        *error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    line->slavePath = ptsname(line->master);
    // Holding the slave open keeps the line up between clients, so the master
    // never reads a hang-up while nobody has the port open.
    line->slaveKeep = open(line->slavePath.c_str(), O_RDWR | O_NOCTTY);
    if (line->slaveKeep < 0) {
        *error = "cannot open " + line->slavePath + ": " + std::strerror(errno);
        return false;
    }
    // Raw and deliberately at the wrong framing until a client sets the line up.
    termios t{};
    tcgetattr(line->slaveKeep, &t);
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    t.c_cflag &= ~CSTOPB;
    tcsetattr(line->slaveKeep, TCSANOW, &t);
    fcntl(line->master, F_SETFL, fcntl(line->master, F_GETFL) | O_NONBLOCK);
    return true;
}

bool linkLine(const Line& line, const std::string& link, std::string* error)
{
    if (link.empty())
        return true;
    unlink(link.c_str());
    if (symlink(line.slavePath.c_str(), link.c_str()) != 0) {
        *error = "cannot link " + link + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

// As a USB adapter pulled out: the device goes away under the program that
// has it open (its reads and writes fail) and its name disappears.
void unplugLine(Line* line, const std::string& link)
{
    if (line->master < 0)
        return;
    if (!link.empty())
        unlink(link.c_str());
    close(line->slaveKeep);
    close(line->master);
    line->master = line->slaveKeep = -1;
}

struct Options {
    long baud = 38400;
    bool printPath = false;
    bool realtime = false;
    bool exitWithParent = false;
    bool faultsDisarmed = false;
    std::string link;
    std::string journal;
    std::string eeprom;
    std::vector<std::pair<uint16_t, std::vector<uint8_t>>> pokes;
    std::vector<FaultRule> faults;
    int sMeter = -1;
    int alc = 3;
    int frameGapMs = 250;
};

int usageError(const std::string& why)
{
    std::fprintf(stderr, "ft817-sim: %s\n%s", why.c_str(), kUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string* out) {
            if (i + 1 >= argc)
                return false;
            *out = argv[++i];
            return true;
        };
        std::string v;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--print-path") {
            o.printPath = true;
        } else if (arg == "--realtime") {
            o.realtime = true;
        } else if (arg == "--exit-with-parent") {
            o.exitWithParent = true;
        } else if (arg == "--faults-disarmed") {
            o.faultsDisarmed = true;
        } else if (arg == "--baud") {
            speed_t unused;
            if (!value(&v) || (o.baud = std::atol(v.c_str())) <= 0 || !speedConstant(o.baud, &unused))
                return usageError("--baud wants a standard line speed such as 4800, 9600 or 38400");
        } else if (arg == "--link") {
            if (!value(&o.link))
                return usageError("--link wants a path");
        } else if (arg == "--journal") {
            if (!value(&o.journal))
                return usageError("--journal wants a file");
        } else if (arg == "--eeprom") {
            if (!value(&o.eeprom))
                return usageError("--eeprom wants a file");
        } else if (arg == "--fault") {
            FaultRule rule;
            std::string error;
            if (!value(&v))
                return usageError("--fault wants a fault");
            if (!parseFaultRule(v, &rule, &error))
                return usageError(error);
            o.faults.push_back(rule);
        } else if (arg == "--poke") {
            std::vector<uint8_t> bytes;
            const size_t eq = value(&v) ? v.find('=') : std::string::npos;
            // end points into the address text, so that text must outlive the check.
            const std::string addressText = eq == std::string::npos ? std::string() : v.substr(0, eq);
            char* end = nullptr;
            const long address = eq == std::string::npos ? -1 : std::strtol(addressText.c_str(), &end, 16);
            if (address < 0 || address >= kEepromSize || *end != '\0' || !parseHexBytes(v.substr(eq + 1), &bytes))
                return usageError("--poke wants ADDRESS=HEXBYTES, e.g. 0055=C0");
            o.pokes.emplace_back(uint16_t(address), bytes);
        } else if (arg == "--s-meter") {
            if (!value(&v) || (o.sMeter = std::atoi(v.c_str())) < 0 || o.sMeter > 15)
                return usageError("--s-meter wants 0 to 15");
        } else if (arg == "--alc") {
            if (!value(&v) || (o.alc = std::atoi(v.c_str())) < 0 || o.alc > 15)
                return usageError("--alc wants 0 to 15");
        } else if (arg == "--frame-gap") {
            if (!value(&v) || (o.frameGapMs = std::atoi(v.c_str())) <= 0)
                return usageError("--frame-gap wants milliseconds");
        } else {
            return usageError("unknown option " + arg);
        }
    }

    if (o.exitWithParent) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() == 1)
            return 0;
    }

    Eeprom image = defaultEeprom();
    if (!o.eeprom.empty()) {
        std::string error;
        if (!loadImage(o.eeprom, &image, &error)) {
            std::fprintf(stderr, "ft817-sim: %s\n", error.c_str());
            return 1;
        }
    }
    for (const auto& [address, bytes] : o.pokes)
        for (size_t k = 0; k < bytes.size(); ++k)
            image[(address + k) % kEepromSize] = bytes[k];

    Radio radio(image);
    radio.setSMeter(o.sMeter);
    radio.setAlc(o.alc);
    CatSession session(radio, o.baud);
    for (const FaultRule& r : o.faults)
        session.faults().add(r);
    session.faults().setArmed(!o.faultsDisarmed);
    FrameAssembler assembler(o.frameGapMs);

    Line line;
    std::string error;
    if (!openLine(&line, &error) || !linkLine(line, o.link, &error)) {
        std::fprintf(stderr, "ft817-sim: %s\n", error.c_str());
        return 1;
    }
    int& master = line.master;
    const std::string slavePath = line.slavePath;

    FILE* journal = nullptr;
    if (!o.journal.empty()) {
        journal = std::fopen(o.journal.c_str(), "w");
        if (!journal) {
            std::fprintf(stderr, "ft817-sim: cannot write %s: %s\n", o.journal.c_str(), std::strerror(errno));
            return 1;
        }
        std::fprintf(journal, "# ft817-sim on %s, radio at %s\n", slavePath.c_str(),
                     describeLine({o.baud, 8, false, 2}).c_str());
        std::fflush(journal);
    }

    if (pipe(g_signalPipe) != 0)
        return 1;
    struct sigaction sa{};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    sigaction(SIGUSR1, &sa, nullptr);
    sigaction(SIGUSR2, &sa, nullptr);
    sigaction(SIGRTMIN, &sa, nullptr);
    sigaction(SIGRTMIN + 1, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    if (o.printPath) {
        std::printf("%s\n", slavePath.c_str());
        std::fflush(stdout);
    } else {
        std::fprintf(stderr, "ft817-sim: FT-817 at %s on %s\n", describeLine({o.baud, 8, false, 2}).c_str(),
                     slavePath.c_str());
    }

    struct Pending {
        int64_t dueUs;
        uint8_t byte;
    };
    std::deque<Pending> output;
    // Eleven bits per byte: start, eight data, two stop.
    const int64_t byteUs = o.realtime ? 11000000 / o.baud : 0;
    const int64_t startUs = nowUs();

    for (;;) {
        // Wait for input, a signal, the next reply byte's time or, when that
        // time has come and the line was full, room to write.
        int64_t timeoutUs = -1;
        const int64_t now = nowUs();
        pollfd fds[2] = {{master, POLLIN, 0}, {g_signalPipe[0], POLLIN, 0}};
        if (!output.empty()) {
            if (output.front().dueUs > now)
                timeoutUs = output.front().dueUs - now;
            else
                fds[0].events |= POLLOUT;
        }
        timespec ts{};
        ts.tv_sec = timeoutUs / 1000000;
        ts.tv_nsec = (timeoutUs % 1000000) * 1000;
        const int n = ppoll(fds, 2, timeoutUs < 0 ? nullptr : &ts, nullptr);
        if (n < 0 && errno != EINTR)
            break;
        if (fds[1].revents & POLLIN) {
            char c = 0;
            if (read(g_signalPipe[0], &c, 1) == 1 && c == 'f') {
                session.faults().setArmed(!session.faults().armed());
                if (journal) {
                    std::fprintf(journal, "# faults %s\n", session.faults().armed() ? "armed" : "disarmed");
                    std::fflush(journal);
                }
                continue;
            }
            if (c == 'u' || c == 'p') {
                // Unplugged, or plugged back in: a new device under the same link.
                std::string why;
                bool done = true;
                if (c == 'u') {
                    unplugLine(&line, o.link);
                    output.clear();
                } else if (line.master < 0) {
                    done = openLine(&line, &why) && linkLine(line, o.link, &why);
                }
                if (journal) {
                    std::fprintf(journal, "# line %s%s%s\n", c == 'u' ? "unplugged" : "plugged in at ",
                                 c == 'u' ? "" : line.slavePath.c_str(), done ? "" : (" failed: " + why).c_str());
                    std::fflush(journal);
                }
                continue;
            }
            if (c == 's') {
                // A snapshot on request: tests look into the radio this way.
                if (!o.eeprom.empty()) {
                    const bool saved = saveImage(o.eeprom, radio.eeprom());
                    if (journal) {
                        std::fprintf(journal, "# eeprom %s %s\n", saved ? "saved to" : "not saved to",
                                     o.eeprom.c_str());
                        std::fflush(journal);
                    }
                }
                continue;
            }
            break;
        }

        if (fds[0].revents & POLLIN) {
            uint8_t buffer[512];
            const ssize_t got = read(master, buffer, sizeof buffer);
            if (got > 0) {
                const int64_t at = nowUs();
                const auto result = assembler.feed(buffer, size_t(got), at / 1000);
                for (const auto& partial : result.dropped) {
                    if (journal) {
                        std::fprintf(journal, "%s +%lldms dropped %s [partial frame]\n", clockText().c_str(),
                                     static_cast<long long>((at - startUs) / 1000),
                                     hexBytes(partial.data(), partial.size()).c_str());
                    }
                }
                for (const Frame& frame : result.frames) {
                    const Outcome outcome = session.process(frame, lineOf(master));
                    // Journal first: once a client has its reply, the line is there.
                    if (journal) {
                        std::fprintf(journal, "%s\n",
                                     journalLine(clockText(), (at - startUs) / 1000, frame, outcome).c_str());
                        std::fflush(journal);
                    }
                    int64_t due = at + int64_t(outcome.delayMs) * 1000;
                    if (!output.empty())
                        due = std::max(due, output.back().dueUs);
                    for (uint8_t b : outcome.reply) {
                        due += byteUs;
                        output.push_back({due, b});
                    }
                }
                if (journal)
                    std::fflush(journal);
            } else if (got < 0 && errno != EAGAIN && errno != EINTR && errno != EIO) {
                std::fprintf(stderr, "ft817-sim: read: %s\n", std::strerror(errno));
                break;
            } else if (got <= 0) {
                usleep(10000); // EIO: no client side at the moment
            }
        }

        while (!output.empty() && output.front().dueUs <= nowUs()) {
            const ssize_t put = write(master, &output.front().byte, 1);
            if (put == 1) {
                output.pop_front();
                continue;
            }
            if (put < 0 && errno != EAGAIN && errno != EINTR) {
                output.clear(); // nobody to hear it
            }
            break;
        }
    }

    if (journal)
        std::fclose(journal);
    if (!o.link.empty()) {
        // Only our own link: a radio started since at the same name keeps it.
        char target[4096];
        const ssize_t n = readlink(o.link.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string(target, size_t(n)) == line.slavePath)
            unlink(o.link.c_str());
    }
    int rc = 0;
    if (!o.eeprom.empty() && !saveImage(o.eeprom, radio.eeprom())) {
        std::fprintf(stderr, "ft817-sim: cannot save %s\n", o.eeprom.c_str());
        rc = 1;
    }
    unplugLine(&line, std::string());
    return rc;
}
