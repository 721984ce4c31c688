#pragma once
// Hands the display's parts to the digital-mode core: the "Display" bar
// that the main frame creates, the Super Browser view, the loading of the
// alarms, and the canvas's view of the application object, the main frame
// and the Super Browser.
void InstallDisplayComponents();
