// SPDX-License-Identifier: MIT
#include "CardSetMetadata.h"

#include "CardSetError.h"

#include <gtest/gtest.h>

using brivmemo::cardset::CardSetError;
using brivmemo::cardset::CardSetMetadata;

namespace {

QByteArray faces(const char *prefix, int count)
{
    QByteArray list;
    for (int i = 1; i <= count; ++i)
        list += prefix + QByteArray::number(i) + ';';
    return list;
}

const QByteArray TwentyFaces = faces("f", 20);

TEST(CardSetMetadataTest, ReadsEveryFieldWithItsTranslations)
{
    const CardSetMetadata metadata
        = CardSetMetadata::parse("[Card Set]\nName=Fruit\nName[de]=Obst\nComment=Sweet\n"
                                 "Author=Ann\nLicense=CC-BY-4.0\nFaces="
            + TwentyFaces + "\nFaces[de]=" + faces("g", 20) + "\n[Other]\nName=ignored\n");
    EXPECT_EQ(metadata.name, "Fruit");
    EXPECT_EQ(metadata.comment, "Sweet");
    EXPECT_EQ(metadata.author, "Ann");
    EXPECT_EQ(metadata.license, "CC-BY-4.0");
    EXPECT_EQ(metadata.localizedName("de_DE"), "Obst");
    EXPECT_EQ(metadata.localizedName("fr"), "Fruit");
    EXPECT_EQ(metadata.localizedFaces("de_AT").at(13), "g14");
    EXPECT_EQ(metadata.localizedFaces("C").at(19), "f20");
    EXPECT_EQ(CardSetMetadata::parse(metadata.serialize()), metadata);
}

TEST(CardSetMetadataTest, NamesTheSetInTheLanguageAsTheGameChoosesItsOwn)
{
    const CardSetMetadata metadata = CardSetMetadata::parse(
        "[Card Set]\nName=plain\nName[de_DE]=de_DE\nName[de_AT]=de_AT\nName[pt]=pt\nName[sr@latin]=sr@latin\n"
        "Name[nl]=nl\nName[nl_BE]=nl_BE\nFaces="
        + TwentyFaces + "\n");
    const struct {
        const char *language;
        const char *name;
    } cases[] = {
        {"de_AT", "de_AT"},
        {"de_CH", "de_AT"}, // another country's name rather than none in the language
        {"nl", "nl"},
        {"nl_BE", "nl_BE"},
        {"pt_BR", "pt"},
        {"sr", "sr@latin"},
        {"fr", "plain"},
        {"", "plain"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(metadata.localizedName(QString::fromLatin1(c.language)), c.name) << c.language;
}

TEST(CardSetMetadataTest, RefusesASetThatIsNotComplete)
{
    const struct {
        QByteArray text;
        QString reason;
    } cases[] = {
        {"[Other]\nName=x\n", "there is no [Card Set] group"},
        {"[Card Set]\nFaces=" + TwentyFaces + "\n", "the set has no Name"},
        {"[Card Set]\nName= \nFaces=" + TwentyFaces + "\n", "the set has no Name"},
        {"[Card Set]\nName=x\n", "Faces names 0 faces instead of 20"},
        {"[Card Set]\nName=x\nFaces=" + faces("f", 19) + "\n", "Faces names 19 faces instead of 20"},
        {"[Card Set]\nName=x\nFaces=" + faces("f", 21) + "\n", "Faces names 21 faces instead of 20"},
        {"[Card Set]\nName=x\nFaces= ;" + faces("f", 19) + "\n", "Faces has an empty face name"},
        {"[Card Set]\nName=x\nFaces=" + TwentyFaces + "\nFaces[de]=" + faces("g", 19) + "\n",
            "Faces[de] names 19 faces instead of 20"},
        {"[Card Set]\nName=x\nName=y\n", "line 3 repeats the key Name"},
    };
    for (const auto &c : cases) {
        QString reason = QStringLiteral("(read)");
        try {
            CardSetMetadata::parse(c.text);
        } catch (const CardSetError &error) {
            reason = error.reason();
        }
        EXPECT_EQ(reason, c.reason) << c.text.toStdString();
    }
}

} // namespace
