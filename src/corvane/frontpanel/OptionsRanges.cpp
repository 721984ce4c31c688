#include "corvane/frontpanel/OptionsRanges.h"

#include "corvane/core/FrequencyRangeCheck.h"
#include "corvane/core/ReceiverCoverage.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "platform/Prompter.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/BaseDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

using namespace OptionsPageTools;

const unsigned COptionsRanges::kEditIds[12] = {1390, 1391, 1392, 1088, 1090, 1092,
                                               1083, 1085, 1087, 1089, 1091, 1093};
const uint32_t COptionsRanges::kDefaults[12] = {100000,   33000000, 76000000,  108000000, 137000000, 420000000,
                                                33000000, 56000000, 108000000, 137000000, 154000000, 470000000};

namespace {
const char* const kRangeNames[COptionsRanges::kRanges] = {"HF", "6 m", "FM broadcast", "Air", "2 m", "70 cms"};
} // namespace

COptionsRanges::COptionsRanges(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Rx Ranges"));
    auto* group = Group(this, QStringLiteral("Receive ranges"));
    auto* rangeGrid = new QGridLayout(group);
    rangeGrid->addWidget(Label(group, QStringLiteral("Low")), 0, 1, Qt::AlignHCenter);
    rangeGrid->addWidget(Label(group, QStringLiteral("High")), 0, 2, Qt::AlignHCenter);
    for (int i = 0; i < 12; ++i) {
        m_pEdits[i] = new CFrequencyEdit(group);
        SetDlgCtrlID(m_pEdits[i], kEditIds[i]);
        m_pEdits[i]->setMinimumWidth(150);
        rangeGrid->addWidget(m_pEdits[i], 1 + i % kRanges, 1 + i / kRanges);
        // Typing changes the range; a value shown by the page does not.
        connect(m_pEdits[i], &CFrequencyEdit::editChange, this, [this] { SetModified(); });
    }
    for (int r = 0; r < kRanges; ++r)
        rangeGrid->addWidget(Label(group, QString::fromLatin1(kRangeNames[r])), 1 + r, 0);
    auto* defaults = Button(this, QStringLiteral("&Load Defaults"), IDC_LOAD_DEFAULTS);
    auto* grid = new QGridLayout(this);
    // The ranges keep their natural height; the room below stays empty.
    grid->addWidget(group, 0, 0);
    grid->addWidget(defaults, 0, 1, Qt::AlignTop);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(2, 1);
    connect(defaults, &QPushButton::clicked, this, &COptionsRanges::OnLoadDefaults);
}

COptionsRanges::~COptionsRanges() = default;

bool COptionsRanges::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    for (int i = 0; i < 12; ++i) {
        CFrequencyEdit* edit = m_pEdits[i];
        edit->SetPromptChar(QLatin1Char('_'));
        edit->SetAutoAdvance(false);
        edit->UseDisplayFont();
        edit->SetMask(QStringLiteral("###\\.###\\.## MHz"));
        ShowValue(i, 0);
    }
    return true;
}

void COptionsRanges::ShowValue(int nEntry, uint32_t nHz)
{
    const QSignalBlocker blocker(m_pEdits[nEntry]);
    m_pEdits[nEntry]->SetFrequency(nHz);
    m_pEdits[nEntry]->Validate();
}

void COptionsRanges::GetKeywords(QStringList& keywords)
{
    for (const char* name : kRangeNames)
        keywords << QString::fromLatin1(name);
}

void COptionsRanges::OnLoadDefaults()
{
    for (int i = 0; i < 12; ++i)
        ShowValue(i, kDefaults[i]);
    SetModified();
}

bool COptionsRanges::CheckRanges(QWidget* pOwner)
{
    for (int r = 0; r < kRanges; ++r) {
        CFrequencyEdit* low = m_pEdits[r];
        CFrequencyEdit* high = m_pEdits[r + kRanges];
        if (low->GetFrequency() <= high->GetFrequency()) {
            // A range is where typed frequencies are taken: all of it must be
            // what the radio receives.
            if (CReceiverCoverage::ContainsRange(low->GetFrequency(), high->GetFrequency()))
                continue;
            platform::messageBox(pOwner,
                                 QStringLiteral("The %1 range (%2 to %3) holds frequencies the FT-817 cannot "
                                                "receive.\n \nIt receives %4.")
                                     .arg(QString::fromLatin1(kRangeNames[r]), CFrequencyRangeCheck::ValueText(*low),
                                          CFrequencyRangeCheck::ValueText(*high), CReceiverCoverage::LimitsText()),
                                 windowTitle(), platform::MB_ICONERROR);
            CFrequencyEdit* outside = CReceiverCoverage::Contains(low->GetFrequency()) ? high : low;
            outside->setFocus();
            outside->selectAll();
            return false;
        }
        platform::messageBox(pOwner,
                             QStringLiteral("The %1 range starts above its end (%2 to %3).\n \n"
                                            "Enter a low edge below the high edge.")
                                 .arg(QString::fromLatin1(kRangeNames[r]), CFrequencyRangeCheck::ValueText(*low),
                                      CFrequencyRangeCheck::ValueText(*high)),
                             windowTitle(), platform::MB_ICONERROR);
        low->setFocus();
        low->selectAll();
        return false;
    }
    return true;
}

void COptionsRanges::WriteToSettings(CSettings& s)
{
    for (int i = 0; i < 12; ++i)
        s.m_nFreqRanges[i] = int(m_pEdits[i]->GetFrequency());
}

void COptionsRanges::ReadFromSettings(CSettings& s)
{
    for (int i = 0; i < 12; ++i)
        ShowValue(i, uint32_t(s.m_nFreqRanges[i]));
}
