#pragma once
class QWidget;

// The program's main window, owner of its message boxes; nullptr before one exists.
QWidget* GetMainWindow();
