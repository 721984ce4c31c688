#pragma once
// The base of the digital-mode program's option pages. A page copies its
// part of the settings into its controls (LoadFromSettings) and back
// (StoreToSettings), names its topics for the sheet's page list, and tells
// the sheet after every change the operator makes, which then applies all
// pages at once. The colour and font buttons of every page ask through the
// two choosers here.
#include "shared/WinTypes.h"
#include "shared/ui/OptionsPage.h"

#include <QStringList>

class CPSK31Settings;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

class CPSK31OptionsPage : public COptionsPage {
    Q_OBJECT
public:
    CPSK31OptionsPage(unsigned nIDTemplate, const QString& strCaption, QWidget* parent = nullptr);
    ~CPSK31OptionsPage() override;

    virtual void LoadFromSettings(CPSK31Settings& settings) = 0;
    virtual void StoreToSettings(CPSK31Settings& settings) = 0;
    // The lines the page lists under its caption ("@" one level deeper).
    virtual void GetTopicLines(QStringList& lines) const { (void)lines; }

    // The answer to the sheet's topic request: appends the lines, returns 0.
    int OnGetList(QStringList* pLines);
    // Has the sheet apply every page now (the sheet handles it before this returns).
    void NotifyOptionChanged();

    // The colour and font choosers of the pages: TRUE (and the value
    // changed) only when the operator confirmed. The font is a description
    // "face,size,bold,italic".
    bool ChooseColour(COLORREF& colour);
    bool ChooseFont(QString& strDescription);

    // The font the chooser opens with, for a description.
    static QFont FontFromDescription(const QString& strDescription);
    // The description of a chosen font: whole points, bold only at weight 700.
    static QString DescriptionFromFont(const QFont& font);

protected:
    bool event(QEvent* event) override;

    // Controls carrying their ids. A control made with notify calls
    // NotifyOptionChanged when the operator changes it.
    QCheckBox* MakeCheck(QWidget* pParent, const QString& strText, unsigned nId, bool bNotify = true);
    QRadioButton* MakeRadio(QWidget* pParent, QButtonGroup* pGroup, const QString& strText, unsigned nId,
                            int nIndex);
    QPushButton* MakeButton(QWidget* pParent, const QString& strText, unsigned nId);
    QLabel* MakeLabel(QWidget* pParent, const QString& strText, unsigned nId = 0);
    QGroupBox* MakeGroup(QWidget* pParent, const QString& strTitle, unsigned nId = 0);
    QSlider* MakeSlider(QWidget* pParent, Qt::Orientation orientation, unsigned nId, int nMin, int nMax,
                        int nTicks);
    // A radio group that notifies when the operator picks a button.
    QButtonGroup* MakeRadioGroup(bool bNotify = true);
    static int CheckedIndex(const QButtonGroup* pGroup);
    static void CheckIndex(QButtonGroup* pGroup, int nIndex);
    static void SetChecked(QAbstractButton* pButton, bool bChecked);
    static void SetText(QLineEdit* pEdit, const QString& strText);
    static void SetSliderPos(QSlider* pSlider, int nPos);
};
