#include "shared/PrintSetup.h"

#include <QPageSetupDialog>
#include <QPrinter>

#include <memory>

namespace {
CPrintSetup::Runner& runner()
{
    static CPrintSetup::Runner r;
    return r;
}
} // namespace

QPrinter& CPrintSetup::Printer()
{
    static std::unique_ptr<QPrinter> printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

bool CPrintSetup::Run(QWidget* pParent)
{
    QPageSetupDialog dialog(&Printer(), pParent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    const int result = runner() ? runner()(dialog) : dialog.exec();
    return result == QDialog::Accepted;
}

void CPrintSetup::SetRunner(Runner r)
{
    runner() = std::move(r);
}
