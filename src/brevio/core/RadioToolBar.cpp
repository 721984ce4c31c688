#include "brevio/core/RadioToolBar.h"

#include "brevio/core/MessageBroadcast.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/ToolbarPictures.h"
#include "brevio/core/TxMeterStatic.h"
#include "shared/MainWindow.h"
#include "shared/artwork/ToolbarIcons.h"
#include "shared/ui/ColourStatic.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>

namespace {
struct Button {
    int command;
    const char* tip;
};
// In the bar's order; 32812, 117 and 119 become the places of the frequency
// display, the meter and the AGC combo; 0 is a separator.
const Button kButtons[] = {
    {32818, "Favourite Down"}, {32814, "Frequency Down"}, {32812, "Current Frequency"},
    {117, "Change Filter Centre Frequency"}, {32813, "Frequency Up"}, {32817, "Favourite Up"}, {0, nullptr},
    {112, "Start Radio Display"}, {114, "Toggle Preamp"}, {113, "Toggle ATT"}, {116, "Narrow Filter"},
    {118, "Noise Blanker"}, {130, "DIG (Digital) Mode"}, {119, "AGC Setting"},
};
} // namespace

CRadioToolBar::CRadioToolBar(QWidget* parent) : QToolBar(QStringLiteral("Radio"), parent)
{
    setObjectName(QStringLiteral("RadioToolBar"));
}

CRadioToolBar::~CRadioToolBar() = default;

bool CRadioToolBar::Create(QWidget* pParent, int nId)
{
    Q_UNUSED(pParent);
    setProperty("controlId", nId);
    setIconSize(QSize(20, 20));
    for (const Button& b : kButtons) {
        if (b.command == 0) {
            addSeparator();
        } else if (b.command == 32812) {
            m_pFrequency = new CColourStatic(this);
            m_pFrequency->setObjectName(QStringLiteral("111"));
            m_pFrequency->setAlignment(Qt::AlignCenter);
            m_pFrequency->setFixedWidth(120);
            m_pFrequency->SetColours(RGB(0, 0, 0), RGB(0, 255, 0));
            addWidget(m_pFrequency);
        } else if (b.command == 117) {
            m_pMeter = new CTxMeterStatic(this);
            m_pMeter->setObjectName(QStringLiteral("1002"));
            m_pMeter->setProperty("controlId", 1002);
            // The width of the button place it sits on; the height of the bar's buttons.
            m_pMeter->setFixedSize(120, 24);
            addWidget(m_pMeter);
        } else if (b.command == 119) {
            m_pAgcCombo = new QComboBox(this);
            m_pAgcCombo->setObjectName(QStringLiteral("120"));
            const char* const names[] = {"Auto", "Fast", "Slow", "Off"};
            for (int i = 0; i < 4; ++i)
                m_pAgcCombo->addItem(QString::fromLatin1(names[i]), i);
            m_pAgcCombo->setCurrentIndex(0);
            m_pAgcCombo->setFixedSize(65, 20);
            m_pAgcCombo->setToolTip(QString::fromLatin1(b.tip));
            addWidget(m_pAgcCombo);
            connect(m_pAgcCombo, &QComboBox::activated, this,
                    [this](int) { emit AgcChosen(m_pAgcCombo->currentData().toInt()); });
        } else {
            QAction* action = addAction(QString::fromLatin1(b.tip));
            action->setIcon(artwork::toolbarIcon(ToolbarPictureName(b.command)));
            action->setToolTip(QString::fromLatin1(b.tip));
            action->setData(b.command);
            const int command = b.command;
            connect(action, &QAction::triggered, this, [this, command] { emit Command(command); });
            m_actions.append({b.command, action});
        }
    }
    // A tool bar gives its labels the button-text role; this one paints with
    // its own text colour.
    m_pFrequency->setForegroundRole(QPalette::WindowText);
    // The largest bold "Arial" up to 14 points in which " 999.999.999 " fits.
    const QRect inner = QRect(0, 0, 120, 20).adjusted(4, 2, -4, -2);
    for (int points = 14; points >= 6; --points) {
        QFont font(QStringLiteral("Arial"), points, QFont::Bold);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(QStringLiteral(" 999.999.999 ")) < inner.width() &&
            metrics.height() < inner.height()) {
            m_pFrequency->setFont(font);
            m_pMeter->setFont(font);
            break;
        }
    }
    return true;
}

QAction* CRadioToolBar::GetCommandAction(int nCommand) const
{
    for (const auto& a : m_actions)
        if (a.first == nCommand)
            return a.second;
    return nullptr;
}

QString CRadioToolBar::FormatFrequency(unsigned nHz)
{
    if (nHz == 0)
        return QString();
    QString digits = QString::number(nHz);
    QStringList groups;
    while (digits.size() > 3) {
        groups.prepend(digits.right(3));
        digits.chop(3);
    }
    groups.prepend(digits);
    return groups.join(QLatin1Char('.'));
}

QString CRadioToolBar::GetFrequencyText() const
{
    return m_pFrequency ? m_pFrequency->text() : QString();
}

void CRadioToolBar::SetFrequency(int nHz)
{
    if (nHz == m_nLastFrequency)
        return;
    if (nHz != 0) {
        m_strFrequency = FormatFrequency(unsigned(nHz));
        if (m_pFrequency)
            m_pFrequency->setText(m_strFrequency);
    } else {
        m_strFrequency.clear();
        if (m_pFrequency)
            m_pFrequency->setText(QStringLiteral("Radio"));
    }
    m_nLastFrequency = nHz;
    if (CurrentSettings().m_bDisplayRealFrequency)
        SendMessageToDescendants(window(), RegisteredMessage::nMsgOptions, 0, 1, false);
}

void CRadioToolBar::SetAgc(int nIndex)
{
    if (!m_pAgcCombo)
        return;
    if (nIndex == -1) {
        m_pAgcCombo->setEnabled(false);
        return;
    }
    m_pAgcCombo->setEnabled(true);
    if (m_pAgcCombo->view() && m_pAgcCombo->view()->isVisible())
        return;
    const int item = m_pAgcCombo->findData(nIndex);
    if (item >= 0)
        m_pAgcCombo->setCurrentIndex(item);
}

void CRadioToolBar::SetMeter(int nValue, bool bTransmit)
{
    if (!m_bMeterTransmit && !bTransmit && nValue == m_nLastMeter)
        return;
    m_bMeterTransmit = bTransmit;
    m_nLastMeter = nValue;
    ++m_nMeterPaints;
    if (m_pMeter) {
        m_pMeter->SetValue(unsigned(nValue), bTransmit);
        m_pMeter->update();
    }
}
