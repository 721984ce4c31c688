#pragma once
// "Favourites": a window with a complete copy of the navigator's favourites
// tree and the radio's memory channels, reporting clicks to its owner with
// the owner's message. It places itself left of its owner.
#include "shared/ui/BaseDialog.h"

#include <cstdint>

class CFavouritesTree;

class CFavouritesDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 226;
    enum ControlId : unsigned { IDC_TREE = 1097 };

    CFavouritesDialog(QWidget* pOwner, uint32_t nMessage);
    ~CFavouritesDialog() override;

    bool OnInitDialog() override;
    CFavouritesTree* Tree() const { return m_pTree; }

private:
    QWidget* m_pOwner;
    uint32_t m_nMessage;
    CFavouritesTree* m_pTree = nullptr;
};
