#include "support/BrevioLog.h"

#include "brevio/core/LogView.h"
#include "brevio/core/PSK31App.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace testsupport {

bool WaitForLog(const QString& line, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (TheApp().GetLogView() && TheApp().GetLogView()->toPlainText().contains(line))
            return true;
    }
    return false;
}

} // namespace testsupport
