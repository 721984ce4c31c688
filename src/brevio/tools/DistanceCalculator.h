#pragma once
// "Distance Calculator": the positions of two locators and the heading and
// distance from the first to the second. Modeless; OK computes, Cancel hides.
#include "shared/ui/BaseDialog.h"

class QLabel;
class QLineEdit;

class CDistanceCalculator : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 222;
    enum : int {
        IDC_SQUARE1 = 1089,
        IDC_POSITION1 = 1223,
        IDC_SQUARE2 = 1090,
        IDC_POSITION2 = 1224,
        IDC_HEADING = 1225,
        IDC_KILOMETRES = 1226,
        IDC_MILES = 1227,
    };

    struct Result {
        QString square1, square2;  // upper-cased
        QString position1, position2, heading, kilometres, miles;
        bool bBothValid = false;
    };
    static Result Compute(const QString& strSquare1, const QString& strSquare2);
    // "%.4f N, %.4f E" and so on, from a west-positive longitude.
    static QString PositionText(double dLongitude, double dLatitude);

    explicit CDistanceCalculator(QWidget* pParent);
    ~CDistanceCalculator() override;

    bool OnInitDialog() override;
    void OnOK() override;

    QString m_strSquare1, m_strSquare2, m_strPosition1, m_strPosition2, m_strHeading, m_strKilometres, m_strMiles;

    QLineEdit* Edit(int nId) const;
    QString FieldText(int nId) const;

private:
    void ShowFields();
};
