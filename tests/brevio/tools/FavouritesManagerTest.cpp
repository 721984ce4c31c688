// The digital-mode program's Favourites Manager and Favourite dialog: the
// list as the main frame keeps it, new, edit, delete and move, the title
// check, and OK handing the rows back (registry and menu).
#include "ToolsFixture.h"

#include "brevio/core/RadioToolBar.h"
#include "brevio/tools/FavouriteDialog.h"
#include "brevio/tools/FavouritesManagerDialog.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnListCtrl.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace {

class FavouritesManager : public testsupport::ToolsFixture {
protected:
    void SetUp() override
    {
        ToolsFixture::SetUp();
        Frame()->SetFavourites({14070150, 7035150, 3580150},
                               {QStringLiteral("20 m"), QStringLiteral("40 m"), QStringLiteral("80 m")});
    }
    // Opens the manager through the command; the handler works it.
    void Manage(std::function<void(CFavouritesManagerDialog&)> handler)
    {
        Next<CFavouritesManagerDialog>(std::move(handler));
        Frame()->OnCommand(32820);
    }
    static QStringList Rows(const CFavouritesManagerDialog& d)
    {
        QStringList rows;
        for (int r = 0; r < d.List()->GetItemCount(); ++r)
            rows << QStringLiteral("%1|%2|%3")
                        .arg(d.List()->GetItemText(r, 0), d.List()->GetItemText(r, 1))
                        .arg(d.List()->GetItemData(r));
        return rows;
    }
    static void Select(CFavouritesManagerDialog& d, QList<int> rows)
    {
        d.List()->DeselectAll();
        for (int r : rows)
            d.List()->SelectItem(r, true);
    }
    QStringList MenuTitles() const
    {
        QStringList titles;
        for (QAction* a : m_frame->GetFavouritesMenu()->actions())
            if (!a->isSeparator())
                titles << a->text();
        return titles;
    }
};

TEST(FavouriteTexts, FrequencyInGroupsOfThree)
{
    const struct {
        uint32_t hz;
        const char* text;
    } cases[] = {
        {14070150, "14.070.150 MHz"}, {7035150, "7.035.150 MHz"}, {144800000, "144.800.000 MHz"},
        {500000, ".500.000 MHz"},     {1296000000, "1296.000.000 MHz"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CFavouritesManagerDialog::FrequencyText(c.hz), QString::fromLatin1(c.text)) << c.hz;
}

TEST_F(FavouritesManager, ListsTheMainFramesFavouritesAndOffersMovesByPosition)
{
    EXPECT_TRUE(Frame()->IsCommandEnabled(32820));
    Manage([](CFavouritesManagerDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Favourites Manager"));
        EXPECT_EQ(Rows(d), QStringList({QStringLiteral("20 m|14.070.150 MHz|14070150"),
                                         QStringLiteral("40 m|7.035.150 MHz|7035150"),
                                         QStringLiteral("80 m|3.580.150 MHz|3580150")}));
        EXPECT_EQ(d.List()->GetColumnHeading(0), QStringLiteral("Title"));
        EXPECT_EQ(d.List()->GetColumnFormat(1), LVCFMT_RIGHT);
        EXPECT_FALSE(d.OkButton()->isEnabled());
        using D = CFavouritesManagerDialog;
        const struct {
            QList<int> selected;
            bool edit, up, down;
        } cases[] = {
            {{}, false, false, false},     {{0}, true, false, true}, {{1}, true, true, true},
            {{2}, true, true, false},      {{0, 2}, true, false, false},
        };
        for (const auto& c : cases) {
            Select(d, c.selected);
            EXPECT_TRUE(d.IsCommandEnabled(D::ID_NEW));
            EXPECT_EQ(d.IsCommandEnabled(D::ID_EDIT), c.edit);
            EXPECT_EQ(d.IsCommandEnabled(D::ID_DELETE), c.edit);
            EXPECT_EQ(d.IsCommandEnabled(D::ID_MOVE_UP), c.up);
            EXPECT_EQ(d.IsCommandEnabled(D::ID_MOVE_DOWN), c.down);
            // The toolbar shows the same on its next heartbeat.
            d.Heartbeat();
            EXPECT_EQ(d.GetToolBar()->ActionFor(D::ID_MOVE_UP)->isEnabled(), c.up);
        }
        // Moving the last row up: it trades places and stays selected alone.
        Select(d, {2});
        d.OnCommand(D::ID_MOVE_UP);
        EXPECT_EQ(d.List()->GetItemText(1, 0), QStringLiteral("80 m"));
        EXPECT_EQ(d.List()->GetItemData(1), 3580150u);
        EXPECT_EQ(d.List()->GetFirstSelectedItem(), 1);
        EXPECT_TRUE(d.List()->HasSingleSelection());
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Favourites Manager *"));
        EXPECT_TRUE(d.OkButton()->isEnabled());
        d.OnCommand(D::ID_MOVE_DOWN);
        d.OnCommand(D::ID_MOVE_DOWN);  // already last: nothing
        EXPECT_EQ(d.List()->GetItemText(2, 0), QStringLiteral("80 m"));
        d.OnOK();
    });
    // The order is back as it was, but the list was handed over.
    QList<uint32_t> freqs;
    QStringList titles;
    Frame()->GetFavourites(freqs, titles);
    EXPECT_EQ(titles, QStringList({QStringLiteral("20 m"), QStringLiteral("40 m"), QStringLiteral("80 m")}));
}

TEST_F(FavouritesManager, NewEditAndDeleteReachTheRegistryAndTheMenu)
{
    Frame()->GetRadioBar()->SetFrequency(10142150);
    Manage([this](CFavouritesManagerDialog& d) {
        // New starts from the radio's frequency and a placeholder title.
        Next<CFavouriteDialog>([](CFavouriteDialog& f) {
            EXPECT_EQ(f.windowTitle(), QStringLiteral("Favourite"));
            EXPECT_EQ(f.TitleEdit()->text(), QStringLiteral("<Title>"));
            EXPECT_EQ(f.FrequencyEdit()->text(), QStringLiteral("010.142.150 MHz"));
            f.TitleEdit()->setText(QStringLiteral("  30 m  "));
            f.OnOK();
        });
        d.OnCommand(CFavouritesManagerDialog::ID_NEW);
        EXPECT_EQ(Rows(d).last(), QStringLiteral("30 m|10.142.150 MHz|10142150"));
        EXPECT_EQ(d.List()->GetFirstSelectedItem(), 3);
        EXPECT_TRUE(d.List()->HasSingleSelection());

        // Edit: a new frequency typed over the old one.
        Select(d, {0});
        Next<CFavouriteDialog>([](CFavouriteDialog& f) {
            EXPECT_EQ(f.TitleEdit()->text(), QStringLiteral("20 m"));
            EXPECT_EQ(f.FrequencyEdit()->text(), QStringLiteral("014.070.150 MHz"));
            f.FrequencyEdit()->SetInputText(QStringLiteral("014080150"), 0, true);
            f.OnOK();
        });
        d.OnCommand(CFavouritesManagerDialog::ID_EDIT);
        EXPECT_EQ(Rows(d).first(), QStringLiteral("20 m|14.080.150 MHz|14080150"));
        // A cancelled edit changes nothing.
        Next<CFavouriteDialog>([](CFavouriteDialog& f) {
            f.TitleEdit()->setText(QStringLiteral("changed"));
            f.OnCancel();
        });
        d.OnCommand(CFavouritesManagerDialog::ID_EDIT);
        EXPECT_EQ(d.List()->GetItemText(0, 0), QStringLiteral("20 m"));

        // Delete asks first; No keeps the rows.
        Select(d, {1, 2});
        testsupport::prompter().m_answers = {platform::IDNO, platform::IDYES};
        d.OnCommand(CFavouritesManagerDialog::ID_DELETE);
        EXPECT_EQ(d.List()->GetItemCount(), 4);
        d.OnCommand(CFavouritesManagerDialog::ID_DELETE);
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 2);
        EXPECT_EQ(testsupport::prompter().m_boxes[1].text, QStringLiteral("Really delete the selected entries?"));
        EXPECT_EQ(testsupport::prompter().m_boxes[1].caption, QStringLiteral("Delete"));
        EXPECT_EQ(testsupport::prompter().m_boxes[1].style, platform::MB_YESNO | platform::MB_ICONQUESTION);
        EXPECT_EQ(Rows(d), QStringList({QStringLiteral("20 m|14.080.150 MHz|14080150"),
                                         QStringLiteral("30 m|10.142.150 MHz|10142150")}));
        d.OnOK();
    });
    QList<uint32_t> freqs;
    QStringList titles;
    CRegistry().GetIntArray(QStringLiteral("Favourites-I"), freqs);
    CRegistry().GetStringArray(QStringLiteral("Favourites-S"), titles);
    EXPECT_EQ(freqs, QList<uint32_t>({14080150, 10142150}));
    EXPECT_EQ(titles, QStringList({QStringLiteral("20 m"), QStringLiteral("30 m")}));
    EXPECT_EQ(MenuTitles(), QStringList({QStringLiteral("&Manager"), QStringLiteral("20 m"), QStringLiteral("30 m")}));
}

TEST_F(FavouritesManager, CancelAsksOnlyAfterAChange)
{
    Manage([](CFavouritesManagerDialog& d) { d.OnCancel(); });
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(m_dialogTitles.size(), 1);

    testsupport::prompter().m_answers = {platform::IDNO, platform::IDYES};
    bool stayed = false;
    Manage([&](CFavouritesManagerDialog& d) {
        Select(d, {1});
        d.OnCommand(CFavouritesManagerDialog::ID_MOVE_UP);
        d.OnCancel();
        stayed = d.isVisible();
        d.OnCancel();
    });
    EXPECT_TRUE(stayed);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 2);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("You have outstanding changes - really cancel ?"));
    QList<uint32_t> freqs;
    QStringList titles;
    Frame()->GetFavourites(freqs, titles);
    EXPECT_EQ(titles.first(), QStringLiteral("20 m"));
}

TEST_F(FavouritesManager, TheFavouriteDialogKeepsItsFrequencyAndWantsATitle)
{
    QWidget parent;
    const struct {
        uint32_t hz;
        const char* shown;
        const char* text;
    } cases[] = {
        {14070150, "014.070.150 MHz", "14.070.150 MHz"},
        {7035150, "007.035.150 MHz", "7.035.150 MHz"},
        {432200000, "432.200.000 MHz", "432.200.000 MHz"},
    };
    for (const auto& c : cases) {
        CFavouriteDialog dialog(&parent, QStringLiteral("x"), c.hz);
        dialog.show();
        EXPECT_EQ(dialog.FrequencyEdit()->text(), QString::fromLatin1(c.shown));
        dialog.OnOK();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.m_nFrequency, c.hz);
        EXPECT_EQ(dialog.m_strFrequency, QString::fromLatin1(c.text));
    }
    CFavouriteDialog blank(&parent, QStringLiteral("   "), 14070150);
    blank.show();
    blank.OnOK();
    EXPECT_TRUE(blank.isVisible());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("The title is required."));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Favourite"));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].style, platform::MB_OK | platform::MB_ICONERROR);
}

} // namespace
