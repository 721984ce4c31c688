#pragma once
#include <QStringList>
#include <functional>

class QWidget;

namespace testsupport {

// What a person would see wrong in a window laid out by coordinates: a
// control that sticks out of its parent, a text that does not fit its
// control, two controls on top of each other. One line per problem.
QStringList layoutProblems(QWidget* window);

// Runs f with the application font one point larger, then restores it.
void withLargerFont(const std::function<void()>& f);

} // namespace testsupport
