#include "platform/Printing.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

namespace {
Printing realPrinting;
Printing* installed = nullptr;
} // namespace

Printing& Printing::instance() { return installed ? *installed : realPrinting; }

void Printing::install(Printing* printing) { installed = printing; }

QString Printing::noPrinterText()
{
    return QStringLiteral("No printer is installed. Please install a printer and try again.");
}

std::unique_ptr<QPrinter> Printing::currentPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

bool Printing::printDialog(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool Printing::printerSetup(QWidget* parent, QPrinter& printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<QPrinter> PdfPrinting::currentPrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path_);
    ++printers;
    return printer;
}

} // namespace platform
