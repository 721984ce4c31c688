#pragma once
#include <QBasicTimer>
#include <QImage>
#include <QWidget>

// The picture shown over the still hidden main frame while the program
// prepares itself; it fades away after 2 s or at the first key or click.
class CSplashWindow : public QWidget {
    Q_OBJECT
public:
    static void EnableSplashScreen(bool bEnable);
    static void ShowSplashScreen(QWidget* pParent);
    static void HideSplashScreen();
    static CSplashWindow* Current();

protected:
    explicit CSplashWindow(QWidget* pParent);
    ~CSplashWindow() override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage m_bitmap;
    QBasicTimer m_timer;
};
