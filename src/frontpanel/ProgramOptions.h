#pragma once
// Hands the program's options services to the application: the colour
// scheme of the first start and the S-meter chart's options sheet. The
// program calls it before its start-up.
void InstallProgramOptions();
