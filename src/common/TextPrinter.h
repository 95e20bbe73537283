#pragma once
#include <QList>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <memory>

class QDate;
class QLocale;
class QPagedPaintDevice;
class QPrinter;
class QTime;
class QWidget;
namespace platform {
class Dialogs;
enum class MessageKind;
} // namespace platform

// Prints for a window: keeps its printer from Print Setup to Print, tells
// the user when there is no printer, shows the print dialog and prints
// every copy as a job of its own. Most users print a table of fixed-width
// text, line by line down the page in Courier New; a window that draws its
// own pages hands in a painter of its own instead.
class TextPrinter {
public:
    // One printed line; an empty one is a blank line as high as its font.
    struct Line {
        QString text;
        int pointSize = 12;
        bool underlined = false;
        // Put in the middle of the page by leading spaces, as a title is.
        bool centred = false;
        friend bool operator==(const Line&, const Line&) = default;
    };

    // What the user is told when a job cannot be printed.
    struct Failure {
        platform::MessageKind kind;
        QString text;
    };

    // dialogs and parent carry every message and dialog of printing.
    TextPrinter(platform::Dialogs& dialogs, QWidget* parent, Failure failure);
    ~TextPrinter();
    TextPrinter(const TextPrinter&) = delete;
    TextPrinter& operator=(const TextPrinter&) = delete;

    // The window's printer, made on first use; nullptr, and the user told,
    // when no printer is installed.
    QPrinter* printer();
    // Print Setup: the printer set-up dialog on that printer.
    void setUp();

    // The print dialog, then one job per copy (a count of 0 is one copy) in
    // the given orientation, each job's lines asked for when it starts, so
    // a date stamp is that job's. False when nothing more was printed: no
    // printer, the dialog cancelled, or a job failed (the user is told).
    bool print(QPageLayout::Orientation orientation, const std::function<QList<Line>()>& lines);
    // The same for a window that paints its own pages: paintJob paints one
    // whole job on the printer and says whether it could.
    bool printPages(QPageLayout::Orientation orientation, const std::function<bool(QPrinter&)>& paintJob);
    // Jobs sent by the last print.
    int jobsPrinted() const { return jobsPrinted_; }

    // One job of lines down the device's pages: a new page when the next
    // line would not fit, lines wider than the page wrapped. False when the
    // device could not be painted on.
    static bool writeLines(QPagedPaintDevice& device, const QList<Line>& lines);

    static inline const QString FontFamily = QStringLiteral("Courier New");
    // Spaces put before a centred line: k + 1 with k = ((page width - text
    // width) div 2) div the width of a space; none when k is negative.
    static int centringSpaces(int pageWidth, int textWidth, int spaceWidth);
    // The stamp under a title, one line each at 14 points:
    // "Date : Monday 7 December 2026" and "Time : 10:45 PM".
    static QList<Line> dateTimeStamp(const QDate& date, const QTime& time, const QLocale& locale);
    static QString dateStamp(const QDate& date, const QLocale& locale);
    static QString timeStamp(const QTime& time);

private:
    platform::Dialogs& dialogs_;
    QWidget* parent_;
    Failure failure_;
    std::unique_ptr<QPrinter> printer_;
    int jobsPrinted_ = 0;
};
