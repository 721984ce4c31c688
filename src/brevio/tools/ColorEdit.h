#pragma once
// A multi-line edit that can paint itself in its own background and text
// colours (the help texts and previews of the macro and tag dialogs use the
// system's tooltip colours), and the functions that move an edit's text to
// and from a list of lines.
#include "shared/WinTypes.h"

#include <QPlainTextEdit>
#include <QStringList>

class CColorEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CColorEdit(QWidget* parent = nullptr);

    void SetColours(COLORREF colBackground, COLORREF colText);
    void SetBackgroundColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    void SetCaptionColours();
    // On with the colours as they are (the tooltip colours from construction).
    void UseCustomColours();
    bool UsesCustomColours() const { return m_bCustom; }
    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetTextColour() const { return m_colText; }
    int GetAverageCharWidth() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void ApplyColours();

    bool m_bCustom = false;
    COLORREF m_colBackground;
    COLORREF m_colText;
};

// The edit's lines: an empty edit gives none; a text ending with a line end
// gives a last, empty line; a wrapped line stays one line.
void GetEditLines(const QPlainTextEdit* pEdit, QStringList& lines);
// Joined with CR LF between them, none after the last.
void JoinLines(const QStringList& lines, QString& strText);
void GetEditText(const QPlainTextEdit* pEdit, QString& strText);
void SetEditLines(QPlainTextEdit* pEdit, const QStringList& lines);
