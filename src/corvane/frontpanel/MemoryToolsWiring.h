#pragma once
// The memory and EEPROM tools as commands of the main window: the memory
// manager, reload, analyser and browser, calibration, clone files, the
// radio-menu sheet, the CW windows, command entry and the repeater sheet.
// The program calls it before its start-up, so that the main window's menus
// carry them.
void InstallMemoryTools();
