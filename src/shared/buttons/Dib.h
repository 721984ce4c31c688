#pragma once
// A bitmap resource of 8 bits per pixel or less with the palette of its
// colour table, drawn in parts (the frames of an animation strip).
#include "shared/WinTypes.h"

#include <QImage>
#include <QVector>
#include <memory>

class QPainter;

class CDib {
public:
    CDib();
    explicit CDib(int resourceId);
    virtual ~CDib();

    // FALSE when the bitmap is missing or has no colour table (more than 8
    // bits per pixel); the picture itself stays loaded then.
    bool LoadResource(int resourceId);
    // Every pixel of the colour found at (x, y) takes the new colour.
    void ReplaceColour(int x, int y, COLORREF colour);
    void Draw(QPainter& painter, int x, int y, int width, int height, int sourceX, int sourceY) const;
    void Stretch(QPainter& painter, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                 int sourceHeight) const;

    bool IsValid() const { return m_bValid; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    const QImage& GetBitmap() const { return m_bitmap; }
    const QVector<QRgb>* GetPalette() const { return m_pPalette.get(); }

private:
    QImage m_bitmap;
    std::unique_ptr<QVector<QRgb>> m_pPalette;
    bool m_bValid = false;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
