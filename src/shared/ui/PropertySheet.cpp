#include "shared/ui/PropertySheet.h"

#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"

#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

CPropertyPage::CPropertyPage(unsigned nIDTemplate, QWidget* parent) : QWidget(parent), m_nIDTemplate(nIDTemplate) {}

CPropertyPage::~CPropertyPage() = default;

QWidget* CPropertyPage::GetDlgItem(unsigned nId) const
{
    for (QWidget* child : findChildren<QWidget*>())
        if (GetDlgCtrlID(child) == nId)
            return child;
    return nullptr;
}

void CPropertyPage::SetModified(bool bChanged)
{
    m_bModified = bChanged;
    if (m_pSheet)
        m_pSheet->UpdateApplyButton();
}

bool CPropertyPage::UpdateData(bool bSaveAndValidate)
{
    DoDataExchange(bSaveAndValidate);
    return true;
}

void CPropertyPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        OnShowWindow(true);
}

void CPropertyPage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        OnShowWindow(false);
}

CPropertySheet::CPropertySheet(const QString& strCaption, QWidget* pParent, unsigned iSelectPage)
    : QDialog(pParent), m_nStartPage(iSelectPage)
{
    setWindowTitle(strCaption);
    setSizeGripEnabled(false);
    m_pTab = new QTabWidget(this);
    m_pTab->setUsesScrollButtons(true);
    connect(m_pTab, &QTabWidget::currentChanged, this, &CPropertySheet::OnTabChanged);

    auto makeButton = [this](const QString& text, unsigned nId) {
        auto* button = new QPushButton(text, this);
        SetDlgCtrlID(button, nId);
        button->setAutoDefault(false);
        return button;
    };
    m_pOk = makeButton(QStringLiteral("OK"), platform::IDOK);
    m_pOk->setDefault(true);
    m_pCancel = makeButton(QStringLiteral("Cancel"), platform::IDCANCEL);
    m_pApply = makeButton(QStringLiteral("&Apply"), ID_APPLY_NOW);
    m_pApply->setEnabled(false);
    connect(m_pOk, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pApply, &QPushButton::clicked, this, [this] { OnApplyNow(); });
}

CPropertySheet::~CPropertySheet() = default;

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage || m_pages.contains(pPage))
        return;
    pPage->m_pSheet = this;
    m_pages.append(pPage);
    m_pTab->addTab(pPage, pPage->windowTitle());
}

int CPropertySheet::GetPageIndex(const CPropertyPage* pPage) const
{
    for (int i = 0; i < m_pages.size(); ++i)
        if (m_pages[i] == pPage)
            return i;
    return -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

int CPropertySheet::GetActiveIndex() const
{
    return m_pTab->currentIndex();
}

bool CPropertySheet::SetActivePage(int nPage)
{
    CPropertyPage* page = GetPage(nPage);
    if (!page)
        return false;
    if (!page->m_bInitialised) {
        page->m_bInitialised = true;
        page->OnInitDialog();
    }
    if (m_pTab->currentIndex() != nPage)
        m_pTab->setCurrentIndex(nPage);
    return true;
}

void CPropertySheet::OnTabChanged(int nIndex)
{
    // A tab chosen by the operator activates its page like SetActivePage.
    // Adding the first page makes it current too: that is no activation.
    CPropertyPage* page = GetPage(nIndex);
    if (!page || !m_bInitialised)
        return;
    if (!page->m_bInitialised) {
        page->m_bInitialised = true;
        page->OnInitDialog();
    }
    page->OnSetActive();
}

QWidget* CPropertySheet::GetDlgItem(unsigned nId) const
{
    for (QWidget* child : findChildren<QWidget*>())
        if (GetDlgCtrlID(child) == nId)
            return child;
    return nullptr;
}

void CPropertySheet::UpdateApplyButton()
{
    bool modified = false;
    for (const CPropertyPage* page : std::as_const(m_pages))
        modified = modified || page->IsModified();
    m_pApply->setEnabled(modified);
}

int CPropertySheet::DoModal()
{
    const int result = exec();
    return result == platform::IDOK ? platform::IDOK : platform::IDCANCEL;
}

void CPropertySheet::EndDialog(int nResult)
{
    done(nResult);
}

void CPropertySheet::LayOut()
{
    m_bLaidOut = true;
    // The tab control as large as its largest page, the buttons below it at
    // its right end.
    m_pTab->adjustSize();
    const QSize tab = m_pTab->sizeHint().expandedTo(m_pTab->minimumSizeHint());
    m_pTab->setGeometry(kMargin, kMargin, tab.width(), tab.height());
    int bottom = kMargin + tab.height();
    if (m_bButtons) {
        const int y = bottom + kMargin;
        int x = kMargin + tab.width() - kButtonWidth;
        for (QPushButton* button : {m_pApply, m_pCancel, m_pOk}) {
            button->setGeometry(x, y, kButtonWidth, kButtonHeight);
            x -= kButtonWidth + kButtonGap;
        }
        bottom = y + kButtonHeight;
    } else {
        for (QPushButton* button : {m_pApply, m_pCancel, m_pOk})
            button->hide();
    }
    resize(kMargin + tab.width() + kMargin, bottom + kMargin);
}

void CPropertySheet::EnsureInitialised()
{
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    if (!m_bLaidOut)
        LayOut();
    OnInitDialog();
    // A sheet keeps the size its initialisation gave it.
    setFixedSize(size());
}

bool CPropertySheet::OnInitDialog()
{
    if (!SetActivePage(int(m_nStartPage)))
        SetActivePage(0);
    return true;
}

void CPropertySheet::OnOK()
{
    OnApplyNow();
    EndDialog(platform::IDOK);
}

void CPropertySheet::OnCancel()
{
    EndDialog(platform::IDCANCEL);
}

void CPropertySheet::OnApplyNow()
{
    for (CPropertyPage* page : std::as_const(m_pages))
        page->m_bModified = false;
    UpdateApplyButton();
}

void CPropertySheet::showEvent(QShowEvent* event)
{
    // The dialog centres itself at its laid-out size; the initialisation
    // then moves and widens it from there.
    if (!m_bLaidOut)
        LayOut();
    QDialog::showEvent(event);
    EnsureInitialised();
    if (!event->spontaneous())
        OnShowWindow(true);
}
