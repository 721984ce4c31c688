// Property sheets: pages initialised once on first activation, the Apply
// button following the pages' changed flags, the option page's show message
// and the page-selector list turning the sheet.
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/OptionsPage.h"
#include "shared/ui/PageSelectorList.h"
#include "shared/ui/PropertySheet.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class CountingPage : public COptionsPage {
public:
    CountingPage(unsigned id, const QString& caption) : COptionsPage(id)
    {
        setWindowTitle(caption);
        setMinimumSize(200, 120);
    }
    bool OnInitDialog() override
    {
        ++inits;
        return true;
    }
    int inits = 0;
};

class SelectCountingSheet : public CPropertySheet {
public:
    using CPropertySheet::CPropertySheet;
    bool event(QEvent* e) override
    {
        if (CRegisteredEvent::As(e, COptionsPage::SelectMessage())) {
            selects << GetActiveIndex();
            return true;
        }
        return CPropertySheet::event(e);
    }
    QList<int> selects;
};

struct PropertySheetTest : ::testing::Test {
    PropertySheetTest() : sheet(QStringLiteral("Test Sheet"), nullptr, 1)
    {
        for (int i = 0; i < 3; ++i) {
            pages[i] = new CountingPage(100 + unsigned(i), QStringLiteral("Page %1").arg(i));
            sheet.AddPage(pages[i]);
        }
    }
    SelectCountingSheet sheet;
    CountingPage* pages[3];
};
} // namespace

TEST_F(PropertySheetTest, PagesInitialiseOnceWhenFirstActivatedAndTheStartPageComesFirst)
{
    EXPECT_EQ(pages[0]->inits + pages[1]->inits + pages[2]->inits, 0);
    sheet.show();
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(pages[1]->inits, 1);
    EXPECT_TRUE(pages[1]->IsInitialised());
    EXPECT_FALSE(pages[2]->IsInitialised());
    sheet.GetTabControl()->setCurrentIndex(2);  // as a tab click does
    sheet.SetActivePage(1);
    sheet.SetActivePage(2);
    EXPECT_EQ(pages[2]->inits, 1);
    EXPECT_EQ(pages[1]->inits, 1);
    EXPECT_FALSE(sheet.SetActivePage(3));
    EXPECT_EQ(sheet.GetPage(2), pages[2]);
    EXPECT_EQ(sheet.GetPageIndex(pages[0]), 0);
}

TEST_F(PropertySheetTest, ApplyIsEnabledWhileAnyPageIsChangedAndApplyClearsEveryPage)
{
    sheet.show();
    auto* apply = qobject_cast<QPushButton*>(sheet.GetDlgItem(CPropertySheet::ID_APPLY_NOW));
    ASSERT_TRUE(apply);
    EXPECT_FALSE(apply->isEnabled());
    pages[0]->SetModified();
    pages[2]->SetModified();
    EXPECT_TRUE(apply->isEnabled());
    pages[0]->SetModified(false);
    EXPECT_TRUE(apply->isEnabled());
    apply->click();
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_FALSE(pages[2]->IsModified());
}

TEST_F(PropertySheetTest, ButtonsEndTheSheetWithTheirIds)
{
    sheet.show();
    qobject_cast<QPushButton*>(sheet.GetDlgItem(platform::IDCANCEL))->click();
    EXPECT_EQ(sheet.result(), platform::IDCANCEL);
    EXPECT_FALSE(sheet.isVisible());
    sheet.show();
    qobject_cast<QPushButton*>(sheet.GetDlgItem(platform::IDOK))->click();
    EXPECT_EQ(sheet.result(), platform::IDOK);
}

TEST_F(PropertySheetTest, AnOptionsPagePostsTheSelectMessageToItsSheetWhenShown)
{
    sheet.show();
    QApplication::processEvents();
    ASSERT_FALSE(sheet.selects.isEmpty());
    EXPECT_EQ(sheet.selects.last(), 1);
    sheet.selects.clear();
    sheet.GetTabControl()->setCurrentIndex(0);
    EXPECT_TRUE(sheet.selects.isEmpty());  // posted, not sent
    QApplication::processEvents();
    EXPECT_EQ(sheet.selects, QList<int>{0});
}

TEST_F(PropertySheetTest, ChoosingAListItemTurnsTheSheetAndKeepsTheFocusInTheList)
{
    auto* list = new CPageSelectorList(&sheet);
    sheet.show();
    for (int i = 0; i < 3; ++i) {
        list->SetItemData(list->AddString(QStringLiteral("Page %1").arg(i)), i);
        list->SetItemData(list->AddString(QStringLiteral("    keyword")), i);
    }
    list->setGeometry(0, 0, 150, 200);
    list->SetCurSel(0);  // from code: the sheet stays
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    QApplication::setActiveWindow(&sheet);
    list->setCurrentRow(5);  // as the operator's click or arrow key does
    EXPECT_EQ(sheet.GetActiveIndex(), 2);
    EXPECT_EQ(list->GetCurSel(), 5);
    EXPECT_TRUE(list->hasFocus() || QApplication::focusWidget() == list);
    EXPECT_EQ(list->GetItemData(5), 2);
    EXPECT_EQ(list->GetItemData(99), -1);
}
