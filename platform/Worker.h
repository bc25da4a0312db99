#pragma once

#include "platform/ExchangeRunner.h"

namespace platform {
// The former name, until every window has moved to ExchangeRunner.
using Worker = ExchangeRunner;
} // namespace platform
