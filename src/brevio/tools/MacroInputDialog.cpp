#include "brevio/tools/MacroInputDialog.h"

#include "platform/Prompter.h"
#include "brevio/core/Locator.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/TagStore.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/tools/ColorEdit.h"
#include "brevio/tools/ListImages.h"
#include "brevio/tools/TagsBar.h"
#include "shared/FontFactory.h"
#include "shared/buttons/OXBitmapButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimerEvent>

CMacroInputDialog::CMacroInputDialog(QWidget* pParent, int nChannel, const QString& strTitle,
                                     const QStringList& names, const QStringList& definition, bool bErase,
                                     bool bSendNow)
    : CBaseDialog(IDD, pParent), m_nChannel(nChannel), m_names(names), m_definition(definition),
      m_bErase(bErase), m_bSendNow(bSendNow)
{
    setWindowTitle(strTitle);
    // Wide enough for the option boxes' texts and the pictured Cancel button
    // at the default font and one point larger.
    resize(520, 360);
    auto* prompt = new QLabel(QStringLiteral("Enter values for the tags below, then press 'OK'."), this);
    SetDlgCtrlID(prompt, IDC_PROMPT);
    prompt->setGeometry(8, 8, 504, 20);
    m_pPreview = new CColorEdit(this);
    SetDlgCtrlID(m_pPreview, IDC_PREVIEW);
    m_pPreview->setReadOnly(true);
    m_pPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pPreview->setGeometry(8, 32, 504, 118);
    m_pList = new CEditableListCtrl(QStringLiteral("Some Text"), this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(8, 158, 282, 160);
    m_pErase = new QCheckBox(QStringLiteral("&Erase all text before adding"), this);
    SetDlgCtrlID(m_pErase, IDC_ERASE);
    m_pErase->setGeometry(298, 158, 214, 24);
    m_pSend = new QCheckBox(QStringLiteral("&Send immediately"), this);
    SetDlgCtrlID(m_pSend, IDC_SEND);
    m_pSend->setGeometry(298, 186, 214, 24);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, 1);
    ok->setGeometry(338, 290, 84, 28);
    auto* cancel = new COXBitmapButton(this);
    SetDlgCtrlID(cancel, 2);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    cancel->setGeometry(428, 290, 84, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_PREVIEW, 2, 2, 0, 0}, {IDC_LIST, 2, 0, 0, 2}, {IDC_ERASE, 0, 0, 2, 2},
        {IDC_SEND, 0, 0, 2, 2},    {1, 0, 0, 2, 2},        {2, 0, 0, 2, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CMacroInputDialog::~CMacroInputDialog() = default;

bool CMacroInputDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(0, 0, 255));
    m_pPreview->setFont(CFontFactory(this).CreateCourier10());
    m_pPreview->UseCustomColours();
    m_pErase->setChecked(m_bErase);
    m_pSend->setChecked(m_bSendNow);
    // Values typed in the tags bar but not yet stored count too.
    TheApp().SaveTagValues();

    m_pList->SetColumns({{QStringLiteral("Tag"), LVCFMT_LEFT}, {QStringLiteral("Value"), LVCFMT_LEFT}});
    m_pList->EnableGridLines();
    m_pList->SetFullRowSelect();
    m_pList->SetImageList(LoadListImages({727, 728}));

    const bool perChannel = CurrentSettings().m_bTagsPerChannel != 0;
    for (const QString& name : m_names) {
        // Names equal but for letter case share one row.
        int row = -1;
        for (int r = 0; r < m_rowNames.size(); ++r)
            if (m_rowNames[r].compare(name, Qt::CaseInsensitive) == 0)
                row = r;
        if (row < 0) {
            QString value;
            int image = ImageTag;
            if (const CTag* tag = Tags().FindByTitle(name)) {
                if (tag->m_bOwnStation) {
                    value = tag->m_strValue;
                    image = ImageOwn;
                } else {
                    value = tag->Value(perChannel ? m_nChannel : -1);
                }
            }
            row = m_pList->InsertItem(int(m_rowNames.size()), name, image);
            m_pList->SetItemText(row, 1, value);
            m_rowNames.append(name);
            m_shownValues.append(value);
        }
        m_occurrence.insert(name, row);
    }
    SizeColumns();
    UpdatePreview();
    m_previewTimer.start(kPreviewMs, this);
    return true;
}

void CMacroInputDialog::SizeColumns()
{
    if (!m_pList || m_pList->GetColumnCount() < 2)
        return;
    m_pList->AutoSizeColumn(0);
    m_pList->setColumnWidth(1, std::max(0, m_pList->viewport()->width() - m_pList->columnWidth(0)));
}

void CMacroInputDialog::resizeEvent(QResizeEvent* event)
{
    CBaseDialog::resizeEvent(event);
    SizeColumns();
}

QStringList CMacroInputDialog::RowValues() const
{
    QStringList values;
    m_pList->GetColumnTexts(values, 1);
    return values;
}

void CMacroInputDialog::UpdatePreview()
{
    QStringList currentLines;
    GetEditLines(m_pPreview, currentLines);
    QString current;
    JoinLines(currentLines, current);
    const QStringList values = RowValues();
    if (!current.isEmpty() && values == m_lastValues)
        return;
    m_lastValues = values;
    QStringList lines = m_definition;
    for (QString& line : lines) {
        for (int k = 0; k < m_rowNames.size() && k < values.size(); ++k) {
            const QString value = values[k].trimmed();
            if (!value.isEmpty())
                line.replace(QLatin1Char('<') + m_rowNames[k] + QLatin1Char('>'), value);
        }
    }
    QString text;
    JoinLines(lines, text);
    if (text != current)
        SetEditLines(m_pPreview, lines);
}

void CMacroInputDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_previewTimer.timerId()) {
        UpdatePreview();
        return;
    }
    CBaseDialog::timerEvent(event);
}

void CMacroInputDialog::OnOK()
{
    QStringList names, values;
    m_pList->GetColumnTexts(names, 0);
    m_pList->GetColumnTexts(values, 1);
    // A value typed for a locator tag is a locator, or nothing goes out: not
    // the text, not the tags bar's values. A value shown as the tag held it
    // is not the operator's entry and goes as it is.
    for (int row = 0; row < values.size(); ++row) {
        if (values[row] == m_shownValues.value(row))
            continue;
        QString value = values[row];
        if (!Tags().CheckValueFor(names.value(row), value)) {
            platform::messageBox(this, LocatorRefusal(values[row]), QStringLiteral("Tags"),
                                 platform::MB_OK | int(platform::MB_ICONWARNING));
            m_pList->EditSubLabel(row, 1);
            return;
        }
        if (value != values[row]) {
            values[row] = value;
            m_pList->SetItemText(row, 1, value);
        }
    }
    if (CMainFrame* frame = GetMainFrame())
        if (auto* bar = dynamic_cast<CTagsBar*>(frame->GetTagsBar()))
            bar->SetValuesFromMacro(names, values, true);
    m_values.clear();
    for (const QString& name : m_names)
        m_values.append(values.value(m_occurrence.value(name, -1)));
    m_previewTimer.stop();
    CBaseDialog::OnOK();
}
