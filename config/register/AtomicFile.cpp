#include "config/register/AtomicFile.h"

#include <QSaveFile>

namespace quarn {

bool writeFileAtomically(const QString& path, const QByteArray& content)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // The explicit flush matters: QSaveFile::commit() does not report a write error that
    // only shows when its buffer is flushed (disk full, file size limit), and would rename
    // the truncated file over the target.
    if (file.write(content) != content.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        file.commit(); // removes the temporary file, leaves the target alone
        return false;
    }
    return file.commit();
}

} // namespace quarn
