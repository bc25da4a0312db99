#include "cli/CommandRegistry.h"

#include "cli/DiffCommand.h"
#include "cli/FleetCommand.h"
#include "cli/GetCommand.h"
#include "cli/HistoryCommand.h"
#include "cli/InfoCommand.h"
#include "cli/PortsCommand.h"
#include "cli/ReadCommand.h"
#include "cli/ReportCommand.h"
#include "cli/ResetCommand.h"
#include "cli/SetCommand.h"
#include "cli/ShortDialCommand.h"
#include "cli/ShowCommand.h"
#include "cli/TextsCommand.h"
#include "cli/VerifyCommand.h"
#include "cli/WriteCommand.h"

namespace cli {

namespace {
std::vector<std::unique_ptr<Command>> make()
{
    std::vector<std::unique_ptr<Command>> all;
    all.push_back(std::make_unique<PortsCommand>());
    all.push_back(std::make_unique<InfoCommand>());
    all.push_back(std::make_unique<ReadCommand>());
    all.push_back(std::make_unique<WriteCommand>());
    all.push_back(std::make_unique<VerifyCommand>());
    all.push_back(std::make_unique<ResetCommand>());
    all.push_back(std::make_unique<TextsCommand>());
    all.push_back(std::make_unique<ShortDialCommand>());
    all.push_back(std::make_unique<ShowCommand>());
    all.push_back(std::make_unique<GetCommand>());
    all.push_back(std::make_unique<SetCommand>());
    all.push_back(std::make_unique<DiffCommand>());
    all.push_back(std::make_unique<ReportCommand>());
    all.push_back(std::make_unique<HistoryCommand>());
    all.push_back(std::make_unique<FleetCommand>());
    return all;
}
} // namespace

const std::vector<std::unique_ptr<Command>>& CommandRegistry::commands()
{
    static const std::vector<std::unique_ptr<Command>> all = make();
    return all;
}

const Command* CommandRegistry::find(const QString& name)
{
    for (const std::unique_ptr<Command>& command : commands()) {
        if (command->name() == name)
            return command.get();
    }
    return nullptr;
}

} // namespace cli
