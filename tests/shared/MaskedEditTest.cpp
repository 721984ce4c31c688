#include "shared/edit/OXMaskedEdit.h"
#include "KeyScript.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

const QString kFreqMask = QStringLiteral("###\\.###\\.## MHz");

// Counts the refusals instead of beeping.
class CountingEdit : public COXMaskedEdit {
public:
    using COXMaskedEdit::COXMaskedEdit;
    void OnInputRejected() override { ++rejected; }
    int rejected = 0;
};

// A window with two masked fields and a plain one after them, active, so
// that focus moves as it does for the operator.
struct Form {
    QWidget window;
    CountingEdit* edit;
    CountingEdit* second;
    QLineEdit* plain;
    Form()
    {
        auto* layout = new QVBoxLayout(&window);
        edit = new CountingEdit(QString(), &window);
        second = new CountingEdit(QString(), &window);
        plain = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(second);
        layout->addWidget(plain);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

void prepare(COXMaskedEdit* e, const QString& mask, QChar prompt, bool insert)
{
    e->SetSeparators(QLatin1Char('.'), QLatin1Char(','), QLatin1Char(':'), QLatin1Char('/'));
    e->SetPromptChar(prompt);
    e->SetMask(mask);
    e->SetInsertMode(insert);
}

TEST(MaskedEdit, KeyScripts)
{
    struct Case {
        const char* name;
        const char* mask;
        char prompt;
        bool insert;
        const char* input; // set raw before typing
        int selStart, selEnd;
        const char* keys;
        const char* shown;
        int caret;
        int rejected;
    } cases[] = {
        {"overwrite first digit", "###\\.###\\.## MHz", '0', false, "", 0, 0, "1", "100.000.00 MHz", 1, 0},
        {"caret skips the literal", "###\\.###\\.## MHz", '0', false, "", 0, 0, "123", "123.000.00 MHz", 4, 0},
        {"overwrite runs across groups", "###\\.###\\.## MHz", '_', false, "", 0, 0, "14250", "142.50_.__ MHz", 6, 0},
        {"insert into full field drops the last", "###\\.###\\.## MHz", '_', true, "12345678", 0, 0, "9",
         "912.345.67 MHz", 1, 0},
        {"insert in the middle", "###\\.###\\.## MHz", '_', true, "12", 1, 1, "5", "152.___.__ MHz", 2, 0},
        {"letter into a digit place", "###\\.###\\.## MHz", '_', true, "12", 1, 1, "x", "12_.___.__ MHz", 1, 1},
        {"typing on a literal", "###\\.###\\.## MHz", '_', false, "123456", 10, 10, "9", "123.456.__ MHz", 14, 1},
        {"backspace after a literal", "###\\.###\\.## MHz", '_', true, "12345678", 4, 4, "{BS}",
         "124.567.8_ MHz", 2, 0},
        {"backspace at the start", "###\\.###\\.## MHz", '_', true, "12345678", 0, 0, "{BS}", "123.456.78 MHz", 0, 0},
        {"delete on a literal", "###\\.###\\.## MHz", '_', true, "12345678", 3, 3, "{DEL}", "123.567.8_ MHz", 4, 0},
        {"delete past the last input", "###\\.###\\.## MHz", '_', true, "12345678", 10, 10, "{DEL}",
         "123.456.78 MHz", 10, 0},
        {"selection replaced whatever the mode", "###\\.###\\.## MHz", '_', false, "12345678", 0, 3, "9",
         "945.678.__ MHz", 1, 0},
        {"selection of literals only", "###\\.###\\.## MHz", '_', false, "12345678", 3, 4, "9",
         "123.456.78 MHz", 4, 1},
        {"backspace on a selection", "###\\.###\\.## MHz", '_', false, "12345678", 1, 6, "{BS}",
         "167.8__.__ MHz", 1, 0},
        {"insert key toggles to overwrite", "###", '_', true, "12", 0, 0, "{INS}9", "92_", 1, 0},
        {"left stops right of the last digit", "###\\.###", '_', false, "123456", 4, 4, "{LEFT}", "123.456", 3, 0},
        {"left twice", "###\\.###", '_', false, "123456", 4, 4, "{LEFT}{LEFT}", "123.456", 2, 0},
        {"right skips the literal", "###\\.###", '_', false, "123456", 2, 2, "{RIGHT}", "123.456", 4, 0},
        {"down moves like right", "###\\.###", '_', false, "123456", 2, 2, "{DOWN}", "123.456", 4, 0},
        {"home lands on the first input", "(###) ###", '_', false, "", 6, 6, "{HOME}", "(___) ___", 1, 0},
        {"end stays at the end", "(###) ###", '_', false, "", 1, 1, "{END}", "(___) ___", 9, 0},
        {"upper and lower case places", ">><<", '_', false, "", 0, 0, "abCD", "ABcd", 4, 0},
        {"hex places", "XX", '_', false, "", 0, 0, "fz3", "f3", 2, 1},
        {"blank prompt", "##", ' ', false, "", 0, 0, "4", "4 ", 1, 0},
        {"mask ending in a backslash", "##\\", '_', false, "", 0, 0, "12", "12\\", 3, 0},
    };
    for (const Case& c : cases) {
        Form form;
        CountingEdit* e = form.edit;
        prepare(e, QString::fromLatin1(c.mask), QLatin1Char(c.prompt), c.insert);
        e->SetInputText(QString::fromLatin1(c.input), 0, true);
        e->setFocus();
        e->setSelection(c.selStart, c.selEnd - c.selStart);
        if (c.selStart == c.selEnd)
            e->setCursorPosition(c.selStart);
        testsupport::typeKeys(e, QString::fromLatin1(c.keys));
        EXPECT_EQ(e->text(), QString::fromLatin1(c.shown)) << c.name;
        EXPECT_EQ(e->cursorPosition(), c.caret) << c.name;
        EXPECT_EQ(e->rejected, c.rejected) << c.name;
    }
}

TEST(MaskedEdit, WithoutAMaskItIsAPlainEdit)
{
    Form form;
    form.edit->setFocus();
    testsupport::typeKeys(form.edit, QStringLiteral("ab{LEFT}x{END}{BS}"));
    EXPECT_EQ(form.edit->text(), QStringLiteral("ax"));
    EXPECT_EQ(form.edit->GetInputText(), QStringLiteral("ax"));
    EXPECT_FALSE(form.edit->IsInputEmpty());
}

TEST(MaskedEdit, TextFromTheProgramNotifiesUpdateOnlyTypingNotifiesBoth)
{
    Form form;
    COXMaskedEdit* e = form.edit;
    prepare(e, kFreqMask, QLatin1Char('_'), false);
    QSignalSpy update(e, &COXMaskedEdit::editUpdate);
    QSignalSpy change(e, &COXMaskedEdit::editChange);

    e->SetWindowText(QStringLiteral("123.456.78 MHz"));
    EXPECT_EQ(e->text(), QStringLiteral("123.456.78 MHz"));
    EXPECT_EQ(e->GetInputText(), QStringLiteral("12345678"));
    EXPECT_GE(update.count(), 1);
    EXPECT_EQ(change.count(), 0);

    update.clear();
    e->setFocus();
    e->setCursorPosition(0);
    testsupport::typeKeys(e, QStringLiteral("9"));
    EXPECT_GE(update.count(), 1);
    EXPECT_GE(change.count(), 1);
    EXPECT_EQ(e->text(), QStringLiteral("923.456.78 MHz"));
}

TEST(MaskedEdit, OwnerRejectingTheContentKeepsTheFocus)
{
    Form form;
    prepare(form.edit, kFreqMask, QLatin1Char('_'), false);
    int asked = 0;
    QObject::connect(form.edit, &COXMaskedEdit::validateNotify, [&](MEN_VALIDATE_INFO& info) {
        ++asked;
        EXPECT_EQ(info.code, MEN_VALIDATE);
        EXPECT_EQ(info.hwndFrom, form.edit);
        info.bValid = false;
        info.nCaretPos = 4;
    });
    form.edit->setFocus();
    form.plain->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.edit->hasFocus(); }, 2000));
    EXPECT_EQ(form.edit->cursorPosition(), 4);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(form.edit->rejected, 1);
}

TEST(MaskedEdit, TwoRejectingFieldsDoNotFightOverTheFocus)
{
    Form form;
    prepare(form.edit, kFreqMask, QLatin1Char('_'), false);
    prepare(form.second, kFreqMask, QLatin1Char('_'), false);
    int asked = 0;
    auto reject = [&](MEN_VALIDATE_INFO& info) {
        ++asked;
        info.bValid = false;
    };
    QObject::connect(form.edit, &COXMaskedEdit::validateNotify, reject);
    QObject::connect(form.second, &COXMaskedEdit::validateNotify, reject);
    form.edit->setFocus();
    form.second->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.edit->hasFocus(); }, 2000));
    QTest::qWait(50);
    EXPECT_TRUE(form.edit->hasFocus());
    EXPECT_EQ(asked, 1);
}

TEST(MaskedEdit, ValidationAcceptedByDefaultLetsTheFocusGo)
{
    Form form;
    prepare(form.edit, kFreqMask, QLatin1Char('_'), false);
    form.edit->setFocus();
    form.plain->setFocus();
    QTest::qWait(20);
    EXPECT_TRUE(form.plain->hasFocus());
    EXPECT_EQ(form.edit->rejected, 0);
}

TEST(MaskedEdit, AutoAdvanceMovesTheFocusOnFromTheLastPlace)
{
    Form form;
    prepare(form.edit, QStringLiteral("##"), QLatin1Char('_'), false);
    form.edit->SetAutoAdvance(true);
    form.edit->setFocus();
    form.edit->setCursorPosition(1);
    testsupport::typeKeys(form.edit, QStringLiteral("{RIGHT}"));
    EXPECT_TRUE(form.second->hasFocus());

    // Typing the last digit also takes the operator on.
    form.edit->setFocus();
    form.edit->setCursorPosition(0);
    testsupport::typeKeys(form.edit, QStringLiteral("12"));
    EXPECT_TRUE(form.second->hasFocus());
    EXPECT_EQ(form.edit->text(), QStringLiteral("12"));
}

TEST(MaskedEdit, TabbingInPutsTheCaretOnTheFirstInputPlace)
{
    Form form;
    prepare(form.second, QStringLiteral("(###)"), QLatin1Char('_'), false);
    form.edit->setFocus();
    QTest::keyClick(form.edit, Qt::Key_Tab);
    ASSERT_TRUE(form.second->hasFocus());
    EXPECT_FALSE(form.second->hasSelectedText());
    EXPECT_EQ(form.second->cursorPosition(), 1);
}

TEST(MaskedEdit, ClickIntoAnEmptyFieldStartsAtTheFirstInputPlace)
{
    Form form;
    prepare(form.second, QStringLiteral("(###)"), QLatin1Char('_'), false);
    form.edit->setFocus();
    QTest::mouseClick(form.second, Qt::LeftButton, {}, QPoint(form.second->width() - 4, form.second->height() / 2));
    EXPECT_TRUE(form.second->hasFocus());
    EXPECT_EQ(form.second->cursorPosition(), 1);
}

TEST(MaskedEdit, ClipboardCommands)
{
    Form form;
    COXMaskedEdit* e = form.edit;
    prepare(e, kFreqMask, QLatin1Char('_'), false);
    e->SetInputText(QStringLiteral("12345678"));
    e->setFocus();

    e->setSelection(0, 5); // "123.4"
    QTest::keySequence(e, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("123.4"));

    e->setSelection(4, 3); // "456"
    QTest::keySequence(e, QKeySequence::Cut);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("456"));
    EXPECT_EQ(e->text(), QStringLiteral("123.78_.__ MHz"));
    EXPECT_EQ(e->cursorPosition(), 4);

    // Pasted text fills the places; literals in it that fit nowhere are skipped.
    QApplication::clipboard()->setText(QStringLiteral("9.9"));
    e->setCursorPosition(6);
    QTest::keySequence(e, QKeySequence::Paste);
    EXPECT_EQ(e->text(), QStringLiteral("123.789.9_ MHz"));
    EXPECT_EQ(e->cursorPosition(), 9);

    // Undo must not bring back a text the mask never held.
    QTest::keySequence(e, QKeySequence::Undo);
    EXPECT_EQ(e->text(), QStringLiteral("123.789.9_ MHz"));
}

TEST(MaskedEdit, PromptChangeAndClearing)
{
    Form form;
    COXMaskedEdit* e = form.edit;
    prepare(e, QStringLiteral("##-##"), QLatin1Char('_'), false);
    e->SetInputText(QStringLiteral("1"));
    e->setCursorPosition(3);
    EXPECT_TRUE(e->SetPromptChar(QLatin1Char('0')));
    EXPECT_EQ(e->text(), QStringLiteral("10-00"));
    EXPECT_EQ(e->cursorPosition(), 3);
    EXPECT_FALSE(e->SetPromptChar(QChar(13)));
    EXPECT_EQ(e->GetPromptChar(), QLatin1Char('0'));

    e->ClearInput(true);
    EXPECT_TRUE(e->IsInputEmpty());
    EXPECT_EQ(e->text(), QStringLiteral("00-00"));
    e->ClearInput(false);
    EXPECT_EQ(e->GetMask(), QString());
    EXPECT_EQ(e->text(), QString());
}

} // namespace
