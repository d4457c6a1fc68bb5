#include "core/VariationRecords.h"

#include <gtest/gtest.h>

#include <random>

namespace varnix {
namespace {

StoredLine Plain(std::initializer_list<const char*> texts) {
    StoredLine line;
    for (const char* t : texts) line.push_back({t, ""});
    return line;
}

bool SameLine(const StoredLine& a, const StoredLine& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].Text != b[i].Text || a[i].Entry != b[i].Entry) return false;
    }
    return true;
}

TEST(VariationRecords, WritesLengthFieldThenSpaceSeparatedMoves) {
    EXPECT_EQ(EncodeLine(Plain({"e5", "Nf3"})), "000012e5 Nf3");
    EXPECT_EQ(EncodeLine(Plain({"O-O-O#"})), "000012O-O-O#");
    EXPECT_EQ(EncodeLine({}), "");
}

TEST(VariationRecords, RoundTripsAnyTextAndNestedEntries) {
    const std::string inner = EncodeLine(Plain({"d5", "exd5"})) + EncodeLine(Plain({"c5"}));
    const StoredLine cases[] = {
        Plain({"e4"}),
        Plain({"e4", "e5", "Nf3", "1-0"}),
        Plain({"", "e4", ""}),
        Plain({"a b", "100%", "(x)", "%41", ")("}),
        StoredLine{{"e4", ""}, {"e5", inner}, {"Nf3", EncodeLine({{"Nc3", inner}})}},
    };
    for (const StoredLine& line : cases) {
        const std::string record = EncodeLine(line);
        EXPECT_TRUE(SameLine(DecodeLine(record), line)) << record;
        const SplitEntry split = SplitRecords(record + record);
        ASSERT_EQ(split.Records.size(), 2u) << record;
        EXPECT_EQ(split.Records[1], record);
        EXPECT_EQ(split.Rest, "");
    }
}

TEST(VariationRecords, RefusesALineTooLongForTheField) {
    StoredLine line(250000, {"Nf3", ""}); // 1,000,005 characters
    EXPECT_TRUE(EncodeLine(line).empty());
}

TEST(VariationRecords, UnreadableTailIsKeptVerbatim) {
    const std::string good = EncodeLine(Plain({"e4"}));
    const std::string cases[] = {"garbage", "00000", "000005e4", "999999e4", "000003"};
    for (const std::string& tail : cases) {
        const SplitEntry split = SplitRecords(good + tail);
        ASSERT_EQ(split.Records.size(), 1u) << tail;
        EXPECT_EQ(split.Rest, tail);
        EXPECT_EQ(JoinRecords(split), good + tail);
        EXPECT_TRUE(DecodeLine(tail).empty()) << tail;
    }
}

TEST(VariationRecords, DamagedRecordsGiveWhatCanBeRead) {
    // A nested group whose record announces more than it holds.
    const StoredLine line = DecodeLine("000016e4 e5(000099)");
    ASSERT_EQ(line.size(), 2u);
    EXPECT_EQ(line[1].Text, "e5");

    // Any prefix or byte damage of a record reads without going outside it.
    const std::string record = EncodeLine({{"e4", ""}, {"e5", EncodeLine(Plain({"c5", "Nf3"}))}, {"Nf3", ""}});
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        std::string damaged = record.substr(0, random() % (record.size() + 1));
        if (!damaged.empty()) damaged[random() % damaged.size()] = "0 ()%9x"[random() % 7];
        const std::string shrunk(damaged); // exact size, so ASan sees any read past it
        DecodeLine(shrunk);
        SplitRecords(shrunk);
    }
}

} // namespace
} // namespace varnix
