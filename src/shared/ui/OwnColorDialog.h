#pragma once
// The colour chooser with the operator's 16 custom colours kept across runs
// ("Custom Colour %u" in the Options section): read when the chooser is made,
// written back when it goes, whether or not a colour was chosen.
#include "shared/WinTypes.h"

#include <QString>

class QWidget;

class COwnColorDialog {
public:
    COwnColorDialog(COLORREF clrInit = 0, unsigned dwFlags = 0, QWidget* pParentWnd = nullptr);
    ~COwnColorDialog();
    COwnColorDialog(const COwnColorDialog&) = delete;
    COwnColorDialog& operator=(const COwnColorDialog&) = delete;

    // IDOK when a colour was chosen, else IDCANCEL.
    int DoModal();
    COLORREF GetColor() const { return m_colour; }
    void SetTitle(const QString& strTitle) { m_strTitle = strTitle; }

    static QString CustomColourName(unsigned nIndex);
    static constexpr int kCustomColours = 16;

private:
    QWidget* m_pParent;
    COLORREF m_colour;
    unsigned m_dwFlags;
    QString m_strTitle;
};
