#pragma once

#include <array>
#include <cstddef>

namespace quarn::link {

// The main window's controls whose enabled state records how far the user has got: the
// nine that the exchanges switch, plus the title above the trees.
enum class Control {
    BaseTree,      // tree of base settings
    TelephoneTree, // tree of telephone-interface settings
    ToTelephone,   // "-> Telefoninterface"
    ToBase,        // "-> Grundeinstellungen"
    ReadData,      // "Daten lesen"
    SendData,      // "Daten senden"
    FactoryReset,  // "Werkseinstellungen"
    Connect,       // "Verbindung herstellen"
    Disconnect,    // "Verbindung trennen"
    Title,         // the static text above the trees
};
constexpr std::size_t ControlCount = 10;

enum class Enable { Unchanged, On, Off };

// What an exchange wants done with each control, as data: the window applies it, the
// exchange never touches a widget.
class ControlStates {
public:
    Enable operator[](Control c) const { return m_states[static_cast<std::size_t>(c)]; }
    Enable& operator[](Control c) { return m_states[static_cast<std::size_t>(c)]; }
    bool operator==(const ControlStates&) const = default;

    // Every one of the nine switched controls off, the title unchanged.
    static ControlStates nineOff()
    {
        ControlStates s;
        for (std::size_t i = 0; i < ControlCount; ++i)
            s.m_states[i] = Enable::Off;
        s[Control::Title] = Enable::Unchanged;
        return s;
    }
    ControlStates& set(Control c, Enable e)
    {
        (*this)[c] = e;
        return *this;
    }
    ControlStates& on(Control c) { return set(c, Enable::On); }
    ControlStates& off(Control c) { return set(c, Enable::Off); }

private:
    std::array<Enable, ControlCount> m_states{};
};

} // namespace quarn::link
