#pragma once
#include "shared/BaseApp.h"

#include <QString>
#include <cstdint>
#include <memory>

class CCatLink;
class CIoLogSink;

// The radio-control program's application object: owner of the CAT link and
// the log entry points every radio exchange is traced through.
class CRadioApp : public CBaseApp {
public:
    CRadioApp();
    ~CRadioApp() override;

    CCatLink& GetCatLink() { return *m_catLink; }

    // The I/O log entry points: without a sink (no log window) they do nothing.
    // A text line holds at most 4095 characters.
    static void Log(const QString& text);
    static void LogSent(const uint8_t* bytes, int count, const QString& description);
    static void LogReceived(const uint8_t* bytes, int count, const QString& description);
    static void LogExchange(const uint8_t* sent, int sentCount, const uint8_t* received, int receivedCount,
                            const QString& description);

    // The I/O log window registers itself here while it exists.
    static void SetIoLogSink(CIoLogSink* sink);
    static CIoLogSink* GetIoLogSink();

    static constexpr int kMaxLogLine = 4095;

private:
    std::unique_ptr<CCatLink> m_catLink;
};

// The one application object; nullptr before it is constructed.
CRadioApp* GetRadioApp();
