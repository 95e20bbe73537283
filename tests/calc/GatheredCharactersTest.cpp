#include "calc/GatheredCharacters.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <memory>

static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

// The characters of an HTML text and the font family each is in, as a rich
// text editor pasting it would read them.
QList<GatheredCharacters::Character> readBack(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    QList<GatheredCharacters::Character> characters;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QString family = fragment.charFormat().fontFamilies().toStringList().value(0);
            for (QChar c : fragment.text())
                characters.append({c, family});
        }
    return characters;
}

const QChar Copyright(0x00A9);

} // namespace

TEST(GatheredCharacters, EachCharacterKeepsItsFontOnTheClipboard)
{
    GatheredCharacters gathered;
    EXPECT_TRUE(gathered.isEmpty());
    gathered.add(u'A', QStringLiteral("Liberation Serif"));
    gathered.add(Copyright, QStringLiteral("Liberation Mono"));
    gathered.add(u'B', QStringLiteral("Liberation Mono"));
    EXPECT_FALSE(gathered.isEmpty());
    EXPECT_EQ(gathered.plainText(), QStringLiteral("A") + Copyright + QStringLiteral("B"));

    const QList<GatheredCharacters::Character> expected{
        {u'A', "Liberation Serif"}, {Copyright, "Liberation Mono"}, {u'B', "Liberation Mono"}};
    EXPECT_EQ(gathered.characters(), expected);
    EXPECT_EQ(readBack(gathered.html()), expected);

    const std::unique_ptr<QMimeData> data(gathered.mimeData());
    EXPECT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->hasText());
    EXPECT_EQ(data->text(), gathered.plainText());
    EXPECT_EQ(readBack(data->html()), expected);

    gathered.clear();
    EXPECT_TRUE(gathered.isEmpty());
    EXPECT_EQ(gathered.plainText(), "");
    EXPECT_TRUE(readBack(gathered.html()).isEmpty());
}

TEST(GatheredCharacters, SpacesAndMarkupSignsArriveAsTheyWereGathered)
{
    GatheredCharacters gathered;
    for (QChar c : QStringLiteral("a  <&>\"'"))
        gathered.add(c, QStringLiteral("Liberation Sans"));
    gathered.add(QChar(0x20AC), QStringLiteral("Odd 'Quoted' \"Family\" <b>"));
    gathered.add(u' ', QStringLiteral("Liberation Sans"));
    QString text;
    for (const auto& c : readBack(gathered.html()))
        text += c.character;
    EXPECT_EQ(text, gathered.plainText());
    EXPECT_EQ(text, QStringLiteral("a  <&>\"'") + QChar(0x20AC) + QStringLiteral(" "));
    // The markup signs of a family name do not break the markup around it.
    const auto back = readBack(gathered.html());
    ASSERT_EQ(back.size(), 10);
    EXPECT_EQ(back[8].family, "Odd 'Quoted' \"Family\" <b>");
    EXPECT_EQ(back[9].family, "Liberation Sans");
}
