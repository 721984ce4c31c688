#include "shared/ui/PathEllipsis.h"

#include "shared/ui/ColourStatic.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// Pixels of two pictures of one size that differ.
int Differences(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height();
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}
} // namespace

TEST(PathEllipsis, LongPathsAreShortenedInTheMiddleWithoutWideningTheLabel)
{
    QLabel label;
    SetPathEllipsis(&label);
    EXPECT_TRUE(HasPathEllipsis(&label));
    const QString path = "/home/operator/.local/share/QT9XVK/FT-817 Corvane/clones/FT-817 Cloned Memory Data.txt";
    label.setText(path);
    EXPECT_EQ(label.sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
    label.resize(160, 20);
    // What is painted: the ends of the path with an ellipsis between, as a
    // plain label of the same size shows the shortened text, not the start
    // of the whole path cut off at the edge.
    const QString shortened = label.fontMetrics().elidedText(path, Qt::ElideMiddle, label.contentsRect().width());
    ASSERT_TRUE(shortened.startsWith("/home") && shortened.endsWith(".txt") && shortened.contains(QChar(0x2026)));
    const auto plain = [&label](const QString& text) {
        QLabel other;
        other.setFont(label.font());
        other.setAlignment(label.alignment());
        other.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        other.setText(text);
        other.resize(label.size());
        return other.grab().toImage();
    };
    const QImage painted = label.grab().toImage();
    const QImage asShortened = plain(shortened);
    const QImage asWhole = plain(path);
    ASSERT_GT(Differences(asShortened, asWhole), 0) << "the two texts look alike";
    EXPECT_LT(Differences(painted, asShortened), Differences(painted, asWhole) / 4)
        << "the label does not show the shortened path";
    // Only labels take the style.
    QPushButton button;
    SetPathEllipsis(&button);
    EXPECT_FALSE(HasPathEllipsis(&button));
}

TEST(PathEllipsis, ColourLabelKeepsItsColoursBehindTheShortenedPath)
{
    CColourStatic label;
    label.SetColours(RGB(0, 0, 128), RGB(255, 255, 255));
    SetPathEllipsis(&label);
    label.resize(160, 20);
    label.setText(QString());
    const QImage empty = label.grab().toImage();
    EXPECT_EQ(empty.pixelColor(80, 10), QColor(0, 0, 128));
    label.setText(QStringLiteral("/home/operator/.local/share/QT9XVK/PSK31 Brevio/logs/a long file name.adi"));
    const QImage shown = label.grab().toImage();
    bool anyText = false;
    for (int x = 0; x < shown.width(); ++x)
        for (int y = 0; y < shown.height(); ++y)
            anyText = anyText || shown.pixelColor(x, y).red() > 128;
    EXPECT_TRUE(anyText);
    EXPECT_EQ(shown.pixelColor(159, 0), QColor(0, 0, 128));
}
