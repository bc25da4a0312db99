#pragma once

#include <QStringList>

namespace quarn {

// Starts the program again after a change of language and ends this process; tests put
// a recorder in its place.
class Restarter {
public:
    virtual ~Restarter() = default;
    virtual void restart() = 0;
};

// Starts the own executable with the same start options, then leaves the event loop
// with exit code 0.
class ProcessRestarter final : public Restarter {
public:
    explicit ProcessRestarter(QStringList arguments) : m_arguments(std::move(arguments)) {}
    void restart() override;

private:
    QStringList m_arguments;
};

} // namespace quarn
