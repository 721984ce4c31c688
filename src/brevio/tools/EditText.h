#pragma once
// More of the functions that move a multi-line edit's text about: adding a
// line, deleting lines at the caret, and saving the text to or loading it
// from a text file the operator chooses.
#include "brevio/tools/ColorEdit.h"

class QPlainTextEdit;
class QWidget;

// The string becomes the text of an empty edit, else a new last line.
void AppendEditLine(QPlainTextEdit* pEdit, const QString& strLine);
// Removes nCount lines from the caret's line on, keeping the first visible
// line where it was. Always 1.
int DeleteEditLines(QPlainTextEdit* pEdit, int nCount);
// The chooser starts on the default name without its folder (none: empty).
void SaveEditTextToFile(QWidget* pParent, QPlainTextEdit* pEdit, const QString& strDefaultName = QString());
// 1 when a file was chosen and read into the edit, 0 when cancelled.
int LoadEditTextFromFile(QWidget* pParent, QPlainTextEdit* pEdit, const QString& strDefaultName = QString());
