#pragma once
// A tip window shaped as a rounded balloon: it shows a text, and an icon
// when one is given, for registered windows while the mouse rests on them.
// The owner passes the mouse messages of its windows to RelayEvent.
#include <QEvent>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QMouseEvent;

class CBalloonTip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDelay = 500;          // ms from a request to the balloon
    static constexpr int kShowTimer = 100;
    static constexpr int kWatchTimer = 101;
    static constexpr int kWatchInterval = 500;  // ms between checks that the mouse rests

    CBalloonTip();
    ~CBalloonTip() override;

    bool Create(QWidget* pParent);
    void AddTool(QWidget* pWindow, const QString& strText, const QImage& icon = QImage());
    void RemoveTool(QWidget* pWindow);
    // A mouse message of one of the owner's windows, at its screen position.
    void RelayEvent(QEvent::Type type, const QPoint& globalPos);
    void RelayEvent(const QMouseEvent* pEvent);
    // Requests the balloon for the text at the point (none: the cursor's).
    void Show(const QString& strText, const QPoint* pPoint = nullptr);
    void Hide();

    const QString& GetText() const { return m_strText; }
    QPoint GetPoint() const { return m_point; }
    int GetTimerId() const { return m_nTimerId; }
    bool IsShowPending() const { return m_show.isActive(); }
    // The balloon's size for its text and icon.
    QSize OutlineSize() const;

    // Where the mouse is (tests put their own).
    static void SetCursorSource(std::function<QPoint()> source);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Tool {
        QString text;
        QImage icon;
    };
    static QPoint CursorPos();
    void OnShowTimer();
    void OnWatchTimer();
    QSize IconSize() const;

    QPoint m_point;
    QString m_strText;
    QImage m_icon;
    QFont m_font;
    QHash<QWidget*, Tool> m_tools;
    QTimer m_show;
    QTimer m_watch;
    int m_nTimerId = 0;
};
