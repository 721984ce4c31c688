#include "corvane/frontpanel/OptionsSchemes.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/ColourSchemes.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "corvane/frontpanel/OptionsSheet.h"
#include "shared/ui/PageSelectorList.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ListExport.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

using namespace OptionsPageTools;

COptionsSchemes::COptionsSchemes(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Schemes"));
    m_pList = new QListWidget(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pApply = Button(this, QStringLiteral("&Apply Scheme"), IDC_APPLY);
    m_pDefinition = Button(this, QStringLiteral("Create C++ Definition"), IDC_DEFINITION);
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label(this, QStringLiteral("Pre-defined Colour Schemes")), 0, 0);
    grid->addWidget(m_pList, 1, 0, 3, 1);
    grid->addWidget(m_pApply, 1, 1);
    grid->addWidget(m_pDefinition, 2, 1);
    grid->setRowStretch(3, 1);
    connect(m_pApply, &QPushButton::clicked, this, &COptionsSchemes::OnApplyScheme);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OnApplyScheme(); });
    connect(m_pDefinition, &QPushButton::clicked, this, &COptionsSchemes::OnCreateDefinition);
}

COptionsSchemes::~COptionsSchemes() = default;

bool COptionsSchemes::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    // The export is for the program's makers only.
    m_pDefinition->hide();
    return true;
}

void COptionsSchemes::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        const QListWidgetItem* item = m_pList->currentItem();
        m_strScheme = item && item->isSelected() ? item->text() : QString();
    } else {
        const QList<QListWidgetItem*> found = m_pList->findItems(m_strScheme, Qt::MatchStartsWith);
        if (!found.isEmpty())
            m_pList->setCurrentItem(found.first());
    }
}

void COptionsSchemes::GetKeywords(QStringList& keywords)
{
    keywords << QStringLiteral("Preset schemes");
}

void COptionsSchemes::OnApplyScheme()
{
    if (auto* sheet = qobject_cast<COptionsSheet*>(GetSheet()))
        sheet->ApplySelectedScheme();
}

void COptionsSchemes::OnCreateDefinition()
{
    CSettings current;
    if (auto* sheet = qobject_cast<COptionsSheet*>(GetSheet()))
        sheet->StorePages(current);
    CListExport(ColourSchemeDefinitionLines(current)).ShowInNotepad(9, QStringLiteral("VE817 Colour Scheme.txt"), this);
}
