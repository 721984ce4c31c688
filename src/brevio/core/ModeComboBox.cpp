#include "brevio/core/ModeComboBox.h"

#include "brevio/core/DspLibrary.h"

CModeComboBox::CModeComboBox(QWidget* parent) : COwnComboBox(parent)
{
    // Only the operator's choice: filling and selecting from code is silent.
    connect(this, &QComboBox::activated, this, [this] { OnSelEndOk(); });
}

CModeComboBox::~CModeComboBox() = default;

void CModeComboBox::OnSelEndOk()
{
    ApplyRxModeToAllChannels();
}
