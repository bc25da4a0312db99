#pragma once

#include <QByteArray>
#include <QString>

namespace quarn {

// Writes content to path atomically: a temporary file beside the target is renamed over it
// only after everything was written and flushed, so a failed save (disk full, no rights)
// leaves the previous file as it was. False on any failure.
bool writeFileAtomically(const QString& path, const QByteArray& content);

} // namespace quarn
