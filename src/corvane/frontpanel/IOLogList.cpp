#include "corvane/frontpanel/IOLogList.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTimerEvent>
#include <algorithm>

namespace {
std::function<QTime()>& rowClock()
{
    static std::function<QTime()> c;
    return c;
}
const char* const kTitles[4] = {"Time", "Send", "Recv", "Comment"};
const int kWidths[4] = {150, 100, 100, 300};
} // namespace

CIOLogModel::CIOLogModel(QObject* parent) : QAbstractTableModel(parent) {}

CIOLogModel::~CIOLogModel() = default;

int CIOLogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CIOLogModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant CIOLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const Row& r = m_rows[size_t(index.row())];
    // A comment wider than its column is cut off on screen; its tip shows it whole.
    if (role == Qt::ToolTipRole)
        return index.column() == 3 && !r.strComment.isEmpty() ? QVariant(r.strComment) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0: return r.strTime;
    case 1: return r.strSent;
    case 2: return r.strReceived;
    case 3: return r.strComment;
    default: return {};
    }
}

QVariant CIOLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < 4)
        return QString::fromLatin1(kTitles[section]);
    return {};
}

void CIOLogModel::Append(Row row)
{
    const int n = int(m_rows.size());
    beginInsertRows(QModelIndex(), n, n);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

void CIOLogModel::Trim()
{
    const int excess = int(m_rows.size()) - kMaxRows;
    if (excess <= 0)
        return;
    beginRemoveRows(QModelIndex(), 0, excess - 1);
    m_rows.erase(m_rows.begin(), m_rows.begin() + excess);
    endRemoveRows();
}

QString CIOLogModel::FormatBytes(const uint8_t* bytes, int count)
{
    QString text;
    if (!bytes)
        return text;
    for (int i = 0; i < count; ++i) {
        if (i)
            text += QLatin1Char(' ');
        text += QString::asprintf("%02X", bytes[i]);
    }
    return text;
}

QString CIOLogModel::FormatTime(const QTime& time)
{
    return QString::asprintf("%02d:%02d:%02d.%03u", time.hour(), time.minute(), time.second(), unsigned(time.msec()));
}

void CIOLogList::SetClock(std::function<QTime()> c)
{
    rowClock() = std::move(c);
}

CIOLogList::CIOLogList(QWidget* parent) : QTreeView(parent), m_model(new CIOLogModel(this))
{
    setModel(m_model);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    SizeColumns();
}

void CIOLogList::SizeColumns()
{
    // The widths were chosen for a narrow system font; a frame is five bytes
    // and each of them counts, so the byte columns grow with the font rather
    // than cut a frame short.
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 6;
    const int frame = QFontMetrics(font()).horizontalAdvance(QStringLiteral("00 00 00 00 00")) + margin;
    for (int i = 0; i < 4; ++i)
        setColumnWidth(i, i == 1 || i == 2 ? std::max(kWidths[i], frame) : kWidths[i]);
}

void CIOLogList::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        SizeColumns();
}

CIOLogList::~CIOLogList() = default;

void CIOLogList::AddEntry(const uint8_t* sent, int sentCount, const uint8_t* received, int receivedCount,
                          const QString& strComment)
{
    CIOLogModel::Row row;
    row.strSent = CIOLogModel::FormatBytes(sent, sentCount);
    row.strReceived = CIOLogModel::FormatBytes(received, receivedCount);
    row.strTime = CIOLogModel::FormatTime(rowClock() ? rowClock()() : QTime::currentTime());
    row.strComment = strComment;
    m_model->Append(std::move(row));
    m_timer.start(100, this);
}

void CIOLogList::OnTimer()
{
    m_timer.stop();
    m_model->Trim();
    scrollToBottom();
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    viewport()->repaint();
}

void CIOLogList::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId()) {
        OnTimer();
        return;
    }
    QTreeView::timerEvent(event);
}
