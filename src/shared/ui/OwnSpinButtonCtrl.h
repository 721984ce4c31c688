#pragma once
// Up-down arrows beside a buddy edit. The control writes the buddy's text
// itself: prefix + (position + offset) scaled, so a spin can show tenths or
// steps of several units while its position stays a small integer.
#include <QBasicTimer>
#include <QPointer>
#include <QWidget>

class COwnSpinButtonCtrl : public QWidget {
    Q_OBJECT
public:
    explicit COwnSpinButtonCtrl(QWidget* parent = nullptr);
    ~COwnSpinButtonCtrl() override;

    void SetBuddy(QWidget* pBuddy);
    QWidget* GetBuddy() const { return m_pBuddy; }
    void SetRange(int nLower, int nUpper);
    void GetRange(int& nLower, int& nUpper) const;
    void SetPos(int nPos);
    int GetPos() const { return m_nPos; }

    void SetPrefix(const QString& strPrefix) { m_strPrefix = strPrefix; }
    void SetScale(int nScale) { m_nScale = nScale; }
    void SetOffset(int nOffset) { m_nOffset = nOffset; }

    // nPos -1 without the notification flag: the current position.
    void UpdateBuddy(int nPos, bool bFromNotification);
    // The control is about to move by nDelta from nPos; answers 0 (allowed).
    int OnDeltaPos(int nPos, int nDelta);
    // One press of an arrow: +1 up, -1 down.
    void Step(bool bUp);

    static QString BuddyText(const QString& strPrefix, int nScale, int nOffset, int nPos);

    QSize sizeHint() const override;

signals:
    // The position changed by the operator's click.
    void positionChanged(int nPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    int Clamp(int nPos) const;

    QString m_strPrefix;
    int m_nScale = 1;
    int m_nOffset = 0;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    QPointer<QWidget> m_pBuddy;
    int m_nPressed = 0; // +1 up arrow held, -1 down arrow held
    QBasicTimer m_repeat;
};
