#pragma once
// The content of a masked edit without the window: the positions of a mask,
// the characters held in them, and the editing rules (insert, overwrite,
// delete, caret moves) that the control applies to key strokes. A widget and
// a test drive the same code.
#include <QChar>
#include <QString>
#include <vector>

// One position of a mask.
class CMaskData {
public:
    enum Type : int {
        Decimal = 0,    // "." the locale's decimal separator
        Thousands = 1,  // "," the locale's thousands separator
        Time = 2,       // ":" the locale's time separator
        Date = 3,       // "/" the locale's date separator
        Digit = 4,      // "#"
        AlphaNumeric = 5, // "A"
        Alpha = 6,      // "?"
        Upper = 7,      // ">" a letter, stored in upper case
        Lower = 8,      // "<" a letter, stored in lower case
        AnyChar = 9,    // "&" any character from 32 to 126
        Hex = 10,       // "X"
        Escaped = 11,   // "\" and the character after it
        Literal = 12,   // any other character
    };

    int m_nType = Literal;
    QChar m_cChar = QChar(0);

    bool IsInputPosition() const { return m_nType >= Digit && m_nType <= Hex; }
    // Whether c may stand in this input position (the prompt character aside).
    bool IsValidInput(QChar c) const;
    // c as stored in this position (upper or lower case for types 7 and 8).
    QChar Converted(QChar c) const;
};

class MaskModel {
public:
    MaskModel();

    // Decimal, thousands, time and date separator shown for ".", ",", ":", "/".
    void SetSeparators(QChar decimal, QChar thousands, QChar time, QChar date);
    // The separators of the user's locale (first character of each).
    void UseLocaleSeparators();

    void SetMask(const QString& mask);
    QString GetMask() const;
    bool HasMask() const { return !m_positions.empty(); }
    void RemoveMask() { m_positions.clear(); }
    int Count() const { return int(m_positions.size()); }
    const CMaskData& At(int position) const { return m_positions[size_t(position)]; }
    bool IsInputPosition(int position) const;

    QChar GetPromptChar() const { return m_cPrompt; }
    // FALSE (and nothing changed) for 0, 10, 13 and 127. Otherwise every input
    // position holding the old prompt takes the new one.
    bool SetPromptChar(QChar prompt);

    QString GetInputText() const;
    QString GetFormattedText() const;
    // Fills the input positions from text, starting at input index start;
    // FALSE when characters had to be skipped.
    bool SetInputText(const QString& text, int start, bool raw);
    // Every input position takes the prompt character.
    void ClearInput();
    bool IsInputEmpty() const;

    int InputIndexFromPosition(int position) const;
    int PositionFromInputIndex(int index) const;
    int InputCount() const;

    // Caret rules.
    int NextInputPosition(int position) const;
    int PreviousInputPosition(int position) const;

    // Editing primitives.
    int DeleteRange(int start, int end);  // number of input positions removed
    int InsertChar(QChar c, int position); // position of the character, or -1
    int ReplaceChar(QChar c, int position); // position, or -1
    bool RangeHasInput(int start, int end) const;

    // A text given from outside with the mask's literal runs cut out where
    // they stand in it, ready for SetInputText (from 0, raw).
    QString StripLiterals(const QString& text) const;

    // What a key stroke did: whether it was refused (the control beeps),
    // whether the input changed, and where the caret goes (-1: leave it).
    struct Edit {
        bool rejected = false;
        bool changed = false;
        int caret = -1;
    };
    // A printable character typed with the selection [selStart, selEnd).
    Edit TypeChar(QChar c, int selStart, int selEnd, bool insertMode);
    Edit Backspace(int selStart, int selEnd);
    Edit Delete(int selStart, int selEnd);
    // Pasting text over the selection of the shown text.
    Edit Paste(const QString& text, int selStart, int selEnd);

private:
    std::vector<CMaskData> m_positions;
    QChar m_cPrompt = QLatin1Char(' ');
    QChar m_separators[4] = {QLatin1Char('.'), QLatin1Char(','), QLatin1Char(':'), QLatin1Char('/')};
};
