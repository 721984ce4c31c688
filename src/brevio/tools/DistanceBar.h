#pragma once
// The distance toolbar: heading and distance from the own locator (from the
// options) to another station's locator, typed into the bar's field or
// announced by the tags bar. Button 33572 ("Options") is the main frame's.
#include <QString>
#include <QToolBar>

class CLocatorEdit;
class QLabel;

class CDistanceBar : public QToolBar {
    Q_OBJECT
public:
    static constexpr int kBarId = 59434;
    static constexpr unsigned IDR_TOOLBAR = 223;
    enum : int { IDC_LOCATOR = 150, IDC_HEADING = 1225, IDC_DISTANCE = 146 };

    // What the bar shows for an own and another locator (either case).
    struct Texts {
        QString heading;
        QString distance;
        // The bar's caption; empty when the locators gave no distance.
        QString caption;
    };
    static Texts Compute(const QString& strOwn, const QString& strOther, bool bKilometres);
    // "%.1f" with one "," three places before the point when it has more
    // than three digits in front of it.
    static QString FormatDistance(double dDistance, bool bKilometres);

    explicit CDistanceBar(QWidget* parent = nullptr);
    ~CDistanceBar() override;

    // The locator field and the two texts, then the last station shown.
    void SetupControls();
    // The handler of nMsgLocator: a locator text, or none for the field's text.
    void OnLocator(const QString* pstrLocator);

    CLocatorEdit* GetLocatorEdit() const { return m_pEdit; }
    QString GetHeadingText() const;
    QString GetDistanceText() const;

    static CDistanceBar* CreateForMainFrame(QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    CLocatorEdit* m_pEdit = nullptr;
    QLabel* m_pHeading = nullptr;
    QLabel* m_pDistance = nullptr;
};
