#include "corvane/frontpanel/OptionsSheet.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/ColourSchemes.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/OptionsBands.h"
#include "corvane/frontpanel/OptionsBarMeters.h"
#include "corvane/frontpanel/OptionsDisplayControls.h"
#include "corvane/frontpanel/OptionsExchange.h"
#include "corvane/frontpanel/OptionsFaceplate.h"
#include "corvane/frontpanel/OptionsFrequencyDisplay.h"
#include "corvane/frontpanel/OptionsRanges.h"
#include "corvane/frontpanel/OptionsSchemes.h"
#include "corvane/frontpanel/OptionsTuningDial.h"
#include "corvane/frontpanel/OptionsVarious.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/PageSelectorList.h"
#include "shared/ui/WaitCursor.h"

#include <QListWidget>
#include <QTabWidget>

namespace {
const QString kOptionsPage = QStringLiteral("Options page");

std::function<void()>& treeStyleHandler()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void COptionsSheet::SetTreeStyleHandler(std::function<void()> handler)
{
    treeStyleHandler() = std::move(handler);
}

COptionsSheet::COptionsSheet(QWidget* pParent, unsigned iSelectPage)
    : CPropertySheet(QStringLiteral("Program Options"), pParent, iSelectPage),
      m_pSchemes(new COptionsSchemes),
      m_pFrequencyDisplay(new COptionsFrequencyDisplay),
      m_pTuningDial(new COptionsTuningDial),
      m_pBarMeters(new COptionsBarMeters),
      m_pDisplayControls(new COptionsDisplayControls),
      m_pFaceplate(new COptionsFaceplate),
      m_pVarious(new COptionsVarious),
      m_pBands(new COptionsBands),
      m_pRanges(new COptionsRanges),
      m_pExchange(new COptionsExchange)
{
    for (COptionsPage* page : std::initializer_list<COptionsPage*>{
             m_pSchemes, m_pFrequencyDisplay, m_pTuningDial, m_pBarMeters, m_pDisplayControls, m_pFaceplate,
             m_pVarious, m_pBands, m_pRanges, m_pExchange})
        AddPage(page);
}

COptionsSheet::~COptionsSheet()
{
    delete m_pSelector;
}

COptionsPage* COptionsSheet::GetOptionsPage(int nPage) const
{
    return static_cast<COptionsPage*>(GetPage(nPage));
}

bool COptionsSheet::OnInitDialog()
{
    const bool result = CPropertySheet::OnInitDialog();

    // Room for the selector at the left; the sheet stays centred.
    move(pos().x() - kSelectorWidth / 2, pos().y());
    resize(width() + kSelectorWidth, height());

    const QRect tab = GetTabControl()->geometry();
    const QRect selector(QPoint(tab.left(), tab.top()), QPoint(kSelectorWidth - tab.left() - 1, tab.bottom()));

    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            child->move(child->x() + kSelectorWidth, child->y());

    m_pSelector = new CPageSelectorList(this);
    SetDlgCtrlID(m_pSelector, IDC_SELECTOR);
    m_pSelector->setGeometry(selector);
    m_pSelector->show();

    for (int i = GetPageCount() - 1; i >= 0; --i)
        SetActivePage(i);

    int start = GetRegistry().GetInt(kOptionsPage, int(GetStartPage()));
    if (start < 0 || start >= GetPageCount())
        start = 0;
    SetActivePage(start);

    QListWidget* schemes = m_pSchemes->GetList();
    schemes->addItems(PresetSchemeNames());
    schemes->setCurrentRow(0);

    int remembered = -1;
    for (int i = 0; i < GetPageCount(); ++i) {
        COptionsPage* page = GetOptionsPage(i);
        QStringList keywords;
        page->GetKeywords(keywords);
        const int title = m_pSelector->AddString(page->windowTitle());
        m_pSelector->SetItemData(title, i);
        if (remembered < 0 && i == start)
            remembered = title;
        for (const QString& keyword : std::as_const(keywords))
            m_pSelector->SetItemData(m_pSelector->AddString(QStringLiteral("    ") + keyword), i);
    }
    m_pSelector->SetCurSel(remembered);
    m_pSelector->setFocus(Qt::OtherFocusReason);

    LoadPages(GetSettings());
    return result;
}

void COptionsSheet::LoadPages(CSettings& settings)
{
    for (int i = 0; i < GetPageCount(); ++i) {
        COptionsPage* page = GetOptionsPage(i);
        page->ReadFromSettings(settings);
        page->SetModified(false);
    }
}

void COptionsSheet::StorePages(CSettings& settings)
{
    for (COptionsPage* page : std::initializer_list<COptionsPage*>{m_pBands, m_pBarMeters, m_pFaceplate,
                                                                   m_pDisplayControls, m_pFrequencyDisplay,
                                                                   m_pRanges, m_pTuningDial, m_pVarious})
        page->WriteToSettings(settings);
}

void COptionsSheet::ApplyChanges(bool bStore)
{
    const CWaitCursor wait;
    if (bStore) {
        StorePages(GetSettings());
        for (int i = 0; i < GetPageCount(); ++i)
            GetPage(i)->SetModified(false);
    }
    CDisplayView* view = GetDisplayView();
    if (view) {
        SendRegisteredMessage(view, RegisteredMessage::nMsgRedrawNew);
        for (QWidget* child : view->findChildren<QWidget*>())
            SendRegisteredMessage(child, RegisteredMessage::nMsgRedrawNew);
    }
    if (treeStyleHandler())
        treeStyleHandler()();
    if (CMainFrame* frame = GetMainFrame())
        SendRegisteredMessage(frame, RegisteredMessage::nMsgRedrawNew);
    if (view)
        view->RestoreTuningRange();
}

bool COptionsSheet::CheckPages()
{
    if (m_pRanges->CheckRanges(this))
        return true;
    SetActivePage(m_pRanges);
    return false;
}

void COptionsSheet::OnOK()
{
    if (!CheckPages())
        return;
    ApplyChanges(true);
    GetSettings().Save();
    GetRegistry().WriteInt(kOptionsPage, GetActiveIndex());
    EndDialog(platform::IDOK);
}

void COptionsSheet::OnApplyNow()
{
    if (!CheckPages())
        return;
    ApplyChanges(true);
}

void COptionsSheet::OnCancel()
{
    // The registry still holds the options as they were before the sheet:
    // reading them back undoes every preview.
    GetSettings().Load();
    ApplyChanges(false);
    GetRegistry().WriteInt(kOptionsPage, GetActiveIndex());
    EndDialog(platform::IDCANCEL);
}

int COptionsSheet::OnSelect()
{
    if (!m_pSelector)
        return 0;
    const int active = GetActiveIndex();
    const int sel = m_pSelector->GetCurSel();
    if (sel >= 0 && m_pSelector->GetItemData(sel) == active)
        return 0;
    for (int i = 0; i < m_pSelector->GetCount(); ++i) {
        if (m_pSelector->GetItemData(i) == active) {
            m_pSelector->SetCurSel(i);
            m_pSelector->SetTopIndex(i);
            break;
        }
    }
    return 0;
}

void COptionsSheet::CopyColours(const CSettings& from, CSettings& to)
{
    to.m_colFreqBackground = from.m_colFreqBackground;
    to.m_colFreqForeground = from.m_colFreqForeground;
    to.m_colSMeterBar = from.m_colSMeterBar;
    for (int i = 0; i < 15; ++i)
        to.m_colSMeter[i] = from.m_colSMeter[i];
    to.m_colTxBarMeterBackground = from.m_colTxBarMeterBackground;
    to.m_colTxBarMeterForeground = from.m_colTxBarMeterForeground;
    for (int i = 0; i < 9; ++i)
        to.m_colTxMeter[i] = from.m_colTxMeter[i];
    to.m_colDspBackground = from.m_colDspBackground;
    to.m_colDspForeground = from.m_colDspForeground;
    to.m_colTuningDialBackground = from.m_colTuningDialBackground;
    to.m_colTuningDialForeground = from.m_colTuningDialForeground;
    to.m_colTuningDialSliderColour = from.m_colTuningDialSliderColour;
    to.m_colColButtonFace = from.m_colColButtonFace;
    to.m_colColButtonText = from.m_colColButtonText;
    to.m_colColButtonFaceSel = from.m_colColButtonFaceSel;
    to.m_colColButtonTextSel = from.m_colColButtonTextSel;
    to.m_nButtonLED = from.m_nButtonLED;
}

int COptionsSheet::OnLoad()
{
    const CWaitCursor wait;
    QString path = platform::dataFilePath(SettingsFileName());
    if (!ChooseTextFileToOpen(this, path))
        return 0;
    QStringList lines;
    CTextFile(path, false).ReadLines(lines);
    // Colours the file does not hold stay as the registry has them.
    CSettings loaded;
    loaded.Load();
    loaded.ImportLines(lines);
    CopyColours(loaded, GetSettings());
    LoadPages(GetSettings());
    ApplyChanges(false);
    GetPage(kSchemes)->SetModified(true);
    return 0;
}

int COptionsSheet::OnSave()
{
    const CWaitCursor wait;
    QString path = platform::dataFilePath(SettingsFileName());
    if (!ChooseTextFileToSave(this, path))
        return 0;
    QStringList lines;
    GetSettings().ExportLines(lines);
    CTextFile::AddHeader(lines, 2);
    CTextFile(path, false).WriteLines(lines, false);
    return 0;
}

void COptionsSheet::ApplySelectedScheme()
{
    const CWaitCursor wait;
    const QListWidgetItem* item = m_pSchemes->GetList()->currentItem();
    if (!item || !item->isSelected())
        return;
    ApplyPresetScheme(item->text(), GetSettings());
    m_pBands->WriteToSettings(GetSettings());
    m_pVarious->WriteToSettings(GetSettings());
    LoadPages(GetSettings());
    ApplyChanges(true);
}

bool COptionsSheet::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgSelect)) {
        m->SetResult(OnSelect());
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgLoad)) {
        m->SetResult(OnLoad());
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgSave)) {
        m->SetResult(OnSave());
        return true;
    }
    return CPropertySheet::event(event);
}

void COptionsSheet::OnShowWindow(bool bShow)
{
    if (!bShow || !m_pSelector)
        return;
    const int wanted = GetTabControl()->height() + 2 * kEdge;
    if (m_pSelector->height() != wanted)
        m_pSelector->setGeometry(m_pSelector->x(), m_pSelector->y() + kEdge, m_pSelector->width(), wanted);
}

int RunProgramOptions(QWidget* pParent, int nPage)
{
    if (nPage >= 0)
        GetRegistry().WriteInt(kOptionsPage, nPage);
    COptionsSheet sheet(pParent, 0);
    return sheet.DoModal();
}
