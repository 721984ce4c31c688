#include "corvane/core/FrequencyHistory.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/RadioApp.h"

void CFrequencyList::Add(int nFrequency, uint8_t bMode)
{
    auto entry = std::make_unique<CFrequencyEntry>();
    entry->m_nFrequency = nFrequency;
    entry->m_bMode = bMode;
    m_entries.push_back(std::move(entry));
}

std::unique_ptr<CFrequencyEntry> CFrequencyList::RemoveLast()
{
    if (m_entries.empty())
        return nullptr;
    std::unique_ptr<CFrequencyEntry> last = std::move(m_entries.back());
    m_entries.pop_back();
    return last;
}

void CFrequencyHistory::Push(CFrequencyList& list, int nFrequency, uint8_t bMode)
{
    const CFrequencyEntry* last = list.GetLast();
    if (last && last->m_nKind == 1 && last->m_nFrequency == nFrequency && last->m_bMode == bMode)
        return;
    list.Add(nFrequency, bMode);
}

void CFrequencyHistory::Step(CFrequencyList& from, CFrequencyList& to, const CDisplayViewHooks& view)
{
    if (from.IsEmpty() || from.GetLastKind() != 1)
        return;
    Push(to, int(view.GetFrequency()), view.GetMode());
    std::unique_ptr<CFrequencyEntry> entry = from.RemoveLast();
    if (CRadioApp* app = GetRadioApp())
        app->GetCatLink().SetFrequencyInMode(uint32_t(entry->m_nFrequency), entry->m_bMode);
}

void CFrequencyHistory::Undo(const CDisplayViewHooks& view)
{
    Step(m_undo, m_redo, view);
}

void CFrequencyHistory::Redo(const CDisplayViewHooks& view)
{
    Step(m_redo, m_undo, view);
}
