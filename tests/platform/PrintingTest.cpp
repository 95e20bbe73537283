#include "platform/Printing.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Printing, TheDoublePrintsIntoAPdfWhoseTextReadsBack)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    platform::ScopedPdfPrinting printing(pdf);
    std::unique_ptr<QPrinter> printer = platform::Printing::instance().currentPrinter();
    ASSERT_NE(printer, nullptr);
    {
        QPainter painter(printer.get());
        painter.setFont(QFont("Liberation Serif", 20));
        painter.drawText(QPoint(200, 400), "Printed by Orvik");
    }
    ASSERT_TRUE(QFile::exists(pdf));
    QProcess reader;
    reader.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(reader.waitForFinished(20000));
    EXPECT_TRUE(QString::fromUtf8(reader.readAllStandardOutput()).contains("Printed by Orvik"));
    EXPECT_EQ(printing.pdf.printers, 1);
}
