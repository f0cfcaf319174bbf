// SPDX-License-Identifier: MIT
#include "DesktopEntry.h"

#include "CardSetError.h"
#include "CardSetLimits.h"

#include <gtest/gtest.h>

using brivmemo::cardset::CardSetError;
using brivmemo::cardset::DesktopEntry;

namespace {

const QString G = QStringLiteral("Card Set");

QString refusal(const QByteArray &text)
{
    try {
        DesktopEntry::parse(text);
    } catch (const CardSetError &error) {
        return error.reason();
    }
    return QStringLiteral("(read)");
}

TEST(DesktopEntryTest, RefusesWhatIsNotWellFormed)
{
    const struct {
        QByteArray text;
        QString reason;
    } cases[] = {
        {"Name=x\n[Card Set]\n", "line 1 is not well formed"},
        {"[Card Set]\nName x\n", "line 2 is not well formed"},
        {"[Card Set]\nNa me=x\n", "line 2 is not well formed"},
        {"[Card Set\nName=x\n", "line 1 is not well formed"},
        {"[]\n", "line 1 is not well formed"},
        {"[Card Set]\nName[de=x\n", "line 2 is not well formed"},
        {"[Card Set]\nName=a\n# note\nName=b\n", "line 4 repeats the key Name"},
        {"[Card Set]\nName[de]=a\nName[de]=b\n", "line 3 repeats the key Name[de]"},
        {"[Card Set]\n[Other]\n[Card Set]\n", "line 3 repeats the group [Card Set]"},
        {"[Card Set]\nName=\xff\xfe\n", "the file is not UTF-8 text"},
        {"[Card Set]\nName=" + QByteArray(brivmemo::cardset::kMaxMetadataBytes, 'a') + "\n",
            "the file is larger than 64 KiB"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(refusal(c.text), c.reason) << c.text.left(40).toStdString();
}

TEST(DesktopEntryTest, ReadsEscapedValuesAndLists)
{
    const DesktopEntry entry
        = DesktopEntry::parse("\xEF\xBB\xBF# set\r\n\r\n[Card Set]\r\n"
                              "Comment = \\sleading, tab\\tand \\\\ back; not a list\\;\n"
                              "Faces=a\\;b;c d;;e;\n"
                              "Open=x;y\n");
    EXPECT_EQ(entry.value(G, "Comment"), " leading, tab\tand \\ back; not a list\\;");
    EXPECT_EQ(entry.list(G, "Faces"), QStringList({"a;b", "c d", "", "e"}));
    EXPECT_EQ(entry.list(G, "Open"), QStringList({"x", "y"}));
    EXPECT_EQ(entry.value(G, "Missing"), QString());
    EXPECT_EQ(entry.value("Other", "Comment"), QString());
}

TEST(DesktopEntryTest, FindsTheTranslationInTheDesktopEntryOrder)
{
    const DesktopEntry entry
        = DesktopEntry::parse("[Card Set]\nName=plain\nName[de]=de\nName[de_AT]=de_AT\n"
                              "Name[sr@latin]=sr@latin\nName[sr_RS@latin]=sr_RS@latin\n");
    const struct {
        const char *wanted;
        const char *found;
    } cases[] = {
        {"de_AT", "de_AT"},
        {"de_CH", "de"},
        {"de_AT.UTF-8@euro", "de_AT"},
        {"de", "de"},
        {"sr_RS@latin", "sr_RS@latin"},
        {"sr_ME@latin", "sr@latin"},
        {"sr_RS", "plain"},
        {"fr_FR", "plain"},
        {"", "plain"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(entry.value(G, "Name", c.wanted), c.found) << c.wanted;
    EXPECT_EQ(entry.locales(G, "Name"), QStringList({"de", "de_AT", "sr@latin", "sr_RS@latin"}));
}

TEST(DesktopEntryTest, WhatIsWrittenReadsBackTheSame)
{
    const QString tricky = QStringLiteral(" lead\\back\nnew\ttab\rret;semi ü✓");
    const QStringList items {tricky, "", "plain"};
    DesktopEntry entry;
    entry.setValue(G, "Value", tricky);
    entry.setValue(G, "Value", "übersetzt", "de");
    entry.setList(G, "List", items);
    entry.setValue("Second", "Value", "two");
    const DesktopEntry read = DesktopEntry::parse(entry.serialize());
    EXPECT_EQ(read.value(G, "Value"), tricky);
    EXPECT_EQ(read.value(G, "Value", "de"), "übersetzt");
    EXPECT_EQ(read.list(G, "List"), items);
    EXPECT_EQ(read.value("Second", "Value"), "two");
    EXPECT_EQ(read.serialize(), entry.serialize());
}

} // namespace
