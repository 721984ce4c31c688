#pragma once
// The in-place editor that the shortcut bar and its lists show over a header
// or an item label to rename it. StartEdit places it and gives it the focus
// and the mouse; Enter, Escape, a click outside or the loss of focus end the
// edit, reported to the parent window as SHBEN_ENDEDIT (WM_NOTIFY).
#include "shared/shortcutbar/ShortcutBarTypes.h"

#include <QFont>
#include <QMargins>
#include <QPlainTextEdit>
#include <memory>
#include <optional>

class COXSHBEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    COXSHBEdit();
    ~COXSHBEdit() override;

    // Makes the (hidden) editor window a child of pParent.
    bool Create(uint32_t dwStyle, const QRect& rect, QWidget* pParent, unsigned nId);
    bool IsCreated() const { return m_bCreated; }

    bool StartEdit(LPSHBE_DISPLAY pSHBED);
    void FinishEdit(bool bSave);
    bool VerifyDisplayInfo(const SHBE_DISPLAY* pSHBED) const;

    QString GetWindowText() const { return toPlainText(); }
    uint32_t GetStyle() const { return m_dwStyle; }
    unsigned GetDlgCtrlID() const { return m_nId; }
    bool IsEditing() const { return m_bEditing; }

    // The window rectangle for the grown text: measured is the text's size,
    // margins the space between the window and its text, base the smallest and
    // max the largest rectangle allowed.
    static QRect CalcGrowRect(QSize measured, const QMargins& margins, const QRect& base, const QRect& max,
                              uint32_t dwStyle);
    // The space between the editor's window edges and its text.
    QMargins TextMargins() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void applyStyle();
    void applyColours();
    void onTextUpdated();
    // Passes a mouse event outside the editor on to the window under the mouse.
    bool forwardOutside(QMouseEvent* event);
    bool holdsCapture() const;

    std::unique_ptr<SHBE_DISPLAY> m_pDisplayInfo;
    std::optional<QFont> m_font;
    COLORREF m_clrBackground = 0;
    bool m_bCreated = false;
    bool m_bEditing = false;
    bool m_bWantCapture = false;
    uint32_t m_dwStyle = 0;
    unsigned m_nId = 0;
};
