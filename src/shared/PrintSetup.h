#pragma once
// The program's printer: File > Print Setup chooses it, and whatever the
// program prints goes to it with the paper and orientation chosen there.
#include <functional>

class QPageSetupDialog;
class QPrinter;
class QWidget;

class CPrintSetup {
public:
    // One printer for the whole run, made on first use.
    static QPrinter& Printer();
    // The page set-up dialog on that printer; TRUE when the operator took it.
    static bool Run(QWidget* pParent);

    // Tests answer the dialog instead of running it modally (QDialog codes).
    using Runner = std::function<int(QPageSetupDialog&)>;
    static void SetRunner(Runner runner);
};
