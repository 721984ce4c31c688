#pragma once
// The front panel's clock: the time in GMT, UTC or local time in one of ten
// formats; a click shows the other of local time and UTC for three seconds.
#include <QBasicTimer>
#include <QDateTime>
#include <QFont>
#include <QWidget>
#include <functional>

class CClockStatic : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTickTimerId = 100;
    static constexpr int kAlternateTimerId = 101;
    static const char* const kFormats[10];

    explicit CClockStatic(QWidget* parent = nullptr, bool bLarge = false);
    ~CClockStatic() override;

    // The text for a moment: zone 0 GMT, 1 UTC, 2 local (taken modulo 3),
    // with the alternate view swapping local and UTC.
    static QString FormatTime(const QDateTime& when, int nZone, int nFormat, bool bAlternate);
    // Shortened to fit: local time keeps its last word, UTC and GMT the last two.
    static QString Shorten(const QString& strText, int nZone, bool bAlternate);
    static int EffectiveZone(int nZone, bool bAlternate);

    QString LastText() const { return m_strShown; }
    bool IsAlternateShown() const { return m_bAlternate; }
    // Tests set the clock.
    void SetTimeSource(std::function<QDateTime()> source) { m_now = std::move(source); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool m_bAlternate = false;
    std::unique_ptr<QFont> m_pFont;
    QDateTime m_lastShown;
    int m_nLastWidth = -1;
    bool m_bLarge;
    QString m_strShown;
    QBasicTimer m_tick;
    QBasicTimer m_alternate;
    std::function<QDateTime()> m_now;
};
