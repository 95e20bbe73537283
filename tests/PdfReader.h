#pragma once
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Printed output read back the way a person would check it: the text of a
// PDF as pdftotext lays it out, and the fields pdfinfo reports.
namespace pdf {

inline QString runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString text(const QString& path) { return runTool("pdftotext", {"-layout", path, "-"}); }

// A field as pdfinfo reports it ("Pages", "Page size"), trimmed.
inline QString info(const QString& path, const QString& field)
{
    const QRegularExpression line("^" + field + ":\\s+(.*)$", QRegularExpression::MultilineOption);
    return line.match(runTool("pdfinfo", {path})).captured(1).trimmed();
}

} // namespace pdf
