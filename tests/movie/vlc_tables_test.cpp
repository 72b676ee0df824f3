#include "movie/vlc_tables.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "movie/macroblock_bits.h"
#include "movie/vlc_reader.h"
#include "samplewriter/bit_writer.h"

namespace vn::mpeg4 {
namespace {

struct Code {
    uint32_t code;
    int length;
};

template <typename Table>
std::vector<Code> CodesOf(const Table& table) {
    std::vector<Code> codes;
    for (const auto& c : table) {
        if (c.length != 0) codes.push_back({c.code, c.length});
    }
    return codes;
}

// No code is a prefix of another (or equal to it).
bool PrefixFree(const std::vector<Code>& codes) {
    for (size_t i = 0; i < codes.size(); ++i) {
        for (size_t j = 0; j < codes.size(); ++j) {
            if (i == j || codes[i].length > codes[j].length) continue;
            if ((codes[j].code >> (codes[j].length - codes[i].length)) == codes[i].code) return false;
        }
    }
    return true;
}

// Kraft sum in units of 2^-16: 65536 when the codes cover every bit string.
uint32_t KraftSum(const std::vector<Code>& codes) {
    uint32_t sum = 0;
    for (const Code& c : codes) sum += 1u << (16 - c.length);
    return sum;
}

TEST(VlcTables, EveryTableIsPrefixFreeAndTheCompleteOnesCoverAllBits) {
    EXPECT_TRUE(PrefixFree(CodesOf(kMcbpcIntraCodes)));
    EXPECT_TRUE(PrefixFree(CodesOf(kMcbpcInterCodes)));
    EXPECT_TRUE(PrefixFree(CodesOf(kCbpyCodes)));
    EXPECT_TRUE(PrefixFree(CodesOf(kMvdCodes)));
    EXPECT_TRUE(PrefixFree(CodesOf(kDcSizeLumaCodes)));
    EXPECT_TRUE(PrefixFree(CodesOf(kDcSizeChromaCodes)));
    for (const auto* table : {&kIntraTcoefCodes, &kInterTcoefCodes}) {
        std::vector<Code> codes = CodesOf(*table);
        codes.push_back({kTcoefEscape.code, kTcoefEscape.length});
        EXPECT_TRUE(PrefixFree(codes));
        // With the escape, every bit string is a code's start except those
        // of nine zeros.
        EXPECT_EQ(KraftSum(codes), 65536u - (1u << (16 - 9)));
    }
    // Likewise all but five zeros for CBPY, eleven and twelve for the DC
    // sizes.
    EXPECT_EQ(KraftSum(CodesOf(kCbpyCodes)), 65536u - (1u << (16 - 5)));
    EXPECT_EQ(KraftSum(CodesOf(kDcSizeLumaCodes)), 65536u - (1u << (16 - 11)));
    EXPECT_EQ(KraftSum(CodesOf(kDcSizeChromaCodes)), 65536u - (1u << (16 - 12)));
}

TEST(VlcTables, CountsAndEventsFollowTheStandard) {
    EXPECT_EQ(CodesOf(kMcbpcIntraCodes).size(), 9u);
    EXPECT_EQ(CodesOf(kMcbpcInterCodes).size(), 21u);
    EXPECT_EQ(kMvdCodes.size(), 33u);
    for (const auto* table : {&kIntraTcoefCodes, &kInterTcoefCodes}) {
        EXPECT_EQ(table->size(), 102u);
    }
    int intraNotLast = 0, interNotLast = 0;
    for (const TcoefCode& c : kIntraTcoefCodes) intraNotLast += c.last == 0;
    for (const TcoefCode& c : kInterTcoefCodes) interNotLast += c.last == 0;
    EXPECT_EQ(intraNotLast, 67);
    EXPECT_EQ(interNotLast, 58);
}

// Codes by (last, run, level) as Tables B-16 and B-17 print them.
std::string CodeText(const std::array<TcoefCode, 102>& table, int last, int run, int level) {
    for (const TcoefCode& c : table) {
        if (c.last == last && c.run == run && c.level == level) {
            std::string text;
            for (int i = c.length - 1; i >= 0; --i) text += ((c.code >> i) & 1) ? '1' : '0';
            return text;
        }
    }
    return "none";
}

TEST(VlcTables, SpotValuesMatchTheStandardsTables) {
    EXPECT_EQ(CodeText(kIntraTcoefCodes, 0, 0, 1), "10");
    EXPECT_EQ(CodeText(kIntraTcoefCodes, 0, 0, 3), "1111");
    EXPECT_EQ(CodeText(kIntraTcoefCodes, 0, 0, 27), "000001010010");
    EXPECT_EQ(CodeText(kIntraTcoefCodes, 0, 14, 1), "000001011000");
    EXPECT_EQ(CodeText(kIntraTcoefCodes, 0, 7, 3), "000001010111");
    EXPECT_EQ(CodeText(kIntraTcoefCodes, 1, 0, 1), "0111");
    EXPECT_EQ(CodeText(kIntraTcoefCodes, 1, 20, 1), "000001011111");
    EXPECT_EQ(CodeText(kInterTcoefCodes, 0, 0, 1), "10");
    EXPECT_EQ(CodeText(kInterTcoefCodes, 0, 1, 1), "110");
    EXPECT_EQ(CodeText(kInterTcoefCodes, 0, 0, 12), "00000100000");
    EXPECT_EQ(CodeText(kInterTcoefCodes, 0, 26, 1), "000001010111");
    EXPECT_EQ(CodeText(kInterTcoefCodes, 1, 0, 1), "0111");
    EXPECT_EQ(CodeText(kInterTcoefCodes, 1, 40, 1), "000001011111");
    EXPECT_EQ(kMvdCodes[32].code, 0b000000000010u);
    EXPECT_EQ(kMvdCodes[32].length, 12);
    EXPECT_EQ(kMcbpcInterCodes[5].length, 9);          // stuffing 0000 0000 1
    EXPECT_EQ(kMcbpcInterCodes[27].code, 0b0000011u);  // intra, CBPC 3
}

TEST(VlcTables, LmaxAndRmaxAreThoseOfTablesB19ToB22) {
    // B-19 (intra LMAX), B-20 (inter LMAX): last 0 then last 1.
    const int intraLmax0[15] = {27, 10, 5, 4, 3, 3, 3, 3, 2, 2, 1, 1, 1, 1, 1};
    const int interLmax0[27] = {12, 6, 4, 3, 3, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    for (int run = 0; run < 15; ++run) EXPECT_EQ(TcoefLmax(true, 0, run), intraLmax0[run]) << run;
    for (int run = 0; run < 27; ++run) EXPECT_EQ(TcoefLmax(false, 0, run), interLmax0[run]) << run;
    EXPECT_EQ(TcoefLmax(true, 1, 0), 8);
    EXPECT_EQ(TcoefLmax(true, 1, 1), 3);
    EXPECT_EQ(TcoefLmax(true, 1, 6), 2);
    EXPECT_EQ(TcoefLmax(true, 1, 20), 1);
    EXPECT_EQ(TcoefLmax(false, 1, 0), 3);
    EXPECT_EQ(TcoefLmax(false, 1, 1), 2);
    EXPECT_EQ(TcoefLmax(false, 1, 40), 1);
    // B-21 (intra RMAX), B-22 (inter RMAX).
    const int intraRmax0[11] = {0, 14, 9, 7, 3, 2, 1, 1, 1, 1, 1};
    const int interRmax0[7] = {0, 26, 10, 6, 2, 1, 1};
    for (int level = 1; level <= 10; ++level) EXPECT_EQ(TcoefRmax(true, 0, level), intraRmax0[level]);
    for (int level = 1; level <= 6; ++level) EXPECT_EQ(TcoefRmax(false, 0, level), interRmax0[level]);
    EXPECT_EQ(TcoefRmax(true, 0, 27), 0);
    EXPECT_EQ(TcoefRmax(false, 0, 12), 0);
    EXPECT_EQ(TcoefRmax(true, 1, 1), 20);
    EXPECT_EQ(TcoefRmax(true, 1, 2), 6);
    EXPECT_EQ(TcoefRmax(true, 1, 3), 1);
    EXPECT_EQ(TcoefRmax(true, 1, 8), 0);
    EXPECT_EQ(TcoefRmax(false, 1, 1), 40);
    EXPECT_EQ(TcoefRmax(false, 1, 2), 1);
    EXPECT_EQ(TcoefRmax(false, 1, 3), 0);
}

// One code read as the macroblock layer reads it.
VlcResult ReadVlc(StreamWindow& stream, const VlcTable& table, int& symbol) {
    MacroblockBits bits(stream);
    return bits.Vlc(table, symbol);
}

class VlcReaderTest : public ::testing::Test {
protected:
    // Every code of the table, each followed by filler bits, read back with
    // the lookup and with bit-by-bit matching at a bit offset of shift.
    void ExpectEveryCodeReadsBack(const VlcTable& table, int shift) {
        samples::BitWriter w;
        w.Bits(0, shift);
        for (int i = 0; i < table.count; ++i) {
            if (table.codes[i].length != 0) w.Bits(table.codes[i].code, table.codes[i].length);
        }
        w.Bytes(std::vector<uint8_t>(8, 0xFF));  // room for the lookup's peek
        const std::string path = ::testing::TempDir() + "vlc_reader_codes";
        ASSERT_TRUE(w.WriteFile(path));
        StreamWindow fast, slow;
        ASSERT_EQ(fast.Open(path), 0);
        ASSERT_EQ(slow.Open(path), 0);
        uint32_t skip = 0;
        fast.ReadBits(shift, skip);
        slow.ReadBits(shift, skip);
        for (int i = 0; i < table.count; ++i) {
            if (table.codes[i].length == 0) continue;
            int a = -1, b = -1;
            ASSERT_EQ(ReadVlc(fast, table, a), VlcResult::kMatch);
            ASSERT_EQ(ReadVlcBitByBit(slow, table, b), VlcResult::kMatch);
            EXPECT_EQ(a, i);
            EXPECT_EQ(b, i);
            EXPECT_EQ(fast.position(), slow.position());
        }
    }
};

TEST_F(VlcReaderTest, LookupAndBitByBitMatchingAgreeOnEveryCode) {
    for (const VlcTable* table : {&kMcbpcIntraVlc, &kMcbpcInterVlc, &kCbpyVlc, &kMvdVlc, &kDcSizeLumaVlc,
                                  &kDcSizeChromaVlc, &kIntraTcoefVlc, &kInterTcoefVlc}) {
        ExpectEveryCodeReadsBack(*table, 0);
        ExpectEveryCodeReadsBack(*table, 5);
    }
}

TEST_F(VlcReaderTest, AMissReadsOneBitBeyondTheLongestCodeEitherWay) {
    samples::BitWriter w;
    w.Code("0000 0000 0000 0000");  // no CBPY code starts with 000000
    w.Bytes(std::vector<uint8_t>(8, 0xFF));
    const std::string path = ::testing::TempDir() + "vlc_reader_miss";
    ASSERT_TRUE(w.WriteFile(path));
    StreamWindow stream;
    ASSERT_EQ(stream.Open(path), 0);
    int symbol = 0;
    EXPECT_EQ(ReadVlc(stream, kCbpyVlc, symbol), VlcResult::kNoMatch);
    EXPECT_EQ(stream.Save().position, 0u);
    EXPECT_EQ(stream.Save().bitMask, 0x80 >> 7);  // 7 bits consumed

    // At the end of the file a code cannot complete.
    samples::BitWriter tail;
    tail.Code("0000 0000");
    ASSERT_TRUE(tail.WriteFile(path));
    ASSERT_EQ(stream.Open(path), 0);
    EXPECT_EQ(ReadVlc(stream, kMvdVlc, symbol), VlcResult::kReadFailed);
}

}  // namespace
}  // namespace vn::mpeg4
