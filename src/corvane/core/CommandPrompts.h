#pragma once
// The prompts of the main window's commands: the status-bar text while a
// menu item or toolbar button is under the mouse, a line feed, then the
// tooltip ("Sort entries\nSort"). Commands without a prompt of their own
// are described by their menu or button text.
#include <QString>

// The stored "prompt\ntooltip" of a command, empty when it has none.
QString CommandPromptString(unsigned nId);
// The status-bar prompt: the first part of the stored string, else the
// command's text without its mnemonic, key and dots ("Program &Options..."
// gives "Program Options").
QString CommandPrompt(unsigned nId, const QString& strText);
