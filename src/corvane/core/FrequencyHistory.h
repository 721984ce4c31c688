#pragma once
#include <cstdint>
#include <memory>
#include <vector>

class CDisplayViewHooks;

// One remembered tuning state.
struct CFrequencyEntry {
    int m_nKind = 1;            // 1: a frequency-and-mode entry
    int m_nFrequency = 0;       // Hz
    uint8_t m_bMode = 0;        // CAT mode code, bit 7 narrow
};

// States in the order they were left, newest last.
class CFrequencyList {
public:
    CFrequencyList() = default;
    virtual ~CFrequencyList() = default;

    void Add(int nFrequency, uint8_t bMode);
    const CFrequencyEntry* GetLast() const { return m_entries.empty() ? nullptr : m_entries.back().get(); }
    int GetLastKind() const { return m_entries.empty() ? 0 : m_entries.back()->m_nKind; }
    std::unique_ptr<CFrequencyEntry> RemoveLast();
    bool IsEmpty() const { return m_entries.empty(); }
    int GetCount() const { return int(m_entries.size()); }
    void RemoveAll() { m_entries.clear(); }

private:
    std::vector<std::unique_ptr<CFrequencyEntry>> m_entries;
};

// The front panel's Undo and Redo of tuning changes.
class CFrequencyHistory {
public:
    void PushUndo(int nFrequency, uint8_t bMode) { Push(m_undo, nFrequency, bMode); }
    void PushRedo(int nFrequency, uint8_t bMode) { Push(m_redo, nFrequency, bMode); }
    bool CanUndo() const { return !m_undo.IsEmpty(); }
    bool CanRedo() const { return !m_redo.IsEmpty(); }
    void ClearRedo() { m_redo.RemoveAll(); }
    // Steps back (forward), setting the radio over CAT; the view gives the
    // state being left.
    void Undo(const CDisplayViewHooks& view);
    void Redo(const CDisplayViewHooks& view);

    const CFrequencyList& GetUndoList() const { return m_undo; }
    const CFrequencyList& GetRedoList() const { return m_redo; }

private:
    static void Push(CFrequencyList& list, int nFrequency, uint8_t bMode);
    void Step(CFrequencyList& from, CFrequencyList& to, const CDisplayViewHooks& view);

    CFrequencyList m_redo;
    CFrequencyList m_undo;
};
