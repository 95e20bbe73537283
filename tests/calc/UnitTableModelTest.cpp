#include "calc/UnitTableModel.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using units::Category;

namespace {

QString r29(const char* text) { return QString::fromUtf8(text).rightJustified(29, u' '); }

QString cell(const UnitTableModel& model, int row, int column) { return model.index(row, column).data().toString(); }

QString heading(const UnitTableModel& model, int column)
{
    return model.headerData(column, Qt::Horizontal).toString();
}

std::vector<QString> numberColumn(const UnitTableModel& model)
{
    std::vector<QString> cells;
    for (int r = 0; r < model.rowCount(); ++r)
        cells.push_back(cell(model, r, UnitTableModel::NumberColumn));
    return cells;
}

constexpr int Unit = UnitTableModel::UnitColumn;
constexpr int Number = UnitTableModel::NumberColumn;
constexpr int Abbreviation = UnitTableModel::AbbreviationColumn;

TEST(UnitTableModelTest, RowsAndHeadingsOfEachPage)
{
    const UnitTableModel length(Category::Length);
    const UnitTableModel liquid(Category::Liquid);
    const UnitTableModel weight(Category::Weight);
    // The heading row is the column headings, not a row of the model.
    EXPECT_EQ(length.rowCount(), 32);
    EXPECT_EQ(liquid.rowCount(), 21);
    EXPECT_EQ(weight.rowCount(), 30);
    for (const UnitTableModel* model : {&length, &liquid, &weight}) {
        EXPECT_EQ(model->columnCount(), 3);
        EXPECT_EQ(heading(*model, Unit), "      UNIT");
        EXPECT_EQ(heading(*model, Abbreviation), "  ABBR.");
        EXPECT_EQ(numberColumn(*model), std::vector<QString>(std::size_t(model->rowCount())));
        // Table rows have no children.
        EXPECT_EQ(model->rowCount(model->index(0, 0)), 0);
        EXPECT_EQ(model->columnCount(model->index(0, 0)), 0);
    }
    EXPECT_EQ(heading(length, Number), "            NUMBER  ");
    EXPECT_EQ(heading(weight, Number), "            NUMBER  ");
    EXPECT_EQ(heading(liquid, Number), "               NUMBER  ");

    // Model row r is table row r + 1: group headings, units and the blank row.
    EXPECT_EQ(cell(length, 0, Unit), "   * METRIC * ");
    EXPECT_EQ(cell(length, 0, Abbreviation), "");
    EXPECT_EQ(cell(length, 1, Unit), " Angstroms");
    EXPECT_EQ(cell(length, 1, Abbreviation), QStringLiteral("       \u00C5 "));
    EXPECT_EQ(cell(length, 31, Unit), " Naut. Mile ");
    EXPECT_EQ(cell(length, 31, Abbreviation), "    nmuk ");
    EXPECT_EQ(cell(liquid, 8, Unit), " * UK MEASURES * ");
    EXPECT_EQ(cell(liquid, 20, Abbreviation), "    brls");
    EXPECT_EQ(cell(weight, 18, Unit), "");
    EXPECT_EQ(cell(weight, 18, Abbreviation), "");
    EXPECT_EQ(cell(weight, 21, Abbreviation), " pwt/dwt ");
    EXPECT_FALSE(length.index(32, Unit).data().isValid());
}

TEST(UnitTableModelTest, NumbersOfAConversionAndWhatChanged)
{
    UnitTableModel length(Category::Length);
    QSignalSpy changed(&length, &QAbstractItemModel::dataChanged);
    length.showNumbers(units::convertTable(Category::Length, QStringLiteral("1"), 6).numbers); // metres
    EXPECT_EQ(cell(length, 4, Number), r29("1,000.0"));     // millimetres
    EXPECT_EQ(cell(length, 10, Number), r29("0.001"));      // kilometres
    EXPECT_EQ(cell(length, 1, Number), QString(6, u' ') + " 1.00000000000000E+0010");
    EXPECT_EQ(cell(length, 0, Number), "");                 // a group heading has no number
    EXPECT_EQ(cell(length, 4, Unit), " Millimetres");       // the labels stay
    // One notice, over the number column only, from the first number to the last.
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex(), length.index(1, Number));
    EXPECT_EQ(changed[0][1].toModelIndex(), length.index(31, Number));

    // Showing the same numbers again changes nothing and says nothing; a
    // change to two cells names the span between them.
    std::vector<QString> numbers = units::convertTable(Category::Length, QStringLiteral("1"), 6).numbers;
    length.showNumbers(numbers);
    EXPECT_EQ(changed.count(), 1);
    numbers[6] = QStringLiteral("six");
    numbers[10] = QStringLiteral("ten");
    length.showNumbers(numbers);
    ASSERT_EQ(changed.count(), 2);
    EXPECT_EQ(changed[1][0].toModelIndex(), length.index(5, Number));
    EXPECT_EQ(changed[1][1].toModelIndex(), length.index(9, Number));
    EXPECT_EQ(cell(length, 5, Number), "six");

    length.clearNumbers();
    EXPECT_EQ(numberColumn(length), std::vector<QString>(32));
    EXPECT_EQ(changed.count(), 3);
    // A short list of numbers leaves the rest empty rather than reading past it.
    length.showNumbers({QString(), QStringLiteral("x")});
    EXPECT_EQ(cell(length, 0, Number), "x");
    EXPECT_EQ(cell(length, 1, Number), "");

    UnitTableModel liquid(Category::Liquid);
    liquid.showNumbers(units::convertTable(Category::Liquid, QStringLiteral("1"), 3).numbers); // litres
    EXPECT_EQ(cell(liquid, 4, Number), "   " + r29("1.0"));
    EXPECT_EQ(cell(liquid, 0, Number), "");
}

TEST(UnitTableModelTest, OnlyTheNumberColumnIsSelectableAndNumbersAlignRight)
{
    for (Category c : {Category::Length, Category::Liquid, Category::Weight}) {
        const UnitTableModel model(c);
        for (int r = 0; r < model.rowCount(); ++r) {
            // Heading and blank rows too: their number cell can be picked, it copies nothing.
            EXPECT_EQ(model.flags(model.index(r, Number)), Qt::ItemIsEnabled | Qt::ItemIsSelectable) << r;
            EXPECT_EQ(model.flags(model.index(r, Unit)), Qt::ItemIsEnabled) << r;
            EXPECT_EQ(model.flags(model.index(r, Abbreviation)), Qt::ItemIsEnabled) << r;
        }
        EXPECT_EQ(model.flags(QModelIndex()), Qt::NoItemFlags);
        const auto alignment = [&model](int column) {
            return model.index(1, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        };
        EXPECT_EQ(alignment(Number), Qt::AlignRight | Qt::AlignVCenter);
        EXPECT_EQ(alignment(Unit), Qt::AlignLeft | Qt::AlignVCenter);
        EXPECT_EQ(alignment(Abbreviation), Qt::AlignLeft | Qt::AlignVCenter);
    }
}

} // namespace
