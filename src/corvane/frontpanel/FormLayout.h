#pragma once
// Where the front panel's controls sit in each of the three form templates,
// in pixels, and where they go when the panel is larger than its template.
#include <QList>
#include <QRect>
#include <QSize>
#include <QSizeF>

class CFormLayout {
public:
    struct Entry {
        int nId;
        int nSizeX, nSizeY, nMoveX, nMoveY;
        QRect rect;  // recorded place in the form, pixels
    };

    // The template of a display size (0 small, 1 medium, 2 large) in dialog units.
    static QSize TemplateDlu(int nSize);
    static int TemplateId(int nSize);
    // Pixels per dialog unit of the template's font.
    static QSizeF DluToPixels(int nSize);
    static QSize FormSize(int nSize);
    // A control's place in the template of that size (-1 id: none).
    static QRect ControlRect(int nId, int nSize);
    // Extra width and height a client area gives beyond the form (never negative).
    static QSize ExtraSpace(const QSize& client, const QSize& form, int nEdge = 2);

    explicit CFormLayout(int nSize);
    int GetSize() const { return m_nSize; }
    QSize FormSize() const { return m_formSize; }
    const QList<Entry>& Entries() const { return m_entries; }
    // The new place of every table entry for that much extra space.
    QList<QPair<int, QRect>> Relayout(const QSize& extra) const;
    // Re-records the places (from the controls' rectangles at set-up).
    void Record(int nId, const QRect& rect);

private:
    int m_nSize;
    QSize m_formSize;
    QList<Entry> m_entries;
};
