#include "brevio/core/LogView.h"

#include "brevio/core/PSK31App.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QTextCursor>
#include <QTime>

CPSK31BrevioView::CPSK31BrevioView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Read-only text on white, not on the grey of a disabled field.
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

CPSK31BrevioView::~CPSK31BrevioView()
{
    if (TheApp().GetLogView() == this)
        TheApp().SetLogView(nullptr);
}

void CPSK31BrevioView::OnInitialUpdate()
{
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontDatabase::families().contains(font.family()))
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    setFont(font);
    TheApp().SetLogView(this);
    CPSK31App::LogPrintf("Logfile ready");
    CPSK31App::LogPrintf("%s", "");
}

void CPSK31BrevioView::AppendLine(const QString& strText)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QString added;
    if (m_nLength > 0)
        added += QStringLiteral("\n");
    if (!strText.isEmpty())
        added += QTime::currentTime().toString(QStringLiteral("HH:mm:ss "));
    added += strText;
    cursor.insertText(added);
    // Characters as the edit control counts them: a line break is CR LF.
    m_nLength += int(added.size()) + (m_nLength > 0 ? 1 : 0);
}

void CPSK31BrevioView::Erase()
{
    clear();
    m_nLength = 0;
}

CChildFrame::CChildFrame(QWidget* parent) : QMdiSubWindow(parent)
{
    setWindowTitle(QStringLiteral("Logfile"));
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    TheApp().HideView(this);
}
