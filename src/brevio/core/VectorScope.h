#pragma once
// A receive channel's phase scope: eight lines from the centre to the phase
// points the modem reports for the channel, on a black face; a plain dark
// red face while the channel transmits.
#include "shared/WinTypes.h"

#include <QImage>
#include <QLine>
#include <QWidget>
#include <array>
#include <vector>

class CVectorScope : public QWidget {
    Q_OBJECT
public:
    explicit CVectorScope(QWidget* parent = nullptr);

    // Stores the transmit flag and, while receiving, fetches the channel's
    // eight (x, y) points (thousandths of full scale); then repaints.
    void SetVectors(int nChannel, bool bTransmitting);

    bool IsTransmitting() const { return m_bTransmit; }
    const std::array<int, 16>& GetPoints() const { return m_points; }

    // The lines for a client of w x h: both axes scale with the half width
    // (the scope is meant to be square), y grows upwards.
    static std::vector<QLine> VectorLines(int w, int h, const std::array<int, 16>& points);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_bTransmit = false;
    std::array<int, 16> m_points{};
    COLORREF m_colReceive = RGB(0, 0, 0);
    COLORREF m_colTransmit = RGB(200, 0, 0);
    COLORREF m_colTrace = RGB(0, 192, 0);
    QImage m_backBuffer;
};
