#pragma once
#include <QString>
#include <QUrl>
#include <functional>

namespace platform {

// Called on the UI thread with the reason when nothing could show the page.
using OpenFailed = std::function<void(const QString& reason)>;

// Shows a file or web address in the desktop's program for it (the default
// browser for pages). The desktop's opener runs on its own; when it gives up
// (no browser installed, say), onFailure hears its own words later, on the
// UI thread. Nothing here blocks.
void openOnDesktop(const QUrl& url, OpenFailed onFailure);

} // namespace platform
