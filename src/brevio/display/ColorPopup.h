#pragma once
// The colour button's drop-down: a grid of 40 named colours with an
// "Automatic" cell above and a "More Colors..." cell below it. It follows
// the mouse and the arrow keys, tells its button every highlighted colour,
// and ends with a choice (release inside, Return or Space) or a cancel
// (release outside, Escape, or the colour chooser cancelled). It deletes
// itself when it ends.
#include "brevio/display/ColorPopupLayout.h"

#include <QWidget>
#include <memory>

class CColorButton;

class CColorPopup : public QWidget {
    Q_OBJECT
public:
    // Opens at once at the screen point, owned by the button.
    CColorPopup(QPoint screenPoint, COLORREF colour, CColorButton* pOwner, const QString& strAutoText,
                const QString& strMoreText);
    ~CColorPopup() override;

    const CColorPopupLayout& Layout() const { return *m_pLayout; }
    int GetCurrentCell() const { return m_nCurrent; }
    int GetChosenCell() const { return m_nChosen; }
    COLORREF GetColour() const { return m_colour; }
    COLORREF GetInitialColour() const { return m_colInitial; }
    bool IsColourDialogOpen() const { return m_bColourDialogOpen; }

    // The highlighted cell becomes nIndex (the more cell for any index past
    // the colours); the button hears of the colour.
    void ChangeSelection(int nIndex);
    // Ends with ColourSelEndOk or ColourSelEndCancel and closes.
    void EndSelection(unsigned nMessage);

signals:
    void notify(unsigned nMessage, COLORREF colour, intptr_t lParam);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void DrawCell(QPainter& p, int nIndex);
    int FindCell(COLORREF colour) const;

    std::unique_ptr<CColorPopupLayout> m_pLayout;
    CColorButton* m_pOwner;
    QString m_strAutoText;
    QString m_strMoreText;
    COLORREF m_colInitial;
    COLORREF m_colour;
    int m_nCurrent = CColorPopupLayout::kNoCell;
    int m_nChosen = CColorPopupLayout::kNoCell;
    bool m_bColourDialogOpen = false;
    bool m_bEnded = false;
};
