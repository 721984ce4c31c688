#pragma once
#include <QString>

// The name of the toolbar picture of a command of PSK31 Brevio's bars (empty
// when the command has none); the picture itself comes from
// artwork::toolbarIcon.
QString ToolbarPictureName(int nCommand);
