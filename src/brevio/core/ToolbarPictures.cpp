#include "brevio/core/ToolbarPictures.h"

#include <QHash>

QString ToolbarPictureName(int nCommand)
{
    static const QHash<int, const char*> names{
        // Radio toolbar.
        {32818, "favourite-down"}, {32814, "frequency-down"}, {32813, "frequency-up"}, {32817, "favourite-up"},
        {112, "start-radio-display"}, {114, "preamp"}, {113, "attenuator"}, {116, "narrow-filter"},
        {118, "noise-blanker"}, {130, "dig-mode"},
        // Main and soundcard toolbars.
        {33551, "waterfall-options"}, {33554, "waterfall-data-options"}, {33563, "soundcard-options"},
        {33572, "distance-options"}, {33353, "adjust-frequency-range"}, {137, "clock"},
        {32771, "soundcard-start"}, {32785, "media-seek-backward"},
        // Waterfall display, centre, AFC and waterfall data bars.
        {33329, "waterfall-display"}, {33330, "spectrum-display"}, {33331, "input-display"},
        {33512, "palette-editor"}, {33561, "centre-channel"}, {33562, "centre-undo"},
        {33467, "afc-off"}, {33468, "afc-fast"}, {33469, "afc-custom"},
        {33473, "fft-root"}, {33474, "fft-log"}, {33475, "fft-log-clip"},
    };
    const char* name = names.value(nCommand, nullptr);
    return name ? QString::fromLatin1(name) : QString();
}
