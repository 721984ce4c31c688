#pragma once
// A label of the faceplate that is lit (the faceplate's text colour) or
// dimmed towards its background. The lamps keep the template's size, so a
// caption wider than its lamp is drawn in a smaller font rather than cut.
#include "shared/WinTypes.h"

#include <QLabel>

class CIndicatorStatic : public QLabel {
    Q_OBJECT
public:
    explicit CIndicatorStatic(QWidget* parent = nullptr);
    explicit CIndicatorStatic(const QString& text, QWidget* parent = nullptr);
    ~CIndicatorStatic() override;

    // Repaints only on a change.
    void SetLit(bool bLit);
    bool IsLit() const { return m_bLit; }
    // The colours as painted now (read from the options every time).
    COLORREF TextColour() const;
    COLORREF BackgroundColour() const;
    // The font the caption is drawn in at the lamp's width.
    QFont PaintFont() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_bLit = false;
};
