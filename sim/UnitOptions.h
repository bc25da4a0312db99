#pragma once

#include <QString>

namespace sim {

enum class Model { Q7k, Q8k };

// Faults the simulated unit can show:
//  Silent   never answers anything;
//  Monitor  sends monitor output to everything and never enters PC mode;
//  Drop     drops the reply to every Nth register or text-read command (N = faultParam);
//  Corrupt  corrupts the digits of every Nth such reply (N = faultParam);
//  Slow     sends each reply faultParam ms later;
//  Noise    sends one or two stray bytes before each reply; with faultParam N > 0, from the
//           Nth register or text-read reply on the line carries nothing but noise (a stray
//           byte every 100 ms for 30 s), as with a wrong device on the port;
//  Babble   answers the first faultParam commands (0: none), then never again, but sends
//           line noise without end (a stray byte every few milliseconds);
//  HangUp   takes faultParam commands, then drops the line: it answers nothing more and
//           the pseudo-terminal server closes its side, as when a cable is pulled;
//  Break    answers the first faultParam commands (0: none), then the line is in break: it
//           delivers nothing but NUL bytes, one every millisecond, for ever;
//  Stray    one stray byte before every Nth text-read reply (N = faultParam), nothing else;
//  Cutoff   the line dies after faultParam short-dial entry lines have gone out: the rest
//           of the list is lost and the line drops as with HangUp.
enum class Fault { None, Silent, Monitor, Drop, Corrupt, Slow, Noise, Babble, HangUp, Break, Stray, Cutoff };

struct UnitOptions {
    Model model = Model::Q8k;
    bool telephone = true;
    Fault fault = Fault::None;
    int faultParam = 0;
    bool baudTiming = false; // every byte takes 10 bits at 9600 baud in both directions
};

// Parses "silent", "monitor", "drop=N", "corrupt=N", "slow=MS", "noise", "noise=N", "babble",
// "babble=N", "hangup=N", "break", "break=N", "stray=N", "cutoff=N" (and "none").
// Returns false for anything else; the options are then left unchanged.
bool parseFault(const QString& text, UnitOptions& options);

// Parses "7k" or "8k".
bool parseModel(const QString& text, Model& model);

} // namespace sim
