#include "brevio/tools/GridCalculator.h"

#include "brevio/core/Locator.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"
#include "shared/ui/OwnComboBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <cmath>

namespace {
const char* const kValueNames[6] = {"CGridCalculator::m_strLat1", "CGridCalculator::m_strLat2",
                                    "CGridCalculator::m_strLat3", "CGridCalculator::m_strLon1",
                                    "CGridCalculator::m_strLon2", "CGridCalculator::m_strLon3"};
const int kEditIds[6] = {CGridCalculator::IDC_LAT1, CGridCalculator::IDC_LAT2, CGridCalculator::IDC_LAT3,
                         CGridCalculator::IDC_LON1, CGridCalculator::IDC_LON2, CGridCalculator::IDC_LON3};

// A field of digits (none reads 0); anything else is not a number.
bool ReadDigits(const QString& strText, int& nValue)
{
    const QString t = strText.trimmed();
    nValue = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        nValue = nValue * 10 + (c.unicode() - '0');
        if (nValue > 100000)
            return false;
    }
    return true;
}

// Degrees, minutes and seconds within their limits, as decimal degrees.
bool ReadAngle(const QString (&parts)[3], int nMaxDegrees, double& dDegrees)
{
    int d = 0, m = 0, s = 0;
    if (!ReadDigits(parts[0], d) || !ReadDigits(parts[1], m) || !ReadDigits(parts[2], s))
        return false;
    if (d > nMaxDegrees || m > 60 || s > 60)
        return false;
    dDegrees = d + (m + s / 60.0) / 60.0;
    return true;
}
} // namespace

QString CGridCalculator::Compute(Input& input)
{
    for (QString* part : {&input.lat[1], &input.lat[2], &input.lon[1], &input.lon[2]})
        if (part->size() < 2)
            *part = part->rightJustified(2, QLatin1Char('0'));
    double lat = 0, lon = 0;
    if (!ReadAngle(input.lat, 90, lat))
        return QStringLiteral("Latitude: invalid");
    if (!ReadAngle(input.lon, 180, lon))
        return QStringLiteral("Longitude: invalid");
    if (input.bSouth)
        lat = -lat;
    if (input.bEast)
        lon = -lon;
    // The pole and the far edge of the map (90 degrees, 180 degrees with
    // minutes) lie outside the locator alphabet.
    const QString locator = LatLongToLocator(lon, lat);
    return IsValidLocator(locator) ? locator : QStringLiteral("Error");
}

CGridCalculator::CGridCalculator(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    SetFixedFrame();
    SetPersistGeometry(false);
    setWindowTitle(QStringLiteral("Grid Square Calculator"));
    setModal(false);
    resize(330, 176);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    const char* const rowLabels[2] = {"Latitude:", "Longitude:"};
    const int widths[3] = {3, 2, 2};
    for (int row = 0; row < 2; ++row) {
        const int y = 12 + 32 * row;
        auto* label = new QLabel(QString::fromLatin1(rowLabels[row]), this);
        label->setGeometry(10, y, 76, 22);
        int x = 90;
        for (int i = 0; i < 3; ++i) {
            auto* edit = new QLineEdit(this);
            SetDlgCtrlID(edit, unsigned(kEditIds[3 * row + i]));
            edit->setMaxLength(widths[i]);
            edit->setValidator(digits);
            edit->setGeometry(x, y, i == 0 ? 40 : 32, 22);
            x += i == 0 ? 44 : 36;
            auto* unit = new QLabel(i == 0 ? QStringLiteral("\u00B0") : i == 1 ? QStringLiteral("'") : QStringLiteral("\""),
                                    this);
            unit->setGeometry(x, y, 10, 22);
            x += 12;
        }
        auto* combo = new COwnComboBox(this);
        SetDlgCtrlID(combo, row == 0 ? IDC_NS : IDC_WE);
        combo->setGeometry(x + 4, y, 50, 22);
    }
    auto* resultLabel = new QLabel(QStringLiteral("Grid square:"), this);
    resultLabel->setGeometry(10, 88, 80, 22);
    auto* result = new QLineEdit(this);
    SetDlgCtrlID(result, IDC_RESULT);
    result->setReadOnly(true);
    result->setGeometry(90, 88, 130, 22);
    auto* compute = new QPushButton(QStringLiteral("Compute"), this);
    SetDlgCtrlID(compute, 1);
    compute->setDefault(true);
    compute->setGeometry(160, 136, 76, 28);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);
    cancel->setGeometry(244, 136, 76, 28);
    connect(compute, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

CGridCalculator::~CGridCalculator() = default;

QLineEdit* CGridCalculator::Edit(int nId) const
{
    return qobject_cast<QLineEdit*>(GetDlgItem(unsigned(nId)));
}

COwnComboBox* CGridCalculator::Combo(int nId) const
{
    return qobject_cast<COwnComboBox*>(GetDlgItem(unsigned(nId)));
}

bool CGridCalculator::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const CRegistry registry;
    for (int i = 0; i < 6; ++i)
        Edit(kEditIds[i])->setText(registry.GetString(QString::fromLatin1(kValueNames[i])));
    Combo(IDC_NS)->AddStrings({QStringLiteral("N"), QStringLiteral("S")});
    Combo(IDC_WE)->AddStrings({QStringLiteral("W"), QStringLiteral("E")});
    Combo(IDC_NS)->SetCurSel(0);
    Combo(IDC_WE)->SetCurSel(0);
    const QImage icon = artwork::icon(221);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    return true;
}

void CGridCalculator::showEvent(QShowEvent* event)
{
    CBaseDialog::showEvent(event);
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        QRect r = frameGeometry();
        r.moveCenter(area.center());
        move(r.topLeft());
    }
}

void CGridCalculator::OnOK()
{
    Input input;
    for (int i = 0; i < 3; ++i) {
        input.lat[i] = Edit(kEditIds[i])->text();
        input.lon[i] = Edit(kEditIds[3 + i])->text();
    }
    input.bSouth = Combo(IDC_NS)->GetCurSel() == 1;
    input.bEast = Combo(IDC_WE)->GetCurSel() == 1;
    const QString result = Compute(input);
    const CRegistry registry;
    for (int i = 0; i < 3; ++i) {
        Edit(kEditIds[i])->setText(input.lat[i]);
        Edit(kEditIds[3 + i])->setText(input.lon[i]);
        registry.WriteString(QString::fromLatin1(kValueNames[i]), input.lat[i]);
        registry.WriteString(QString::fromLatin1(kValueNames[3 + i]), input.lon[i]);
    }
    Edit(IDC_RESULT)->setText(result);
}
