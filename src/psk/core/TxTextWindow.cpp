#include "psk/core/TxTextWindow.h"

#include "psk/core/DspCalls.h"

namespace {
const QString kStop = QStringLiteral("[stop]");
}

CTxTextWindow::CTxTextWindow(QWidget* parent) : QPlainTextEdit(parent) {}

CTxTextWindow::~CTxTextWindow() = default;

void CTxTextWindow::SetSentCount(int nSent)
{
    m_nSent = qBound(0, nSent, int(toPlainText().size()));
}

bool CTxTextWindow::HasUnsent() const
{
    return m_nSent < toPlainText().size();
}

bool CTxTextWindow::NextIsStop() const
{
    return toPlainText().mid(m_nSent, kStop.size()).compare(kStop, Qt::CaseInsensitive) == 0;
}

void CTxTextWindow::SkipStop()
{
    if (NextIsStop())
        m_nSent += int(kStop.size());
}

bool CTxTextWindow::SendNext()
{
    if (!HasUnsent() || NextIsStop())
        return false;
    const QChar c = toPlainText().at(m_nSent++);
    // The edit keeps line breaks as LF; the air carries CR LF.
    if (c == QLatin1Char('\n')) {
        fnSendTXCharacter('\r', 0);
        fnSendTXCharacter('\n', 0);
    } else {
        fnSendTXCharacter(int(uint8_t(c.toLatin1())), 0);
    }
    return true;
}
