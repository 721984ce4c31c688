#include "brevio/core/SplashWindow.h"

#include "shared/ui/FadeWindow.h"
#include "shared/VersionInfo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace {
bool g_bEnabled = false;
CSplashWindow* g_pSplash = nullptr;

QImage SplashPicture()
{
    // Our own picture: the product name on a dark blue ground.
    QImage image(360, 200, QImage::Format_RGB32);
    image.fill(QColor(16, 32, 96));
    QPainter p(&image);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPointSize(20);
    font.setBold(true);
    p.setFont(font);
    p.drawText(image.rect(), Qt::AlignCenter, CVersionInfo().GetProductName());
    return image;
}
} // namespace

void CSplashWindow::EnableSplashScreen(bool bEnable)
{
    g_bEnabled = bEnable;
}

CSplashWindow* CSplashWindow::Current()
{
    return g_pSplash;
}

void CSplashWindow::ShowSplashScreen(QWidget* pParent)
{
    if (!g_bEnabled || g_pSplash)
        return;
    g_pSplash = new CSplashWindow(pParent ? pParent->window() : nullptr);
    g_pSplash->show();
    g_pSplash->repaint();
}

void CSplashWindow::HideSplashScreen()
{
    if (g_pSplash) {
        g_pSplash->deleteLater();
        g_pSplash->hide();
    }
}

CSplashWindow::CSplashWindow(QWidget* pParent)
    : QWidget(pParent, Qt::SplashScreen | Qt::FramelessWindowHint), m_bitmap(SplashPicture())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_bitmap.size());
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_timer.start(2000, this);
    qApp->installEventFilter(this);
}

CSplashWindow::~CSplashWindow()
{
    qApp->removeEventFilter(this);
    if (g_pSplash == this)
        g_pSplash = nullptr;
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, m_bitmap);
}

void CSplashWindow::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId())
        return;
    m_timer.stop();
    new CFadeWindow(this, 1000, 255);
    hide();
}

bool CSplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    Q_UNUSED(watched);
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        // The first key or click only takes the splash away.
        if (isVisible()) {
            hide();
            return true;
        }
        return false;
    default:
        return false;
    }
}
