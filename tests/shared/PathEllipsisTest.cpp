#include "shared/ui/PathEllipsis.h"

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
