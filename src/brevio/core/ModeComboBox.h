#pragma once
// The PSK modulation list of the Tx/Rx toolbar. The operator's choice
// re-applies the receive mode to every engine channel at once.
#include "shared/ui/OwnComboBox.h"

class CModeComboBox : public COwnComboBox {
    Q_OBJECT
public:
    explicit CModeComboBox(QWidget* parent = nullptr);
    ~CModeComboBox() override;

    // The operator confirmed a selection.
    void OnSelEndOk();
};
