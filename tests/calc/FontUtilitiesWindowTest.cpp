#include "calc/FontUtilitiesWindow.h"

#include "PdfReader.h"
#include "TestServices.h"
#include "app/Panel.h"
#include "calc/CharacterTableView.h"
#include "calc/FontListBox.h"
#include "common/AccessibleValue.h"
#include "platform/Printing.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString Serif = QStringLiteral("Liberation Serif");
const QString Sans = QStringLiteral("Liberation Sans");
const QString Mono = QStringLiteral("Liberation Mono");
const QChar Copyright(0x00A9);

// What a rich-text editor pasting the clipboard would get: each character
// and the family it is in.
QList<QPair<QChar, QString>> richCharacters(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    QList<QPair<QChar, QString>> characters;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            for (QChar c : it.fragment().text())
                characters.append({c, it.fragment().charFormat().fontFamilies().toStringList().value(0)});
    return characters;
}

// A PDF printer whose print dialog is answered with a copy count, and which
// notes the mouse cursor while a page is painted.
class WatchedPrinting : public platform::PdfPrinting {
public:
    using PdfPrinting::PdfPrinting;

    class Printer : public QPrinter {
    public:
        explicit Printer(WatchedPrinting& owner) : QPrinter(QPrinter::HighResolution), owner_(owner) {}

    protected:
        int metric(PaintDeviceMetric metric) const override
        {
            if (paintingActive()) {
                const QCursor* cursor = QGuiApplication::overrideCursor();
                owner_.cursorWhilePainting = cursor ? cursor->shape() : Qt::ArrowCursor;
            }
            return QPrinter::metric(metric);
        }

    private:
        WatchedPrinting& owner_;
    };

    std::unique_ptr<QPrinter> currentPrinter() override
    {
        auto printer = std::make_unique<Printer>(*this);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path());
        ++printers;
        return printer;
    }
    bool printDialog(QWidget* parent, QPrinter& printer) override
    {
        printer.setCopyCount(copies);
        if (duringDialog)
            duringDialog();
        return PdfPrinting::printDialog(parent, printer);
    }

    int copies = 1;
    std::function<void()> duringDialog;
    Qt::CursorShape cursorWhilePainting = Qt::BlankCursor;
};

class NoPrinters : public platform::Printing {
public:
    std::unique_ptr<QPrinter> currentPrinter() override { return nullptr; }
};

class FontUtilitiesWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        other.resize(50, 50);
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        // The pointer starts away from the window, wherever the last test left it.
        QTest::mouseMove(&other, QPoint(10, 10));
        w = new FontUtilitiesWindow(t.services);
        w->setFamilySource([this] { return families; });
        EXPECT_EQ(table()->columnCount(), 5); // before the first font is applied
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        activate(w);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    void TearDown() override
    {
        platform::Printing::install(nullptr);
        delete w.data();
    }

    static void activate(QWidget* window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <typename T> T* child(const char* name) const { return w->findChild<T*>(QString::fromLatin1(name)); }
    CharacterTableView* table() const { return child<CharacterTableView>("characterTable"); }
    FontListBox* fontsList() const { return child<FontListBox>("fontsList"); }
    Panel* keystrokes() const { return child<Panel>("keystrokes"); }
    QTextEdit* preview() const { return child<QTextEdit>("clipboardPreview"); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    Panel* fileMenu() const { return child<Panel>("fileMenu"); }
    Panel* editMenu() const { return child<Panel>("editMenu"); }

    QPoint itemCentre(int code) const
    {
        table()->scrollTo(table()->model()->index(code - 32, 0));
        return table()->itemRect(code).center();
    }
    void clickCharacter(int code) { QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, itemCentre(code)); }
    void doubleClickCharacter(int code)
    {
        const QPoint at = itemCentre(code);
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
    }
    // The next font down the list, by the keyboard.
    void nextFont() { QTest::keyClick(fontsList(), Qt::Key_Down); }
    void hover(QWidget* widget, QPoint at = {}) { QTest::mouseMove(widget, at.isNull() ? widget->rect().center() : at); }
    void copyFromEditMenu()
    {
        hover(button("editButton"));
        ASSERT_TRUE(editMenu()->isVisible());
        hover(button("copyButton"));
        QTest::mouseClick(button("copyButton"), Qt::LeftButton);
    }
    QString printTo(const char* menuButton, WatchedPrinting& printing)
    {
        platform::Printing::install(&printing);
        hover(button("fileButton"));
        EXPECT_TRUE(fileMenu()->isVisible());
        hover(button(menuButton));
        QTest::mouseClick(button(menuButton), Qt::LeftButton);
        return pdf::text(printing.path());
    }

    QStringList families{Serif, Sans, Mono};
    QWidget other;
    TestServices t;
    QTemporaryDir dir;
    QPointer<FontUtilitiesWindow> w;
};

} // namespace

TEST_F(FontUtilitiesWindowTest, OpensOnTheFirstFontWithItsHelpAndHints)
{
    EXPECT_EQ(w->size(), QSize(629, 430));
    EXPECT_EQ(w->windowTitle(), "Font Utilities");
    EXPECT_EQ(w->helpText(),
              "Font Utilities\r\n\r\n"
              "This module helps you to use the extended characters that exist in most fonts.  \r\n\r\n"
              "Use the \"File\" menu to Print samples.  Use the \"Edit\" menu to copy the currently highlighted "
              "character  \r\n"
              "to the clipboard, ready to be pasted into another application.  Alternatively, you may select a  \r\n"
              "character simply by double clicking on it.  The currently selected characters are shown in the  \r\n"
              "preview panel at the bottom of the screen.  Use \"Clear Clipboard\" to start over.  \r\n");

    ASSERT_EQ(fontsList()->count(), 3);
    EXPECT_EQ(fontsList()->itemText(0), Serif);
    EXPECT_EQ(fontsList()->currentFamily(), Serif);
    EXPECT_EQ(fontsList()->toolTip(), "Current selected font: Liberation Serif");
    EXPECT_EQ(fontsList()->maxVisibleItems(), 10);
    EXPECT_EQ(w->chosenFamily(), Serif);
    EXPECT_EQ(table()->model()->rowCount(), 224);
    EXPECT_EQ(table()->model()->index(33, 0).data(Qt::FontRole).value<QFont>().family(), Serif);
    EXPECT_EQ(w->highlightedCode(), 32);
    EXPECT_EQ(w->keystrokesShown(), "ALT + 0032");
    EXPECT_EQ(accessible::readName(keystrokes()), "Keystrokes: ALT + 0032");
    EXPECT_EQ(accessible::readName(table()), "Character: space");
    EXPECT_EQ(accessible::readName(preview()), "Clipboard");

    const QList<QPair<const char*, QString>> hints{
        {"printerSetupButton", "Select Printer"},
        {"printCharactersButton", "Prints a table containing all the characters in the currently selected Font.  "},
        {"printTypefacesButton", "Prints a sample of each installed Font.  "},
        {"printSizesButton", "Prints the currently selected font in a variety of Sizes.  "},
        {"closeButton", "Close Font Utilities.  "},
        {"copyButton", "Copies highlighted character to the clipboard (alternatively double click on the character).  "},
    };
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(button(name)->toolTip(), hint) << name;
    EXPECT_EQ(keystrokes()->toolTip(), "This panel shows the key presses required to obtain this character.  ");
    EXPECT_EQ(preview()->toolTip(), "Preview of characters currently on Clipboard.  ");
    EXPECT_EQ(button("clearClipboardButton")->text(), "Clear Clipboard");
    const QStringList fileItems{"Printer Setup", "Print Character Table", "Print Typeface Samples",
                                "Print Size Samples", "Close"};
    QStringList shown;
    for (const char* name :
         {"printerSetupButton", "printCharactersButton", "printTypefacesButton", "printSizesButton", "closeButton"})
        shown.append(button(name)->text());
    EXPECT_EQ(shown, fileItems);
    EXPECT_EQ(button("copyButton")->text(), "Copy to Clipboard");
}

TEST_F(FontUtilitiesWindowTest, ColumnsFollowTheWidthOfMInTheChosenFont)
{
    const auto expectedColumns = [this](const QString& family) {
        const int m = QFontMetrics(QFont(family, 24)).horizontalAdvance(QLatin1Char('M'));
        return table()->width() / (3 * m);
    };
    EXPECT_EQ(table()->columnCount(), expectedColumns(Serif));
    nextFont();
    nextFont();
    EXPECT_EQ(w->chosenFamily(), Mono);
    EXPECT_EQ(fontsList()->toolTip(), "Current selected font: Liberation Mono");
    EXPECT_EQ(table()->columnCount(), expectedColumns(Mono));
    // The columns share the width: the first item of the next column starts
    // one column width to the right.
    EXPECT_EQ(table()->itemRect(33).left(), table()->itemRect(32).left());
    EXPECT_GT(table()->itemRect(33).top(), table()->itemRect(32).top());
    const int perColumn = [&] {
        int n = 1;
        while (table()->itemRect(32 + n).left() == table()->itemRect(32).left())
            ++n;
        return n;
    }();
    EXPECT_GT(perColumn, 1);
    EXPECT_EQ(table()->itemRect(32 + perColumn).left() - table()->itemRect(32).left(),
              table()->viewport()->width() / table()->columnCount());
}

TEST_F(FontUtilitiesWindowTest, ClickingACharacterShowsItsKeystrokes)
{
    const QList<QPair<int, QString>> cases{
        {65, "Alt + 0065 : A"}, {32, "Alt + 0032"}, {126, "Alt + 0126 : ~"}, {127, "Alt + 0127"}, {200, "Alt + 0200"},
    };
    for (const auto& [code, text] : cases) {
        clickCharacter(code);
        EXPECT_EQ(w->highlightedCode(), code);
        EXPECT_EQ(w->keystrokesShown(), text) << code;
        EXPECT_EQ(keystrokes()->caption(), text);
        EXPECT_EQ(accessible::readName(keystrokes()), "Keystrokes: " + text);
    }
    EXPECT_EQ(accessible::readName(table()), "Character: " + QString(QChar(0x00C8)));

    // The keyboard moves the highlight and the keystrokes follow.
    clickCharacter(65);
    QTest::keyClick(table(), Qt::Key_Down);
    EXPECT_EQ(w->highlightedCode(), 66);
    EXPECT_EQ(w->keystrokesShown(), "Alt + 0066 : B");
    EXPECT_EQ(accessible::readName(table()), "Character: B");
}

TEST_F(FontUtilitiesWindowTest, GatheredCharactersReachTheClipboardEachInItsFont)
{
    doubleClickCharacter(65);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "A");
    nextFont(); // Liberation Sans
    clickCharacter(169);
    copyFromEditMenu();
    EXPECT_FALSE(editMenu()->isVisible());
    EXPECT_TRUE(table()->hasFocus());

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasHtml());
    EXPECT_EQ(data->text(), QStringLiteral("A") + Copyright);
    const QList<QPair<QChar, QString>> both{{u'A', Serif}, {Copyright, Sans}};
    EXPECT_EQ(richCharacters(data->html()), both);
    // The preview shows the same characters in the same fonts.
    EXPECT_EQ(richCharacters(preview()->toHtml()), both);
    EXPECT_EQ(accessible::readName(preview()), QStringLiteral("Clipboard: A") + Copyright);

    // Clear Clipboard starts over without touching the system clipboard.
    QTest::mouseClick(button("clearClipboardButton"), Qt::LeftButton);
    EXPECT_EQ(preview()->toPlainText(), "");
    EXPECT_EQ(accessible::readName(preview()), "Clipboard");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("A") + Copyright);
    clickCharacter(128);
    copyFromEditMenu();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(QChar(0x20AC)));
    EXPECT_EQ(richCharacters(QGuiApplication::clipboard()->mimeData()->html()),
              (QList<QPair<QChar, QString>>{{QChar(0x20AC), Sans}}));
}

TEST_F(FontUtilitiesWindowTest, ReturningToTheWindowGoesBackToTheFirstFontAndKeepsTheGathering)
{
    nextFont();
    doubleClickCharacter(66);
    EXPECT_EQ(w->chosenFamily(), Sans);
    families = QStringList{Mono, Serif};
    activate(&other);
    activate(w);
    EXPECT_EQ(fontsList()->count(), 2);
    EXPECT_EQ(w->chosenFamily(), Mono);
    EXPECT_EQ(fontsList()->toolTip(), "Current selected font: Liberation Mono");
    EXPECT_EQ(w->highlightedCode(), 32);
    EXPECT_EQ(w->keystrokesShown(), "Alt + 0066 : B");
    EXPECT_EQ(preview()->toPlainText(), "B");
    doubleClickCharacter(67);
    EXPECT_EQ(richCharacters(QGuiApplication::clipboard()->mimeData()->html()),
              (QList<QPair<QChar, QString>>{{u'B', Sans}, {u'C', Mono}}));
}

TEST_F(FontUtilitiesWindowTest, MenusOpenWhileThePointerIsOnTheirNames)
{
    EXPECT_FALSE(fileMenu()->isVisible());
    EXPECT_FALSE(editMenu()->isVisible());
    hover(button("fileButton"));
    EXPECT_TRUE(fileMenu()->isVisible());
    EXPECT_FALSE(editMenu()->isVisible());
    // From "File" down onto its menu: it stays open.
    hover(fileMenu(), QPoint(20, 2));
    hover(button("printSizesButton"));
    EXPECT_TRUE(fileMenu()->isVisible());
    hover(button("editButton"));
    EXPECT_FALSE(fileMenu()->isVisible());
    EXPECT_TRUE(editMenu()->isVisible());
    // The preview is not one of the controls that close menus.
    hover(preview());
    EXPECT_TRUE(editMenu()->isVisible());
    hover(table()->viewport());
    EXPECT_FALSE(fileMenu()->isVisible());
    EXPECT_FALSE(editMenu()->isVisible());

    for (QWidget* closer : {static_cast<QWidget*>(keystrokes()), static_cast<QWidget*>(child<Panel>("functionBar")),
                            static_cast<QWidget*>(child<Panel>("fontPanel")),
                            static_cast<QWidget*>(child<Panel>("characterPanel")), static_cast<QWidget*>(w.data())}) {
        hover(button("fileButton"));
        ASSERT_TRUE(fileMenu()->isVisible());
        hover(closer, closer == w ? QPoint(300, 372) : QPoint(closer->width() - 3, 3));
        EXPECT_FALSE(fileMenu()->isVisible()) << closer->objectName().toStdString();
    }
}

TEST_F(FontUtilitiesWindowTest, CloseOnTheFileMenuLetsTheWindowGo)
{
    QSignalSpy released(w.data(), &FontUtilitiesWindow::released);
    hover(button("fileButton"));
    hover(button("closeButton"));
    QTest::mouseClick(button("closeButton"), Qt::LeftButton);
    EXPECT_EQ(released.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST_F(FontUtilitiesWindowTest, CharacterTablePrintsLandscapeWithEveryCodeInItsCell)
{
    WatchedPrinting printing(dir.filePath("table.pdf"));
    nextFont();
    const QString text = printTo("printCharactersButton", printing);
    EXPECT_EQ(printing.dialogs, 1);
    EXPECT_TRUE(pdf::info(printing.path(), "Page size").startsWith("842 x 595")) << pdf::info(printing.path(), "Page size").toStdString();
    EXPECT_EQ(pdf::info(printing.path(), "Pages"), "1");
    EXPECT_EQ(printing.cursorWhilePainting, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(text.contains("Liberation Sans"));
    EXPECT_TRUE(text.contains("0065 : A"));
    EXPECT_TRUE(text.contains("0126 : ~"));
    // pdftotext lays words out by position, so spaces are compared folded.
    EXPECT_TRUE(text.simplified().contains(
        "To use any of the above characters select Liberation Sans font. Where a key is shown press it (e.g. "
        "for \"0065 : A\" press \"A\")"));
    EXPECT_TRUE(text.simplified().contains("Where no keyboard equivelant exists, hold ALT key whilst entering code"));
    EXPECT_TRUE(text.simplified().contains(
        "(e.g. for character 0128 press ALT+0 ALT+1 ALT+2 ALT+8)"));

    // Word positions: 0065 is in the column of 0064..0079 and the row of 0001.
    const QString boxes = pdf::runTool("pdftotext", {"-bbox", printing.path(), "-"});
    const auto position = [&](const QString& word) {
        const QRegularExpression box("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>" + word + "</word>");
        const QRegularExpressionMatch m = box.match(boxes);
        EXPECT_TRUE(m.hasMatch()) << word.toStdString();
        return QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    };
    for (int code = 0; code < 256; code += 17) {
        const QString label = QStringLiteral("%1").arg(code, 4, 10, QLatin1Char('0'));
        EXPECT_TRUE(text.contains(label)) << code;
    }
    const QPointF at65 = position("0065");
    EXPECT_NEAR(at65.y(), position("0001").y(), 0.5);
    EXPECT_NEAR(at65.y(), position("0241").y(), 0.5);
    EXPECT_LT(position("0064").y(), at65.y());
    EXPECT_GT(position("0066").y(), at65.y());
    EXPECT_LT(position("0049").x(), at65.x());
    EXPECT_GT(position("0081").x(), at65.x());
    EXPECT_GT(position("0079").y(), position("0078").y());
    EXPECT_LT(position("0080").y(), position("0079").y());
    // Codes below 32 have an empty cell with their label.
    EXPECT_TRUE(text.contains("0000"));
    EXPECT_TRUE(text.contains("0031"));
}

TEST_F(FontUtilitiesWindowTest, TypefaceSamplesListEveryFontInColumnsAndPages)
{
    for (int i = 1; i <= 150; ++i)
        families.append(QStringLiteral("Sample Face %1").arg(i, 3, 10, QLatin1Char('0')));
    activate(&other);
    activate(w);
    ASSERT_EQ(fontsList()->count(), 153);
    WatchedPrinting printing(dir.filePath("faces.pdf"));
    const QString text = printTo("printTypefacesButton", printing);
    EXPECT_TRUE(pdf::info(printing.path(), "Page size").startsWith("595 x 842"));
    const int pages = pdf::info(printing.path(), "Pages").toInt();
    EXPECT_GE(pages, 2);
    EXPECT_EQ(text.count("Font Samples"), pages);
    EXPECT_TRUE(text.contains(Serif));
    EXPECT_TRUE(text.contains(Mono));
    // Every face once, the first column read before the second.
    for (int i = 1; i <= 150; ++i)
        EXPECT_EQ(text.count(QStringLiteral("Sample Face %1").arg(i, 3, 10, QLatin1Char('0'))), 1) << i;
    const QString firstPage = text.section(QLatin1Char('\f'), 0, 0);
    const QStringList rows = firstPage.split(QLatin1Char('\n'));
    QString twoColumns;
    for (const QString& row : rows)
        if (row.count("Sample Face") == 2)
            twoColumns = row;
    EXPECT_FALSE(twoColumns.isEmpty()) << firstPage.toStdString();
}

TEST_F(FontUtilitiesWindowTest, SizeSamplesLeaveOutLargeLinesThatDoNotFit)
{
    WatchedPrinting printing(dir.filePath("sizes.pdf"));
    QString text = printTo("printSizesButton", printing);
    EXPECT_TRUE(pdf::info(printing.path(), "Page size").startsWith("842 x 595"));
    EXPECT_TRUE(text.contains("Font Size Samples"));
    for (int points : {10, 12, 14, 16, 18, 20, 22, 24, 36, 48})
        EXPECT_TRUE(text.contains(QStringLiteral("Liberation Serif %1 Pt").arg(points))) << points;

    // A name too long for a line at 36 points across the page.
    const QString longName = QStringLiteral("Wide Face With A Name Long Enough To Overrun The Page");
    families = QStringList{longName};
    activate(&other);
    activate(w);
    text = printTo("printSizesButton", printing);
    EXPECT_TRUE(text.simplified().contains(longName + " 24 Pt"));
    EXPECT_FALSE(text.contains("36 Pt"));
    EXPECT_FALSE(text.contains("48 Pt"));
}

TEST_F(FontUtilitiesWindowTest, EveryCopyIsAPrintJobOfItsOwn)
{
    WatchedPrinting printing(dir.filePath("copies.pdf"));
    printing.copies = 3;
    printTo("printCharactersButton", printing);
    EXPECT_EQ(w->printJobsSent(), 3);
    EXPECT_EQ(pdf::info(printing.path(), "Pages"), "1");

    printing.copies = 0;
    printTo("printSizesButton", printing);
    EXPECT_EQ(w->printJobsSent(), 1);

    // Cancelled: nothing printed.
    QFile::remove(printing.path());
    printing.acceptDialogs = false;
    printTo("printTypefacesButton", printing);
    EXPECT_FALSE(QFile::exists(printing.path()));
    EXPECT_TRUE(t.dialogs.asked.isEmpty());
}

TEST_F(FontUtilitiesWindowTest, ThePrintDialogTakingTheFocusIsNoNewVisit)
{
    nextFont();
    clickCharacter(70);
    WatchedPrinting printing(dir.filePath("kept.pdf"));
    printing.duringDialog = [this] { activate(&other); };
    printTo("printSizesButton", printing);
    activate(w);
    EXPECT_EQ(w->chosenFamily(), Sans);
    EXPECT_EQ(w->highlightedCode(), 70);
    EXPECT_TRUE(pdf::text(printing.path()).contains("Liberation Sans 10 Pt"));
    // A later return from elsewhere is a visit again.
    activate(&other);
    activate(w);
    EXPECT_EQ(w->chosenFamily(), Serif);
}

TEST_F(FontUtilitiesWindowTest, WithoutAPrinterTheUserIsToldAndNothingBreaks)
{
    NoPrinters none;
    platform::Printing::install(&none);
    for (const char* item : {"printerSetupButton", "printCharactersButton"}) {
        hover(button("fileButton"));
        hover(button(item));
        QTest::mouseClick(button(item), Qt::LeftButton);
    }
    ASSERT_EQ(t.dialogs.asked.size(), 2);
    for (const auto& asked : t.dialogs.asked)
        EXPECT_EQ(asked.text, platform::Printing::noPrinterText());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    doubleClickCharacter(65);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "A");
}

TEST_F(FontUtilitiesWindowTest, WithNoFontsAtAllTheWindowStillWorks)
{
    families.clear();
    activate(&other);
    activate(w);
    EXPECT_EQ(fontsList()->count(), 0);
    EXPECT_EQ(fontsList()->toolTip(), "Current selected font: ");
    EXPECT_EQ(w->highlightedCode(), 32);
    clickCharacter(65);
    EXPECT_EQ(w->keystrokesShown(), "Alt + 0065 : A");
    WatchedPrinting printing(dir.filePath("none.pdf"));
    const QString text = printTo("printTypefacesButton", printing);
    EXPECT_EQ(pdf::info(printing.path(), "Pages"), "1");
    EXPECT_EQ(text.trimmed(), "Font Samples");
}
