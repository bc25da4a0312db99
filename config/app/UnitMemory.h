#pragma once

#include "config/register/Register.h"

#include <QString>
#include <optional>

namespace quarn {

// What the window knows the connected unit holds: the image last read from it (or sent to it
// and confirmed) since the program started. A unit is recognised by the port it answers on and
// what its connect reply says of it (version text, model, telephone interface); a connect whose
// answer differs in any of these is another unit, and what was known is forgotten. Two units of
// the same version swapped on one port cannot be told apart this way.
class UnitMemory {
public:
    // A complete read or a confirmed send: the unit holds image now.
    void remember(const Register& image, const QString& port);
    // A connect succeeded on port; image holds the unit's description from the reply.
    void connected(const Register& image, const QString& port);
    void forget() { m_image.reset(); }

    // Nothing while the unit's contents are not known.
    const Register* image() const { return m_image ? &*m_image : nullptr; }

private:
    bool sameUnit(const Register& image, const QString& port) const;

    std::optional<Register> m_image;
    QString m_port;
};

} // namespace quarn
