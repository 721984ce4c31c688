#pragma once
// The station logbook and the DX-spot window in the program: template 318,
// the logbook's commands on the main window (View > Logbook Display opens
// the logbook, the logbook toolbar carries its commands), the entry window
// (33026) and the DX Cluster window (32994). The program calls it before
// its start-up, after the main frame's own installation.
void InstallLogbook();

// Opens the logbook window (or brings it back) and shows the logbook
// toolbar: View > Logbook Display (33030).
void ShowLogbook();
