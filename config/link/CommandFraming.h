#pragma once

#include <QString>

namespace platform {
class BytePort;
}

// The commands of the unit and the two primitives every exchange shares. All commands are
// 8-bit ASCII and end with a carriage return; register numbers are three decimal digits.
namespace quarn::link::framing {

// A send text longer than this is not sent at all; no command of the unit is that long.
constexpr int MaxSendText = 100;
// A read asks for one byte and gives up after this long without data.
constexpr int ReadTimeoutMs = 102;

inline const QString ProgStart = QStringLiteral("$PROGSTART\r");
inline const QString ProgEnde = QStringLiteral("$PROGENDE\r");
inline const QString ResetBase = QStringLiteral("\rP222\r");
inline const QString ResetTelephone = QStringLiteral("\rP522\r");
inline const QString ResetTelephoneEnd = QStringLiteral("\r");
inline const QString LeaveTelephoneMode = QStringLiteral("\rq\r");

// "007" for register 7.
QString registerNumberText(int n);
// "$R" nnn: how a reply to a read or write of register n begins.
QString replyPrefix(int n);
// "$R" nnn "\r"
QString readCommand(int n);
// "$P" nnn dddddddd "\r", with the register text as it stands.
QString writeCommand(int n, const QString& digits);

// Sends the low byte of each character in one write, if the text has at most
// MaxSendText characters and the port is open. Returns whether anything was written;
// the exchanges do not check it (a failed write shows up as a missing reply).
bool sendText(platform::BytePort& port, const QString& text);

// The common start of every exchange: close the port, then open the selected name with
// the read time-out of the configuration program.
bool restartPort(platform::BytePort& port, const QString& name);

} // namespace quarn::link::framing
