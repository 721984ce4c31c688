#include "corvane/frontpanel/OptionsFaceplate.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

using namespace OptionsPageTools;

COptionsFaceplate::COptionsFaceplate(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Faceplate"));
    auto* colours = Group(this, QStringLiteral("Colours"));
    m_pPreview = new CColourStatic(QStringLiteral("Faceplate background and text"), colours);
    SetDlgCtrlID(m_pPreview, IDC_PREVIEW);
    m_pPreview->setAlignment(Qt::AlignCenter);
    m_pPreview->setFixedSize(240, 48);
    auto* background = Button(colours, QStringLiteral("&Background..."), IDC_BACKGROUND);
    auto* text = Button(colours, QStringLiteral("&Text..."), IDC_TEXT);
    auto* colourGrid = new QGridLayout(colours);
    colourGrid->addWidget(m_pPreview, 0, 0, 2, 1);
    colourGrid->addWidget(background, 0, 1);
    colourGrid->addWidget(text, 1, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(colours, 0, 0);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    connect(background, &QPushButton::clicked, this, &COptionsFaceplate::OnBackground);
    connect(text, &QPushButton::clicked, this, &COptionsFaceplate::OnText);
}

COptionsFaceplate::~COptionsFaceplate() = default;

void COptionsFaceplate::GetKeywords(QStringList& keywords)
{
    keywords << QStringLiteral("Colours");
}

void COptionsFaceplate::OnBackground()
{
    COLORREF colour = m_pPreview->GetBackgroundColour();
    if (!ChooseColour(this, colour))
        return;
    m_pPreview->SetBackgroundColour(colour);
    m_pPreview->update();
    SetModified();
}

void COptionsFaceplate::OnText()
{
    COLORREF colour = m_pPreview->GetTextColour();
    if (!ChooseColour(this, colour))
        return;
    m_pPreview->SetTextColour(colour);
    m_pPreview->update();
    SetModified();
}

void COptionsFaceplate::WriteToSettings(CSettings& s)
{
    s.m_colDspBackground = m_pPreview->GetBackgroundColour();
    s.m_colDspForeground = m_pPreview->GetTextColour();
}

void COptionsFaceplate::ReadFromSettings(CSettings& s)
{
    m_pPreview->SetBackgroundColour(s.m_colDspBackground);
    m_pPreview->SetTextColour(s.m_colDspForeground);
    m_pPreview->update();
}
