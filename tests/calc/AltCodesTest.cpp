#include "calc/AltCodes.h"
#include "calc/FontCharacterModel.h"

#include <QSet>
#include <QSignalSpy>

#include <gtest/gtest.h>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

using namespace altcodes;

TEST(AltCodes, KeystrokesShowTheKeyOnlyForCodesOnTheKeyboard)
{
    EXPECT_EQ(keystrokes(32), "Alt + 0032");
    EXPECT_EQ(keystrokes(33), "Alt + 0033 : !");
    EXPECT_EQ(keystrokes(65), "Alt + 0065 : A");
    EXPECT_EQ(keystrokes(126), "Alt + 0126 : ~");
    EXPECT_EQ(keystrokes(127), "Alt + 0127");
    EXPECT_EQ(keystrokes(128), "Alt + 0128");
    EXPECT_EQ(keystrokes(200), "Alt + 0200");
    EXPECT_EQ(keystrokes(255), "Alt + 0255");

    // The printed cell labels follow the same rule, from code 0 up.
    EXPECT_EQ(cellLabel(0), "0000");
    EXPECT_EQ(cellLabel(9), "0009");
    EXPECT_EQ(cellLabel(32), "0032");
    EXPECT_EQ(cellLabel(65), "0065 : A");
    EXPECT_EQ(cellLabel(126), "0126 : ~");
    EXPECT_EQ(cellLabel(127), "0127");
    EXPECT_EQ(cellLabel(169), "0169");
}

TEST(AltCodes, CodesAbove127AreTheWindowsCodePageAsUnicode)
{
    EXPECT_EQ(character(65), QChar(u'A'));
    EXPECT_EQ(character(127), QChar(0x7F));
    EXPECT_EQ(character(128), QChar(0x20AC)); // euro sign
    EXPECT_EQ(character(133), QChar(0x2026)); // ellipsis
    EXPECT_EQ(character(138), QChar(0x0160)); // S caron
    EXPECT_EQ(character(145), QChar(0x2018)); // left single quote
    EXPECT_EQ(character(150), QChar(0x2013)); // en dash
    EXPECT_EQ(character(153), QChar(0x2122)); // trade mark
    EXPECT_EQ(character(159), QChar(0x0178)); // Y diaeresis
    // Above 159 the code page is Latin-1.
    EXPECT_EQ(character(160), QChar(0x00A0));
    EXPECT_EQ(character(169), QChar(0x00A9)); // copyright sign
    EXPECT_EQ(character(200), QChar(0x00C8));
    EXPECT_EQ(character(255), QChar(0x00FF));
    // The five unassigned codes stand for the controls of the same number.
    for (int code : {129, 141, 143, 144, 157})
        EXPECT_EQ(character(code), QChar(char16_t(code))) << code;

    // No two codes give the same character.
    QSet<QChar> seen;
    for (int code = 0; code <= LastCode; ++code)
        seen.insert(character(code));
    EXPECT_EQ(seen.size(), 256);
}

TEST(AltCodes, ColumnsAreTheWidthOverThreeWidthsOfM)
{
    EXPECT_EQ(columnCount(605, 27), 7);  // 605 / 81
    EXPECT_EQ(columnCount(81 * 5, 27), 5);
    EXPECT_EQ(columnCount(81 * 5 - 1, 27), 4);
    EXPECT_EQ(columnCount(605, 10), 20);
    // However wide the M, at least one column.
    EXPECT_EQ(columnCount(605, 300), 1);
    EXPECT_EQ(columnCount(605, 0), 1);
}

TEST(AltCodes, ScreenReadersHearANameForCharactersWithoutAShape)
{
    EXPECT_EQ(spokenCharacter(32), "space");
    EXPECT_EQ(spokenCharacter(65), "A");
    EXPECT_EQ(spokenCharacter(127), "code 127");
    EXPECT_EQ(spokenCharacter(129), "code 129");
    EXPECT_EQ(spokenCharacter(160), "code 160");
    EXPECT_EQ(spokenCharacter(173), "code 173"); // soft hyphen
    EXPECT_EQ(spokenCharacter(128), QString(QChar(0x20AC)));
    EXPECT_EQ(spokenCharacter(169), QString(QChar(0x00A9)));
}

TEST(FontCharacterModel, TheCharacters32To255InOrderInTheFontAt24Points)
{
    FontCharacterModel model;
    ASSERT_EQ(model.rowCount(), 224);
    EXPECT_EQ(model.rowCount(model.index(0)), 0);
    EXPECT_EQ(model.index(0).data().toString(), " ");
    EXPECT_EQ(model.index(33).data().toString(), "A");
    EXPECT_EQ(model.index(96).data().toString(), QString(QChar(0x20AC)));
    EXPECT_EQ(model.index(223).data().toString(), QString(QChar(0x00FF)));
    EXPECT_EQ(model.index(33).data(FontCharacterModel::CodeRole).toInt(), 65);
    EXPECT_EQ(model.index(0).data(Qt::AccessibleTextRole).toString(), "space");
    EXPECT_FALSE(model.index(224).data().isValid());

    EXPECT_EQ(FontCharacterModel::codeAt(model.indexOf(200)), 200);
    EXPECT_EQ(model.indexOf(32).row(), 0);
    EXPECT_EQ(model.indexOf(255).row(), 223);
    EXPECT_FALSE(model.indexOf(31).isValid());
    EXPECT_FALSE(model.indexOf(256).isValid());

    // A new font reaches every row at once.
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setFamily(QStringLiteral("Liberation Mono"));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 0);
    EXPECT_EQ(changed[0][1].toModelIndex().row(), 223);
    EXPECT_EQ(model.family(), "Liberation Mono");
    for (int row : {0, 100, 223}) {
        const QFont font = model.index(row).data(Qt::FontRole).value<QFont>();
        EXPECT_EQ(font.family(), "Liberation Mono");
        EXPECT_EQ(font.pointSize(), 24);
    }
}
