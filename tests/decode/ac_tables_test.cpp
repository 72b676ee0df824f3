#include "decode/ac_tables.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "jpeg_test_support.h"

namespace vn::jpeg {
namespace {

std::vector<uint16_t> Lookup(const AcTableDefinition& definition) {
    std::vector<uint16_t> table(kAcLookupSize);
    BuildAcLookup(definition, table.data());
    return table;
}

uint16_t EntryFor(const std::vector<uint16_t>& table, const char* code) {
    uint32_t bits = 0;
    int length = 0;
    for (const char* d = code; *d; ++d, ++length) bits = bits << 1 | (*d == '1');
    return table[bits << (16 - length)];
}

TEST(AcTables, EveryCodeOwnsExactlyItsPrefixRange) {
    for (const AcTableDefinition* definition : {&kLuminanceAcTable, &kChrominanceAcTable}) {
        int codes = 0;
        for (uint8_t count : definition->bits) codes += count;
        EXPECT_EQ(codes, 162);

        // A prefix-free code gives each symbol 2^(16 - length) entries; the
        // standard leaves only the all-ones 16-bit pattern unassigned.
        const std::vector<uint16_t> table = Lookup(*definition);
        std::map<uint16_t, int> entriesPerCode;
        for (uint16_t entry : table) ++entriesPerCode[entry];
        EXPECT_EQ(entriesPerCode[0], 1);
        EXPECT_EQ(table[0xFFFF], 0);
        EXPECT_EQ(entriesPerCode.size(), 163u);
        for (const auto& [entry, count] : entriesPerCode) {
            if (entry != 0) {
                EXPECT_EQ(count, 1 << (16 - (entry >> 8))) << std::hex << entry;
            }
        }
    }
}

TEST(AcTables, SpotCodes) {
    const std::vector<uint16_t> luma = Lookup(kLuminanceAcTable);
    EXPECT_EQ(EntryFor(luma, "1010"), 4 << 8 | 0x00);          // end of block
    EXPECT_EQ(EntryFor(luma, "11111111001"), 11 << 8 | 0xF0);  // sixteen zeros
    EXPECT_EQ(EntryFor(luma, "00"), 2 << 8 | 0x01);
    EXPECT_EQ(EntryFor(luma, "1100"), 4 << 8 | 0x11);
    EXPECT_EQ(EntryFor(luma, "1111111111111110"), 16 << 8 | 0xFA);

    const std::vector<uint16_t> chroma = Lookup(kChrominanceAcTable);
    EXPECT_EQ(EntryFor(chroma, "00"), 2 << 8 | 0x00);
    EXPECT_EQ(EntryFor(chroma, "1111111010"), 10 << 8 | 0xF0);
    EXPECT_EQ(EntryFor(chroma, "01"), 2 << 8 | 0x01);
    EXPECT_EQ(EntryFor(chroma, "1111111111111110"), 16 << 8 | 0xFA);
}

// libjpeg-turbo writes the same Annex K tables into the frames it encodes.
TEST(AcTables, MatchTheTablesAnEncoderWrites) {
    const std::vector<uint8_t> jpeg = test::EncodeFrame(test::NaturalImage(16, 16, 1), 16, 16, 85);
    int found = 0;
    for (size_t pos = 2; pos + 4 <= jpeg.size() && jpeg[pos + 1] != 0xDA;) {
        const size_t length = jpeg[pos + 2] << 8 | jpeg[pos + 3];
        if (jpeg[pos + 1] == 0xC4 && (jpeg[pos + 4] >> 4) == 1) {
            const AcTableDefinition& definition = (jpeg[pos + 4] & 15) == 0 ? kLuminanceAcTable : kChrominanceAcTable;
            const std::vector<uint8_t> written(jpeg.begin() + pos + 5, jpeg.begin() + pos + 2 + length);
            std::vector<uint8_t> ours(definition.bits, definition.bits + 16);
            ours.insert(ours.end(), definition.huffval, definition.huffval + 162);
            EXPECT_EQ(written, ours);
            ++found;
        }
        pos += 2 + length;
    }
    EXPECT_EQ(found, 2);
}

}  // namespace
}  // namespace vn::jpeg
