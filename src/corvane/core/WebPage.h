#pragma once
#include <QString>
#include <QStringList>
#include <mutex>

class QEventLoop;

// Fetches one web page over HTTP and keeps it as text lines. Read blocks the
// calling thread (a worker's) until the page is in, the transfer stalls for
// longer than the time-out, or Abort is called from another thread.
class CWebPage {
public:
    explicit CWebPage(const QString& strUrl);
    virtual ~CWebPage();

    // TRUE when the whole page was read. On failure the error text says why;
    // lines that arrived before a broken transfer are kept.
    bool Read();
    // Thread-safe: ends a running (or the next) Read as failed.
    void Abort();

    const QString& GetError() const { return m_strError; }
    const QString& GetUrl() const { return m_strUrl; }
    const QStringList& GetLines() const { return m_lines; }

    // Longest silence of a transfer before it counts as failed (ms).
    static void SetTransferTimeout(int nMs);
    static int GetTransferTimeout();
    static constexpr int kDefaultTransferTimeout = 30000;

private:
    QString m_strError;
    QString m_strUrl;
    QStringList m_lines;

    std::mutex m_mutex;
    QEventLoop* m_pLoop = nullptr;
    bool m_bAbort = false;
};
