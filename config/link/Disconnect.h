#pragma once

#include "config/link/StagedExchange.h"

namespace quarn::link {

// "Verbindung trennen": ends the unit's PC mode.
//
// Sends "$PROGENDE\r"; with the telephone interface, 5 s later "\rq\r" so the unit also
// leaves its telephone-interface mode, then 3 s more. The unit answers nothing the
// program reads. Clears the unit-known flag and the version text; the port stays open
// and the trees keep their state.
class Disconnect final : public StagedExchange {
public:
    static constexpr int StepMs = 25;
    static constexpr int StepsBeforeLeave = 200;
    static constexpr int StepsAfterLeave = 120;

    explicit Disconnect(const LinkContext& context) : StagedExchange(context, Exchange::Disconnect) {}

    std::optional<LinkOutcome> start() override { return restartPort(); }
    LinkOutcome run() override;
};

} // namespace quarn::link
