// The editable list on its own: which clicks open the value box, what
// Escape, Enter, the arrows and paging do, and the row added past the end.
#include "ToolsFixture.h"

#include "brevio/core/RegisteredMessages.h"
#include "brevio/display/EditableListCtrl.h"

#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class EditableListTest : public testsupport::ToolsFixture {
protected:
    void SetUp() override
    {
        ToolsFixture::SetUp();
        m_dialog = new QDialog;
        auto* layout = new QVBoxLayout(m_dialog);
        m_list = new CEditableListCtrl(QStringLiteral("Some Text"), m_dialog);
        m_list->SetColumns({{QStringLiteral("Tag"), LVCFMT_LEFT},
                            {QStringLiteral("Value"), LVCFMT_LEFT},
                            {QStringLiteral("More"), LVCFMT_LEFT}});
        for (int i = 0; i < 30; ++i) {
            m_list->InsertItem(i, QStringLiteral("T%1").arg(i));
            m_list->SetItemText(i, 1, QStringLiteral("v%1").arg(i));
            m_list->SetItemText(i, 2, QStringLiteral("x"));
        }
        m_list->setColumnWidth(0, 60);
        m_list->setColumnWidth(1, 120);
        m_list->setColumnWidth(2, 60);
        layout->addWidget(m_list);
        m_ok = new QPushButton(QStringLiteral("OK"), m_dialog);
        m_ok->setDefault(true);
        QObject::connect(m_ok, &QPushButton::clicked, m_dialog, &QDialog::accept);
        layout->addWidget(m_ok);
        m_list->SetNotifyWindow(&m_notify);
        m_recorder = std::make_unique<testsupport::Recorder>(&m_notify);
        m_dialog->resize(300, 300);
        m_dialog->show();
        (void)QTest::qWaitForWindowExposed(m_dialog);
    }
    void TearDown() override
    {
        m_recorder.reset();
        delete m_dialog;
        ToolsFixture::TearDown();
    }
    void Click(int row, int column)
    {
        m_list->scrollToItem(m_list->topLevelItem(row));
        const QRect cell = m_list->visualRect(m_list->model()->index(row, column));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QDialog* m_dialog = nullptr;
    CEditableListCtrl* m_list = nullptr;
    QPushButton* m_ok = nullptr;
    QObject m_notify;
    std::unique_ptr<testsupport::Recorder> m_recorder;
};

TEST_F(EditableListTest, OnlyTheValueColumnOfAnEditableRowOpensTheBox)
{
    Click(1, 0);
    EXPECT_EQ(m_list->GetEditor(), nullptr);
    Click(1, 2);
    EXPECT_EQ(m_list->GetEditor(), nullptr);
    m_list->SetRowEditable({1, 0, 1});
    Click(1, 1);
    EXPECT_EQ(m_list->GetEditor(), nullptr);
    Click(2, 1);
    ASSERT_NE(m_list->GetEditor(), nullptr);
    EXPECT_EQ(m_list->GetEditor()->text(), QStringLiteral("v2"));
    EXPECT_EQ(m_list->GetEditor()->selectedText(), QStringLiteral("v2"));
    EXPECT_EQ(m_list->GetEditor()->property("controlId").toInt(), 1001);
    // A hidden (4 pixels or narrower) column cannot be edited.
    m_list->header()->setMinimumSectionSize(0);
    m_list->setColumnWidth(1, 4);
    EXPECT_EQ(m_list->EditSubLabel(3, 1), nullptr);
    m_list->setColumnWidth(1, 5);
    EXPECT_NE(m_list->EditSubLabel(3, 1), nullptr);
}

TEST_F(EditableListTest, TypingGoesIntoTheCellAtOnceAndEscapeKeepsIt)
{
    Click(0, 1);
    CInPlaceEdit* editor = m_list->GetEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("ab"));
    EXPECT_EQ(m_list->GetItemText(0, 1), QStringLiteral("ab"));
    QCoreApplication::sendPostedEvents();
    const auto notices = m_recorder->Of(RegisteredMessage::nMsgNewValue);
    ASSERT_EQ(notices.size(), 2);
    EXPECT_EQ(notices[0].lParam, intptr_t(m_list));
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_list->GetEditor(), nullptr);
    EXPECT_EQ(m_list->GetItemText(0, 1), QStringLiteral("ab"));
    EXPECT_TRUE(m_dialog->isVisible());
}

TEST_F(EditableListTest, EnterMeansNothingAndTheDialogStaysOpen)
{
    Click(0, 1);
    ASSERT_NE(m_list->GetEditor(), nullptr);
    QTest::keyClick(m_list->GetEditor(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_EQ(m_dialog->result(), 0);
    EXPECT_NE(m_list->GetEditor(), nullptr);
}

TEST_F(EditableListTest, ArrowsSkipLockedRowsAndStopAtTheEnds)
{
    m_list->SetRowEditable({1, 0, 1});
    Click(0, 1);
    CInPlaceEdit* first = m_list->GetEditor();
    QTest::keyClick(first, Qt::Key_Up);
    EXPECT_EQ(m_list->GetEditor(), first);
    QTest::keyClick(first, Qt::Key_Down);
    QCoreApplication::processEvents();
    ASSERT_NE(m_list->GetEditor(), nullptr);
    EXPECT_EQ(m_list->GetEditor()->GetRow(), 2);
    QTest::keyClick(m_list->GetEditor(), Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();
    CInPlaceEdit* last = m_list->GetEditor();
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->GetRow(), 29);
    QTest::keyClick(last, Qt::Key_Down);
    EXPECT_EQ(m_list->GetEditor(), last);
    QTest::keyClick(last, Qt::Key_Home, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_list->GetEditor()->GetRow(), 0);
}

TEST_F(EditableListTest, PagingMovesByAPageAndStopsAtTheLastRow)
{
    const int page = m_list->RowsPerPage();
    ASSERT_GT(page, 1);
    Click(0, 1);
    QTest::keyClick(m_list->GetEditor(), Qt::Key_PageDown);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_list->GetEditor()->GetRow(), page);
    m_list->EditSubLabel(27, 1);
    QTest::keyClick(m_list->GetEditor(), Qt::Key_PageDown);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_list->GetEditor()->GetRow(), 29);
    m_list->EditSubLabel(1, 1);
    QTest::keyClick(m_list->GetEditor(), Qt::Key_PageUp);
    QCoreApplication::processEvents();
    EXPECT_EQ(m_list->GetEditor()->GetRow(), 0);
}

TEST_F(EditableListTest, RowPastTheEndIsAddedWithTheNextHexValue)
{
    m_list->SetItemText(29, 1, QStringLiteral("1ff"));
    ASSERT_NE(m_list->EditSubLabel(30, 1), nullptr);
    ASSERT_EQ(m_list->GetItemCount(), 31);
    EXPECT_EQ(m_list->GetItemText(30, 0), QStringLiteral("Some Text"));
    EXPECT_EQ(m_list->GetItemText(30, 1), QStringLiteral("200"));
    EXPECT_EQ(m_list->EditSubLabel(40, 1), nullptr);
    m_list->DeleteAllItems();
    m_list->AppendRow(-1);
    EXPECT_EQ(m_list->GetItemText(0, 1), QStringLiteral("1000"));
}

} // namespace
