#include "corvane/frontpanel/SMeterChartSheet.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "corvane/frontpanel/SMeterChartSettings.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/WaitCursor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace OptionsPageTools;

CAxisFont CAxisFont::Parse(const QString& strText)
{
    const QStringList parts = strText.split(QLatin1Char(','));
    const QString lower = strText.toLower();
    CAxisFont font;
    font.strFace = parts.value(0);
    // atoi of the size part: leading digits only, nothing gives 0.
    const QString size = parts.value(1).trimmed();
    int digits = 0;
    while (digits < size.size() && size.at(digits).isDigit())
        ++digits;
    font.nPoints = size.left(digits).toInt();
    font.bBold = lower.contains(QLatin1String("bold"));
    font.bItalic = lower.contains(QLatin1String("italic"));
    font.bStrikeOut = lower.contains(QLatin1String("strikethrough"));
    font.bUnderline = lower.contains(QLatin1String("underline"));
    return font;
}

QString CAxisFont::Format(const QString& strFace, int nPoints, bool bBold, bool bItalic, bool bStrikeOut,
                          bool bUnderline)
{
    QString text = QStringLiteral("%1,%2").arg(strFace).arg(unsigned(std::max(0, nPoints)));
    if (bBold)
        text += QStringLiteral(",Bold");
    if (bItalic)
        text += QStringLiteral(",Italic");
    if (bStrikeOut)
        text += QStringLiteral(",Strikethrough");
    if (bUnderline)
        text += QStringLiteral(",Underline");
    return text;
}

QFont CAxisFont::ToFont() const
{
    QFont font(strFace);
    font.setStyleHint(QFont::SansSerif);
    if (nPoints > 0)
        font.setPointSize(nPoints);
    font.setWeight(bBold ? QFont::Bold : QFont::Normal);
    font.setItalic(bItalic);
    font.setUnderline(bUnderline);
    font.setStrikeOut(bStrikeOut);
    return font;
}

QString CAxisFont::FromFont(const QFont& font)
{
    const int points = font.pointSizeF() > 0 ? int(font.pointSizeF()) : 0;
    return Format(font.family(), points, font.weight() == QFont::Bold, font.italic(), font.strikeOut(),
                  font.underline());
}

const QList<CSMeterChartOptions::Choice>& CSMeterChartOptions::PlotTypes()
{
    static const QList<Choice> choices = {{"Area", 0}, {"Line, thin", 1}, {"Line, medium", 2}, {"Line, thick", 3}};
    return choices;
}

const QList<CSMeterChartOptions::Choice>& CSMeterChartOptions::SampleRates()
{
    static const QList<Choice> choices = {{"1 sec", 1},   {"5 secs", 5},   {"10 secs", 10},
                                          {"20 secs", 20}, {"30 secs", 30}, {"60 secs", 60}};
    return choices;
}

const QList<CSMeterChartOptions::Choice>& CSMeterChartOptions::TimeScales()
{
    static const QList<Choice> choices = {
        {"10 mins", 600},    {"20 mins", 1200},   {"30 mins", 1800},    {"1 hour", 3600},
        {"2 hours", 7200},   {"3 hours", 10800},  {"6 hours", 21600},   {"12 hours", 43200},
        {"24 hours", 86400}, {"48 hours", 172800}, {"72 hours", 259200}};
    return choices;
}

CSMeterChartOptions::CSMeterChartOptions(QWidget* parent)
    : CPropertyPage(IDD, parent), m_bGMT(GetSMeterChartSettings().m_bGMT)
{
    setWindowTitle(QStringLiteral("Options"));
    auto makeCombo = [this](unsigned nId) {
        auto* combo = new COwnComboBox(this);
        SetDlgCtrlID(combo, nId);
        connect(combo, &COwnComboBox::activated, this, &CSMeterChartOptions::OnSelectionAccepted);
        return combo;
    };
    m_pPlotType = makeCombo(IDC_PLOT_TYPE);
    m_pSampleRate = makeCombo(IDC_SAMPLE_RATE);
    m_pTimeScale = makeCombo(IDC_TIME_SCALE);

    auto* colours = Group(this, QStringLiteral("Colours and font"));
    auto* background = Button(colours, QStringLiteral("&Background..."), IDC_BACKGROUND);
    auto* graph = Button(colours, QStringLiteral("&Graph..."), IDC_GRAPH);
    auto* plot = Button(colours, QStringLiteral("Pl&ot..."), IDC_PLOT);
    auto* axis = Button(colours, QStringLiteral("&Axis..."), IDC_AXIS);
    auto* colourRow = new QHBoxLayout(colours);
    for (QPushButton* button : {background, graph, plot, axis})
        colourRow->addWidget(button);

    m_pGmt = CheckBox(this,
                      QStringLiteral("Display using GMT/UTC.\nNote - this only takes affect when you restart this "
                                     "program."),
                      IDC_GMT);
    auto* defaults = Button(this, QStringLiteral("&Load Defaults"), IDC_DEFAULTS);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label(this, QStringLiteral("Plot type:")), 0, 0);
    grid->addWidget(m_pPlotType, 0, 1);
    grid->addWidget(Label(this, QStringLiteral("Sample rate:")), 1, 0);
    grid->addWidget(m_pSampleRate, 1, 1);
    grid->addWidget(Label(this, QStringLiteral("Time scale:")), 2, 0);
    grid->addWidget(m_pTimeScale, 2, 1);
    grid->addWidget(colours, 3, 0, 1, 3);
    grid->addWidget(m_pGmt, 4, 0, 1, 3);
    grid->addWidget(defaults, 5, 2, Qt::AlignRight);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);

    connect(background, &QPushButton::clicked, this, [this] { OnColour(IDC_BACKGROUND); });
    connect(graph, &QPushButton::clicked, this, [this] { OnColour(IDC_GRAPH); });
    connect(plot, &QPushButton::clicked, this, [this] { OnColour(IDC_PLOT); });
    connect(axis, &QPushButton::clicked, this, &CSMeterChartOptions::OnAxisFont);
    connect(defaults, &QPushButton::clicked, this, &CSMeterChartOptions::OnLoadDefaults);
    connect(m_pGmt, &QCheckBox::clicked, this, &CSMeterChartOptions::OnGmt);
}

CSMeterChartOptions::~CSMeterChartOptions() = default;

COwnComboBox* CSMeterChartOptions::GetCombo(unsigned nId) const
{
    return nId == IDC_PLOT_TYPE ? m_pPlotType : nId == IDC_SAMPLE_RATE ? m_pSampleRate
                                           : nId == IDC_TIME_SCALE ? m_pTimeScale
                                                                   : nullptr;
}

bool CSMeterChartOptions::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    const struct {
        COwnComboBox* combo;
        const QList<Choice>& choices;
    } combos[] = {{m_pPlotType, PlotTypes()}, {m_pSampleRate, SampleRates()}, {m_pTimeScale, TimeScales()}};
    for (const auto& c : combos)
        for (const Choice& choice : c.choices)
            c.combo->AddItem(QString::fromLatin1(choice.pText), uint32_t(choice.nValue));
    SelectFromSettings();
    UpdateData(false);
    SetModified(false);
    return true;
}

void CSMeterChartOptions::SelectFromSettings()
{
    const CSMeterChartSettings& s = GetSMeterChartSettings();
    const struct {
        COwnComboBox* combo;
        int value;
    } combos[] = {{m_pPlotType, s.m_nPlotType}, {m_pSampleRate, s.m_nSampleRate}, {m_pTimeScale, s.m_nTimeScale}};
    // A value not in a list (a hand-edited registry) shows the first entry.
    for (const auto& c : combos) {
        c.combo->SetCurSel(0);
        c.combo->SelectByData(uint32_t(c.value));
    }
}

void CSMeterChartOptions::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate)
        m_bGMT = m_pGmt->isChecked() ? 1 : 0;
    else
        m_pGmt->setChecked(m_bGMT != 0);
}

void CSMeterChartOptions::OnSelectionAccepted()
{
    CSMeterChartSettings& s = GetSMeterChartSettings();
    s.m_nSampleRate = int(m_pSampleRate->GetSelectedData());
    s.m_nTimeScale = int(m_pTimeScale->GetSelectedData());
    s.m_nPlotType = int(m_pPlotType->GetSelectedData());
    SetModified();
}

void CSMeterChartOptions::OnColour(unsigned nId)
{
    CSMeterChartSettings& s = GetSMeterChartSettings();
    COLORREF& member = nId == IDC_BACKGROUND ? s.m_colBackground : nId == IDC_GRAPH ? s.m_colGraphArea
                                                                                    : s.m_colPlotColour;
    COLORREF colour = member;
    if (!ChooseColour(this, colour))
        return;
    SetModified();
    member = colour;
}

void CSMeterChartOptions::OnAxisFont()
{
    const CWaitCursor wait;
    CSMeterChartSettings& s = GetSMeterChartSettings();
    const QFont initial = CAxisFont::Parse(s.m_strAxisFont).ToFont();
    const std::optional<QFont> chosen = platform::Prompter::instance().font(this, initial, QString());
    if (!chosen)
        return;
    s.m_strAxisFont = CAxisFont::FromFont(*chosen);
    SetModified();
}

void CSMeterChartOptions::OnLoadDefaults()
{
    CSMeterChartSettings& s = GetSMeterChartSettings();
    s.Exchange(CSMeterChartSettings::kDefaults);
    SelectFromSettings();
    m_bGMT = s.m_bGMT;
    UpdateData(false);
    SetModified();
}

void CSMeterChartOptions::OnGmt()
{
    SetModified();
    UpdateData(true);
    GetSMeterChartSettings().m_bGMT = m_bGMT;
}

CSMeterChartSheet::CSMeterChartSheet(const QString& strCaption, QWidget* pParent, unsigned iSelectPage)
    : CPropertySheet(strCaption, pParent, iSelectPage), m_pPage(new CSMeterChartOptions), m_pNotify(pParent)
{
    AddPage(m_pPage);
}

CSMeterChartSheet::~CSMeterChartSheet() = default;

bool CSMeterChartSheet::OnInitDialog()
{
    const bool result = CPropertySheet::OnInitDialog();
    for (int i = GetPageCount() - 1; i >= 0; --i)
        SetActivePage(i);
    return result;
}

void CSMeterChartSheet::Notify()
{
    if (m_pNotify)
        PostRegisteredMessage(m_pNotify, RegisteredMessage::nMsgOptions, 0, 0);
}

void CSMeterChartSheet::OnApplyNow()
{
    const CWaitCursor wait;
    Notify();
    m_pPage->SetModified(false);
}

void CSMeterChartSheet::OnOK()
{
    OnApplyNow();
    GetSMeterChartSettings().Save();
    EndDialog(platform::IDOK);
}

void CSMeterChartSheet::OnCancel()
{
    GetSMeterChartSettings().Load();
    Notify();
    EndDialog(platform::IDCANCEL);
}
