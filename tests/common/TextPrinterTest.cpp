#include "common/TextPrinter.h"

#include "platform/Dialogs.h"
#include "platform/Printing.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTime>
#include "PdfReader.h"

#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

using Line = TextPrinter::Line;
using platform::MessageKind;


// The first page as a picture at 100 dots per inch.
QImage pdfPage(const QString& pdf)
{
    const QString stem = pdf + "-page";
    pdf::runTool("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, stem});
    return QImage(stem + ".png");
}

// The longest run of dark pixels along any row of the picture.
int longestDarkRun(const QImage& image)
{
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = qGray(image.pixel(x, y)) < 128 ? run + 1 : 0;
            longest = qMax(longest, run);
        }
    }
    return longest;
}

// Writes lines into a PDF at printer resolution, as one job would.
bool writePdf(const QString& pdf, const QList<Line>& lines)
{
    QPdfWriter writer(pdf);
    writer.setResolution(300);
    return TextPrinter::writeLines(writer, lines);
}

// A PDF printer whose print dialog is answered with a copy count, as a
// user setting the copies would.
class CopiesPrinting : public platform::PdfPrinting {
public:
    using PdfPrinting::PdfPrinting;
    bool printDialog(QWidget* parent, QPrinter& printer) override
    {
        printer.setCopyCount(copies);
        return PdfPrinting::printDialog(parent, printer);
    }
    int copies = 1;
};

class NoPrinters : public platform::Printing {
public:
    std::unique_ptr<QPrinter> currentPrinter() override { return nullptr; }
};

const TextPrinter::Failure Failure{MessageKind::Warning, QStringLiteral("The list could not be printed.")};

class TextPrinterJobs : public ::testing::Test {
protected:
    void TearDown() override { platform::Printing::install(nullptr); }

    QList<Line> nextJob()
    {
        ++jobsAsked;
        return {{QStringLiteral("Job %1").arg(jobsAsked)}};
    }

    QTemporaryDir dir;
    platform::ScriptedDialogs dialogs;
    TextPrinter printer{dialogs, nullptr, Failure};
    int jobsAsked = 0;
};

} // namespace

TEST(TextPrinterStamps, DateAndTimeLinesUnderATitle)
{
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(TextPrinter::dateStamp(QDate(2026, 12, 7), english), "Date : Monday 7 December 2026");
    EXPECT_EQ(TextPrinter::dateStamp(QDate(2026, 3, 1), english), "Date : Sunday 1 March 2026");
    EXPECT_EQ(TextPrinter::dateStamp(QDate(987, 3, 1), english).right(5), " 0987");

    // The 12-hour clock: midnight and noon are 12, minutes kept, seconds dropped.
    EXPECT_EQ(TextPrinter::timeStamp(QTime(0, 5)), "Time : 12:05 AM");
    EXPECT_EQ(TextPrinter::timeStamp(QTime(9, 30)), "Time : 09:30 AM");
    EXPECT_EQ(TextPrinter::timeStamp(QTime(10, 45, 59)), "Time : 10:45 AM");
    EXPECT_EQ(TextPrinter::timeStamp(QTime(11, 59, 59)), "Time : 11:59 AM");
    EXPECT_EQ(TextPrinter::timeStamp(QTime(12, 0)), "Time : 12:00 PM");
    EXPECT_EQ(TextPrinter::timeStamp(QTime(21, 7)), "Time : 09:07 PM");
    EXPECT_EQ(TextPrinter::timeStamp(QTime(23, 59, 59)), "Time : 11:59 PM");

    EXPECT_EQ(TextPrinter::dateTimeStamp(QDate(2026, 12, 7), QTime(22, 45), english),
              (QList<Line>{{"Date : Monday 7 December 2026", 14}, {"Time : 10:45 PM", 14}}));
}

TEST(TextPrinterStamps, CentringSpacesRoundTowardZero)
{
    EXPECT_EQ(TextPrinter::centringSpaces(1000, 200, 10), 41);
    EXPECT_EQ(TextPrinter::centringSpaces(1000, 201, 10), 40); // 399 div 10 = 39
    EXPECT_EQ(TextPrinter::centringSpaces(1000, 400, 10), 31);
    EXPECT_EQ(TextPrinter::centringSpaces(400, 400, 10), 1);   // k = 0
    EXPECT_EQ(TextPrinter::centringSpaces(390, 400, 10), 1);   // -5 div 10 is 0, not -1
    EXPECT_EQ(TextPrinter::centringSpaces(370, 400, 10), 0);   // k = -1
    EXPECT_EQ(TextPrinter::centringSpaces(100, 200, 10), 0);
    EXPECT_EQ(TextPrinter::centringSpaces(300, 400, 0), 0);
}

TEST(TextPrinterPages, LinesGoDownThePagesAndLongOnesWrap)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("lines.pdf");
    QList<Line> lines{{"* Centred Title *", 20, false, true}, {QString(), 20}};
    for (int i = 1; i <= 300; ++i)
        lines.append({QStringLiteral("line %1").arg(i, 3, 10, QLatin1Char('0')), 10});
    lines.append({QString(60, 'w') + " tail-of-a-long-line " + QString(60, 'z'), 10});
    ASSERT_TRUE(writePdf(pdf, lines));

    const QString text = pdf::text(pdf);
    // 300 lines of 10 points cannot fit on one page, nor need more than a few.
    const int pages = pdf::info(pdf, "Pages").toInt();
    EXPECT_GE(pages, 4);
    EXPECT_LE(pages, 6);
    EXPECT_EQ(text.count(QRegularExpression("line \\d\\d\\d")), 300);
    EXPECT_LT(text.indexOf("line 001"), text.indexOf("line 300"));
    // Nothing is lost off the page's edge: the long line goes on below.
    EXPECT_TRUE(text.contains("tail-of-a-long-line"));
    EXPECT_TRUE(text.contains(QString(60, 'z')));

    // The title sits in the middle of the page, by spaces.
    const QString firstLine = text.section('\n', 0, 0);
    const qsizetype titleAt = firstLine.indexOf("* Centred Title *");
    ASSERT_GE(titleAt, 0);
    EXPECT_GT(titleAt, 10);
}

TEST(TextPrinterPages, BlankLinesTakeTheirHeightAndPaddingIsUnderlined)
{
    QTemporaryDir dir;
    const QString tight = dir.filePath("tight.pdf");
    const QString spaced = dir.filePath("spaced.pdf");
    ASSERT_TRUE(writePdf(tight, {{"top", 12}, {"bottom", 12}}));
    ASSERT_TRUE(writePdf(spaced, {{"top", 12}, {QString(), 24}, {QString(), 24}, {"bottom", 12}}));
    const auto linesBetween = [](const QString& pdf) {
        const QString text = pdf::text(pdf);
        return text.mid(text.indexOf("top"), text.indexOf("bottom") - text.indexOf("top")).count('\n');
    };
    EXPECT_EQ(linesBetween(tight), 1);
    EXPECT_GE(linesBetween(spaced), 4);

    // An underlined field padded with spaces is underlined to its full width.
    const QString padded = dir.filePath("padded.pdf");
    const QString bare = dir.filePath("bare.pdf");
    ASSERT_TRUE(writePdf(padded, {{QStringLiteral("ab").leftJustified(60), 12, true}}));
    ASSERT_TRUE(writePdf(bare, {{QStringLiteral("ab"), 12, true}}));
    const int paddedRun = longestDarkRun(pdfPage(padded));
    const int bareRun = longestDarkRun(pdfPage(bare));
    EXPECT_GT(bareRun, 5); // the underline of "ab" is there
    EXPECT_GT(paddedRun, 20 * bareRun);
}

TEST_F(TextPrinterJobs, EveryCopyIsAJobOfItsOwnInTheOrientationAsked)
{
    const QString pdf = dir.filePath("copies.pdf");
    CopiesPrinting printing(pdf);
    platform::Printing::install(&printing);
    printing.copies = 3;
    EXPECT_TRUE(printer.print(QPageLayout::Landscape, [this] { return nextJob(); }));
    EXPECT_EQ(printing.dialogs, 1);
    EXPECT_EQ(printer.jobsPrinted(), 3);
    // Each job asked for its own lines, and the printer did not copy them again.
    EXPECT_EQ(jobsAsked, 3);
    EXPECT_EQ(pdf::info(pdf, "Pages"), "1");
    EXPECT_TRUE(pdf::text(pdf).contains("Job 3"));
    EXPECT_TRUE(pdf::info(pdf, "Page size").startsWith("842 x 595"));

    // A copy count of 0 is one copy; the orientation is the one asked each time.
    printing.copies = 0;
    EXPECT_TRUE(printer.print(QPageLayout::Portrait, [this] { return nextJob(); }));
    EXPECT_EQ(printer.jobsPrinted(), 1);
    EXPECT_EQ(jobsAsked, 4);
    EXPECT_TRUE(pdf::info(pdf, "Page size").startsWith("595 x 842"));
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(TextPrinterJobs, SetUpAndPrintShareOnePrinterAndCancellingPrintsNothing)
{
    const QString pdf = dir.filePath("kept.pdf");
    platform::PdfPrinting printing(pdf);
    platform::Printing::install(&printing);
    printer.setUp();
    EXPECT_EQ(printing.dialogs, 1);
    ASSERT_NE(printer.printer(), nullptr);
    printer.printer()->setPageSize(QPageSize(QPageSize::A5)); // what the set-up dialog chose
    EXPECT_TRUE(printer.print(QPageLayout::Portrait, [this] { return nextJob(); }));
    EXPECT_EQ(printing.printers, 1);
    EXPECT_TRUE(pdf::info(pdf, "Page size").contains("A5"));

    QFile::remove(pdf);
    printing.acceptDialogs = false;
    EXPECT_FALSE(printer.print(QPageLayout::Portrait, [this] { return nextJob(); }));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(jobsAsked, 1);
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(TextPrinterJobs, NoPrinterAndAFailedJobAreToldOnce)
{
    NoPrinters none;
    platform::Printing::install(&none);
    printer.setUp();
    EXPECT_FALSE(printer.print(QPageLayout::Landscape, [this] { return nextJob(); }));
    ASSERT_EQ(dialogs.asked.size(), 2);
    for (const auto& asked : dialogs.asked) {
        EXPECT_EQ(asked.text, platform::Printing::noPrinterText());
        EXPECT_EQ(asked.kind, MessageKind::Information);
        EXPECT_EQ(asked.buttons, platform::Ok);
    }
    EXPECT_EQ(jobsAsked, 0);

    // A printer that cannot be written to: the window's own message, once
    // for all the copies, and no copy after the one that failed.
    dialogs.asked.clear();
    TextPrinter broken(dialogs, nullptr, Failure);
    CopiesPrinting unwritable(dir.filePath("no/such/folder/x.pdf"));
    unwritable.copies = 2;
    platform::Printing::install(&unwritable);
    int paintAttempts = 0;
    EXPECT_FALSE(broken.printPages(QPageLayout::Portrait, [&](QPrinter& p) {
        ++paintAttempts;
        return TextPrinter::writeLines(p, {{"x"}});
    }));
    EXPECT_EQ(paintAttempts, 1);
    EXPECT_EQ(broken.jobsPrinted(), 0);
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].text, Failure.text);
    EXPECT_EQ(dialogs.asked[0].kind, MessageKind::Warning);
}
