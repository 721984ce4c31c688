#include "corvane/frontpanel/VfoStatic.h"

#include "corvane/core/FieldDecoders.h"
#include "corvane/core/Settings.h"
#include "shared/WinTypes.h"

#include <QMouseEvent>
#include <QPainter>

CVfoStatic::CVfoStatic(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CVfoStatic::~CVfoStatic() = default;

void CVfoStatic::SetValues(int nVfo, const uint8_t f[4], uint8_t nMode)
{
    const uint32_t tens = (uint32_t(f[0]) << 24) | (uint32_t(f[1]) << 16) | (uint32_t(f[2]) << 8) | f[3];
    const uint32_t hz = uint32_t(uint64_t(tens) * 10);
    if (hz == m_nFrequency && nMode == m_nMode && nVfo == m_nVfo)
        return;
    m_nFrequency = hz;
    m_nMode = nMode;
    m_nVfo = nVfo;
    ++m_nInvalidations;
    update();
}

QString CVfoStatic::FormatFrequency(uint32_t nHz)
{
    const QString field =
        nHz == 0 ? QStringLiteral("        ") : QString::asprintf("%8u", nHz / 10);
    const int n = int(field.size());
    return field.left(n - 5) + QLatin1Char('.') + field.mid(n - 5, 3) + QLatin1Char('.') + field.right(2);
}

QString CVfoStatic::LabelText() const
{
    return m_nVfo == 1 ? QStringLiteral("VFOb") : QStringLiteral("VFOa");
}

QString CVfoStatic::ModeText() const
{
    return EepromModeText(m_nMode).GetText();
}

void CVfoStatic::paintEvent(QPaintEvent*)
{
    if (!m_pFrequencyFont) {
        m_pFrequencyFont = std::make_unique<QFont>(QStringLiteral("Courier"), m_bLargePanel ? 12 : 10);
        m_pFrequencyFont->setStyleHint(QFont::TypeWriter);
        m_pLabelFont = std::make_unique<QFont>(QStringLiteral("Microsoft Sans Serif"), m_bLargePanel ? 10 : 8);
    }
    const CSettings& s = GetSettings();
    QPainter p(this);
    p.fillRect(rect(), toQColor(s.m_colFreqBackground));
    p.setPen(toQColor(s.m_colFreqForeground));
    const QRect text = rect().adjusted(4, 0, -4, 0);
    p.setFont(*m_pLabelFont);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, LabelText());
    p.setFont(*m_pFrequencyFont);
    p.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, FrequencyText());
    p.setFont(*m_pLabelFont);
    p.drawText(text, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, ModeText());
}

void CVfoStatic::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit enterFrequencyRequested(m_nFrequency);
}
