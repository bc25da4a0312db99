#pragma once

#include "config/history/HistoryStore.h"

namespace quarn {

class Register;

// The configuration side's entries of the history: a register image as a settings file, the
// short-dial memory as a short-dial file. Each returns the warning line, empty when kept.
class UnitHistory {
public:
    // The image as read from a unit ("Daten lesen", quarnctl read, a fleet read, the read
    // before a reviewed write).
    static QString keepImage(const Register& image, HistoryStore store = HistoryStore());
    // The short-dial memory as the unit listed it (cleaned receive buffer); its exchange does not
    // name the model.
    static QString keepShortDial(const QString& cleaned, HistoryStore store = HistoryStore());

    static QString modelOf(bool model7k);
};

} // namespace quarn
