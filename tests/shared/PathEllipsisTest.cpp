#include "shared/ui/PathEllipsis.h"

#include "shared/ui/ColourStatic.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(PathEllipsis, LongPathsAreShortenedInTheMiddleWithoutWideningTheLabel)
{
    QLabel label;
    SetPathEllipsis(&label);
    EXPECT_TRUE(HasPathEllipsis(&label));
    const QString path = "/home/operator/.local/share/QT9XVK/FT-817 Corvane/clones/FT-817 Cloned Memory Data.txt";
    label.setText(path);
    EXPECT_EQ(label.sizePolicy().horizontalPolicy(), QSizePolicy::Ignored);
    label.resize(160, 20);
    // What is painted: the ends of the path with an ellipsis between.
    const QString shown = label.fontMetrics().elidedText(path, Qt::ElideMiddle, label.contentsRect().width());
    EXPECT_TRUE(shown.startsWith("/home"));
    EXPECT_TRUE(shown.endsWith(".txt"));
    EXPECT_TRUE(shown.contains(QChar(0x2026)));
    EXPECT_FALSE(label.grab().isNull());
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
