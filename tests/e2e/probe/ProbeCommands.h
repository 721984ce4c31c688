#pragma once
// Questions both probed programs answer the same way: what is on the screen,
// where, and what it reads. A test that drives a program with real input
// (tests/gui) reads the outcome through these.
//
//   geometry     every visible top-level window, every QMdiSubWindow (shown or
//                not) and every visible dock and toolbar, ";" between entries:
//                class|title|x,y,w,h|state, x,y in screen coordinates, state one
//                of min, max, full, normal, hidden
//   main         the main window: class|title|x,y,w,h|state|active=0|1
//   locate SPEC  the screen rectangle "x y w h" of the first visible widget that
//                SPEC names, or "none":
//                  Class       an instance of the class (or of a subclass)
//                  name        a widget of that objectName
//                  #ID         a widget of that control id (a dialog's or form's
//                              control)
//                  Class=Title such a widget whose window title begins with Title
//                  Class~RE    such a widget whose window title matches the
//                              regular expression RE (without '>')
//                  ...:N       the N-th such widget (1 is the first)
//                  A>B         the first B inside the first A (each side as above)
//                  action:TEXT an item of an open menu, the menu bar or a toolbar
//                              whose text (without '&' and the key after a tab)
//                              is TEXT
//                  button:TEXT a button whose text (without '&') is TEXT
//                  item:TEXT   the cell of a list, table or tree that shows TEXT
//                              (scrolled into view first); item:TEXT/N the cell N
//                              columns to its right in the same row
//                The search looks at an open popup menu first, then the active
//                modal window, the active window, the main window, the others.
//   focus        class|objectName of the focus widget ("none|" without one),
//                then |title of the active window, then |x,y,w,h of the focus
//                widget on the screen (empty without one)
//   text SPEC    what the widget SPEC shows, on one line (\n, \t, \\ escaped):
//                an edit's plain text, a label's or button's text, a combo box's
//                current text, a status bar's message and panes (as status), a
//                list's or table's rows (\n between, \t between columns), another
//                widget's window title; "none" when no widget matches
//   status       the main window's status bar: its message, then each pane's text
//                ("" for a hidden or disabled pane), "|" between
//   modal        class|title of the active modal window (a message box, a
//                dialog), or none
//   action TEXT  the state of the main window's menu item whose text (without
//                '&' and the key after a tab) is TEXT, in any of its menus:
//                enabled=0|1 checked=0|1, or "none"
//
// Every command answers while a context menu or a modal dialog is open: their
// event loops deliver the probe's socket too. A command that itself opens a
// modal window keeps its own connection busy until the window closes; ask on
// a second connection meanwhile.
#include <QString>

namespace probe {

// The answer to one of the commands above; a null string when the command
// is not one of them.
QString AnswerCommon(const QString& command, const QString& argument);

} // namespace probe
