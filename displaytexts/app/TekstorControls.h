#pragma once

#include "displaytexts/texts/Register.h"

#include <array>
#include <optional>

class QAction;
class QPushButton;

namespace tekstor {

class TextKindPanel;

// The enabled state of every control of Tekstor's window that starts something, in one
// place: the connection buttons, each kind's read, write and "Ändern..." buttons, "Öffnen"
// and "Speichern". While an exchange runs, everything that talks to the unit or changes a
// table it works on is off; afterwards the controls follow the connection and whether a
// kind's table was read or loaded.
class TekstorControls {
public:
    struct Widgets {
        QPushButton* connect = nullptr;
        QPushButton* disconnect = nullptr;
        std::array<TextKindPanel*, 3> panels{}; // by TextKind
        QAction* open = nullptr;
        QAction* save = nullptr;
    };

    explicit TekstorControls(const Widgets& widgets);

    bool connected() const { return m_connected; }
    // An exchange of kind (none: connect, disconnect) begins; its "Ändern..." is off until
    // it ends.
    void beginExchange(std::optional<TextKind> kind);
    // The exchange ended with the port open or not.
    void endExchange(bool connected);
    // A kind's table is shown (read, loaded), so its texts can be edited.
    void setEditable(TextKind kind);

private:
    void apply();

    Widgets m_widgets;
    bool m_connected = false;
    bool m_busy = false;
    std::optional<TextKind> m_running;
    std::array<bool, 3> m_editable{};
};

} // namespace tekstor
