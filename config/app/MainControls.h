#pragma once

#include "config/link/LinkOutcome.h"

#include <QList>
#include <array>
#include <cstddef>
#include <initializer_list>

class QAction;
class QWidget;

namespace quarn {

class Register;

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

// Owns the enabled state of the main window's controls, before, during and after every
// exchange and after a file is opened. While an exchange runs every command that would
// start another one, or that reads or writes the image (trees, file commands, the version
// query, the port box, the language menu), is off: one rule for all of them, so no command
// is ever dropped without a word. At the end the state is that of the outcome.
class MainControls {
public:
    using Widgets = std::array<QWidget*, ControlCount>;

    // `locked`: further widgets and actions that are off while an exchange runs and on
    // otherwise.
    MainControls(const Widgets& controls, QList<QWidget*> lockedWidgets, QList<QAction*> lockedActions);

    bool isEnabled(Control c) const;
    void setEnabled(Control c, bool on);

    // Records the state and switches everything off except the title.
    void beginExchange();
    // The state the exchange ends in; `image` is the image after it.
    void endExchange(const link::LinkOutcome& outcome, const Register& image);
    // A settings file was loaded into `image`.
    void fileLoaded(const Register& image);
    // The about box left with Escape: the service way to every dialog without data.
    void serviceAccess();

private:
    void setLocked(bool locked);
    void allOff();
    // Everything off but these (the title keeps its state).
    void onlyOn(std::initializer_list<Control> on);
    void transferDone(bool telephone);
    void telephoneSide(bool telephone);

    Widgets m_controls;
    QList<QWidget*> m_lockedWidgets;
    QList<QAction*> m_lockedActions;
    std::array<bool, ControlCount> m_before{};
};

} // namespace quarn
