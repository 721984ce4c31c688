#pragma once
// Hands the program's options to the rest of the program: the colour scheme
// of the first start, the S-meter chart's options sheet, and the main
// frame's Program Options, Colour Schemes, Speech Options and Volume Control
// commands. The program calls it before its start-up.
void InstallProgramOptions();
