#include "typing/Certificate.h"
#include "typing/TypingResultDialog.h"
#include "typing/TypingTutorWindow.h"

#include "ResultFigures.h"
#include "TestServices.h"
#include "platform/Printing.h"

#include "PdfReader.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace certificate;

namespace {


// The printed page's lines, trimmed, blank ones left out.
QStringList printedLines(const QString& path)
{
    QStringList found;
    for (const QString& line : pdf::text(path).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            found << line.trimmed();
    return found;
}

QStringList certificateLines(const QString& name, const QDate& date, int wordsPerMinute, int accuracy)
{
    return {"CERTIFICATE OF MERIT", "This is to certify that on", dateLine(date, QLocale()), name,
            "achieved an average typing speed of",
            QStringLiteral("%1 words Per Minute").arg(wordsPerMinute),
            QStringLiteral("with an Accuracy level of %1%").arg(accuracy)};
}

class NoPrinter : public platform::Printing {
public:
    std::unique_ptr<QPrinter> currentPrinter() override { return nullptr; }
};

// A printer there is, but its job cannot start: the output goes nowhere.
class BrokenPrinter : public platform::Printing {
public:
    std::unique_ptr<QPrinter> currentPrinter() override
    {
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QStringLiteral("/nonexistent-folder/certificate.pdf"));
        return printer;
    }
};

// A results window on its own, handed a final exam cancelled at 97 WPM and
// 14 of 15 keys right (93%). The program-wide dialogs and clock are others
// than the services' and must stay untouched: the window asks only its own.
class CertificatePrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.clock.set(QDateTime(QDate(2026, 12, 7), QTime(15, 30)));
        platform::Dialogs::install(&elsewhereDialogs);
        platform::Clock::install(&elsewhereClock);
        dialog = std::make_unique<TypingResultDialog>(t.services);
        result = dialog.get();
        result->showResult(resultWith(
            {.day = 8, .completed = 15, .length = 792, .accuracy = 1400, .accuracyOf = 1500,
             .wordsPerMinute = 97}));
        result->show();
    }
    void TearDown() override
    {
        dialog.reset();
        EXPECT_TRUE(elsewhereDialogs.asked.isEmpty());
    }
    QLineEdit* name() const { return result->findChild<QLineEdit*>(QStringLiteral("nameEdit")); }
    void print() { QTest::mouseClick(result->findChild<QPushButton*>(QStringLiteral("printButton")), Qt::LeftButton); }
    const QList<platform::ScriptedDialogs::Asked>& asked() const { return t.dialogs.asked; }

    platform::ScriptedDialogs elsewhereDialogs;
    platform::ManualClock elsewhereClock{QDateTime(QDate(2001, 1, 1), QTime(0, 0))};
    TestServices t;
    QTemporaryDir dir;
    std::unique_ptr<TypingResultDialog> dialog;
    TypingResultDialog* result = nullptr;
};

} // namespace

TEST(Certificate, DateLineUsesLocaleNamesAndOrdinals)
{
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(dateLine(QDate(2026, 12, 7), english), "Monday 7th December 2026");
    const int days[] = {1, 2, 3, 11, 12, 13, 21, 22, 23, 31};
    const char* expected[] = {"Thursday 1st January 2026", "Friday 2nd January 2026",
                              "Saturday 3rd January 2026", "Sunday 11th January 2026",
                              "Monday 12th January 2026", "Tuesday 13th January 2026",
                              "Wednesday 21st January 2026", "Thursday 22nd January 2026",
                              "Friday 23rd January 2026", "Saturday 31st January 2026"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(dateLine(QDate(2026, 1, days[i]), english), expected[i]);

    // 24 of 25 keys right is 96%; the figures come from the result alone.
    const auto l = lines(resultWith({.day = 8, .accuracy = 2400, .accuracyOf = 2500, .wordsPerMinute = 42}),
                         QStringLiteral("Ada"), QDate(2026, 12, 7), english);
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(l[0].text, "This is to certify that on");
    EXPECT_EQ(l[2].text, "Ada");
    EXPECT_EQ(l[2].pointSize, 36);
    EXPECT_EQ(l[3].text, "achieved an average typing speed of ");
    EXPECT_EQ(l[4].text, "42 words Per Minute");
    EXPECT_EQ(l[5].text, "with an Accuracy level of 96%");
    EXPECT_EQ(l[5].pointSize, 24);
}

TEST(Certificate, TitleShrinksInStepsOfTwoDownToSix)
{
    const auto tenPerPoint = [](int size) { return size * 10; };
    EXPECT_EQ(titlePointSize(tenPerPoint, 720), 72);
    EXPECT_EQ(titlePointSize(tenPerPoint, 719), 70);
    EXPECT_EQ(titlePointSize(tenPerPoint, 500), 50);
    EXPECT_EQ(titlePointSize(tenPerPoint, 80), 8);
    EXPECT_EQ(titlePointSize(tenPerPoint, 79), 6);
    EXPECT_EQ(titlePointSize(tenPerPoint, 1), 6);
}

TEST(Certificate, PageDesignFillsThePageStretched)
{
    QImage page(340, 480, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    drawPageDesign(painter, page.rect());
    painter.end();
    EXPECT_NE(page.pixelColor(0, 0), QColor(Qt::white));              // corner covered
    EXPECT_NE(page.pixelColor(339, 479), QColor(Qt::white));
    EXPECT_EQ(page.pixelColor(12, 240), page.pixelColor(328, 240));   // the border band, both sides
    EXPECT_NE(page.pixelColor(12, 240), page.pixelColor(170, 240));   // band differs from the middle
    EXPECT_EQ(page.pixelColor(170, 240), page.pixelColor(170, 150));  // middle left clear for the text
}

TEST(Certificate, TheTitleRunsClearOfTheSideBorders)
{
    // An A4 page at 96 dpi: the title at 72 points is nearly as wide as the page.
    QImage page(794, 1123, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    drawPageDesign(painter, page.rect());
    QFont titleFont(QStringLiteral("Times New Roman"));
    titleFont.setPointSize(TitleStartSize);
    const QFontMetrics title(titleFont, &page);
    painter.end();
    ASSERT_GT(title.horizontalAdvance(Title), page.width() * 3 / 4);

    const QColor paper = page.pixelColor(page.width() / 2, page.height() / 2 - 100);
    const int top = page.height() / 3 - title.height();
    for (int y = top; y < top + title.height(); ++y)
        for (int x = 0; x < page.width(); x += 3)
            ASSERT_EQ(page.pixelColor(x, y), paper) << x << "," << y;
    // Above and below the title the frame runs on.
    EXPECT_NE(page.pixelColor(25, top - 80), paper);
    EXPECT_NE(page.pixelColor(25, page.height() / 2), paper);
}

TEST_F(CertificatePrintTest, PrintsTheLinesInOrder)
{
    const QString path = dir.filePath(QStringLiteral("certificate.pdf"));
    platform::ScopedPdfPrinting pdf(path);
    EXPECT_TRUE(result->findChild<QWidget*>(QStringLiteral("certificatePanel"))->isVisible());
    name()->setText(QStringLiteral("Ada Lovelace"));
    print();
    EXPECT_TRUE(asked().isEmpty());
    EXPECT_EQ(pdf.pdf.printers, 1);
    EXPECT_EQ(pdf.pdf.dialogs, 0);

    EXPECT_EQ(printedLines(path), certificateLines("Ada Lovelace", QDate(2026, 12, 7), 97, 93));
}

TEST_F(CertificatePrintTest, NoNameNoPrinterOrAFailedStartPrintsNothingAndSaysSo)
{
    const QString path = dir.filePath(QStringLiteral("none.pdf"));
    {
        platform::ScopedPdfPrinting pdf(path);
        name()->setText(QStringLiteral("   "));
        print();
        EXPECT_EQ(pdf.pdf.printers, 0);
    }
    ASSERT_EQ(asked().size(), 1);
    EXPECT_EQ(asked()[0].text, "Please enter your name!");
    EXPECT_EQ(asked()[0].kind, platform::MessageKind::Information);
    EXPECT_EQ(asked()[0].buttons, platform::Ok);
    EXPECT_EQ(result->focusWidget(), name());
    EXPECT_FALSE(QFile::exists(path));

    NoPrinter none;
    platform::Printing::install(&none);
    name()->setText(QStringLiteral("Ada"));
    print();
    platform::Printing::install(nullptr);
    ASSERT_EQ(asked().size(), 2);
    EXPECT_EQ(asked()[1].text, platform::Printing::noPrinterText());
    EXPECT_EQ(asked()[1].kind, platform::MessageKind::Warning);

    BrokenPrinter broken;
    platform::Printing::install(&broken);
    print();
    platform::Printing::install(nullptr);
    ASSERT_EQ(asked().size(), 3);
    EXPECT_EQ(asked()[2].text, "The certificate could not be printed.");
    EXPECT_EQ(asked()[2].kind, platform::MessageKind::Error);
}

// The whole way from the keys typed in the exam to the printed page.
TEST(CertificateFromTheTutor, PrintsTheExamAsTyped)
{
    TestServices t;
    t.clock.set(QDateTime(QDate(2027, 3, 22), QTime(11, 0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("exam.pdf"));
    platform::ScopedPdfPrinting pdf(path);
    int shown = 0;
    TypingResultDialog::modalHook = [&](TypingResultDialog& r) {
        ++shown;
        r.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Grace Hopper"));
        QTest::mouseClick(r.findChild<QPushButton*>(QStringLiteral("printButton")), Qt::LeftButton);
    };
    {
        TypingTutorWindow tutor(t.services);
        tutor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&tutor));
        while (tutor.day() < 8)
            tutor.nextDay();
        tutor.startExercise();
        // One wrong key of six: 5 right after a miss leaves 500 of 600.
        for (QChar c : QStringLiteral("YoXu w"))
            QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : &tutor,
                             QString(c));
        t.clock.advance(2000);
        tutor.updateSpeed();   // (500 * 12 div 100) div 2
        tutor.cancelExercise();
    }
    TypingResultDialog::modalHook = nullptr;
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(pdf.pdf.printers, 1);
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
    EXPECT_EQ(printedLines(path), certificateLines("Grace Hopper", QDate(2027, 3, 22), 30, 83));
}
