#pragma once
// A label with its own background and text colours; its text fades four
// fifths of the way to the background while the label is disabled.
#include "shared/WinTypes.h"

#include <QLabel>

class CColourStatic : public QLabel {
    Q_OBJECT
public:
    explicit CColourStatic(QWidget* parent = nullptr);
    explicit CColourStatic(const QString& text, QWidget* parent = nullptr);
    ~CColourStatic() override;

    // None of these repaints by itself: the caller does.
    void SetColours(COLORREF background, COLORREF text);
    void SetBackgroundColour(COLORREF colour);
    void SetTextColour(COLORREF colour);
    // The system's inactive-caption colour behind the caption-text colour.
    void SetCaptionColours();
    void SetLogFont(const QFont& font);

    COLORREF GetBackgroundColour() const { return m_colBackground; }
    COLORREF GetTextColour() const { return m_colText; }
    COLORREF PaintedTextColour() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    COLORREF m_colBackground;
    COLORREF m_colText;
};
