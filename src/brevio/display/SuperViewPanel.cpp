// The Super Browser's transmit panel: the selected channel's receive text,
// the transmit window and its commands, the macros and tags lists, the
// logbook entry, the lower panel's layout and its splitters.
#include "brevio/display/SuperView.h"

#include "platform/KeyboardKeys.h"
#include "platform/Prompter.h"
#include "brevio/core/Components.h"
#include "brevio/core/FontDescription.h"
#include "brevio/core/Locator.h"
#include "brevio/core/LogbookFile.h"
#include "brevio/core/MacroKeys.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/RxTextWindow.h"
#include "brevio/core/TagStore.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/BrowserEnvironment.h"
#include "brevio/display/DisplayCanvas.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/display/SuperFrame.h"
#include "brevio/display/SuperMacroText.h"
#include "brevio/display/TagValueKeeper.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnListCtrl.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFormLayout>
#include <QFrame>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// Stand-ins for the dialogs of the macros and tags tools while the program
// has none of its own installed.
int AskMacroValues(QWidget* parent, int nChannel, const QString& strTitle, const QStringList& names,
                   const QStringList& lines, bool bErase, bool bSend, QStringList& values)
{
    if (PskComponents().runMacroInput)
        return PskComponents().runMacroInput(parent, nChannel, strTitle, names, lines, bErase, bSend, values);
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

QTextCharFormat BrowserFormat(COLORREF colour)
{
    const CFontDescription font(CurrentSettings().m_strBrowserFont);
    QTextCharFormat f;
    if (!font.GetFace().isEmpty())
        f.setFontFamilies({font.GetFace()});
    if (font.GetSize() > 0)
        f.setFontPointSize(font.GetSize());
    f.setFontWeight(font.IsBold() ? QFont::Bold : QFont::Normal);
    f.setFontItalic(font.IsItalic());
    f.setForeground(toQColor(colour));
    return f;
}

} // namespace

// ---------------------------------------------------------------- show and hide

void CSuperView::ShowPanelControls(bool bShow)
{
    for (int id : {IDC_ERASE_RX, IDC_ERASE_TX, IDC_MARK_UNSENT, IDC_LOCK, IDC_STOP, IDC_START, IDC_START_AUTOSTOP,
                   IDC_LOGBOOK})
        m_buttons.value(id)->setVisible(bShow);
    for (QWidget* w : {static_cast<QWidget*>(m_pSeparator), static_cast<QWidget*>(m_pTxWindow),
                       static_cast<QWidget*>(m_pRxWindow), static_cast<QWidget*>(m_pTags),
                       static_cast<QWidget*>(m_pMacros)})
        w->setVisible(bShow);
}

void CSuperView::StretchArea()
{
    QRect area = m_pArea->geometry();
    area.setBottom(m_pTxWindow->geometry().bottom());
    m_pArea->setGeometry(area);
}

void CSuperView::ShowTxPanel()
{
    m_bTxPanel = !m_bTxPanel;
    if (m_bTxPanel && m_nSelected >= 0 && !m_engine.Channel(m_nSelected).HasBox())
        m_nSelected = -1;
    if (m_bTxPanel && m_nSelected < 0) {
        int selected = 0;
        for (int i = 0; i < m_engine.GetChannelCount(); ++i) {
            const CSuperChannel& c = m_engine.Channel(i);
            if (c.IsActive() && c.GetDisplayText().size() >= CurrentSettings().m_nBrowserThChars) {
                selected = i;
                break;
            }
        }
        m_nSelected = selected;
        SelectChannel(selected);
    }
    if (m_bTxPanel) {
        FillMacroList();
        FillTagList();
    }
    m_buttons.value(IDC_TX_PANEL)->SetToggleState(m_bTxPanel ? BBST_ON : 0);
    if (m_bTxPanel) {
        RepositionControls(true);
        LayoutLowerPanel(true);
    }
    ShowPanelControls(m_bTxPanel);
    if (!m_bTxPanel) {
        StretchArea();
        update();
    }
    m_engine.SetTxPanel(m_bTxPanel, m_nSelected);
    if (m_bInitialised)
        StartTimer(101, 50, true);
}

// ---------------------------------------------------------------- receive window

void CSuperView::SelectChannel(int nIndex)
{
    if (nIndex < 0 || nIndex >= CSuperBrowserEngine::kSlots)
        return;
    m_nSelected = nIndex;
    m_engine.SetTxPanel(m_bTxPanel, m_nSelected);
    m_pRxWindow->clear();
    for (QChar c : m_engine.Channel(nIndex).GetRawText())
        AddRxChar(c.unicode() & 0xFF);
    m_pRxWindow->verticalScrollBar()->setValue(m_pRxWindow->verticalScrollBar()->maximum());
    FillTagList();
    if (CMainFrame* frame = GetMainFrame())
        if (auto* tags = dynamic_cast<ITagsBar*>(frame->GetTagsBar()))
            tags->SelectChannel(nIndex + CSuperBrowserEngine::kFirstDspId);
}

void CSuperView::AddRxChar(int nChar)
{
    if (!m_pRxWindow)
        return;
    const CPSK31Settings& s = CurrentSettings();
    QScrollBar* bar = m_pRxWindow->verticalScrollBar();
    const bool atBottom = bar->value() >= bar->maximum();
    QTextDocument* doc = m_pRxWindow->document();
    const QString text = doc->toPlainText();
    if (nChar == ' ' && s.m_bCompressSpaces && !text.isEmpty() &&
        (text.endsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char('\n'))))
        return;
    if (nChar == '\r') {
        QString trimmed = text;
        while (trimmed.endsWith(QLatin1Char(' ')))
            trimmed.chop(1);
        if (trimmed.size() > 1 && trimmed.endsWith(QLatin1Char('\n')))
            return;
    }
    const QTextCursor saved = m_pRxWindow->textCursor();
    const int length = int(text.size());
    QTextCursor end(doc);
    end.movePosition(QTextCursor::End);
    if (nChar == 8) {
        if (length > 1) {
            end.deletePreviousChar();
        }
    } else if (nChar == '\r' || (nChar >= 32 && nChar <= 255)) {
        int c = nChar;
        if (c == '0' && s.m_bRxSlashZero)
            c = 0xD8;
        end.insertText(c == '\r' ? QStringLiteral("\n") : QString(QChar(c)), BrowserFormat(COLORREF(s.m_colRxRx)));
    } else {
        return;
    }
    const bool range = saved.hasSelection();
    const bool caretBefore = saved.position() < length;
    const bool mouseDown = QApplication::mouseButtons() & Qt::LeftButton;
    if (range || (caretBefore && mouseDown) || m_navigationKeys.IsHeld()) {
        m_pRxWindow->setTextCursor(saved);
    } else if (atBottom) {
        bar->setValue(bar->maximum());
    }
}

// ---------------------------------------------------------------- transmitting

bool CSuperView::IsOwnTransmission() const
{
    const CMainFrame* frame = GetMainFrame();
    return frame && frame->IsTransmitting() && frame->GetTxChannel() == m_nSelected + CSuperBrowserEngine::kFirstDspId;
}

bool CSuperView::IsOtherTransmission() const
{
    const CMainFrame* frame = GetMainFrame();
    return frame && frame->IsTransmitting() && frame->GetTxChannel() != m_nSelected + CSuperBrowserEngine::kFirstDspId;
}

void CSuperView::StartTx()
{
    CMainFrame* frame = GetMainFrame();
    if (frame && frame->IsTransmitting())
        return;
    // The radio first: when it cannot be keyed the text stays unsent.
    if (frame && !frame->KeyRadioForTransmit())
        return;
    m_pTxWindow->StartStop(1);
    const int id = m_nSelected + CSuperBrowserEngine::kFirstDspId;
    if (frame)
        frame->SetTxChannel(id);
    if (!m_bTxLocked) {
        m_nLockedFrequency = CBrowserEnvironment::Instance().GetRxFrequency(id);
        CBrowserEnvironment::Instance().SetTxFrequency(m_nLockedFrequency);
    }
    m_pTxWindow->SkipStop();
    if (frame)
        frame->StartTransmit(true);
}

void CSuperView::ToggleAutostop()
{
    m_bAutoStop = !m_bAutoStop;
    if (m_bAutoStop)
        StartTx();
}

void CSuperView::StopTx()
{
    if (CMainFrame* frame = GetMainFrame())
        frame->SetCWIdPending(false);
    CBrowserEnvironment::Instance().AbortTx();
    CBrowserEnvironment::Instance().ClearTxBuffer();
    SetStatusText(QStringLiteral("Receiving"));
}

void CSuperView::ToggleTxLock()
{
    m_bTxLocked = !m_bTxLocked;
    m_nLockedFrequency = CBrowserEnvironment::Instance().GetRxFrequency(m_nSelected + CSuperBrowserEngine::kFirstDspId);
    CBrowserEnvironment::Instance().SetTxFrequency(m_nLockedFrequency);
}

void CSuperView::OnDspStatus(int nStatus)
{
    const bool transmitting = nStatus != 0;
    m_pTxWindow->StartStop(transmitting ? 1 : 0);
    if (!transmitting) {
        m_bAutoStop = false;
        SetStatusText(QStringLiteral("Receiving"));
    }
}

int CSuperView::GetTxFrequency() const
{
    if (m_bTxLocked)
        return m_nLockedFrequency;
    return CBrowserEnvironment::Instance().GetRxFrequency(m_nSelected + CSuperBrowserEngine::kFirstDspId);
}

void CSuperView::GetImd(int& nBound, int& nValue) const
{
    nBound = 0;
    nValue = 0;
    if (m_nSelected < 0 || m_nSelected >= CSuperBrowserEngine::kSlots)
        return;
    nBound = m_engine.Channel(m_nSelected).GetImdBound();
    nValue = m_engine.Channel(m_nSelected).GetImdValue();
}

void CSuperView::RetuneSelected(int nFrequency)
{
    if (!m_bTxPanel || m_nSelected < 0)
        return;
    CBrowserEnvironment::Instance().SetRxFrequency(nFrequency, m_nSelected + CSuperBrowserEngine::kFirstDspId);
    CSuperChannel& c = m_engine.Channel(m_nSelected);
    c.SetImdBound(0);
    c.SetImdValue(0);
    c.ClearText();
    m_engine.ClearAllBoxes();
    UpdateChannels();
    BlitChannels();
}

// ---------------------------------------------------------------- macros

void CSuperView::OnMacro(int nCode, CMacro* pMacro)
{
    using namespace RegisteredMessage;
    m_pMacros->DeselectAll();
    if (nCode >= MacroOpenFile && nCode <= MacroMarkUnsent && !m_bTxPanel)
        ShowTxPanel();
    switch (nCode) {
    case MacroAbort:
        StopTx();
        break;
    case MacroEraseTx:
        m_pTxWindow->Clear();
        break;
    case MacroTransmit:
        StartTx();
        break;
    case MacroTransmitAutostop:
        ToggleAutostop();
        break;
    case MacroMarkUnsent:
        m_pTxWindow->MarkAllUnsent();
        break;
    case MacroSend:
    case MacroSendToo:
        if (pMacro)
            ApplyMacro(*pMacro);
        break;
    default:
        break;
    }
}

QStringList CSuperView::CollectTagNames(const CMacro& macro, QStringList& values) const
{
    const QStringList names = CSuperMacroText::CollectTags(macro.GetLines());
    QList<QPair<QString, QString>> rows;
    for (int r = 0; r < m_pTags->GetItemCount(); ++r)
        rows.append({m_pTags->GetItemText(r, 0), m_pTags->GetItemText(r, 1)});
    values = CSuperMacroText::ResolveValues(names, rows, Tags());
    return names;
}

void CSuperView::ApplyMacro(const CMacro& macro)
{
    const int flags = macro.GetFlags();
    const bool erase = flags & CMacro::kEraseFirst;
    const bool send = flags & CMacro::kSendNow;
    bool prompt = flags & CMacro::kAlwaysPrompt;
    QStringList lines = macro.GetLines();
    QStringList values;
    const QStringList names = CollectTagNames(macro, values);
    if (!prompt)
        prompt = CSuperMacroText::NeedsPrompt(names, values, flags & CMacro::kOwnStationOnly, Tags());
    if (prompt) {
        QStringList answers = values;
        if (AskMacroValues(this, m_nSelected + CSuperBrowserEngine::kFirstDspId, macro.GetFullTitle(), names, lines,
                           erase, send, answers) != 1)
            return;
        values = answers;
    }
    if (erase)
        m_pTxWindow->Clear();
    int bound = 0, imd = 0;
    GetImd(bound, imd);
    Tags().ExpandFixedTags(lines, bound, imd);
    for (int i = 0; i < lines.size(); ++i)
        m_pTxWindow->AddText(CSuperMacroText::ExpandLine(lines[i], names, values), i + 1 < lines.size(), true);
    const CMainFrame* frame = GetMainFrame();
    if (send && !(frame && frame->IsTransmitting()))
        StartTx();
}

void CSuperView::FillMacroList()
{
    m_pMacros->setUpdatesEnabled(false);
    m_pMacros->DeleteAllItems();
    QList<QPixmap> images;
    for (int id : {751, 752}) {
        const QImage image = artwork::bitmap(id);
        // Each picture twice, as the image lists are built: picture k is image 2k.
        const QPixmap pixmap = QPixmap::fromImage(image.isNull() ? QImage(16, 16, QImage::Format_ARGB32) : image);
        images << pixmap << pixmap;
    }
    m_pMacros->SetImageList(images);
    int number = 0;
    int widest = 0;
    for (int i = 0; i < Macros().GetCount(); ++i) {
        const CMacro* macro = Macros().GetAt(i);
        if (!macro->IsEnabled())
            continue;
        const QString label = CSuperMacroText::ListLabel(number++, macro->GetShortTitle(), macro->GetFullTitle());
        const int row = m_pMacros->InsertItem(m_pMacros->GetItemCount(), label,
                                              (macro->GetFlags() & CMacro::kSendNow) ? 2 : 0);
        m_pMacros->SetItemData(row, uintptr_t(i));
        widest = std::max(widest, m_pMacros->fontMetrics().horizontalAdvance(label));
    }
    m_pMacros->setColumnWidth(0, widest + 16 + 8);
    m_pMacros->setUpdatesEnabled(true);
}

QString CSuperView::MacroTip(int nItem) const
{
    if (nItem < 0 || nItem >= m_pMacros->GetItemCount())
        return QString();
    const CMacro* macro = Macros().GetAt(int(m_pMacros->GetItemData(nItem)));
    if (!macro)
        return QString();
    QString tip = CSuperMacroText::TipHeader(nItem, macro->GetFlags());
    if (!tip.isEmpty())
        tip += QStringLiteral("-----\n");
    QStringList values;
    const QStringList names = CollectTagNames(*macro, values);
    QStringList lines = macro->GetLines();
    for (QString& line : lines)
        line = CSuperMacroText::ExpandLine(line, names, values);
    int bound = 0, imd = 0;
    GetImd(bound, imd);
    Tags().ExpandFixedTags(lines, bound, imd);
    QStringList shown;
    for (QString line : lines) {
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        if (!line.isEmpty())
            shown.append(line);
    }
    return tip + shown.join(QLatin1Char('\n'));
}

void CSuperView::EditMacro()
{
    const int item = m_pMacros->GetFirstSelectedItem();
    CMacro* macro = item >= 0 ? Macros().GetAt(int(m_pMacros->GetItemData(item))) : nullptr;
    if (!macro || !PskComponents().editMacro)
        return;
    if (PskComponents().editMacro(this, *macro) != 1)
        return;
    FillMacroList();
    if (CMainFrame* frame = GetMainFrame())
        if (frame->GetMacrosBar())
            PostRegisteredMessage(frame->GetMacrosBar(), RegisteredMessage::nMsgReloadMacros, 0, 0);
    m_pMacros->DeselectAll();
}

// ---------------------------------------------------------------- tags

void CSuperView::FillTagList()
{
    const bool perChannel = CurrentSettings().m_bTagsPerChannel != 0;
    m_pTags->setUpdatesEnabled(false);
    m_pTags->DeleteAllItems();
    for (int i = 0; i < Tags().GetCount(); ++i) {
        const CTag* tag = Tags().GetAt(i);
        if (!tag->m_bEnabled || tag->IsOwnStation())
            continue;
        const int row = m_pTags->InsertItem(m_pTags->GetItemCount(), tag->GetTitle(), 0);
        m_pTags->SetItemText(row, 1,
                             tag->Value(perChannel ? m_nSelected + CSuperBrowserEngine::kFirstDspId : -1));
        m_pTags->SetItemData(row, uintptr_t(i));
    }
    m_pTags->AutoSizeColumn(0);
    m_pTags->setColumnWidth(1, std::max(10, m_pTags->viewport()->width() - m_pTags->columnWidth(0) - 2));
    m_pTags->setUpdatesEnabled(true);
}

void CSuperView::StoreTagValues()
{
    const int channel = CurrentSettings().m_bTagsPerChannel ? m_nSelected + CSuperBrowserEngine::kFirstDspId : -1;
    // A locator still being typed waits until it is kept (WatchTagEdits).
    for (int r = 0; r < m_pTags->GetItemCount(); ++r)
        if (CTagValueKeeper::TakesTyping(*m_pTags, r))
            Tags().SetValue(m_pTags->GetItemText(r, 0), m_pTags->GetItemText(r, 1), channel);
    if (CMainFrame* frame = GetMainFrame())
        if (auto* tags = dynamic_cast<ITagsBar*>(frame->GetTagsBar()))
            tags->Reload();
}

void CSuperView::WatchTagEdits()
{
    auto* keeper = new CTagValueKeeper(m_pTags, [this] {
        return CurrentSettings().m_bTagsPerChannel ? m_nSelected + CSuperBrowserEngine::kFirstDspId : -1;
    });
    connect(keeper, &CTagValueKeeper::Taken, this,
            [this] { PostRegisteredMessage(this, RegisteredMessage::nMsgNewValue, 0, 0); });
    // Told where it does not take the keyboard away.
    connect(keeper, &CTagValueKeeper::Refused, this, [this](const QString& strText) { SetStatusText(strText); });
}

void CSuperView::SetTagValue(const QString& strTitle, const QString& strValue)
{
    // A word picked from the received text that is no locator never reaches
    // a locator tag.
    const CTag* tag = Tags().FindByTitle(strTitle);
    QString checked = strValue;
    if (tag && !CTagStore::CheckValue(*tag, checked)) {
        platform::messageBox(this, LocatorRefusal(strValue), QStringLiteral("Tags"),
                             platform::MB_OK | int(platform::MB_ICONWARNING));
        return;
    }
    for (int r = 0; r < m_pTags->GetItemCount(); ++r) {
        if (m_pTags->GetItemText(r, 0) == strTitle) {
            m_pTags->SetItemText(r, 1, strValue);
            PostRegisteredMessage(this, RegisteredMessage::nMsgNewValue, 0, 0);
            return;
        }
    }
}

// ---------------------------------------------------------------- logbook

void CSuperView::AddToLogbook()
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
    QString record = Tags().WriteAdif(m_nSelected + CSuperBrowserEngine::kFirstDspId);
    // Without a confirming dialog the record goes as built.
    if (CurrentSettings().m_bLogbookConfirm && PskComponents().runAddToLogfile &&
        PskComponents().runAddToLogfile(this, record) != 1)
        return;
    const QString received = m_pRxWindow->toPlainText();
    QString error;
    bool written = false;
    for (const CLogbookFile& file : files) {
        SetStatusText(QStringLiteral("Logbook: ") + file.m_strPath);
        QString reason;
        if (CLogbookFile::Append(file.m_strPath, CLogbookFile::EntryBytes(record, file.m_bInclude, received),
                                 &reason)) {
            written = true;
            SetStatusText(QStringLiteral("Logbook: updated"));
        } else {
            error = QStringLiteral("Logbook error: ") + file.m_strPath;
        }
    }
    if (!error.isEmpty())
        SetStatusText(error);
    if (written && frame)
        frame->NotifyExternalLogbook();
}

// ---------------------------------------------------------------- buttons

void CSuperView::UpdatePanelButtons()
{
    const CMainFrame* frame = GetMainFrame();
    m_buttons.value(IDC_FULL_SCREEN)->SetToggleState(frame && frame->IsFullScreen() ? BBST_ON : 0);
    if (!m_bTxPanel)
        return;
    const bool own = IsOwnTransmission();
    const bool other = IsOtherTransmission();
    m_buttons.value(IDC_LOCK)->SetToggleState(m_bTxLocked ? BBST_ON : 0);
    m_buttons.value(IDC_ERASE_RX)->Enable(!m_pRxWindow->document()->isEmpty());
    m_buttons.value(IDC_TX_PANEL)->SetToggleState(BBST_ON);
    m_buttons.value(IDC_START_AUTOSTOP)->setDown(m_bAutoStop);
    m_buttons.value(IDC_START_AUTOSTOP)->Enable(!other);
    m_buttons.value(IDC_START)->Enable(!own && !other);
    m_buttons.value(IDC_STOP)->Enable(own);
    m_buttons.value(IDC_ERASE_TX)->Enable(!m_pTxWindow->document()->isEmpty());
    m_buttons.value(IDC_MARK_UNSENT)->Enable(m_pTxWindow->GetSentCount() > 0);
}

// ---------------------------------------------------------------- text formats

void CSuperView::ApplyTextFormats(bool bForce)
{
    const CPSK31Settings& s = CurrentSettings();
    const CPSK31Settings& p = PreviousSettings();
    if (bForce || s.m_colRxBg != p.m_colRxBg || s.m_colRxRx != p.m_colRxRx || s.m_strBrowserFont != p.m_strBrowserFont) {
        QPalette palette = m_pRxWindow->palette();
        palette.setColor(QPalette::Base, toQColor(COLORREF(s.m_colRxBg)));
        m_pRxWindow->setPalette(palette);
        const QTextCharFormat format = BrowserFormat(COLORREF(s.m_colRxRx));
        const QTextCursor saved = m_pRxWindow->textCursor();
        QTextCursor all(m_pRxWindow->document());
        all.select(QTextCursor::Document);
        all.setCharFormat(format);
        m_pRxWindow->setCurrentCharFormat(format);
        m_pRxWindow->setTextCursor(saved);
    }
    if (bForce || s.m_colRxTx != p.m_colRxTx || s.m_colRxBg != p.m_colRxBg || s.m_nSentText != p.m_nSentText ||
        s.m_strBrowserFont != p.m_strBrowserFont) {
        QPalette palette = m_pTxWindow->palette();
        palette.setColor(QPalette::Base, toQColor(COLORREF(s.m_colRxBg)));
        m_pTxWindow->setPalette(palette);
        const QTextCharFormat unsent = BrowserFormat(COLORREF(s.m_colRxTx));
        QTextCharFormat sent = unsent;
        if (s.IsSentTextBold())
            sent.setFontWeight(QFont::Bold);
        sent.setFontItalic(s.IsSentTextItalic() || unsent.fontItalic());
        sent.setFontStrikeOut(s.IsSentTextStrikeout());
        sent.setFontUnderline(s.IsSentTextUnderline());
        m_pTxWindow->SetFormats(sent, unsent);
        m_pTxWindow->ApplyColours();
    }
}

// ---------------------------------------------------------------- lower panel layout

void CSuperView::LayoutLowerPanel(bool bRedraw)
{
    if (m_nHeightRx == -1 || m_nWidthMacros == -1 || m_nWidthTags == -1)
        return;
    const QRect macros = m_pMacros->geometry();
    const QRect area = m_pArea->geometry();
    QRect rx = m_pRxWindow->geometry();
    QRect tx = m_pTxWindow->geometry();
    const int h = macros.height();
    const int w = (area.right() + 1) - rx.left() - 2 * m_nColumnGap;
    const int r = std::max(20, std::min(m_nHeightRx, h - 2 * m_nRowGap - 20));
    int widthMacros = std::max(10, m_nWidthMacros);
    int widthTags = std::max(10, m_nWidthTags);
    int text = std::max(50, w - widthMacros - widthTags);
    for (bool tagsTurn = true; text + widthMacros + widthTags > w && (widthTags > 1 || widthMacros > 1);
         tagsTurn = !tagsTurn) {
        if (tagsTurn && widthTags > 1)
            --widthTags;
        else if (widthMacros > 1)
            --widthMacros;
    }
    rx.setHeight(r);
    rx.setWidth(text);
    const int txBottom = tx.bottom();
    tx.setTop(txBottom + 1 - (h - m_nRowGap - r));
    tx.setBottom(txBottom);
    tx.setWidth(text);
    m_pRxWindow->setGeometry(rx);
    m_pTxWindow->setGeometry(tx);
    const int macrosLeft = rx.right() + 1 + m_nColumnGap;
    m_pMacros->setGeometry(QRect(macrosLeft, macros.top(), widthMacros, macros.height()));
    const QRect tags = m_pTags->geometry();
    m_pTags->setGeometry(QRect(macrosLeft + widthMacros + m_nColumnGap, tags.top(), widthTags, tags.height()));
    m_pTags->setColumnWidth(1, std::max(10, m_pTags->viewport()->width() - m_pTags->columnWidth(0) - 2));
    if (bRedraw) {
        update();
        for (QWidget* child : findChildren<QWidget*>())
            child->update();
    }
}

int CSuperView::HoverMode(const QPoint& point) const
{
    if (!m_bTxPanel)
        return 0;
    const QRect rx = m_pRxWindow->geometry();
    const QRect tx = m_pTxWindow->geometry();
    const QRect macros = m_pMacros->geometry();
    const QRect tags = m_pTags->geometry();
    const int x = point.x(), y = point.y();
    if (x >= rx.right() + 1 && x < macros.left() && y >= macros.top() && y <= rx.bottom())
        return 3;
    if (x >= macros.right() + 1 && x < tags.left() && y >= macros.top() && y <= macros.bottom())
        return 4;
    if (y >= rx.bottom() + 1 && y < tx.top() && x >= rx.left() && x <= rx.right())
        return 1;
    return 0;
}

void CSuperView::DragSplitter(const QPoint& point)
{
    const int dx = point.x() - m_dragStart.x();
    const int dy = point.y() - m_dragStart.y();
    QRect macros = m_dragMacros, tags = m_dragTags, rx = m_dragRx, tx = m_dragTx;
    switch (m_nDragMode) {
    case 1:
        rx.setBottom(rx.bottom() + dy);
        tx.setTop(tx.top() + dy);
        break;
    case 3:
        rx.setRight(rx.right() + dx);
        macros.setLeft(macros.left() + dx);
        break;
    case 4:
        rx.setRight(rx.right() + dx);
        macros.translate(dx, 0);
        tags.setLeft(tags.left() + dx);
        break;
    default:
        return;
    }
    if (dx == 0 && dy == 0)
        return;
    m_nHeightRx = rx.height();
    m_nWidthMacros = macros.width();
    m_nWidthTags = tags.width();
    const CRegistry reg;
    reg.WriteInt(QStringLiteral("CSuperView::m_nHeightRx"), m_nHeightRx);
    reg.WriteInt(QStringLiteral("CSuperView::m_nWidthMacros"), m_nWidthMacros);
    reg.WriteInt(QStringLiteral("CSuperView::m_nWidthTags"), m_nWidthTags);
    LayoutLowerPanel(false);
}

// ---------------------------------------------------------------- mouse and keys

void CSuperView::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() != Qt::LeftButton) {
        CResizableFormView::mousePressEvent(event);
        return;
    }
    const int mode = HoverMode(point);
    if (mode != 0) {
        m_nDragMode = mode;
        m_dragStart = point;
        m_dragMacros = m_pMacros->geometry();
        m_dragTags = m_pTags->geometry();
        m_dragRx = m_pRxWindow->geometry();
        m_dragTx = m_pTxWindow->geometry();
        grabMouse(mode == 1 ? Qt::SizeVerCursor : Qt::SizeHorCursor);
        return;
    }
    if (m_bTxPanel) {
        const int hit = ChannelAt(point);
        if (hit >= 0) {
            SelectChannel(hit);
            UpdateChannels();
            BlitChannels();
        }
    }
}

void CSuperView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_nDragMode != 0) {
        DragSplitter(point);
        return;
    }
    m_nHoverMode = HoverMode(point);
    switch (m_nHoverMode) {
    case 1:
        setCursor(Qt::SizeVerCursor);
        break;
    case 3:
    case 4:
        setCursor(Qt::SizeHorCursor);
        break;
    default:
        unsetCursor();
        break;
    }
}

void CSuperView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_nDragMode != 0) {
        m_nDragMode = 0;
        m_nHoverMode = 0;
        releaseMouse();
        unsetCursor();
        return;
    }
    CResizableFormView::mouseReleaseEvent(event);
}

bool CSuperView::OnKeyShortcut(const QKeyEvent& event)
{
    const int slot = MacroSlotOfKey(event);
    if (slot < 0)
        return false;
    if (slot < m_pMacros->GetItemCount())
        PostRegisteredMessage(this, RegisteredMessage::nMsgSelectMacro, 0, slot);
    return true;
}

bool CSuperView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* k = static_cast<QKeyEvent*>(event);
        m_navigationKeys.OnKeyPress(*k);
        if (OnKeyShortcut(*k))
            return true;
        break;
    }
    case QEvent::KeyRelease: {
        auto* k = static_cast<QKeyEvent*>(event);
        m_navigationKeys.OnKeyRelease(*k);
        break;
    }
    case QEvent::FocusOut:
        m_navigationKeys.Forget();
        break;
    case QEvent::ContextMenu: {
        auto* e = static_cast<QContextMenuEvent*>(event);
        const bool macros = watched == m_pMacros || watched == m_pMacros->viewport();
        const bool tags = watched == m_pTags || watched == m_pTags->viewport();
        if (!macros && !tags)
            break;
        QMenu menu(this);
        if (macros) {
            menu.addAction(QStringLiteral("&Manager"))->setData(33338);
            menu.addAction(QStringLiteral("&Edit"))->setData(33558);
        } else {
            menu.addAction(QStringLiteral("&Manager"))->setData(33339);
            menu.addAction(QStringLiteral("&Clear Values"))->setData(33538);
            QAction* perChannel = menu.addAction(QStringLiteral("&Per-channel Tags"));
            perChannel->setData(33514);
            perChannel->setCheckable(true);
            perChannel->setChecked(CurrentSettings().m_bTagsPerChannel != 0);
        }
        if (QAction* chosen = RunMenu(&menu, e->globalPos())) {
            const int id = chosen->data().toInt();
            if (!OnCommand(id))
                if (CMainFrame* frame = GetMainFrame())
                    frame->OnCommand(id);
        }
        return true;
    }
    case QEvent::ToolTip:
        if (watched == m_pMacros->viewport()) {
            auto* help = static_cast<QHelpEvent*>(event);
            QTreeWidgetItem* item = m_pMacros->itemAt(help->pos());
            const QString tip = item ? MacroTip(m_pMacros->indexOfTopLevelItem(item)) : QString();
            if (tip.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), tip, m_pMacros->viewport());
            return true;
        }
        break;
    default:
        break;
    }
    return CResizableFormView::eventFilter(watched, event);
}
