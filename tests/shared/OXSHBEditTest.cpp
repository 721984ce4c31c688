#include "shared/shortcutbar/OXSHBEdit.h"

#include "shared/WinDraw.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using winapi::RectLTRB;

namespace {

// A parent window that records the editor's end-of-edit reports.
class EditParent : public QWidget {
public:
    std::vector<SHBE_ENDEDIT> ends;
    QString textAtEnd;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == CShbMessage::Type()) {
            auto* m = static_cast<CShbMessage*>(e);
            if (m->message == winapi::WM_NOTIFY) {
                const auto* end = reinterpret_cast<const SHBE_ENDEDIT*>(m->lParam);
                ends.push_back(*end);
                textAtEnd = static_cast<COXSHBEdit*>(end->hwndFrom)->GetWindowText();
                m->result = 0;
                return true;
            }
        }
        return QWidget::event(e);
    }
};

struct EditFixture : ::testing::Test {
    EditParent parent;
    COXSHBEdit edit;

    void SetUp() override
    {
        parent.resize(300, 200);
        parent.show();
        parent.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
        ASSERT_TRUE(edit.Create(winapi::WS_BORDER, QRect(), &parent, SHB_IDCEDIT));
    }

    SHBE_DISPLAY display(const QString& text)
    {
        SHBE_DISPLAY d;
        d.nMask = SHBEM_TEXT | SHBEM_DISPLAYRECT | SHBEM_SELECTION | SHBEM_STYLE;
        d.lpText = text;
        d.rectDisplay = RectLTRB(10, 10, 110, 30);
        d.dwStyle = winapi::WS_BORDER | winapi::ES_AUTOHSCROLL;
        d.ptSelectionStart = 0;
        d.ptSelectionEnd = -1;
        return d;
    }
};

TEST_F(EditFixture, VerifyDisplayInfoTable)
{
    struct Case {
        const char* what;
        std::function<void(SHBE_DISPLAY&)> change;
        bool valid;
    };
    const Case cases[] = {
        {"plain", [](SHBE_DISPLAY&) {}, true},
        {"unknown mask bit", [](SHBE_DISPLAY& d) { d.nMask |= 0x400; }, false},
        {"grow without max", [](SHBE_DISPLAY& d) { d.nMask |= SHBEM_GROWWHILETYPING; }, false},
        {"whole selection", [](SHBE_DISPLAY& d) { d.ptSelectionStart = 0; d.ptSelectionEnd = -1; }, true},
        {"no selection", [](SHBE_DISPLAY& d) { d.ptSelectionStart = -1; d.ptSelectionEnd = 99; }, true},
        {"end at length", [](SHBE_DISPLAY& d) { d.ptSelectionStart = 0; d.ptSelectionEnd = 5; }, false},
        {"end inside", [](SHBE_DISPLAY& d) { d.ptSelectionStart = 1; d.ptSelectionEnd = 4; }, true},
        {"empty display", [](SHBE_DISPLAY& d) { d.rectDisplay = RectLTRB(10, 10, 10, 30); }, false},
        {"display outside max",
         [](SHBE_DISPLAY& d) {
             d.nMask |= SHBEM_MAXRECT;
             d.rectMax = RectLTRB(0, 0, 100, 100);
         },
         false},
        {"display inside max",
         [](SHBE_DISPLAY& d) {
             d.nMask |= SHBEM_MAXRECT;
             d.rectMax = RectLTRB(0, 0, 200, 100);
         },
         true},
        {"min outside max",
         [](SHBE_DISPLAY& d) {
             d.nMask |= SHBEM_MAXRECT | SHBEM_MINRECT;
             d.rectMax = RectLTRB(0, 0, 200, 100);
             d.rectMin = RectLTRB(150, 0, 250, 20);
         },
         false},
        {"empty min",
         [](SHBE_DISPLAY& d) {
             d.nMask |= SHBEM_MINRECT;
             d.rectMin = RectLTRB(10, 10, 20, 10);
         },
         false},
    };
    for (const Case& c : cases) {
        SHBE_DISPLAY d = display(QStringLiteral("Bands"));
        c.change(d);
        EXPECT_EQ(edit.VerifyDisplayInfo(&d), c.valid) << c.what;
    }
}

TEST_F(EditFixture, StartEditShowsTextSelectedAtTheDisplayRect)
{
    SHBE_DISPLAY d = display(QStringLiteral("Memories"));
    ASSERT_TRUE(edit.StartEdit(&d));
    EXPECT_TRUE(edit.isVisible());
    EXPECT_EQ(edit.geometry(), d.rectDisplay);
    EXPECT_EQ(edit.GetWindowText(), QStringLiteral("Memories"));
    EXPECT_EQ(edit.textCursor().selectedText(), QStringLiteral("Memories"));

    // An invalid description shows nothing new.
    edit.FinishEdit(false);
    d.nMask |= 0x800;
    EXPECT_FALSE(edit.StartEdit(&d));
    EXPECT_FALSE(edit.isVisible());
}

TEST_F(EditFixture, KeysAndFocusEndTheEdit)
{
    struct Case {
        const char* what;
        std::function<void(COXSHBEdit&)> end;
        bool save;
    };
    const Case cases[] = {
        {"Enter", [](COXSHBEdit& e) { QTest::keyClick(&e, Qt::Key_Return); }, true},
        {"Escape", [](COXSHBEdit& e) { QTest::keyClick(&e, Qt::Key_Escape); }, false},
        {"focus lost",
         [](COXSHBEdit& e) {
             QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
             QApplication::sendEvent(&e, &out);
         },
         true},
    };
    for (const Case& c : cases) {
        parent.ends.clear();
        SHBE_DISPLAY d = display(QStringLiteral("Scan"));
        ASSERT_TRUE(edit.StartEdit(&d));
        QTest::keyClicks(&edit, QStringLiteral("ning"));
        c.end(edit);
        ASSERT_EQ(parent.ends.size(), 1u) << c.what;
        EXPECT_EQ(parent.ends[0].code, SHBEN_ENDEDIT);
        EXPECT_EQ(parent.ends[0].idFrom, SHB_IDCEDIT);
        EXPECT_EQ(parent.ends[0].bSave, c.save) << c.what;
        // Typing replaced the selected text; the text stays for the owner to read.
        EXPECT_EQ(parent.textAtEnd, QStringLiteral("ning")) << c.what;
        EXPECT_FALSE(edit.isVisible()) << c.what;
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << c.what;
    }
}

TEST_F(EditFixture, ClickOutsideEndsTheEditAccepted)
{
    SHBE_DISPLAY d = display(QStringLiteral("Favourites"));
    ASSERT_TRUE(edit.StartEdit(&d));
    ASSERT_TRUE(edit.hasFocus()) << QApplication::focusWidget() << " active " << QApplication::activeWindow();
    ASSERT_EQ(QWidget::mouseGrabber(), edit.viewport());
    const QPoint outside(150, 150);
    // Under the capture the click reaches the editor, outside its client area.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(edit.viewport()->mapFrom(&parent, outside)),
                      QPointF(parent.mapToGlobal(outside)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit.viewport(), &press);
    ASSERT_EQ(parent.ends.size(), 1u);
    EXPECT_TRUE(parent.ends[0].bSave);
    EXPECT_FALSE(edit.isVisible());
}

TEST(OXSHBEditGrow, CalcGrowRectTable)
{
    const QMargins m(2, 2, 2, 2);
    const QRect base = RectLTRB(50, 10, 60, 30);
    const QRect max = RectLTRB(0, 10, 200, 100);
    struct Case {
        const char* what;
        QSize measured;
        uint32_t style;
        QRect expected;
    };
    const Case cases[] = {
        {"narrow text keeps base width, left aligned", QSize(2, 16), 0, RectLTRB(0, 10, 10, 30)},
        {"grows to the right", QSize(80, 16), 0, RectLTRB(0, 10, 84, 30)},
        {"right aligned grows to the left", QSize(80, 16), winapi::ES_RIGHT, RectLTRB(116, 10, 200, 30)},
        {"centred", QSize(80, 16), winapi::ES_CENTER, RectLTRB(58, 10, 142, 30)},
        {"never beyond max", QSize(500, 300), winapi::ES_CENTER, RectLTRB(0, 10, 200, 100)},
        {"taller text grows down", QSize(40, 48), winapi::ES_CENTER | winapi::ES_MULTILINE, RectLTRB(78, 10, 122, 62)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(COXSHBEdit::CalcGrowRect(c.measured, m, base, max, c.style), c.expected) << c.what;
}

TEST_F(EditFixture, GrowWhileTypingStaysBetweenBaseAndMax)
{
    SHBE_DISPLAY d = display(QStringLiteral("ab"));
    d.nMask |= SHBEM_MAXRECT | SHBEM_MINRECT | SHBEM_GROWWHILETYPING;
    d.bGrowWhileTyping = true;
    d.rectDisplay = RectLTRB(20, 10, 60, 30);
    d.rectMin = RectLTRB(20, 10, 60, 30);
    d.rectMax = RectLTRB(20, 10, 280, 30);
    ASSERT_TRUE(edit.StartEdit(&d));
    QTest::keyClicks(&edit, QStringLiteral("A much longer name for this group of memories"));
    const QRect grown = edit.geometry();
    EXPECT_GT(grown.width(), d.rectMin.width());
    EXPECT_TRUE(winapi::RectInside(grown, d.rectMax));

    // Emptying the text puts the editor back to its minimum rectangle.
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.geometry(), d.rectMin);
}

} // namespace
