// The S-meter chart settings and their "Chart Options" sheet: the registry
// form, the page's lists and live changes, Apply / OK / Cancel with the
// chart's notification, and the axis font text.
#include "corvane/frontpanel/SMeterChartSheet.h"

#include "OptionsTestSupport.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/ChartView.h"
#include "corvane/frontpanel/ProgramOptions.h"
#include "corvane/frontpanel/SMeterChartSettings.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/ui/OwnComboBox.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// The chart's stand-in: counts the notifications it is posted.
class Receiver : public QWidget {
public:
    bool event(QEvent* e) override
    {
        if (CRegisteredEvent::As(e, RegisteredMessage::nMsgOptions)) {
            ++options;
            return true;
        }
        return QWidget::event(e);
    }
    int options = 0;
};

class ChartOptions : public ::testing::Test {
protected:
    void SetUp() override { GetSMeterChartSettings().Exchange(CSMeterChartSettings::kDefaults); }
    void TearDown() override
    {
        sheet.reset();
        GetSMeterChartSettings().Exchange(CSMeterChartSettings::kDefaults);
    }
    CSMeterChartSheet& open()
    {
        sheet = std::make_unique<CSMeterChartSheet>(QStringLiteral("Chart Options"), &receiver, 0);
        sheet->show();
        QApplication::processEvents();
        return *sheet;
    }
    CSMeterChartOptions* page() const { return sheet->GetOptionsPage(); }
    void choose(unsigned id, int index)
    {
        COwnComboBox* combo = page()->GetCombo(id);
        combo->SetCurSel(index);
        emit combo->activated(index);
    }
    Receiver receiver;
    std::unique_ptr<CSMeterChartSheet> sheet;
};
} // namespace

TEST_F(ChartOptions, SettingsGoToTheRegistryUnderTheirLabels)
{
    CSMeterChartSettings& s = GetSMeterChartSettings();
    EXPECT_EQ(s.m_colBackground, 0xDDCCBBu);
    EXPECT_EQ(s.m_strAxisFont, QStringLiteral("Small Fonts,7"));
    s.m_nTimeScale = 7200;
    s.m_strAxisFont = QStringLiteral("Arial,9,Bold");
    s.m_colPlotColour = 0x00FF00;
    s.Save();
    EXPECT_EQ(GetRegistry().GetInt(QStringLiteral("SMeterChartSettings SMeterChart m_nTimeScale .....:"), 0), 7200);
    EXPECT_EQ(GetRegistry().GetString(QStringLiteral("SMeterChartSettings SMeterChart m_strAxisFont ....:")),
              QStringLiteral("Arial,9,Bold"));
    s.Exchange(CSMeterChartSettings::kDefaults);
    EXPECT_EQ(s.m_nTimeScale, 1800);
    s.Load();
    EXPECT_EQ(s.m_nTimeScale, 7200);
    EXPECT_EQ(s.m_colPlotColour, 0x00FF00u);
    EXPECT_EQ(s.m_nSampleRate, 1);  // not stored: its default
}

TEST_F(ChartOptions, AStoredValueNotInAListShowsTheFirstEntryAndAChangeWritesAllThree)
{
    GetSMeterChartSettings().m_nTimeScale = 900;
    GetSMeterChartSettings().m_nSampleRate = 30;
    open();
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Chart Options"));
    EXPECT_EQ(page()->windowTitle(), QStringLiteral("Options"));
    EXPECT_EQ(page()->GetCombo(CSMeterChartOptions::IDC_TIME_SCALE)->currentText(), QStringLiteral("10 mins"));
    EXPECT_EQ(page()->GetCombo(CSMeterChartOptions::IDC_SAMPLE_RATE)->currentText(), QStringLiteral("30 secs"));
    EXPECT_EQ(page()->GetCombo(CSMeterChartOptions::IDC_TIME_SCALE)->count(), 11);
    EXPECT_FALSE(page()->IsModified());
    choose(CSMeterChartOptions::IDC_PLOT_TYPE, 3);
    EXPECT_EQ(GetSMeterChartSettings().m_nTimeScale, 600);
    EXPECT_EQ(GetSMeterChartSettings().m_nPlotType, 3);
    EXPECT_EQ(GetSMeterChartSettings().m_nSampleRate, 30);
    EXPECT_TRUE(page()->IsModified());
}

TEST_F(ChartOptions, ApplyNotifiesTheChartOkSavesCancelRestores)
{
    GetSMeterChartSettings().Save();
    open();
    choose(CSMeterChartOptions::IDC_SAMPLE_RATE, 2);
    auto* apply = qobject_cast<QPushButton*>(sheet->GetDlgItem(CPropertySheet::ID_APPLY_NOW));
    EXPECT_TRUE(apply->isEnabled());
    apply->click();
    EXPECT_FALSE(apply->isEnabled());
    QApplication::processEvents();
    EXPECT_EQ(receiver.options, 1);
    EXPECT_EQ(GetRegistry().GetInt(QStringLiteral("SMeterChartSettings SMeterChart m_nSampleRate ....:"), -1), 1);

    qobject_cast<QPushButton*>(sheet->GetDlgItem(platform::IDOK))->click();
    QApplication::processEvents();
    EXPECT_EQ(receiver.options, 2);
    EXPECT_EQ(GetRegistry().GetInt(QStringLiteral("SMeterChartSettings SMeterChart m_nSampleRate ....:"), -1), 10);

    // Load Defaults, then Cancel: the registry's values come back.
    open();
    qobject_cast<QPushButton*>(page()->GetDlgItem(CSMeterChartOptions::IDC_DEFAULTS))->click();
    EXPECT_EQ(GetSMeterChartSettings().m_nSampleRate, 1);
    EXPECT_EQ(page()->GetCombo(CSMeterChartOptions::IDC_SAMPLE_RATE)->currentText(), QStringLiteral("1 sec"));
    qobject_cast<QPushButton*>(sheet->GetDlgItem(platform::IDCANCEL))->click();
    QApplication::processEvents();
    EXPECT_EQ(GetSMeterChartSettings().m_nSampleRate, 10);
    EXPECT_EQ(receiver.options, 3);
}

TEST_F(ChartOptions, ColoursChangeOnlyOnOkAndTheGmtBoxWritesAtOnce)
{
    open();
    qobject_cast<QPushButton*>(page()->GetDlgItem(CSMeterChartOptions::IDC_GRAPH))->click();  // cancelled
    EXPECT_EQ(GetSMeterChartSettings().m_colGraphArea, 0xFFFFFFu);
    EXPECT_FALSE(page()->IsModified());
    testsupport::prompter().m_colours.push_back(QColor(1, 2, 3));
    qobject_cast<QPushButton*>(page()->GetDlgItem(CSMeterChartOptions::IDC_PLOT))->click();
    EXPECT_EQ(GetSMeterChartSettings().m_colPlotColour, 0x030201u);
    EXPECT_TRUE(page()->IsModified());
    page()->GetGmtBox()->click();
    EXPECT_EQ(GetSMeterChartSettings().m_bGMT, 1);
}

TEST_F(ChartOptions, TheAxisFontTextReadsAndWritesItsParts)
{
    const CAxisFont font = CAxisFont::Parse(QStringLiteral("Arial,10,Bold,Italic"));
    EXPECT_EQ(font.strFace, QStringLiteral("Arial"));
    EXPECT_EQ(font.nPoints, 10);
    EXPECT_TRUE(font.bBold);
    EXPECT_TRUE(font.bItalic);
    EXPECT_FALSE(font.bUnderline);
    const QFont initial = font.ToFont();
    EXPECT_EQ(initial.family(), QStringLiteral("Arial"));
    EXPECT_EQ(initial.pointSize(), 10);
    EXPECT_EQ(initial.weight(), QFont::Bold);
    EXPECT_TRUE(initial.italic());
    // Without a size part: the default height.
    EXPECT_EQ(CAxisFont::Parse(QStringLiteral("Tahoma")).nPoints, 0);
    EXPECT_EQ(CAxisFont::Parse(QStringLiteral("Tahoma,x")).nPoints, 0);
    EXPECT_TRUE(CAxisFont::Parse(QStringLiteral("Courier,8,underline,strikethrough")).bStrikeOut);

    QFont chosen(QStringLiteral("Courier New"));
    chosen.setPointSize(12);
    EXPECT_EQ(CAxisFont::FromFont(chosen), QStringLiteral("Courier New,12"));
    chosen.setWeight(QFont::DemiBold);  // not exactly bold
    chosen.setUnderline(true);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    EXPECT_EQ(CAxisFont::FromFont(chosen), QStringLiteral("Courier New,12,Italic,Strikethrough,Underline"));
}

TEST_F(ChartOptions, TheAxisButtonStoresTheChosenFont)
{
    GetSMeterChartSettings().m_strAxisFont = QStringLiteral("Arial,10,Bold,Italic");
    open();
    auto* axis = qobject_cast<QPushButton*>(page()->GetDlgItem(CSMeterChartOptions::IDC_AXIS));
    axis->click();  // cancelled
    EXPECT_EQ(GetSMeterChartSettings().m_strAxisFont, QStringLiteral("Arial,10,Bold,Italic"));
    EXPECT_FALSE(page()->IsModified());
    QFont courier(QStringLiteral("Courier New"));
    courier.setPointSize(12);
    testsupport::prompter().m_fonts.push_back(courier);
    axis->click();
    EXPECT_EQ(GetSMeterChartSettings().m_strAxisFont, QStringLiteral("Courier New,12"));
    EXPECT_TRUE(page()->IsModified());
}

TEST_F(ChartOptions, TheChartOpensTheSheetOverItselfAndTakesItsValues)
{
    InstallProgramOptions();
    CChartView view;
    view.resize(300, 150);
    ASSERT_TRUE(view.Create());
    QWidget* parent = nullptr;
    QString caption;
    optionstest::whenModal<CSMeterChartSheet>([&](CSMeterChartSheet* s) {
        parent = s->parentWidget();
        caption = s->windowTitle();
        s->GetOptionsPage()->GetCombo(CSMeterChartOptions::IDC_TIME_SCALE)->SetCurSel(3);
        emit s->GetOptionsPage()->GetCombo(CSMeterChartOptions::IDC_TIME_SCALE)->activated(3);
        s->OnOK();
    });
    view.OnCommand(32917);
    QApplication::processEvents();
    EXPECT_EQ(parent, &view);
    EXPECT_EQ(caption, QStringLiteral("Chart Options"));
    EXPECT_EQ(view.TimeSpan(), 3600);
    CChartView::SetOptionsHandler({});
}
