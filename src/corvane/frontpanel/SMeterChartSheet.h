#pragma once
// "Chart Options": one page over the S-meter chart settings. The page
// writes every change straight into the global settings; Apply tells the
// chart to take them, OK also saves them, Cancel reads them back from the
// registry and tells the chart again.
#include "shared/ui/PropertySheet.h"

#include <QFont>
#include <QPointer>

class COwnComboBox;
class QCheckBox;

// The axis font as the settings keep it: "face,points" followed by any of
// ",Bold", ",Italic", ",Strikethrough", ",Underline".
struct CAxisFont {
    QString strFace;
    int nPoints = 0;  // 0: the default height
    bool bBold = false;
    bool bItalic = false;
    bool bStrikeOut = false;
    bool bUnderline = false;

    static CAxisFont Parse(const QString& strText);
    static QString Format(const QString& strFace, int nPoints, bool bBold, bool bItalic, bool bStrikeOut,
                          bool bUnderline);
    QFont ToFont() const;
    // The text of a font the operator chose (bold only at exactly 700).
    static QString FromFont(const QFont& font);
};

class CSMeterChartOptions : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 295;
    static constexpr unsigned IDC_SAMPLE_RATE = 1341;
    static constexpr unsigned IDC_TIME_SCALE = 1342;
    static constexpr unsigned IDC_PLOT_TYPE = 1343;
    static constexpr unsigned IDC_BACKGROUND = 1344;
    static constexpr unsigned IDC_GRAPH = 1345;
    static constexpr unsigned IDC_PLOT = 1346;
    static constexpr unsigned IDC_AXIS = 1347;
    static constexpr unsigned IDC_DEFAULTS = 1348;
    static constexpr unsigned IDC_GMT = 1350;

    struct Choice {
        const char* pText;
        int nValue;
    };
    static const QList<Choice>& PlotTypes();
    static const QList<Choice>& SampleRates();
    static const QList<Choice>& TimeScales();

    explicit CSMeterChartOptions(QWidget* parent = nullptr);
    ~CSMeterChartOptions() override;

    bool OnInitDialog() override;
    void DoDataExchange(bool bSaveAndValidate) override;

    void OnSelectionAccepted();
    void OnColour(unsigned nId);
    void OnAxisFont();
    void OnLoadDefaults();
    void OnGmt();

    COwnComboBox* GetCombo(unsigned nId) const;
    QCheckBox* GetGmtBox() const { return m_pGmt; }

private:
    void SelectFromSettings();

    COwnComboBox* m_pSampleRate = nullptr;
    COwnComboBox* m_pTimeScale = nullptr;
    COwnComboBox* m_pPlotType = nullptr;
    QCheckBox* m_pGmt = nullptr;
    int m_bGMT = 0;
};

class CSMeterChartSheet : public CPropertySheet {
    Q_OBJECT
public:
    // The parent also receives the notifications.
    CSMeterChartSheet(const QString& strCaption, QWidget* pParent, unsigned iSelectPage = 0);
    ~CSMeterChartSheet() override;

    bool OnInitDialog() override;
    void OnApplyNow() override;
    void OnOK() override;
    void OnCancel() override;

    CSMeterChartOptions* GetOptionsPage() const { return m_pPage; }

private:
    void Notify();

    CSMeterChartOptions* m_pPage;
    QPointer<QWidget> m_pNotify;
};
