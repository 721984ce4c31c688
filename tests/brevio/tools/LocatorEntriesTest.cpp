// Every field that takes a locator follows one rule: a locator entered in
// the Macro Input dialog or in the start-up dialog's own-station tags is a
// locator (kept in upper case) or is refused with a box, the dialog staying
// open on it and nothing taken; a value the dialog only showed as its tag
// held it goes as it is.
#include "ToolsFixture.h"

#include "brevio/core/CustomiseDialog.h"
#include "brevio/core/TxTextSender.h"
#include "brevio/core/TxTextWindow.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/tools/MacroInputDialog.h"
#include "brevio/tools/MacrosBar.h"
#include "brevio/tools/TagsBar.h"
#include "shared/Registry.h"

#include <QListWidget>
#include <QTreeWidget>

namespace {

class LocatorEntries : public testsupport::ToolsFixture {
protected:
    CTagsBar* Bar() { return dynamic_cast<CTagsBar*>(Frame()->GetTagsBar()); }
    // The tags bar's value of a row.
    QString BarValue(const QString& title)
    {
        CEditableListCtrl* list = Bar()->GetList();
        for (int r = 0; r < list->GetItemCount(); ++r)
            if (list->GetItemText(r, 0) == title)
                return list->GetItemText(r, 1);
        return QStringLiteral("(no row)");
    }
    QStringList Boxes()
    {
        QStringList texts;
        for (const auto& box : testsupport::prompter().m_boxes)
            texts << box.text;
        return texts;
    }
    // The macros bar's row of a macro, clicked.
    void Send(const QString& title)
    {
        auto* macros = dynamic_cast<CMacrosBar*>(Frame()->GetMacrosBar());
        ASSERT_NE(macros, nullptr);
        macros->FillList();
        for (int r = 0; r < macros->GetList()->count(); ++r)
            if (macros->GetList()->item(r)->text().endsWith(QLatin1Char(' ') + title)) {
                macros->OnEntryClicked(r);
                Process();
                return;
            }
        FAIL() << "no entry for " << title.toStdString();
    }
};

QString Refusal(const char* text)
{
    return QStringLiteral("\"%1\" is not a locator").arg(QLatin1String(text));
}

TEST_F(LocatorEntries, MacroInputTakesOnlyALocatorForTheLocatorTag)
{
    Tags().SetValue(QStringLiteral("Locator"), QStringLiteral("IO91WM"), -1);
    Tags().SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), -1);
    // The macro names the tag in other letters; its value fills the Locator tag.
    Macros().Add(QStringLiteral("Reply"), {QStringLiteral("ur loc <locator> de <My Callsign>")}, CMacro::kAlwaysPrompt);
    CFormRx* form = ActiveChannel();
    Bar()->RefreshValues();

    bool stayedOpen = false;
    QString afterRefusal;
    Next<CMacroInputDialog>([&](CMacroInputDialog& d) {
        CEditableListCtrl* list = d.List();
        ASSERT_EQ(list->GetItemText(0, 0), QStringLiteral("locator"));
        CInPlaceEdit* edit = list->EditSubLabel(0, 1);
        ASSERT_NE(edit, nullptr);
        QTest::keyClicks(edit, QStringLiteral("ZZ12"));
        list->setFocus();
        d.OnOK();
        stayedOpen = d.isVisible() && d.result() != QDialog::Accepted;
        // The value to mend is in edit again.
        ASSERT_NE(list->GetEditor(), nullptr);
        afterRefusal = BarValue(QStringLiteral("Locator"));
        QTest::keyClicks(list->GetEditor(), QStringLiteral("jo01aa"));
        list->setFocus();
        d.OnOK();
    });
    Send(QStringLiteral("Reply"));
    ASSERT_EQ(Boxes().size(), 1) << Boxes().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(Boxes()[0].startsWith(Refusal("ZZ12"))) << Boxes()[0].toStdString();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(afterRefusal, QStringLiteral("IO91WM"));
    // Mended: the locator in upper case in the text, the tags bar and the store.
    EXPECT_EQ(form->GetTxWindow()->Sender().Text(), QStringLiteral("ur loc JO01AA de QT9XVK"));
    EXPECT_EQ(BarValue(QStringLiteral("Locator")), QStringLiteral("JO01AA"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("Locator"), -1), QStringLiteral("JO01AA"));
}

TEST_F(LocatorEntries, MacroInputSendsAValueAsTheTagHeldIt)
{
    // A value from an older tags file, not a locator, that the operator leaves.
    CTag* own = Tags().FindByTitle(QStringLiteral("My Locator"));
    ASSERT_NE(own, nullptr);
    own->m_strValue = QStringLiteral("near Lyon");
    Macros().Add(QStringLiteral("Where"), {QStringLiteral("qth <My Locator>")}, CMacro::kAlwaysPrompt);
    CFormRx* form = ActiveChannel();
    Next<CMacroInputDialog>([](CMacroInputDialog& d) { d.OnOK(); });
    Send(QStringLiteral("Where"));
    EXPECT_TRUE(Boxes().isEmpty()) << Boxes().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(form->GetTxWindow()->Sender().Text(), QStringLiteral("qth near Lyon"));
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Locator"), -1), QStringLiteral("near Lyon"));
}

TEST_F(LocatorEntries, StartupDialogTakesOnlyALocatorAsMyLocator)
{
    Tags().SetValue(QStringLiteral("My Locator"), QStringLiteral("IO91WM"), -1);
    Bar();
    CCustomiseDialog dialog(Frame());
    dialog.show();
    QTreeWidget* list = dialog.TagList();
    const QList<QTreeWidgetItem*> rows = list->findItems(QStringLiteral("My Locator"), Qt::MatchExactly, 0);
    ASSERT_EQ(rows.size(), 1);
    QTreeWidgetItem* row = rows[0];
    EXPECT_EQ(row->text(1), QStringLiteral("IO91WM"));

    row->setText(1, QStringLiteral("HELLO"));
    dialog.accept();
    ASSERT_EQ(Boxes().size(), 1) << Boxes().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(Boxes()[0].startsWith(Refusal("HELLO"))) << Boxes()[0].toStdString();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(list->currentItem(), row);
    // Nothing was taken: not the tag, not the start.
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Locator"), -1), QStringLiteral("IO91WM"));
    EXPECT_FALSE(CRegistry().GetBool(QStringLiteral("Started at least once"), false));

    row->setText(1, QStringLiteral(" jn18du"));
    dialog.accept();
    EXPECT_EQ(Boxes().size(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    Process();
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Locator"), -1), QStringLiteral("JN18DU"));
}

TEST_F(LocatorEntries, StartupDialogKeepsAMyLocatorItOnlyShowed)
{
    CTag* own = Tags().FindByTitle(QStringLiteral("My Locator"));
    ASSERT_NE(own, nullptr);
    own->m_strValue = QStringLiteral("near Lyon");
    Bar();
    CCustomiseDialog dialog(Frame());
    dialog.accept();
    EXPECT_TRUE(Boxes().isEmpty()) << Boxes().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    Process();
    EXPECT_EQ(Tags().GetValue(QStringLiteral("My Locator"), -1), QStringLiteral("near Lyon"));
}

} // namespace
