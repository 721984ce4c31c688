#include "shared/ui/FocusReturn.h"

#include <QDialog>
#include <QMainWindow>
#include <gtest/gtest.h>

TEST(FocusReturn, KeysGoBackToTheNearestShownOwnerElseTheMainWindow)
{
    CFocusReturn::Install();
    EXPECT_TRUE(CFocusReturn::IsInstalled());
    QMainWindow main;
    main.show();
    QDialog manager(&main);
    manager.show();
    QDialog question(&manager);
    question.show();

    // The question closes: back to the dialog it belongs to.
    EXPECT_EQ(CFocusReturn::ReturnTarget(&manager), &manager);
    // The dialog closed with it: past it to the main window.
    manager.hide();
    EXPECT_EQ(CFocusReturn::ReturnTarget(&manager), &main);
    // A window that belongs to none.
    EXPECT_EQ(CFocusReturn::ReturnTarget(nullptr), &main);
    // A minimised main window takes no keys; none is left to take them.
    main.showMinimized();
    EXPECT_EQ(CFocusReturn::ReturnTarget(&manager), nullptr);
}
