#pragma once

#include "displaytexts/texts/Register.h"

#include <array>

namespace tekstor {

// What the window knows of each kind's table beyond its texts: whether they came from the
// unit or a file (only then does writing them send what the user saw; an edit of
// defaults does not count), and whether they were edited since the last save, load or
// read.
class TextKindStates {
public:
    void read(TextKind kind) { set(kind, true, false); }
    void loaded(TextKind kind) { set(kind, true, false); }
    void saved(TextKind kind) { at(kind).modified = false; }
    void edited(TextKind kind) { at(kind).modified = true; }

    bool hasTexts(TextKind kind) const { return at(kind).hasTexts; }
    bool modified(TextKind kind) const { return at(kind).modified; }
    bool anyModified() const
    {
        for (const State& s : m_states) {
            if (s.modified)
                return true;
        }
        return false;
    }

private:
    struct State {
        bool hasTexts = false;
        bool modified = false;
    };
    State& at(TextKind kind) { return m_states[static_cast<std::size_t>(kind)]; }
    const State& at(TextKind kind) const { return m_states[static_cast<std::size_t>(kind)]; }
    void set(TextKind kind, bool hasTexts, bool modified) { at(kind) = State{hasTexts, modified}; }

    std::array<State, 3> m_states{};
};

} // namespace tekstor
