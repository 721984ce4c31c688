// The image operations of COXBitmapButton: loading the normal image from
// our artwork and building the gray and disabled images once, at load time.
#include "shared/buttons/OXBitmapButton.h"

#include "shared/artwork/Artwork.h"
#include "shared/buttons/ButtonImages.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>
#include <QTimer>

bool COXBitmapButton::BuildImageList(const QImage& source, COLORREF mask, bool colourTable)
{
    m_images.clear();
    m_palette.clear();
    if (source.isNull())
        return false;
    if (colourTable && source.depth() <= 8)
        m_palette = source.colorTable();
    const QImage normal = ButtonImages::ApplyMask(source, mask);
    m_images.push_back(normal);
    // No colour table (more than 8 bits per pixel): no gray image, and the
    // disabled image moves up to index 1.
    QImage gray = source;
    if (ButtonImages::GrayPalette(gray, mask))
        m_images.push_back(ButtonImages::ApplyMask(gray, mask));
    const QPalette pal = QApplication::palette();
    m_images.push_back(ButtonImages::MakeDisabledImage(normal, toQColor(ButtonFaceColour()),
                                                       pal.color(QPalette::Light), pal.color(QPalette::Dark)));
    CloseAnimation();
    return true;
}

bool COXBitmapButton::LoadBitmap(const QString& resourceName, bool resize, COLORREF mask)
{
    m_images.clear();
    m_palette.clear();
    const bool ok = BuildImageList(artwork::bitmap(resourceName), mask, true);
    if (ok && resize)
        SizeToContent();
    updateGeometry();
    update();
    return ok;
}

bool COXBitmapButton::LoadBitmapResource(int resourceId, bool resize, COLORREF mask)
{
    return LoadBitmap(QString::number(resourceId), resize, mask);
}

bool COXBitmapButton::ReplaceImage(int index, const QImage& image)
{
    if (image.isNull() || index < 0 || index >= int(m_images.size()))
        return false;
    const QSize size = m_images.front().size();
    m_images[size_t(index)] =
        image.size() == size ? image : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
    return true;
}

bool COXBitmapButton::LoadInactiveBitmap(const QString& resourceName)
{
    if (m_images.empty())
        return false;
    return ReplaceImage(1, ButtonImages::ApplyMask(artwork::bitmap(resourceName), CLR_NOMASK));
}

bool COXBitmapButton::LoadDisabledBitmap(const QString& resourceName)
{
    if (m_images.empty())
        return false;
    return ReplaceImage(2, ButtonImages::ApplyMask(artwork::bitmap(resourceName), CLR_NOMASK));
}

QSize COXBitmapButton::IconSize(int width, int height) const
{
    const int system = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    return {width > 0 ? width : system, height > 0 ? height : system};
}

bool COXBitmapButton::LoadIcon(const QString& resourceName, bool resize, int width, int height)
{
    m_images.clear();
    m_palette.clear();
    const bool ok = BuildImageList(artwork::icon(resourceName, IconSize(width, height)), CLR_NOMASK, true);
    if (ok && resize)
        SizeToContent();
    updateGeometry();
    update();
    return ok;
}

bool COXBitmapButton::LoadInactiveIcon(const QString& resourceName, int width, int height)
{
    return ReplaceImage(1, artwork::icon(resourceName, IconSize(width, height)));
}

bool COXBitmapButton::LoadDisabledIcon(const QString& resourceName, int width, int height)
{
    return ReplaceImage(2, artwork::icon(resourceName, IconSize(width, height)));
}

bool COXBitmapButton::LoadAnimation(int resourceId, const QString& resourceName, bool resize)
{
    artwork::Clip clip;
    const bool found = resourceName.isEmpty() ? artwork::clip(resourceId, &clip) : artwork::clip(resourceName, &clip);
    if (m_pAnimationTimer)
        m_pAnimationTimer->stop();
    m_bAnimationPlaying = false;
    if (!found || clip.frameCount <= 0) {
        CloseAnimation();
        return false;
    }
    if (!m_pAnimation) {
        m_pAnimation = new QLabel(this);
        // The clip is only a picture: clicks and hovering belong to the button.
        m_pAnimation->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_pAnimationTimer = new QTimer(this);
        connect(m_pAnimationTimer, &QTimer::timeout, this, [this] {
            if (++m_nAnimationFrame >= m_nAnimationFrames) {
                m_pAnimationTimer->stop(); // played once: rests on the last frame
                return;
            }
            m_pAnimation->setPixmap(QPixmap::fromImage(
                m_animationStrip.copy(m_nAnimationFrame * m_pAnimation->width(), 0, m_pAnimation->width(),
                                      m_pAnimation->height())));
        });
    }
    m_animationStrip = clip.strip;
    m_nAnimationFrames = clip.frameCount;
    m_nAnimationFrame = 0;
    m_pAnimationTimer->setInterval(qMax(1, 1000 / qMax(1, clip.framesPerSecond)));
    const QImage first = clip.frame(0);
    m_pAnimation->resize(first.size());
    m_pAnimation->setPixmap(QPixmap::fromImage(first));
    m_pAnimation->show();
    m_images.clear();
    m_palette.clear();
    if (resize)
        SizeToContent();
    updateGeometry();
    update();
    return true;
}

void COXBitmapButton::PlayAnimation()
{
    if (!m_pAnimation || m_nAnimationFrames <= 0)
        return;
    m_nAnimationFrame = 0;
    m_pAnimation->setPixmap(QPixmap::fromImage(
        m_animationStrip.copy(0, 0, m_pAnimation->width(), m_pAnimation->height())));
    if (m_nAnimationFrames > 1)
        m_pAnimationTimer->start();
}

void COXBitmapButton::CloseAnimation()
{
    delete m_pAnimation;
    m_pAnimation = nullptr;
    delete m_pAnimationTimer;
    m_pAnimationTimer = nullptr;
    m_animationStrip = QImage();
    m_nAnimationFrames = 0;
    m_bAnimationPlaying = false;
}

bool COXBitmapButton::RemoveImage(bool resize)
{
    CloseAnimation();
    m_images.clear();
    m_palette.clear();
    if (resize)
        SizeToContent();
    updateGeometry();
    update();
    return true;
}
