#include "shared/ui/Win32Error.h"

#include "platform/Prompter.h"

#include <cerrno>
#include <cstring>

namespace {

const char* SystemMessage(uint32_t code)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    return strerrordesc_np(int(code));
#else
    // Elsewhere the C library names unknown codes itself; treat those as none.
    static thread_local char buffer[256];
    const char* text = std::strerror(int(code));
    if (!text || std::strncmp(text, "Unknown error", 13) == 0)
        return nullptr;
    std::strncpy(buffer, text, sizeof buffer - 1);
    return buffer;
#endif
}

// %1 to %5 take the insert texts, %% is a percent sign; anything else stays.
QString ApplyInserts(const QString& message, const QString* inserts)
{
    QString out;
    out.reserve(message.size());
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar c = message[i];
        if (c == QLatin1Char('%') && i + 1 < message.size()) {
            const QChar n = message[i + 1];
            if (n >= QLatin1Char('1') && n <= QLatin1Char('5')) {
                out += inserts[n.unicode() - '1'];
                ++i;
                continue;
            }
            if (n == QLatin1Char('%')) {
                out += n;
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace

CWin32Error::CWin32Error() : m_dwError(uint32_t(errno))
{
    Format({}, {}, {}, {}, {});
}

CWin32Error::CWin32Error(uint32_t dwError, const QString& s1, const QString& s2, const QString& s3,
                         const QString& s4, const QString& s5)
    : m_dwError(dwError)
{
    Format(s1, s2, s3, s4, s5);
}

CWin32Error::CWin32Error(HMODULE hModule, uint32_t dwError) : m_dwError(dwError), m_hModule(hModule)
{
    Format({}, {}, {}, {}, {});
}

QString CWin32Error::Flatten(const QString& strMessage)
{
    const QString message = strMessage.left(511);
    QString out;
    out.reserve(message.size());
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar c = message[i];
        if (i + 1 < message.size()) {
            const QChar n = message[i + 1];
            if ((c == QLatin1Char('\r') && n == QLatin1Char('\n')) || (c == QLatin1Char('\n') && n == QLatin1Char('\r'))) {
                out += QLatin1Char(' ');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

void CWin32Error::Format(const QString& s1, const QString& s2, const QString& s3, const QString& s4,
                         const QString& s5)
{
    QString message;
    bool found = false;
    if (m_hModule) {
        // A module's table is taken as it stands: its inserts are not filled.
        const auto it = m_hModule->m_messages.constFind(m_dwError);
        if (it != m_hModule->m_messages.constEnd() && !it->isEmpty()) {
            message = *it;
            found = true;
        }
    } else if (const char* text = SystemMessage(m_dwError)) {
        const QString inserts[5] = {s1, s2, s3, s4, s5};
        message = ApplyInserts(QString::fromLocal8Bit(text), inserts);
        found = !message.isEmpty();
    }
    m_strText = found ? Flatten(message) : QStringLiteral("Unknown error %1").arg(m_dwError);
}

void CWin32Error::Show(QWidget* pOwner, const QString& strDescription) const
{
    platform::messageBox(pOwner, QStringLiteral("%1 -\n%2").arg(strDescription, m_strText), QStringLiteral("Error"),
                         int(platform::MB_OK) | int(platform::MB_ICONERROR));
}
