#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Where the program's I/O log rows go: the I/O log window when it is open.
// A row is a text line, or a CAT trace row with the bytes sent and/or
// received and a description (the window adds the time of day).
class CIoLogSink {
public:
    virtual ~CIoLogSink() = default;
    virtual void AddTextRow(const QString& text) = 0;
    virtual void AddBytesRow(const std::optional<QByteArray>& sent, const std::optional<QByteArray>& received,
                             const QString& description) = 0;
};
