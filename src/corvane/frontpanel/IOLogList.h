#pragma once
// The rows of the I/O log: every CAT exchange the link traces and every line
// the program logs, with the time to the millisecond. Rows go in at once;
// trimming to the newest 5000, scrolling to the end and the repaint happen
// once, 100 ms after the last row of a burst.
#include <QAbstractTableModel>
#include <QBasicTimer>
#include <QByteArray>
#include <QString>
#include <QTime>
#include <QTreeView>
#include <cstdint>
#include <deque>
#include <functional>

class CIOLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kMaxRows = 5000;

    struct Row {
        QString strTime;
        QString strSent;
        QString strReceived;
        QString strComment;
    };

    explicit CIOLogModel(QObject* parent = nullptr);
    ~CIOLogModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void Append(Row row);
    // Drops the oldest rows beyond the limit.
    void Trim();
    const Row& GetRow(int n) const { return m_rows[size_t(n)]; }

    // "00 00 00 00 08": each byte "%02X", one blank between.
    static QString FormatBytes(const uint8_t* bytes, int count);
    // "%H:%M:%S" then ".%03u" milliseconds.
    static QString FormatTime(const QTime& time);

private:
    std::deque<Row> m_rows;
};

class CIOLogList : public QTreeView {
    Q_OBJECT
public:
    explicit CIOLogList(QWidget* parent = nullptr);
    ~CIOLogList() override;

    // Either byte list may be absent (null, count 0).
    void AddEntry(const uint8_t* sent, int sentCount, const uint8_t* received, int receivedCount,
                  const QString& strComment);
    void AddText(const QString& strComment) { AddEntry(nullptr, 0, nullptr, 0, strComment); }

    int GetItemCount() const { return m_model->rowCount(); }
    const CIOLogModel::Row& GetRow(int n) const { return m_model->GetRow(n); }
    CIOLogModel* GetModel() const { return m_model; }
    bool IsTimerPending() const { return m_timer.isActive(); }
    // Timer 100: trims, scrolls to the newest row and repaints.
    void OnTimer();

    // The clock rows are stamped with (tests fix it).
    static void SetClock(std::function<QTime()> clock);

protected:
    void timerEvent(QTimerEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The columns' widths: the Send and Recv columns are at least as wide
    // as a whole five-byte frame in the list's font.
    void SizeColumns();

    CIOLogModel* m_model;
    QBasicTimer m_timer;
};
