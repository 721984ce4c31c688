#include "corvane/frontpanel/OptionsDisplayControls.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "shared/buttons/OXRoundedButton.h"
#include "shared/ui/BaseDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>

using namespace OptionsPageTools;

COptionsDisplayControls::COptionsDisplayControls(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Buttons"));
    auto makeSample = [](QWidget* group, const QString& text, unsigned nId) {
        auto* sample = new COXRoundedButton(group);
        SetDlgCtrlID(sample, nId);
        sample->setText(text);
        sample->setFixedSize(64, 28);
        sample->SetSphereExternalRadius(8, false);
        sample->SetSphereInternalRadius(3, false);
        return sample;
    };
    auto* active = Group(this, QStringLiteral("Active"));
    m_pActive = makeSample(active, QStringLiteral("Active"), IDC_ACTIVE_SAMPLE);
    auto* activeFace = Button(active, QStringLiteral("&Face..."), IDC_ACTIVE_FACE);
    auto* activeText = Button(active, QStringLiteral("&Text..."), IDC_ACTIVE_TEXT);
    auto* activeGrid = new QGridLayout(active);
    activeGrid->addWidget(m_pActive, 0, 0, 2, 1, Qt::AlignCenter);
    activeGrid->addWidget(activeFace, 0, 1);
    activeGrid->addWidget(activeText, 1, 1);

    auto* normal = Group(this, QStringLiteral("Normal"));
    m_pNormal = makeSample(normal, QStringLiteral("Normal"), IDC_NORMAL_SAMPLE);
    auto* normalFace = Button(normal, QStringLiteral("F&ace..."), IDC_NORMAL_FACE);
    auto* normalText = Button(normal, QStringLiteral("T&ext..."), IDC_NORMAL_TEXT);
    auto* normalGrid = new QGridLayout(normal);
    normalGrid->addWidget(m_pNormal, 0, 0, 2, 1, Qt::AlignCenter);
    normalGrid->addWidget(normalFace, 0, 1);
    normalGrid->addWidget(normalText, 1, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(active, 0, 0);
    grid->addWidget(normal, 1, 0);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);

    connect(m_pActive, &QPushButton::clicked, this, [this] { OnFace(true); });
    connect(activeFace, &QPushButton::clicked, this, [this] { OnFace(true); });
    connect(activeText, &QPushButton::clicked, this, [this] { OnText(true); });
    connect(m_pNormal, &QPushButton::clicked, this, [this] { OnFace(false); });
    connect(normalFace, &QPushButton::clicked, this, [this] { OnFace(false); });
    connect(normalText, &QPushButton::clicked, this, [this] { OnText(false); });
}

COptionsDisplayControls::~COptionsDisplayControls() = default;

bool COptionsDisplayControls::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    // The samples stand on the faceplate as the panel's buttons do.
    for (COXRoundedButton* sample : {m_pActive, m_pNormal})
        sample->SetBackgroundColour(GetSettings().m_colDspBackground, false);
    return true;
}

void COptionsDisplayControls::GetKeywords(QStringList& keywords)
{
    keywords << QStringLiteral("Button colours");
}

void COptionsDisplayControls::OnFace(bool bActive)
{
    COXRoundedButton* sample = GetSample(bActive);
    COLORREF colour = sample->GetSphereColour();
    if (!ChooseColour(this, colour))
        return;
    sample->SetSphereColour(colour, true);
    SetModified();
}

void COptionsDisplayControls::OnText(bool bActive)
{
    COXRoundedButton* sample = GetSample(bActive);
    COLORREF colour = sample->GetTextColour();
    if (!ChooseColour(this, colour))
        return;
    sample->SetTextColour(colour);
    sample->update();
    SetModified();
}

void COptionsDisplayControls::WriteToSettings(CSettings& s)
{
    s.m_colColButtonFace = m_pNormal->GetSphereColour();
    s.m_colColButtonText = m_pNormal->GetTextColour();
    s.m_colColButtonFaceSel = m_pActive->GetSphereColour();
    s.m_colColButtonTextSel = m_pActive->GetTextColour();
}

void COptionsDisplayControls::ReadFromSettings(CSettings& s)
{
    m_pActive->SetTextColour(s.m_colColButtonTextSel);
    m_pActive->SetSphereColour(s.m_colColButtonFaceSel, true);
    m_pNormal->SetTextColour(s.m_colColButtonText);
    m_pNormal->SetSphereColour(s.m_colColButtonFace, true);
}
