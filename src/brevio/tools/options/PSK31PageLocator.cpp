#include "brevio/tools/options/PSK31PageLocator.h"

#include "brevio/core/Locator.h"
#include "brevio/core/LocatorValidator.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
const QString kLocatorInvalid = QStringLiteral("Locator: invalid");
} // namespace

CPSK31PageLocator::CPSK31PageLocator(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Locator Square"), parent)
{
    QGroupBox* own = MakeGroup(this, QStringLiteral("Own Locator"));
    m_pLatDeg = MakeNumberEdit(own, IDC_LAT_DEG, 3);
    m_pLatMin = MakeNumberEdit(own, IDC_LAT_MIN, 2);
    m_pLatSec = MakeNumberEdit(own, IDC_LAT_SEC, 2);
    m_pLonDeg = MakeNumberEdit(own, IDC_LON_DEG, 3);
    m_pLonMin = MakeNumberEdit(own, IDC_LON_MIN, 2);
    m_pLonSec = MakeNumberEdit(own, IDC_LON_SEC, 2);
    auto makeList = [&](unsigned nId, const char* a, const char* b) {
        auto* list = new QComboBox(own);
        SetDlgCtrlID(list, nId);
        list->addItem(QString::fromLatin1(a));
        list->addItem(QString::fromLatin1(b));
        list->setCurrentIndex(0);
        // Choosing applies the page, although the choice itself is not kept.
        connect(list, &QComboBox::activated, this, [this] { NotifyOptionChanged(); });
        return list;
    };
    m_pLatHemisphere = makeList(IDC_LAT_HEMISPHERE, "N", "S");
    m_pLonSide = makeList(IDC_LON_SIDE, "W", "E");
    QPushButton* compute = MakeButton(own, QStringLiteral("&Compute"), IDC_COMPUTE);
    connect(compute, &QPushButton::clicked, this, [this] { OnCompute(); });
    m_pStatus = MakeLabel(own, QString(), IDC_STATUS);
    m_pStatus->setAlignment(Qt::AlignCenter);
    m_pStatus->setMinimumWidth(120);
    m_pLocator = new QLineEdit(own);
    SetDlgCtrlID(m_pLocator, IDC_LOCATOR);
    m_pLocator->setMaxLength(6);
    m_pLocator->setFixedWidth(70);
    // Only what can become a locator is typed; only a whole one is stored.
    m_pLocator->setValidator(new CLocatorValidator(m_pLocator));
    connect(m_pLocator, &QLineEdit::textEdited, this, [this](const QString& text) {
        // Typed in upper case whatever the keyboard gives.
        if (text != text.toUpper()) {
            const int pos = m_pLocator->cursorPosition();
            SetText(m_pLocator, text.toUpper());
            m_pLocator->setCursorPosition(pos);
        }
        NotifyOptionChanged();
    });
    auto* ownLayout = new QGridLayout(own);
    auto addPosition = [&](int row, const QString& title, QLineEdit* deg, QLineEdit* min, QLineEdit* sec,
                           QComboBox* list) {
        ownLayout->addWidget(MakeLabel(own, title), row, 0);
        ownLayout->addWidget(deg, row, 1);
        ownLayout->addWidget(MakeLabel(own, QStringLiteral("\u00b0")), row, 2);
        ownLayout->addWidget(min, row, 3);
        ownLayout->addWidget(MakeLabel(own, QStringLiteral("m")), row, 4);
        ownLayout->addWidget(sec, row, 5);
        ownLayout->addWidget(MakeLabel(own, QStringLiteral("s")), row, 6);
        ownLayout->addWidget(list, row, 7);
    };
    addPosition(0, QStringLiteral("Latitude:"), m_pLatDeg, m_pLatMin, m_pLatSec, m_pLatHemisphere);
    addPosition(1, QStringLiteral("Longitude:"), m_pLonDeg, m_pLonMin, m_pLonSec, m_pLonSide);
    ownLayout->addWidget(compute, 2, 1, 1, 3);
    ownLayout->addWidget(m_pStatus, 2, 4, 1, 4);
    ownLayout->addWidget(MakeLabel(own, QStringLiteral("Locator:")), 3, 0);
    ownLayout->addWidget(m_pLocator, 3, 1, 1, 3);
    ownLayout->setColumnStretch(8, 1);

    QGroupBox* insert = MakeGroup(this, QStringLiteral("Automatic insert"));
    m_pSuperHeading = MakeCheck(insert, QStringLiteral("Heading"), IDC_SUPER_HEADING);
    m_pSuperDistance = MakeCheck(insert, QStringLiteral("Distance"), IDC_SUPER_DISTANCE);
    m_pChannelHeading = MakeCheck(insert, QStringLiteral("Heading"), IDC_CHANNEL_HEADING);
    m_pChannelDistance = MakeCheck(insert, QStringLiteral("Distance"), IDC_CHANNEL_DISTANCE);
    auto* insertLayout = new QGridLayout(insert);
    insertLayout->addWidget(MakeLabel(insert, QStringLiteral("Super Browser:")), 0, 0);
    insertLayout->addWidget(m_pSuperHeading, 0, 1);
    insertLayout->addWidget(m_pSuperDistance, 0, 2);
    insertLayout->addWidget(MakeLabel(insert, QStringLiteral("Channels 1 - 9:")), 1, 0);
    insertLayout->addWidget(m_pChannelHeading, 1, 1);
    insertLayout->addWidget(m_pChannelDistance, 1, 2);

    QGroupBox* preferences = MakeGroup(this, QStringLiteral("Preferences"));
    m_pUnits = MakeRadioGroup();
    auto* prefLayout = new QHBoxLayout(preferences);
    prefLayout->addWidget(MakeLabel(preferences, QStringLiteral("Units:")));
    prefLayout->addWidget(MakeRadio(preferences, m_pUnits, QStringLiteral("Kilometers"), IDC_KILOMETERS, 0));
    prefLayout->addWidget(MakeRadio(preferences, m_pUnits, QStringLiteral("Miles"), IDC_MILES, 1));
    prefLayout->addStretch(1);

    QGroupBox* orbisk = MakeGroup(this, QStringLiteral("Orbisk"));
    m_pOrbisk = MakeCheck(orbisk, QStringLiteral("Send locators to Orbisk"), IDC_ORBISK);
    (new QVBoxLayout(orbisk))->addWidget(m_pOrbisk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(own);
    layout->addWidget(insert);
    auto* row = new QHBoxLayout;
    row->addWidget(preferences);
    row->addWidget(orbisk);
    layout->addLayout(row);
    layout->addStretch(1);
    CheckIndex(m_pUnits, 0);
}

CPSK31PageLocator::~CPSK31PageLocator() = default;

QLineEdit* CPSK31PageLocator::MakeNumberEdit(QWidget* pParent, unsigned nId, int nLength)
{
    auto* edit = new QLineEdit(pParent);
    SetDlgCtrlID(edit, nId);
    edit->setMaxLength(nLength);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setFixedWidth(nLength * 12 + 14);
    return edit;
}

void CPSK31PageLocator::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Automatic insert") << QStringLiteral("Units");
}

void CPSK31PageLocator::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_strLatDeg = m_pLatDeg->text();
        m_strLatMin = m_pLatMin->text();
        m_strLatSec = m_pLatSec->text();
        m_nLatHemisphere = m_pLatHemisphere->currentIndex();
        m_strLonDeg = m_pLonDeg->text();
        m_strLonMin = m_pLonMin->text();
        m_strLonSec = m_pLonSec->text();
        m_nLonSide = m_pLonSide->currentIndex();
        m_strStatus = m_pStatus->text();
        m_strLocator = m_pLocator->text();
        m_bSuperHeading = m_pSuperHeading->isChecked();
        m_bSuperDistance = m_pSuperDistance->isChecked();
        m_bChannelHeading = m_pChannelHeading->isChecked();
        m_bChannelDistance = m_pChannelDistance->isChecked();
        m_nUnits = CheckedIndex(m_pUnits);
        m_bOrbisk = m_pOrbisk->isChecked();
    } else {
        SetText(m_pLatDeg, m_strLatDeg);
        SetText(m_pLatMin, m_strLatMin);
        SetText(m_pLatSec, m_strLatSec);
        m_pLatHemisphere->setCurrentIndex(m_nLatHemisphere);
        SetText(m_pLonDeg, m_strLonDeg);
        SetText(m_pLonMin, m_strLonMin);
        SetText(m_pLonSec, m_strLonSec);
        m_pLonSide->setCurrentIndex(m_nLonSide);
        m_pStatus->setText(m_strStatus);
        // The field keeps upper case even for a value stored otherwise.
        SetText(m_pLocator, m_strLocator.toUpper());
        SetChecked(m_pSuperHeading, m_bSuperHeading);
        SetChecked(m_pSuperDistance, m_bSuperDistance);
        SetChecked(m_pChannelHeading, m_bChannelHeading);
        SetChecked(m_pChannelDistance, m_bChannelDistance);
        CheckIndex(m_pUnits, m_nUnits);
        SetChecked(m_pOrbisk, m_bOrbisk);
    }
}

void CPSK31PageLocator::LoadFromSettings(CPSK31Settings& settings)
{
    UpdateData(true);  // the position fields stay as typed
    m_strLocator = settings.m_strLocator;
    m_bSuperHeading = settings.m_bLocSuperHeading;
    m_bSuperDistance = settings.m_bLocSuperDistance;
    m_bChannelHeading = settings.m_bLocChannelHeading;
    m_bChannelDistance = settings.m_bLocChannelDistance;
    m_nUnits = settings.m_bLocUnits ? 0 : 1;
    m_bOrbisk = settings.m_bLocOrbisk;
    UpdateData(false);
}

void CPSK31PageLocator::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    // A locator still being typed (or not one at all) leaves the stored one
    // as it was, and the status line says so.
    QString locator = m_strLocator;
    if (TakeLocatorEntry(locator)) {
        settings.m_strLocator = locator;
        if (m_pStatus->text() == kLocatorInvalid)
            m_pStatus->clear();
    } else {
        m_pStatus->setText(kLocatorInvalid);
    }
    settings.m_bLocSuperHeading = m_bSuperHeading;
    settings.m_bLocSuperDistance = m_bSuperDistance;
    settings.m_bLocChannelHeading = m_bChannelHeading;
    settings.m_bLocChannelDistance = m_bChannelDistance;
    settings.m_bLocUnits = m_nUnits == 0 ? 1 : 0;
    settings.m_bLocOrbisk = m_bOrbisk;
}

void CPSK31PageLocator::OnCompute()
{
    UpdateData(true);
    PskOptions::LocatorInput input;
    input.latDeg = m_strLatDeg;
    input.latMin = m_strLatMin;
    input.latSec = m_strLatSec;
    input.bSouth = m_nLatHemisphere == 1;
    input.lonDeg = m_strLonDeg;
    input.lonMin = m_strLonMin;
    input.lonSec = m_strLonSec;
    input.bEast = m_nLonSide == 1;
    const PskOptions::LocatorOutcome outcome = PskOptions::ComputeLocator(input);
    m_strLatMin = outcome.latMin;
    m_strLatSec = outcome.latSec;
    m_strLonMin = outcome.lonMin;
    m_strLonSec = outcome.lonSec;
    m_strStatus = outcome.status;
    if (outcome.bComputed)
        m_strLocator = outcome.locator;
    UpdateData(false);
    NotifyOptionChanged();
}
