#include "brevio/tools/MacroEditorDialog.h"

#include "platform/Prompter.h"
#include "brevio/core/MainFrame.h"
#include "brevio/tools/ColorEdit.h"
#include "brevio/tools/TagsBar.h"
#include "shared/FontFactory.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

CMacroEditorDialog::CMacroEditorDialog(QWidget* pParent, const QStringList& titlesInUse)
    : CBaseDialog(IDD, pParent), m_titlesInUse(titlesInUse)
{
    Build();
}

CMacroEditorDialog::CMacroEditorDialog(QWidget* pParent, const QString& strFullTitle, const QString& strShortTitle,
                                       const QStringList& definition, bool bErase, bool bAlwaysPrompt, bool bSendNow,
                                       bool bSuperBrowserOnly, bool bLeaveHisInfo, const QStringList& titlesInUse,
                                       int nEnable)
    : CBaseDialog(IDD, pParent), m_strFullTitle(strFullTitle), m_strShortTitle(strShortTitle),
      m_definition(definition), m_bErase(bErase), m_bSendNow(bSendNow), m_bAlwaysPrompt(bAlwaysPrompt),
      m_bSuperBrowserOnly(bSuperBrowserOnly), m_bLeaveHisInfo(bLeaveHisInfo), m_nEnable(nEnable),
      m_bEditMode(true), m_strTitleAtOpening(strFullTitle), m_titlesInUse(titlesInUse)
{
    Build();
}

CMacroEditorDialog::~CMacroEditorDialog() = default;

QString CMacroEditorDialog::HelpText()
{
    const QString pad(10, QLatin1Char(' '));
    QStringList lines = {
        QStringLiteral("When defining a macro, there are two types of tags that you can add:"),
        QString(),
        QStringLiteral("[1] Fixed tags:"),
        pad + QStringLiteral("[date], [time], [imd], [stop], [program], [cw-id-on] and [cw-id-off]."),
        QString(),
        pad + QStringLiteral("Example: \"It is now [date] and [time]\""),
        pad + QStringLiteral("Example: \"Software is [program]\""),
        pad + QStringLiteral("Example: \"IMD reading is [imd]\""),
        pad + QStringLiteral("Example: \"Bye-bye sk[stop]\""),
        QString(),
        pad + QStringLiteral("[cw-id-on] and [cw-id-off] control sending a CW identification after the text is sent."),
        QString(),
        QStringLiteral("[2] Normal tags which you define yourself, for example:"),
    };
    for (const char* name : {"callsign", "name", "rst", "weather"})
        lines << pad + QLatin1Char('<') + QLatin1String(name) + QLatin1Char('>');
    lines << QString() << pad + QStringLiteral("Example: \"<callsign> <callsign> de QT9XVK QT9XVK k\"")
          << pad + QStringLiteral("Example: \"Thank-you dear <name>, your RST is <rst>\"") << QString()
          << QStringLiteral("Options:")
          << QStringLiteral("  - Prompt:\twhen a macro is selected a popup window appears where you enter the values "
                            "for the tags defined in the macro.")
          << QStringLiteral("  - Erase:\tbefore the macro is added all text in the TX window is erased.")
          << QStringLiteral("  - Send:\tthe macro is send immediately, if not in Tx mode then the program switched "
                            "to Tx mode.")
          << QString() << QStringLiteral("Notes:") << QStringLiteral("** Tag names are case-sensitive.")
          << QStringLiteral("** With PSK31 lowercase characters are sent quicker than uppercase characters.");
    return lines.join(QStringLiteral("\r\n"));
}

void CMacroEditorDialog::Build()
{
    setWindowTitle(QStringLiteral("Macro Editor"));
    resize(680, 470);
    auto label = [this](const QString& text, int x, int y, int w, int id = 0) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, w, 20);
        if (id)
            SetDlgCtrlID(l, unsigned(id));
        return l;
    };
    QLabel* fullLabel = label(QStringLiteral("&Full title: *"), 8, 10, 90);
    m_pFullTitle = new QLineEdit(this);
    fullLabel->setBuddy(m_pFullTitle);
    SetDlgCtrlID(m_pFullTitle, IDC_FULL_TITLE);
    m_pFullTitle->setGeometry(100, 8, 200, 24);
    QLabel* shortLabel = label(QStringLiteral("S&hort title: *"), 8, 40, 90);
    m_pShortTitle = new QLineEdit(this);
    shortLabel->setBuddy(m_pShortTitle);
    SetDlgCtrlID(m_pShortTitle, IDC_SHORT_TITLE);
    m_pShortTitle->setGeometry(100, 38, 200, 24);
    label(QStringLiteral("(maximum of 15 characters)"), 306, 40, 210, IDC_MAX_NOTE);
    label(QStringLiteral("* = Mandatory"), 306, 10, 210, IDC_MANDATORY_NOTE);
    m_pEnable = new QCheckBox(QStringLiteral("&Enable"), this);
    SetDlgCtrlID(m_pEnable, IDC_ENABLE);
    m_pEnable->setGeometry(520, 8, 150, 24);
    QLabel* definitionLabel = label(QStringLiteral("&Definition:"), 8, 70, 300, IDC_DEFINITION_LABEL);
    m_pDefinition = new QPlainTextEdit(this);
    definitionLabel->setBuddy(m_pDefinition);
    SetDlgCtrlID(m_pDefinition, IDC_DEFINITION);
    m_pDefinition->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pDefinition->setGeometry(8, 92, 468, 110);
    m_pErase = new QCheckBox(QStringLiteral("Erase &Tx window"), this);
    SetDlgCtrlID(m_pErase, IDC_ERASE);
    m_pErase->setGeometry(484, 92, 190, 22);
    m_pSend = new QCheckBox(QStringLiteral("&Send immediately"), this);
    SetDlgCtrlID(m_pSend, IDC_SEND);
    m_pSend->setGeometry(484, 116, 190, 22);
    m_pPrompt = new QCheckBox(QStringLiteral("&Always prompt for tags"), this);
    SetDlgCtrlID(m_pPrompt, IDC_PROMPT);
    m_pPrompt->setGeometry(484, 140, 190, 22);
    m_pSuperOnly = new QCheckBox(QStringLiteral("Super &Browser channel only (double-click)"), this);
    SetDlgCtrlID(m_pSuperOnly, IDC_SUPER_ONLY);
    m_pSuperOnly->setGeometry(484, 164, 190, 22);
    m_pHelp = new CColorEdit(this);
    SetDlgCtrlID(m_pHelp, IDC_HELP);
    m_pHelp->setReadOnly(true);
    m_pHelp->setGeometry(8, 212, 420, 210);
    m_pCustomTags = new COwnListCtrl(this);
    SetDlgCtrlID(m_pCustomTags, IDC_CUSTOM_TAGS);
    m_pCustomTags->setGeometry(436, 212, 116, 210);
    m_pFixedTags = new COwnListCtrl(this);
    SetDlgCtrlID(m_pFixedTags, IDC_FIXED_TAGS);
    m_pFixedTags->setGeometry(558, 212, 114, 210);
    auto* ok = new COXBitmapButton(this);
    SetDlgCtrlID(ok, 1);
    ok->SetButtonText(QStringLiteral("OK"));
    ok->setGeometry(516, 432, 76, 28);
    auto* cancel = new COXBitmapButton(this);
    SetDlgCtrlID(cancel, 2);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    cancel->setGeometry(596, 432, 76, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pFullTitle, &QLineEdit::textChanged, this, [this] { UpdateOkState(); });
    connect(m_pShortTitle, &QLineEdit::textChanged, this, [this] { UpdateOkState(); });
    connect(m_pDefinition, &QPlainTextEdit::textChanged, this, [this] { UpdateOkState(); });
    connect(m_pSend, &QCheckBox::clicked, this, [this] { UpdateOkState(); });
    // The operator goes from the titles on to the text, not to "Enable",
    // which a typed blank would untick.
    QWidget::setTabOrder(m_pShortTitle, m_pDefinition);
    QWidget::setTabOrder(m_pDefinition, m_pErase);
    QWidget::setTabOrder(m_pErase, m_pSend);
    QWidget::setTabOrder(m_pSend, m_pPrompt);
    QWidget::setTabOrder(m_pPrompt, m_pEnable);
    for (COwnListCtrl* list : {m_pCustomTags, m_pFixedTags})
        connect(list, &QTreeWidget::itemDoubleClicked, this,
                [this](QTreeWidgetItem* item) { InsertTag(item ? item->text(0) : QString()); });
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_FULL_TITLE, 1, 0, 0, 0},       {IDC_SHORT_TITLE, 1, 0, 0, 0},   {IDC_DEFINITION, 2, 0, 0, 0},
        {IDC_DEFINITION_LABEL, 2, 0, 0, 0}, {IDC_MAX_NOTE, 0, 0, 1, 0},      {IDC_MANDATORY_NOTE, 0, 0, 1, 0},
        {IDC_ENABLE, 0, 0, 1, 0},           {IDC_ERASE, 0, 0, 2, 0},         {IDC_SEND, 0, 0, 2, 0},
        {IDC_PROMPT, 0, 0, 2, 0},           {IDC_SUPER_ONLY, 0, 0, 2, 0},    {IDC_CUSTOM_TAGS, 0, 2, 2, 0},
        {IDC_FIXED_TAGS, 0, 2, 2, 0},       {IDC_HELP, 2, 2, 0, 0},          {1, 0, 0, 2, 2},
        {2, 0, 0, 2, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

bool CMacroEditorDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1))) {
        ok->LoadBitmapResource(313, false, RGB(0, 0, 255));
        ok->SetLookFlag(true);
    }
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(0, 0, 255));
    m_pSuperOnly->hide();
    const QFont courier = CFontFactory(this).CreateCourier10();
    for (QWidget* w : {static_cast<QWidget*>(m_pFullTitle), static_cast<QWidget*>(m_pShortTitle),
                       static_cast<QWidget*>(m_pDefinition)})
        w->setFont(courier);
    m_pFullTitle->setText(m_strFullTitle);
    m_pShortTitle->setText(m_strShortTitle);
    m_pDefinition->setPlainText(m_definition.join(QLatin1Char('\n')));
    m_pErase->setChecked(m_bErase);
    m_pSend->setChecked(m_bSendNow);
    m_pPrompt->setChecked(m_bAlwaysPrompt);
    m_pSuperOnly->setChecked(m_bSuperBrowserOnly);
    m_pEnable->setChecked(m_nEnable != 0);
    m_pHelp->setPlainText(HelpText());
    m_pHelp->UseCustomColours();

    m_pCustomTags->SetColumns({{QStringLiteral("Custom Tags"), LVCFMT_LEFT}});
    m_pFixedTags->SetColumns({{QStringLiteral("Fixed Tags"), LVCFMT_LEFT}});
    QStringList titles, values;
    if (CMainFrame* frame = GetMainFrame())
        if (auto* bar = dynamic_cast<CTagsBar*>(frame->GetTagsBar()))
            bar->GetTitlesAndValues(titles, values);
    for (const QString& title : titles)
        m_pCustomTags->InsertItem(m_pCustomTags->GetItemCount(), QLatin1Char('<') + title + QLatin1Char('>'));
    for (const char* tag : {"[date]", "[time]", "[imd]", "[stop]", "[program]", "[cw-id-on]", "[cw-id-off]"})
        m_pFixedTags->InsertItem(m_pFixedTags->GetItemCount(), QLatin1String(tag));
    m_pFixedTags->SortColumn(0, true);
    m_pCustomTags->AutoSizeColumns();
    m_pFixedTags->AutoSizeColumns();
    UpdateOkState();
    return true;
}

bool CMacroEditorDialog::IsOkEnabled() const
{
    if (m_pFullTitle->text().trimmed().isEmpty() || m_pShortTitle->text().trimmed().isEmpty())
        return false;
    return m_pSend->isChecked() || !m_pDefinition->toPlainText().trimmed().isEmpty();
}

void CMacroEditorDialog::UpdateOkState()
{
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1)))
        ok->Enable(IsOkEnabled());
}

void CMacroEditorDialog::InsertTag(const QString& strTag)
{
    if (strTag.isEmpty())
        return;
    m_pDefinition->insertPlainText(strTag);
    m_pDefinition->setFocus();
}

void CMacroEditorDialog::OnOK()
{
    if (!IsOkEnabled())
        return;
    const QString full = m_pFullTitle->text();
    const QString shortTitle = m_pShortTitle->text();
    if (shortTitle.size() > kShortTitleMax) {
        platform::messageBox(this, QStringLiteral("Enter no more than %1 characters.").arg(kShortTitleMax),
                             windowTitle(), platform::MB_OK | int(platform::MB_ICONWARNING));
        m_pShortTitle->setFocus();
        return;
    }
    if (!m_bEditMode || full != m_strTitleAtOpening) {
        for (const QString& title : m_titlesInUse) {
            if (title.compare(full, Qt::CaseInsensitive) == 0) {
                platform::messageBox(this, QStringLiteral("This title is already in use."),
                                     QStringLiteral("Title in Use"), platform::MB_OK | int(platform::MB_ICONERROR));
                m_pFullTitle->setFocus();
                return;
            }
        }
    }
    m_strFullTitle = full;
    m_strShortTitle = shortTitle;
    GetEditLines(m_pDefinition, m_definition);
    m_bErase = m_pErase->isChecked();
    m_bSendNow = m_pSend->isChecked();
    m_bAlwaysPrompt = m_pPrompt->isChecked();
    m_bSuperBrowserOnly = m_pSuperOnly->isChecked();
    m_nEnable = m_pEnable->isChecked() ? 1 : 0;
    CBaseDialog::OnOK();
}
