#pragma once

#include "config/link/StagedExchange.h"

namespace quarn::link {

// Which part of the unit goes back to its factory values: the one whose tree the window
// shows.
enum class ResetTarget { Base, Telephone };

// "Werkseinstellungen": the unit resets itself; the image is not changed.
//
// Sends "$PROGENDE\r"; 1.75 s later "\rP222\r" (base registers) or "\rP522\r" (telephone
// interface, followed 1.25 s later by "\r"). The unit answers nothing the program reads;
// it must reset the registers by itself. A base reset lasts 6 s, a telephone reset 3 s,
// plus 500 ms.
class FactoryReset final : public StagedExchange {
public:
    static constexpr int StepMs = 10;
    static constexpr int StepsBeforeCommand = 175;
    static constexpr int BaseSteps = 600;
    static constexpr int TelephoneSteps = 300;
    static constexpr int SettleMs = 500;

    FactoryReset(const LinkContext& context, ResetTarget target)
        : StagedExchange(context, Exchange::FactoryReset), m_target(target)
    {}

    std::optional<LinkOutcome> start() override { return restartPort(); }
    LinkOutcome run() override;

private:
    ResetTarget m_target;
};

} // namespace quarn::link
