// The channel form's commands: transmitting, tuning, AFC, centring, macros,
// tags, the beacon, text files and the logbook entry.
#include "brevio/core/Components.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogbookFile.h"
#include "brevio/core/MacroExpander.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RtfWriter.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/SettingToolbars.h"
#include "brevio/core/TagStore.h"
#include "brevio/core/TxTextWindow.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"
#include "shared/VersionInfo.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnFileDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {
constexpr int kSelectMacroFirst = 33575;
constexpr int kSelectMacroLast = 33625;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// The plain forms of the dialogs, used until the tools supply their own.
int PlainMacroInput(QWidget* parent, const QString& strTitle, const QStringList& names, QStringList& values)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(strTitle);
    auto* form = new QFormLayout;
    QList<QLineEdit*> edits;
    for (int i = 0; i < names.size(); ++i) {
        auto* edit = new QLineEdit(values.value(i), &dialog);
        form->addRow(names[i], edit);
        edits.append(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    values.clear();
    for (QLineEdit* edit : edits)
        values.append(edit->text());
    return 1;
}

// The received text with a line end as '\n'.
QString PlainText(const QTextDocument* doc)
{
    QString text;
    const int len = doc->characterCount() - 1;
    for (int i = 0; i < len; ++i) {
        const QChar c = doc->characterAt(i);
        text.append(c == QChar(0x2029) || c == QChar(0x2028) ? QChar(QLatin1Char('\n')) : c);
    }
    return text;
}
} // namespace

int CFormRx::PrevSignal(int f, int nMin, int nMax, const std::function<int(int, int)>& peak)
{
    int p;
    if (f - 10 > nMin) {
        p = peak(f - 10, nMin);
        if (p == f - 10 && f < nMax)
            p = peak(nMax, f);
    } else {
        p = f;
        if (f + 10 < nMax)
            p = peak(nMax, f + 10);
    }
    return p;
}

int CFormRx::NextSignal(int f, int nMin, int nMax, const std::function<int(int, int)>& peak)
{
    int p;
    if (f + 10 < nMax) {
        p = peak(f + 10, nMax);
        if (p == f + 10 && f > nMin)
            p = peak(nMin, f);
    } else {
        p = f;
        if (nMin < f - 10)
            p = peak(nMin, f - 10);
    }
    return p;
}

void CFormRx::CentreFrequencies(int nDial, int nAudio, int nCentre, int& nNewDial, int& nNewAudio)
{
    const int64_t n = int64_t(nDial) - nCentre + nAudio;
    const int64_t r = n % 10;  // the sign of n, as C++ and the radio program have it
    nNewDial = int(n - r);
    nNewAudio = int(nCentre + r);
}

void CFormRx::StartTransmitting(bool bAutostop)
{
    CMainFrame* frame = GetMainFrame();
    // The radio first: when it cannot be keyed the text stays unsent.
    if (frame && !frame->KeyRadioForTransmit())
        return;
    if (bAutostop)
        m_bAutoStop = true;
    m_pTxWindow->StartStop(1);
    if (frame)
        frame->SetTxChannel(m_nChannel);
    ShowTxPane();
    if (!m_bTxLocked) {
        m_nTxFrequency = fnGetRXFrequency(m_nChannel);
        fnSetTXFrequency(m_nTxFrequency);
    }
    m_pTxWindow->SkipStop();
    if (frame)
        frame->StartTransmit(true);
}

void CFormRx::ToggleTransmit()
{
    CMainFrame* frame = GetMainFrame();
    const bool start = !IsMainTransmitting();
    if (!start) {
        m_pTxWindow->StartStop(0);
        m_bAutoStop = false;
        if (frame)
            frame->StartTransmit(false);
        return;
    }
    StartTransmitting(false);
}

void CFormRx::OnTransmitAutostop()
{
    if (!m_bAutoStop && !IsMainTransmitting()) {
        StartTransmitting(true);
        return;
    }
    m_bAutoStop = !m_bAutoStop;
}

void CFormRx::OnAbort()
{
    if (CMainFrame* frame = GetMainFrame())
        frame->SetCWIdPending(false);
    fnAbortTX();
    fnClearTXBuffer();
}

void CFormRx::OnLockFrequency()
{
    m_bTxLocked = !m_bTxLocked;
    m_nTxFrequency = fnGetRXFrequency(m_nChannel);
    fnSetTXFrequency(m_nTxFrequency);
}

void CFormRx::OnPrevSignal()
{
    const CPSK31Settings& s = CurrentSettings();
    const int f = fnGetRXFrequency(m_nChannel);
    const int p = PrevSignal(f, s.m_nDisplayMin, s.m_nDisplayMax, [](int a, int b) { return fnGetClosestPeak(a, b); });
    if (p != f) {
        fnSetRXFrequency(p, 0, m_nChannel);
        ClearReadings();
    }
}

void CFormRx::OnNextSignal()
{
    const CPSK31Settings& s = CurrentSettings();
    const int f = fnGetRXFrequency(m_nChannel);
    const int p = NextSignal(f, s.m_nDisplayMin, s.m_nDisplayMax, [](int a, int b) { return fnGetClosestPeak(a, b); });
    if (p != f) {
        fnSetRXFrequency(p, 0, m_nChannel);
        ClearReadings();
    }
}

void CFormRx::SetAFC(int nLimit)
{
    m_lAFC = nLimit;
    fnSetAFCLimit(nLimit, m_nChannel);
    if (m_nChannel >= 0)
        CRegistry().WriteInt(MemberValueName("CFormRx::m_lAFC", m_nChannel), nLimit);
}

namespace {
int DialFrequency()
{
    CMainFrame* frame = GetMainFrame();
    const CRadioToolBar* radio = frame ? frame->GetRadioBar() : nullptr;
    return radio && radio->GetFrequency() > 0 ? radio->GetFrequency() : 0;
}

CCentreFrequencyBar* CentreBar()
{
    CMainFrame* frame = GetMainFrame();
    return frame ? dynamic_cast<CCentreFrequencyBar*>(frame->GetToolBar(CCentreFrequencyBar::kBarId)) : nullptr;
}

CAfcBar* AfcBar()
{
    CMainFrame* frame = GetMainFrame();
    return frame ? dynamic_cast<CAfcBar*>(frame->GetToolBar(CAfcBar::kBarId)) : nullptr;
}
} // namespace

void CFormRx::CentreOnFilter()
{
    const int dial = DialFrequency();
    if (dial == 0 || m_nChannel < 0)
        return;
    const int audio = fnGetRXFrequency(m_nChannel);
    CCentreFrequencyBar* bar = CentreBar();
    const int centre = bar ? bar->GetValue() : 0;
    m_undoDial.append(dial);
    m_undoAudio.append(audio);
    int newDial = 0, newAudio = 0;
    CentreFrequencies(dial, audio, centre, newDial, newAudio);
    if (CMainFrame* frame = GetMainFrame())
        frame->RadioCommand(10, newDial);
    fnSetRXFrequency(newAudio, 0, m_nChannel);
    RememberFrequency(newAudio);
}

void CFormRx::UndoCentre()
{
    if (DialFrequency() == 0 || m_undoDial.isEmpty())
        return;
    const int dial = m_undoDial.takeLast();
    const int audio = m_undoAudio.takeLast();
    if (CMainFrame* frame = GetMainFrame())
        frame->RadioCommand(10, dial);
    fnSetRXFrequency(audio, 0, m_nChannel);
    RememberFrequency(audio);
}

void CFormRx::OnAutoscroll()
{
    m_bRxScroll = !m_bRxScroll;
    if (m_bRxScroll)
        PostRegisteredMessage(this, RegisteredMessage::nMsgShowLastChar, 0, 0);
    if (m_nChannel >= 0)
        CRegistry().WriteInt(MemberValueName("CFormRx::m_bRxScroll", m_nChannel), m_bRxScroll ? 1 : 0);
}

void CFormRx::OnAddCWIdent()
{
    if (CMainFrame* frame = GetMainFrame())
        frame->SetSendCWId(!frame->GetSendCWId());
}

void CFormRx::OnOpenFile()
{
    QString path;
    if (!ChooseTextFileToOpen(this, path, QStringLiteral("Open Text File")))
        return;
    CTextFile file(path, false);
    QStringList lines;
    file.ReadLines(lines);
    if (!file.IsOk())
        return;
    for (int i = 0; i < lines.size(); ++i)
        m_pTxWindow->AddText(lines[i], i + 1 < lines.size(), true);
}

void CFormRx::OnTag(int nRow)
{
    if (nRow == -1)
        return;
    ShowTxPane();
    CMainFrame* frame = GetMainFrame();
    auto* bar = frame ? dynamic_cast<ITagsBar*>(frame->GetTagsBar()) : nullptr;
    QString value;
    if (bar) {
        value = bar->GetValueAt(nRow);
    } else if (const CTag* tag = Tags().GetAt(nRow)) {
        value = tag->Value(CurrentSettings().m_bTagsPerChannel ? m_nChannel : -1);
    }
    value = value.trimmed();
    const QString text = m_pTxWindow->Sender().Text();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char(' ')))
        value.prepend(QLatin1Char(' '));
    m_pTxWindow->AddText(value, false, false);
}

void CFormRx::OnBeacon()
{
    {
        WaitCursor wait;
        ShowTxPane();
        UpdateButtons();
    }
    if (!PskComponents().runBeacon)
        return;
    PskComponents().runBeacon(GetFrame() ? static_cast<QWidget*>(GetFrame()) : this, m_pTxWindow->Sender().Text(),
                              m_pTxWindow, this);
    if (IsTransmittingOnThis())
        OnAbort();
}

void CFormRx::BeaconSend(bool bStart, const QString& strText)
{
    if (!bStart) {
        OnAbort();
        return;
    }
    m_pTxWindow->Clear();
    m_pTxWindow->AddText(strText, false, false);
    m_pTxWindow->MarkAllUnsent();
    // Already on the air (the operator's own transmission): the text joins it.
    if (!IsMainTransmitting())
        StartTransmitting(false);
}

void CFormRx::AutosaveText()
{
    QString error;
    bool report = false;
    if (m_autosave.Save(m_path.UnsavedText(), m_nChannel, &error, &report) == CRxAutosave::Failed && report) {
        // Told once; the text stays for the next save.
        CPSK31App::LogPrintf("Autosave of channel %d to %s failed: %s", m_nChannel + 1,
                             qPrintable(m_autosave.GetLastPath()), qPrintable(error));
        SetFrameMessage(QStringLiteral("Autosave error: ") + m_autosave.GetLastPath());
        platform::errorBox(this, QStringLiteral("Autosave to %1 failed").arg(m_autosave.GetLastPath()), error);
    }
}

void CFormRx::OnSaveRtf()
{
    WaitCursor wait;
    if (m_strRtfFile.isEmpty())
        m_strRtfFile = QStringLiteral("%1 channel %2.rtf").arg(CVersionInfo().GetProductName()).arg(m_nChannel + 1);
    QString path = m_strRtfFile;
    if (!ChooseRtfFileToSave(this, path))
        return;
    m_strRtfFile = path;
    CTextFile file(path, false);
    file.WriteLines({QString::fromLatin1(CRtfWriter::Write(*m_pRxWindow->document()))}, false);
}

void CFormRx::OnOpenRtf()
{
    WaitCursor wait;
    const QString rtf = QString::fromLatin1(CRtfWriter::Write(*m_pRxWindow->document()));
    const QString temp = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    const QString path = QDir(temp).filePath(
        QStringLiteral("%1 channel %2 tmp.rtf").arg(CVersionInfo().GetProductName()).arg(m_nChannel + 1));
    CTextFile file(path, false);
    file.WriteLines({rtf}, false);
    if (file.IsOk())
        TheApp().ShellOpen(path);
}

void CFormRx::OnLogbookEntry()
{
    const QList<CLogbookFile> files = CLogbookFile::ConfiguredFiles();
    CMainFrame* frame = GetMainFrame();
    if (files.isEmpty()) {
        if (platform::messageBox(this, QStringLiteral("Logbook not configured - Configure now?"),
                                 QStringLiteral("Logbook"), platform::MB_YESNO | int(platform::MB_ICONQUESTION)) ==
                platform::IDYES &&
            frame)
            frame->ShowOptionsPage(5);
        return;
    }
    QString record = Tags().WriteAdif(m_nChannel);
    if (CurrentSettings().m_bLogbookConfirm && PskComponents().runAddToLogfile &&
        PskComponents().runAddToLogfile(this, record) != 1)
        return;
    const QString received = PlainText(m_pRxWindow->document());
    QString error;
    bool written = false;
    for (const CLogbookFile& file : files) {
        SetFrameMessage(QStringLiteral("Logbook: ") + file.m_strPath);
        QString reason;
        if (CLogbookFile::Append(file.m_strPath, CLogbookFile::EntryBytes(record, file.m_bInclude, received), &reason)) {
            written = true;
            SetFrameMessage(QStringLiteral("Logbook: updated"));
        } else {
            error = QStringLiteral("Logbook error: ") + file.m_strPath;
        }
    }
    if (!error.isEmpty())
        SetFrameMessage(error);
    if (written && frame)
        frame->NotifyExternalLogbook();
}

void CFormRx::OnSelectMacro()
{
    QMenu menu(this);
    const int count = std::min(Macros().GetCount(), kSelectMacroLast - kSelectMacroFirst + 1);
    for (int i = 0; i < count; ++i) {
        QAction* a = menu.addAction(Macros().GetAt(i)->GetTitle());
        a->setData(kSelectMacroFirst + i);
    }
    QAction* chosen = CTxTextWindow::RunMenu(&menu, m_pRxWindow->mapToGlobal(QPoint(0, 0)));
    if (chosen)
        OnCommand(chosen->data().toInt());
}

void CFormRx::OnMacro(int nCode, const CMacro* pMacro)
{
    using namespace RegisteredMessage;
    if (nCode >= MacroOpenFile && nCode <= MacroMarkUnsent)
        ShowTxPane();
    switch (nCode) {
    case MacroAbort:
        OnAbort();
        break;
    case MacroEraseTx:
        m_pTxWindow->Clear();
        break;
    case MacroOpenFile:
        OnOpenFile();
        break;
    case MacroTransmit:
        ToggleTransmit();
        break;
    case MacroTransmitAutostop:
        OnTransmitAutostop();
        break;
    case MacroSend:
    case MacroSendToo:
        if (pMacro)
            ApplyMacro(*pMacro);
        break;
    case MacroMarkUnsent:
        m_pTxWindow->MarkAllUnsent();
        break;
    case MacroEraseRx:
        OnEraseRx();
        break;
    default:
        break;
    }
}

void CFormRx::ApplyMacro(const CMacro& macro)
{
    const int flags = macro.GetFlags();
    const bool erase = flags & CMacro::kEraseFirst;
    const bool send = flags & CMacro::kSendNow;
    const bool ownOnly = flags & CMacro::kOwnStationOnly;
    bool prompt = flags & CMacro::kAlwaysPrompt;
    QStringList lines = macro.GetLines();
    const QStringList names = CMacroExpander::PlaceholderNames(lines);

    CMainFrame* frame = GetMainFrame();
    auto* bar = frame ? dynamic_cast<ITagsBar*>(frame->GetTagsBar()) : nullptr;
    auto readValues = [&]() {
        QStringList values;
        if (bar) {
            bar->GetValues(names, values);
        } else {
            const int channel = CurrentSettings().m_bTagsPerChannel ? m_nChannel : -1;
            for (const QString& name : names)
                values.append(Tags().GetValue(name, channel));
        }
        while (values.size() < names.size())
            values.append(QString());
        return values;
    };
    QStringList values = readValues();
    if (!prompt)
        prompt = CMacroExpander::NeedsPrompt(names, values, ownOnly, Tags());
    if (prompt) {
        QStringList answers = values;
        const int ok = PskComponents().runMacroInput
                           ? PskComponents().runMacroInput(this, m_nChannel, macro.GetTitle(), names, lines, erase,
                                                           send, answers)
                           : PlainMacroInput(this, macro.GetTitle(), names, answers);
        if (ok != 1)
            return;
        values = answers;
        while (values.size() < names.size())
            values.append(QString());
    } else {
        values = readValues();
    }
    if (erase)
        m_pTxWindow->Clear();
    Tags().ExpandFixedTags(lines, m_nImdFlag, m_nImd);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = CMacroExpander::ExpandLine(lines[i], names, values, ownOnly, prompt, Tags());
        m_pTxWindow->AddText(line, i + 1 < lines.size(), true);
    }
    if (send && !IsMainTransmitting())
        ToggleTransmit();
}

void CFormRx::UpdateButtons()
{
    const bool transmitting = IsMainTransmitting();
    const bool here = IsTransmittingOnThis();
    const bool otherTransmits = transmitting && !here;
    if (COXBitmapButton* b = GetButton(IDC_START_AUTOSTOP)) {
        b->Enable(!otherTransmits);
        b->setDown(m_bAutoStop);
    }
    if (COXBitmapButton* b = GetButton(IDC_START))
        b->Enable(!transmitting);
    if (COXBitmapButton* b = GetButton(IDC_STOP))
        b->Enable(here);
    if (COXBitmapButton* b = GetButton(IDC_ERASE_TX))
        b->Enable(m_pTxWindow->Sender().Length() > 0);
    if (COXBitmapButton* b = GetButton(IDC_MARK_UNSENT))
        b->Enable(m_pTxWindow->GetSentCount() > 0);
}

bool CFormRx::OnCommand(int nCommand)
{
    if (nCommand >= kSelectMacroFirst && nCommand <= kSelectMacroLast) {
        if (CMacro* macro = Macros().GetAt(nCommand - kSelectMacroFirst))
            PostRegisteredMessage(this, RegisteredMessage::nMsgMacro, RegisteredMessage::MacroSend,
                                  reinterpret_cast<intptr_t>(macro));
        return true;
    }
    if (nCommand >= CRxTextWindow::kFirstTagCommand && nCommand <= CRxTextWindow::kLastTagCommand) {
        m_pRxWindow->OnTagCommand(nCommand);
        return true;
    }
    bool enabled = true, checked = false;
    if (UpdateCommand(nCommand, enabled, checked) && !enabled)
        return true;
    switch (nCommand) {
    case 32801:
    case IDC_START:
        ToggleTransmit();
        break;
    case 32799:
    case IDC_START_AUTOSTOP:
        OnTransmitAutostop();
        break;
    case 32819:
    case IDC_STOP:
        OnAbort();
        break;
    case 32797:
    case IDC_ERASE_TX:
        m_pTxWindow->Clear();
        break;
    case IDC_MARK_UNSENT:
        m_pTxWindow->MarkAllUnsent();
        break;
    case IDC_TX_PANE:
        OnToggleTxPane();
        break;
    case 32803:
        OnOpenFile();
        break;
    case 33556:
        OnLockFrequency();
        break;
    case 33465:
        OnAddCWIdent();
        break;
    case 33485:
        OnBeacon();
        break;
    case 33486:
        OnAutoscroll();
        break;
    case 33478:
        OnPrevSignal();
        break;
    case 33479:
        OnNextSignal();
        break;
    case 33467:
        SetAFC(0);
        break;
    case 33468:
        SetAFC(3000);
        break;
    case 33469:
        if (CAfcBar* bar = AfcBar())
            SetAFC(bar->GetAfcLimit());
        break;
    case 33561:
        CentreOnFilter();
        break;
    case 33562:
        UndoCentre();
        break;
    case 33345:
    case 33346:
    case 33552:
    case 33349:
        if (CMainFrame* frame = GetMainFrame())
            frame->ShowOptionsPage(nCommand == 33552 ? 11 : nCommand == 33349 ? 0 : 7);
        break;
    case 57634: {
        QTextEdit* edit = m_pTxWindow->hasFocus() ? static_cast<QTextEdit*>(m_pTxWindow) : m_pRxWindow;
        edit->copy();
        break;
    }
    case 57635:
        m_pTxWindow->CutSelection();
        break;
    case 57637:
        m_pTxWindow->PasteText();
        break;
    case 32783:
        OnEraseRx();
        break;
    case 32804:
        OnSaveRtf();
        break;
    case 32806:
        OnOpenRtf();
        break;
    case 33634:
        OnLogbookEntry();
        break;
    case 33573:
        OnSelectMacro();
        break;
    default:
        return false;
    }
    UpdateButtons();
    return true;
}

bool CFormRx::UpdateCommand(int nCommand, bool& bEnabled, bool& bChecked)
{
    const CPSK31Settings& s = CurrentSettings();
    const bool visible = isVisible();
    const bool hasRxText = m_path.Length() > 0;
    bEnabled = true;
    bChecked = false;
    switch (nCommand) {
    case 32801:
        bChecked = IsMainTransmitting();
        return true;
    case 32799:
        bChecked = m_bAutoStop;
        return true;
    case 32819:
        bEnabled = IsMainTransmitting();
        return true;
    case 32797:
        return true;
    case 32803:
        bEnabled = visible;
        return true;
    case 33485:
        bEnabled = visible && PskComponents().runBeacon;
        return true;
    case 33556:
        bChecked = m_bTxLocked;
        return true;
    case 33465: {
        CMainFrame* frame = GetMainFrame();
        bEnabled = !s.m_strCWString.isEmpty();
        bChecked = bEnabled && frame && frame->GetSendCWId();
        return true;
    }
    case 33486:
        bChecked = m_bRxScroll;
        return true;
    case 33478:
    case 33479:
        bEnabled = !IsMainTransmitting();
        return true;
    case 33467:
        bEnabled = visible;
        bChecked = m_lAFC == 0;
        return true;
    case 33468:
        bEnabled = visible;
        bChecked = m_lAFC == 3000;
        return true;
    case 33469:
        bEnabled = visible;
        bChecked = visible && m_lAFC != 0 && m_lAFC != 3000;
        if (bChecked)
            if (CAfcBar* bar = AfcBar())
                bar->SetAfcLimit(m_lAFC);
        return true;
    case 33561: {
        CMainFrame* frame = GetMainFrame();
        QToolBar* bar = frame ? frame->GetToolBar(CCentreFrequencyBar::kBarId) : nullptr;
        bEnabled = DialFrequency() != 0 && bar && bar->isVisible();
        return true;
    }
    case 33562:
        bEnabled = DialFrequency() != 0 && !m_undoDial.isEmpty();
        return true;
    case 33559:
    case 33337:
        bEnabled = false;
        return true;
    case 57634: {
        const QTextEdit* edit = m_pTxWindow->hasFocus() ? static_cast<QTextEdit*>(m_pTxWindow) : m_pRxWindow;
        bEnabled = edit->textCursor().hasSelection();
        return true;
    }
    case 57635:
        bEnabled = m_pTxWindow->CanCut();
        return true;
    case 57637:
        bEnabled = m_pTxWindow->hasFocus() && m_pTxWindow->CanPaste();
        return true;
    case 32783:
    case 32804:
    case 32806:
        bEnabled = hasRxText;
        return true;
    case 33637:
        bEnabled = false;
        return true;
    case 33345:
    case 33346:
    case 33552:
    case 33349:
    case 33634:
    case 33573:
        return true;
    default:
        return false;
    }
}
