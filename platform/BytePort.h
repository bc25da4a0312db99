#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// Why a port could not be opened, so a window or the command line can say more than
// the unit's one-line message.
enum class PortError { None, NotFound, InUse, PermissionDenied, Settings, Other };

// A byte-oriented serial port. The programs only ever read one byte at a time (the
// configuration program) or what has arrived so far (the display-text editor).
class BytePort {
public:
    virtual ~BytePort() = default;

    virtual bool open(const QString& name) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Writes all bytes in one go; false when the port is closed or the write failed.
    virtual bool write(const QByteArray& bytes) = 0;

    // One byte, or nothing after the read time-out without data.
    virtual std::optional<char> readByte() = 0;

    // What has arrived, waiting at most waitMs for the first byte; empty when nothing came.
    virtual QByteArray readAvailable(int waitMs) = 0;

    // Time-out of readByte() in milliseconds (about 102 ms for the configuration program).
    virtual void setReadTimeout(int ms) = 0;

    virtual PortError lastError() const = 0;
    // Human-readable detail of lastError(), e.g. "permission denied (group dialout)".
    virtual QString lastErrorDetail() const = 0;
};

} // namespace platform
