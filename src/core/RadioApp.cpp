#include "core/RadioApp.h"

#include "core/CatLink.h"
#include "core/IoLogSink.h"

namespace {
CRadioApp* g_app = nullptr;
CIoLogSink* g_sink = nullptr;

QByteArray bytesOf(const uint8_t* bytes, int count)
{
    return bytes && count > 0 ? QByteArray(reinterpret_cast<const char*>(bytes), count) : QByteArray();
}
} // namespace

CRadioApp* GetRadioApp()
{
    return g_app;
}

CRadioApp::CRadioApp() : m_catLink(std::make_unique<CCatLink>())
{
    g_app = this;
}

CRadioApp::~CRadioApp()
{
    m_catLink.reset();
    if (g_app == this)
        g_app = nullptr;
}

void CRadioApp::SetIoLogSink(CIoLogSink* sink)
{
    g_sink = sink;
}

CIoLogSink* CRadioApp::GetIoLogSink()
{
    return g_sink;
}

void CRadioApp::Log(const QString& text)
{
    if (g_sink)
        g_sink->AddTextRow(text.left(kMaxLogLine));
}

void CRadioApp::LogSent(const uint8_t* bytes, int count, const QString& description)
{
    if (g_sink)
        g_sink->AddBytesRow(bytesOf(bytes, count), std::nullopt, description);
}

void CRadioApp::LogReceived(const uint8_t* bytes, int count, const QString& description)
{
    if (g_sink)
        g_sink->AddBytesRow(std::nullopt, bytesOf(bytes, count), description);
}

void CRadioApp::LogExchange(const uint8_t* sent, int sentCount, const uint8_t* received, int receivedCount,
                            const QString& description)
{
    if (g_sink)
        g_sink->AddBytesRow(bytesOf(sent, sentCount), bytesOf(received, receivedCount), description);
}
