#pragma once
// An edit field that accepts input only in the form of a mask such as
// "###\.###\.## MHz": literals stay in place, empty input places show the
// prompt character, and the caret never rests on a literal. Without a mask
// it is a plain line edit. The rules live in MaskModel; this class maps key
// strokes, focus, mouse and clipboard onto them.
#include "shared/edit/MaskModel.h"

#include <QLineEdit>

// Sent to the owner when the field loses the focus; the owner may reject the
// content (valid = false) and say where the caret goes.
inline constexpr unsigned MEN_VALIDATE = 33078;

struct MEN_VALIDATE_INFO {
    QWidget* hwndFrom = nullptr;
    int idFrom = 0;
    unsigned code = MEN_VALIDATE;
    bool bValid = true;             // false: the owner rejects the content
    bool bDefaultValidation = true; // true: also run the field's Validate
    int nCaretPos = 0;              // caret position after a rejection
};

class COXMaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit COXMaskedEdit(const QString& mask = QString(), QWidget* parent = nullptr);
    ~COXMaskedEdit() override;

    void SetMask(const QString& mask);
    QString GetMask() const;
    // FALSE for 0, 10, 13 and 127 (the prompt stays).
    bool SetPromptChar(QChar prompt);
    QChar GetPromptChar() const;
    QString GetInputText() const;
    bool SetInputText(const QString& text, int start = 0, bool raw = true);
    QString GetFormattedText() const;
    void ClearInput(bool keepMask = true);
    bool IsInputEmpty() const;
    void SetInsertMode(bool insert) { m_bInsertMode = insert; }
    bool IsInsertMode() const { return m_bInsertMode; }
    void SetAutoAdvance(bool autoAdvance) { m_bAutoAdvance = autoAdvance; }
    bool GetAutoAdvance() const { return m_bAutoAdvance; }
    int InputIndexFromPosition(int position) const;
    int PositionFromInputIndex(int index) const;
    // Locale separators are taken at construction; a caller may fix them.
    void SetSeparators(QChar decimal, QChar thousands, QChar time, QChar date);

    // The window text as the program sets it from outside: literal runs found
    // in it are cut out and the rest fills the input places. Hides
    // QLineEdit::setText so that code calling either gets the mask's rules.
    void SetWindowText(const QString& text);
    void setText(const QString& text) { SetWindowText(text); }
    QString GetWindowText() const { return text(); }

    // Clipboard commands on the selection.
    void Cut();
    void Copy();
    void Paste();
    void Clear();

    // Called when the field loses the focus; subclasses re-check and re-format.
    virtual bool Validate();
    // Called for every refused key stroke and failed validation.
    virtual void OnInputRejected();

    const MaskModel& Model() const { return m_model; }

signals:
    // The text shown is about to change / has changed (EN_UPDATE, EN_CHANGE).
    // A text set from outside gives editUpdate only; typing gives both.
    void editUpdate();
    void editChange();
    // MEN_VALIDATE: the owner may veto the content through the record.
    void validateNotify(MEN_VALIDATE_INFO& info);

protected:
    // WM_CHAR: a typed character (8 for backspace).
    virtual void OnChar(QChar c);
    // WM_KEYDOWN for the keys the field handles itself (Delete, Insert and
    // the caret keys).
    virtual void OnKeyDown(QKeyEvent* event);

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

    // Shows the formatted text; a caret position of 0 or more is then placed
    // by the caret rules.
    void UpdateWindowText(int caret);
    // Places the caret at the next input position at or after position; with
    // auto-advance and none left, the focus moves to the next control.
    void PlaceCaret(int position);
    int SelectionStart() const;
    int SelectionEnd() const;
    bool HasMask() const { return m_model.HasMask(); }
    MaskModel& EditableModel() { return m_model; }

private:
    void DefaultKeyProcessing(QKeyEvent* event);
    void ApplyEdit(const MaskModel::Edit& edit);

    MaskModel m_model;
    bool m_bInsertMode = true;
    bool m_bAutoAdvance = false;
    int m_nUpdateDepth = 0;
    bool m_bNotifyChange = true;
    bool m_bClickTookFocus = false; // the press was handled: so is its release
    bool m_bFocusFromClick = false; // Qt gives the focus before the press arrives
};
