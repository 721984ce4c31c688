#pragma once
// The band definitions and the scans in the program: what the start-up
// loads, the commands of the application, the main window and the front
// panel that open their windows, and what the navigator asks of them.
#include <QList>
#include <QString>
#include <utility>

class QWidget;

// The program calls it before its start-up, after the front panel's, the
// main frame's and the favourites' own installation.
void InstallBandsAndScans();

// The application's "Load Defaults" of the band definitions (32937).
void LoadDefaultBandDefinitions(QWidget* pOwner);

// Scan definition n of the application's store: a band scan opens (or
// shows) the Scan Band window with it, a memory scan the Scan Memory
// window; other kinds do nothing.
void StartScan(int nDefinition);
// The navigator's Scanning group: titles and kinds, the manager (TRUE
// after OK), the two windows opened modally without a definition, and the
// deletion of one definition (the store is saved; the navigator refills).
QList<std::pair<QString, int>> ScanDefinitionList();
bool RunScanManager(QWidget* pParent);
void RunScanBandModal(QWidget* pParent);
void RunScanMemoryModal(QWidget* pParent);
void DeleteScanDefinition(int nDefinition);
