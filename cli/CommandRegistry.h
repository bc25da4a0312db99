#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "cli/Command.h"

namespace cli {

// Every quarnctl command, in the order `quarnctl --help` lists them.
class CommandRegistry {
public:
    static const std::vector<std::unique_ptr<Command>>& commands();
    // nullptr for a name no command has.
    static const Command* find(const QString& name);
};

} // namespace cli
