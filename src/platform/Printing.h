#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

namespace platform {

// Where printed pages go. The real service prints on the desktop's default
// printer; tests install one that prints into a PDF file.
class Printing {
public:
    virtual ~Printing() = default;

    // A printer set up for the current (default) printer, ready for a
    // QPainter; nullptr when no printer is installed.
    virtual std::unique_ptr<QPrinter> currentPrinter();
    // The standard print dialog (copies, range) and printer set-up dialog
    // (printer, paper, orientation) on the given printer; false when cancelled.
    virtual bool printDialog(QWidget* parent, QPrinter& printer);
    virtual bool printerSetup(QWidget* parent, QPrinter& printer);

    static Printing& instance();
    // Installs a replacement (not owned); nullptr restores the real printers.
    static void install(Printing* printing);

    // Text for the user when there is no printer at all.
    static QString noPrinterText();
};

// Test double: every print job becomes a PDF file; the dialogs answer as told.
class PdfPrinting : public Printing {
public:
    // Every job is written to path (the last job wins; printers counts them).
    explicit PdfPrinting(QString path) : path_(std::move(path)) {}
    std::unique_ptr<QPrinter> currentPrinter() override;
    bool printDialog(QWidget*, QPrinter&) override { ++dialogs; return acceptDialogs; }
    bool printerSetup(QWidget*, QPrinter&) override { ++dialogs; return acceptDialogs; }

    QString path() const { return path_; }
    bool acceptDialogs = true;
    int dialogs = 0;
    int printers = 0;   // printers handed out

private:
    QString path_;
};

// Installs a PDF double for the lifetime of the guard.
class ScopedPdfPrinting {
public:
    explicit ScopedPdfPrinting(const QString& path) : pdf(path) { Printing::install(&pdf); }
    ~ScopedPdfPrinting() { Printing::install(nullptr); }
    PdfPrinting pdf;
};

} // namespace platform
