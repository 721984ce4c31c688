#include "shared/ui/OwnColorDialog.h"

#include "platform/Prompter.h"
#include "shared/Registry.h"

#include <QColorDialog>

QString COwnColorDialog::CustomColourName(unsigned nIndex) { return QStringLiteral("Custom Colour %1").arg(nIndex); }

COwnColorDialog::COwnColorDialog(COLORREF clrInit, unsigned dwFlags, QWidget* pParentWnd)
    : m_pParent(pParentWnd), m_colour(clrInit), m_dwFlags(dwFlags)
{
    // A value not stored keeps the colour the process already holds (the
    // custom colours are shared by every colour chooser of the program).
    CRegistry registry;
    for (int i = 0; i < kCustomColours; ++i) {
        const COLORREF current = fromQColor(QColorDialog::customColor(i));
        const COLORREF stored = COLORREF(registry.GetInt(CustomColourName(unsigned(i)), int(current)));
        QColorDialog::setCustomColor(i, toQColor(stored));
    }
}

COwnColorDialog::~COwnColorDialog()
{
    CRegistry registry;
    for (int i = 0; i < kCustomColours; ++i)
        registry.WriteInt(CustomColourName(unsigned(i)), int(fromQColor(QColorDialog::customColor(i))));
}

int COwnColorDialog::DoModal()
{
    const auto chosen = platform::Prompter::instance().colour(m_pParent, toQColor(m_colour), m_strTitle);
    if (!chosen)
        return platform::IDCANCEL;
    m_colour = fromQColor(*chosen);
    return platform::IDOK;
}
