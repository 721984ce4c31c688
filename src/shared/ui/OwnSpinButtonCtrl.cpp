#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTimerEvent>
#include <algorithm>
#include <cstdlib>

COwnSpinButtonCtrl::COwnSpinButtonCtrl(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

COwnSpinButtonCtrl::~COwnSpinButtonCtrl() = default;

QSize COwnSpinButtonCtrl::sizeHint() const { return {16, 22}; }

void COwnSpinButtonCtrl::SetBuddy(QWidget* pBuddy) { m_pBuddy = pBuddy; }

void COwnSpinButtonCtrl::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
}

void COwnSpinButtonCtrl::GetRange(int& nLower, int& nUpper) const
{
    nLower = m_nLower;
    nUpper = m_nUpper;
}

int COwnSpinButtonCtrl::Clamp(int nPos) const
{
    // A range may be given upside down (up arrow then lowers the value).
    return std::clamp(nPos, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
}

void COwnSpinButtonCtrl::SetPos(int nPos) { m_nPos = Clamp(nPos); }

QString COwnSpinButtonCtrl::BuddyText(const QString& strPrefix, int nScale, int nOffset, int nPos)
{
    const int value = nPos + nOffset;
    if (nScale > 0)
        return QString::asprintf("%s%d", strPrefix.toUtf8().constData(), int(int64_t(nScale) * value));
    if (nScale < 0)
        return QString::asprintf("%s%.1f", strPrefix.toUtf8().constData(), double(value) / std::abs(nScale));
    return QString();
}

void COwnSpinButtonCtrl::UpdateBuddy(int nPos, bool bFromNotification)
{
    if (nPos == -1 && !bFromNotification)
        nPos = int16_t(m_nPos);
    const int remembered = m_nPos;
    m_nPos = nPos;
    const QString text = BuddyText(m_strPrefix, m_nScale, m_nOffset, nPos);
    if (auto* edit = qobject_cast<QLineEdit*>(m_pBuddy.data()))
        edit->setText(text);
    else if (m_pBuddy)
        m_pBuddy->setProperty("text", text);
    m_nPos = remembered;
}

int COwnSpinButtonCtrl::OnDeltaPos(int nPos, int nDelta)
{
    // Held within the range whichever way round it was given.
    UpdateBuddy(Clamp(nPos + nDelta), true);
    return 0;
}

void COwnSpinButtonCtrl::Step(bool bUp)
{
    const int delta = (m_nLower <= m_nUpper) == bUp ? 1 : -1;
    if (OnDeltaPos(m_nPos, delta) != 0)
        return;
    const int newPos = Clamp(m_nPos + delta);
    if (newPos != m_nPos) {
        m_nPos = newPos;
        emit positionChanged(m_nPos);
    }
}

void COwnSpinButtonCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const int half = height() / 2;
    const QRect up(0, 0, width(), half);
    const QRect down(0, half, width(), height() - half);
    for (int i = 0; i < 2; ++i) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = i == 0 ? up : down;
        const bool pressed = (i == 0 && m_nPressed > 0) || (i == 1 && m_nPressed < 0);
        button.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawControl(QStyle::CE_PushButtonBevel, &button, &p, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = button.rect.adjusted(3, 2, -3, -2);
        style()->drawPrimitive(i == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow, &p, this);
    }
}

void COwnSpinButtonCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    m_nPressed = event->position().y() < height() / 2 ? 1 : -1;
    Step(m_nPressed > 0);
    m_repeat.start(400, this);
    update();
}

void COwnSpinButtonCtrl::mouseReleaseEvent(QMouseEvent*)
{
    m_nPressed = 0;
    m_repeat.stop();
    update();
}

void COwnSpinButtonCtrl::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_repeat.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (m_nPressed == 0) {
        m_repeat.stop();
        return;
    }
    m_repeat.start(100, this);
    Step(m_nPressed > 0);
}
