#pragma once
#include <QFont>

class QString;
class QWidget;

// Dialogs placed by coordinates meet longer texts and larger fonts: this
// grows a control to the height its text needs at its width and moves what
// lies below it down by as much, growing the boxes around it and the window.
// Call it once the controls are placed, before the dialog measures itself.
void GrowToFitText(QWidget* pControl);

// A window with a layout does not grow by itself when wrapped texts need
// more height (a bar shown, a larger font): this grows it to what its layout
// needs at the window's width.
void GrowToLayout(QWidget* pWindow);

// A control of fixed size that paints a short text of its own (a panel
// lamp, an offset read-out): the font, made smaller as far as it must, so
// that the text fits the width. Never below half its size, so a text that
// cannot fit stays readable and is cut rather than shrunk to nothing.
QFont FontToFit(const QFont& font, const QString& strText, int nWidth);
