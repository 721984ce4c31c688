#pragma once

// Hands the macros and tags bars, their dialogs and the stores' loading to
// the digital-mode core (the core's placeholders stand in for what is not
// installed). Call once before the application starts.
void InstallToolComponents();
