#pragma once
#include <QStringList>

class QWidget;

namespace testsupport {

// Texts of the labels under root (root included) that would show a mnemonic
// '&' as it stands: a label draws "&Find:" as "Find:" with F underlined only
// when it has a buddy to give the focus to.
QStringList literalMnemonics(const QWidget* root);

// From now on every window any test shows is looked at; a label showing its
// '&' fails the test that showed it.
void installMnemonicGuard();

} // namespace testsupport
