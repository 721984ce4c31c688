#include "corvane/memory/MenuPage.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/memory/MenuControls.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <memory>

CMenuPage::CMenuPage(unsigned nIDTemplate, CCatLink* pLink) : CPropertyPage(nIDTemplate), m_fields(pLink) {}

CMenuPage::~CMenuPage() = default;

void CMenuPage::OnShowWindow(bool bShow)
{
    if (bShow)
        PostRegisteredMessage(GetSheet(), RegisteredMessage::nMsgSelect, 0, 0);
}

void CMenuPage::Bind(std::function<void()> read, std::function<void()> write)
{
    m_bindings.push_back({std::move(read), std::move(write)});
}

void CMenuPage::BindCheck(QCheckBox* pCheck, uint16_t nAddress, int nBit, bool bInverted)
{
    QObject::connect(pCheck, &QCheckBox::clicked, this, [this] { Changed(); });
    Bind([this, pCheck, nAddress, nBit, bInverted] { pCheck->setChecked(GetBit(nAddress, nBit) != bInverted); },
         [this, pCheck, nAddress, nBit, bInverted] { SetBit(nAddress, nBit, pCheck->isChecked() != bInverted); });
}

void CMenuPage::BindGroup(MenuControls::CRadioGroup& group, uint16_t nAddress, int nShift, int nWidth)
{
    group.OnClicked([this] { Changed(); });
    MenuControls::CRadioGroup* g = &group;
    Bind([this, g, nAddress, nShift, nWidth] { g->Set(GetField(nAddress, nShift, nWidth)); },
         [this, g, nAddress, nShift, nWidth] {
             if (g->Get() >= 0)
                 SetField(nAddress, nShift, nWidth, uint8_t(g->Get()));
         });
}

void CMenuPage::BindList(COwnComboBox* pList, uint16_t nAddress, int nShift, int nWidth, bool bBand)
{
    QObject::connect(pList, &QComboBox::activated, this, [this](int) { Changed(); });
    Bind(
        [this, pList, nAddress, nShift, nWidth, bBand] {
            const int value = bBand ? GetBandField(nAddress, nShift, nWidth) : GetField(nAddress, nShift, nWidth);
            pList->SetCurSel(value < pList->count() ? value : -1);
        },
        [this, pList, nAddress, nShift, nWidth, bBand] {
            const int index = pList->GetCurSel();
            if (index < 0)
                return;
            if (bBand)
                SetBandField(nAddress, nShift, nWidth, uint8_t(index));
            else
                SetField(nAddress, nShift, nWidth, uint8_t(index));
        });
}

void CMenuPage::BindSpinField(MenuControls::CSpinEdit& spin, uint16_t nAddress, int nShift, int nWidth, int nBias,
                              bool bSigned)
{
    struct State {
        int raw = 0;
        bool touched = false;
    };
    auto state = std::make_shared<State>();
    MenuControls::CSpinEdit* s = &spin;
    spin.OnMoved([this, state] {
        state->touched = true;
        Changed();
    });
    Bind(
        [this, s, state, nAddress, nShift, nWidth, nBias, bSigned] {
            int value = GetField(nAddress, nShift, nWidth);
            if (bSigned && nWidth == 8 && value >= 0x80)
                value -= 256;
            state->raw = value;
            state->touched = false;
            s->Show(value + nBias);
        },
        [this, s, state, nAddress, nShift, nWidth, nBias] {
            const int value = state->touched ? s->Position() - nBias : state->raw;
            SetField(nAddress, nShift, nWidth, uint8_t(value & 0xFF));
        });
}

void CMenuPage::ReadBindings()
{
    for (const Binding& b : m_bindings)
        b.read();
}

void CMenuPage::WriteBindings()
{
    for (const Binding& b : m_bindings)
        b.write();
}
