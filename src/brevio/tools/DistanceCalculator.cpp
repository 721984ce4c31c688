#include "brevio/tools/DistanceCalculator.h"

#include "brevio/core/Locator.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {
const QString kSquare1 = QStringLiteral("CDistanceCalculator::m_strSquare1");
const QString kSquare2 = QStringLiteral("CDistanceCalculator::m_strSquare2");
} // namespace

QString CDistanceCalculator::PositionText(double dLongitude, double dLatitude)
{
    return QString::asprintf("%.4f %s, %.4f %s", std::fabs(dLatitude), dLatitude >= 0 ? "N" : "S",
                             std::fabs(dLongitude), dLongitude >= 0 ? "W" : "E");
}

CDistanceCalculator::Result CDistanceCalculator::Compute(const QString& strSquare1, const QString& strSquare2)
{
    Result r;
    r.square1 = strSquare1.toUpper();
    r.square2 = strSquare2.toUpper();
    if (!IsValidLocator(r.square1)) {
        r.position1 = QStringLiteral("Invalid");
        return r;
    }
    double lon1 = 0, lat1 = 0;
    LocatorToLatLong(r.square1, lon1, lat1);
    r.position1 = PositionText(lon1, lat1);
    if (!IsValidLocator(r.square2)) {
        r.position2 = QStringLiteral("Invalid");
        return r;
    }
    double lon2 = 0, lat2 = 0, heading = 0, km = 0, miles = 0;
    LocatorToLatLong(r.square2, lon2, lat2);
    r.position2 = PositionText(lon2, lat2);
    GetDistanceAndBearing(lon1, lat1, lon2, lat2, heading, km, miles);
    r.heading = QString::asprintf("%.1f", heading);
    r.kilometres = QString::asprintf("%.2f", km);
    r.miles = QString::asprintf("%.2f", miles);
    r.bBothValid = true;
    return r;
}

CDistanceCalculator::CDistanceCalculator(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    SetFixedFrame();
    SetPersistGeometry(false);
    setWindowTitle(QStringLiteral("Distance Calculator"));
    setModal(false);
    resize(360, 232);
    struct Row {
        const char* label;
        int edit;
        int position;  // 0: none
        bool readOnly;
    };
    const Row rows[] = {{"Grid square 1:", IDC_SQUARE1, IDC_POSITION1, false},
                        {"Grid square 2:", IDC_SQUARE2, IDC_POSITION2, false},
                        {"Heading:", IDC_HEADING, 0, true},
                        {"Kilometers:", IDC_KILOMETRES, 0, true},
                        {"Miles:", IDC_MILES, 0, true}};
    int y = 10;
    for (const Row& row : rows) {
        auto* label = new QLabel(QString::fromLatin1(row.label), this);
        label->setGeometry(10, y, 96, 22);
        auto* edit = new QLineEdit(this);
        SetDlgCtrlID(edit, unsigned(row.edit));
        edit->setGeometry(108, y, 80, 22);
        edit->setReadOnly(row.readOnly);
        if (!row.readOnly) {
            edit->setMaxLength(6);
            label->setBuddy(edit);
            // A square the operator leaves with Tab counts as entered, as
            // one ended with Enter does.
            connect(edit, &QLineEdit::editingFinished, this, [this] { OnOK(); });
        }
        if (row.position) {
            auto* position = new QLabel(this);
            SetDlgCtrlID(position, unsigned(row.position));
            position->setGeometry(194, y, 158, 22);
        }
        y += 30;
    }
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, 1);
    ok->setDefault(true);
    ok->setGeometry(192, 192, 76, 28);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);
    cancel->setGeometry(276, 192, 76, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

CDistanceCalculator::~CDistanceCalculator() = default;

QLineEdit* CDistanceCalculator::Edit(int nId) const
{
    return qobject_cast<QLineEdit*>(GetDlgItem(unsigned(nId)));
}

QString CDistanceCalculator::FieldText(int nId) const
{
    const QWidget* w = GetDlgItem(unsigned(nId));
    if (const auto* edit = qobject_cast<const QLineEdit*>(w))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    return QString();
}

bool CDistanceCalculator::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const CRegistry registry;
    m_strSquare1 = registry.GetString(kSquare1);
    m_strSquare2 = registry.GetString(kSquare2);
    const QImage icon = artwork::icon(221);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    ShowFields();
    return true;
}

void CDistanceCalculator::ShowFields()
{
    Edit(IDC_SQUARE1)->setText(m_strSquare1);
    Edit(IDC_SQUARE2)->setText(m_strSquare2);
    Edit(IDC_HEADING)->setText(m_strHeading);
    Edit(IDC_KILOMETRES)->setText(m_strKilometres);
    Edit(IDC_MILES)->setText(m_strMiles);
    qobject_cast<QLabel*>(GetDlgItem(IDC_POSITION1))->setText(m_strPosition1);
    qobject_cast<QLabel*>(GetDlgItem(IDC_POSITION2))->setText(m_strPosition2);
}

void CDistanceCalculator::OnOK()
{
    const Result r = Compute(Edit(IDC_SQUARE1)->text(), Edit(IDC_SQUARE2)->text());
    m_strSquare1 = r.square1;
    m_strSquare2 = r.square2;
    m_strPosition1 = r.position1;
    m_strPosition2 = r.position2;
    m_strHeading = r.heading;
    m_strKilometres = r.kilometres;
    m_strMiles = r.miles;
    if (r.bBothValid) {
        const CRegistry registry;
        registry.WriteString(kSquare1, m_strSquare1);
        registry.WriteString(kSquare2, m_strSquare2);
    }
    // The dialog stays open for the next pair.
    ShowFields();
}
