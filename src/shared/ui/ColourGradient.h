#pragma once
// Linear colour steps between two entries of a caller's colour row: the
// meters' default colours and the options' "Merge Colours" both use it.
#include "shared/WinTypes.h"

class CColourGradient {
public:
    // The two indexes may come in either order; the array is not owned.
    CColourGradient(int nIndexA, int nIndexB, COLORREF* pColours, int nCount);
    virtual ~CColourGradient() = default;

    // Fills the entries strictly between the two ends; the ends keep their
    // colours. Ends outside 0 .. count - 1 change nothing. Each of red, green and blue is
    //   (last - i) * first / (last - first) + (i - first) * last / (last - first)
    // with both quotients truncated on their own (so a white-to-red row
    // mixes to 254, not 255).
    void Fill();

    int GetFirst() const { return m_nFirst; }
    int GetLast() const { return m_nLast; }

private:
    int m_nFirst;
    int m_nLast;
    COLORREF* m_pColours;
    int m_nCount;
};
