#include "corvane/core/WebPage.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <atomic>

namespace {
std::atomic<int> g_transferTimeout{CWebPage::kDefaultTransferTimeout};
constexpr int kMaxError = 1024;

QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    // Older pages are often single-byte text; keep every byte then.
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// Lines without their line ends; a CR before the LF goes too.
QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}
} // namespace

CWebPage::CWebPage(const QString& strUrl) : m_strUrl(strUrl) {}

CWebPage::~CWebPage() = default;

void CWebPage::SetTransferTimeout(int nMs)
{
    g_transferTimeout = nMs;
}

int CWebPage::GetTransferTimeout()
{
    return g_transferTimeout;
}

void CWebPage::Abort()
{
    std::lock_guard lock(m_mutex);
    m_bAbort = true;
    if (m_pLoop)
        QMetaObject::invokeMethod(m_pLoop, &QEventLoop::quit, Qt::QueuedConnection);
}

bool CWebPage::Read()
{
    m_strError.clear();
    m_lines.clear();

    // One session per read, closed on every way out with this scope.
    QNetworkAccessManager session;
    QNetworkRequest request{QUrl(m_strUrl)};
    // Always from the server, never into a cache.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);

    QEventLoop loop;
    QTimer silence;
    silence.setSingleShot(true);
    bool timedOut = false;
    bool aborted = false;
    bool headers = false;
    QByteArray body;

    std::unique_ptr<QNetworkReply> reply(session.get(request));
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        headers = true;
        silence.start();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        silence.start();
    });
    QObject::connect(&silence, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    silence.start(GetTransferTimeout());

    {
        std::lock_guard lock(m_mutex);
        m_pLoop = &loop;
        aborted = m_bAbort;
    }
    if (!aborted && !reply->isFinished())
        loop.exec();
    {
        std::lock_guard lock(m_mutex);
        m_pLoop = nullptr;
        aborted = m_bAbort;
    }

    QString reason;
    if (!reply->isFinished()) {
        reason = timedOut ? QStringLiteral("The operation timed out") : QStringLiteral("The operation was canceled");
        QObject::disconnect(reply.get(), nullptr, &loop, nullptr);
        reply->abort();
    } else {
        body += reply->readAll();
        if (reply->error() != QNetworkReply::NoError)
            reason = reply->errorString();
    }

    if (reason.isEmpty()) {
        m_lines = splitLines(decode(body));
        return true;
    }
    if (!headers && body.isEmpty()) {
        // The page never opened: one line of text for the window that asked.
        QString error = reason.left(kMaxError);
        error.replace(QLatin1Char('\r'), QLatin1Char(' '));
        error.replace(QLatin1Char('\n'), QLatin1Char(' '));
        while (!error.isEmpty() && error.back().isSpace())
            error.chop(1);
        m_strError = error;
        return false;
    }
    m_lines = splitLines(decode(body));
    m_strError = reason.left(kMaxError);
    return false;
}
