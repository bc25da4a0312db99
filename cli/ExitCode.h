#pragma once

namespace cli {

// The process exit codes of quarnctl.
enum ExitCode : int {
    ExitOk = 0,
    ExitFailed = 1, // the exchange failed, or differences were found
    ExitUsage = 2,
    ExitPort = 3, // the port cannot be opened
    ExitFile = 4, // a file cannot be read or written
};

} // namespace cli
