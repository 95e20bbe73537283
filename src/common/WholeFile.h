#pragma once
#include <QByteArray>
#include <QString>

// Writes a file's whole content through a temporary file beside it, which
// takes the file's place only when every byte is written: a failed write
// leaves an existing file as it was and no half-written one behind.
bool writeWholeFile(const QString& path, const QByteArray& bytes);
