// A file written whole or not at all, and why not in words a teacher reads.
#pragma once

#include <QByteArray>
#include <QString>

namespace sheets {

// Writes all of the bytes to `path` or nothing: a file already there is replaced only once the
// new one is whole. Why it could not be written; empty when it was.
QString saveWhole(const QByteArray& bytes, const QString& path);

}  // namespace sheets
