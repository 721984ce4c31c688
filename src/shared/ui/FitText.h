#pragma once
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
