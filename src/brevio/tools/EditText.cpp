#include "brevio/tools/EditText.h"

#include "shared/TextFile.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/WaitCursor.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

void AppendEditLine(QPlainTextEdit* pEdit, const QString& strLine)
{
    const CWaitCursor wait;
    if (pEdit->document()->isEmpty()) {
        pEdit->setPlainText(strLine);
        return;
    }
    QTextCursor cursor(pEdit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\n") + strLine);
}

int DeleteEditLines(QPlainTextEdit* pEdit, int nCount)
{
    const CWaitCursor wait;
    const int firstVisible = pEdit->verticalScrollBar()->value();
    const int caretLine = pEdit->textCursor().blockNumber();
    QStringList lines;
    GetEditLines(pEdit, lines);
    if (caretLine < lines.size() && nCount > 0)
        lines.erase(lines.begin() + caretLine, lines.begin() + std::min<qsizetype>(lines.size(), caretLine + nCount));
    SetEditLines(pEdit, lines);
    pEdit->verticalScrollBar()->setValue(firstVisible);
    return 1;
}

namespace {

QString StartName(const QString& strDefaultName)
{
    return strDefaultName.isEmpty() ? QString() : QFileInfo(strDefaultName).fileName();
}

} // namespace

void SaveEditTextToFile(QWidget* pParent, QPlainTextEdit* pEdit, const QString& strDefaultName)
{
    QString path = StartName(strDefaultName);
    if (!ChooseTextFileToSave(pParent, path))
        return;
    QStringList lines;
    GetEditLines(pEdit, lines);
    CTextFile(path, false).WriteLines(lines, false);
}

int LoadEditTextFromFile(QWidget* pParent, QPlainTextEdit* pEdit, const QString& strDefaultName)
{
    QString path = StartName(strDefaultName);
    if (!ChooseTextFileToOpen(pParent, path))
        return 0;
    const CWaitCursor wait;
    QStringList lines;
    CTextFile(path, false).ReadLines(lines);
    SetEditLines(pEdit, lines);
    return 1;
}
