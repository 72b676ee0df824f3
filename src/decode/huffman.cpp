#include "decode/huffman.h"

namespace vn::jpeg {

bool BuildHuffmanTable(HuffmanTable& table, std::span<const uint8_t> countsAndValues) {
    if (countsAndValues.size() < 16) return false;
    int count = 0;
    for (int l = 0; l < 16; ++l) count += countsAndValues[l];
    if (count > 256 || countsAndValues.size() < static_cast<size_t>(16 + count)) return false;

    for (int l = 0; l < 16; ++l) table.bits[l] = countsAndValues[l];
    for (int k = 0; k < count; ++k) table.huffval[k] = countsAndValues[16 + k];
    table.count = count;

    // Code sizes and codes in canonical order. Over-full counts make codes
    // longer than their length; they are kept as computed and only ever
    // compared, never used to index.
    uint32_t codes[256];
    uint32_t code = 0;
    int k = 0;
    for (int l = 0; l < 16; ++l) {
        for (int i = 0; i < table.bits[l]; ++i) codes[k++] = code++;
        code <<= 1;
    }

    int j = 0;
    for (int l = 0; l < 16; ++l) {
        if (table.bits[l] == 0) {
            table.maxcode[l] = -1;
            table.mincode[l] = 0;
            table.valptr[l] = 0;
            continue;
        }
        table.valptr[l] = static_cast<uint8_t>(j);
        table.mincode[l] = static_cast<uint16_t>(codes[j]);
        j += table.bits[l] - 1;
        table.maxcode[l] = static_cast<int32_t>(codes[j]);
        ++j;
    }
    table.defined = true;
    ++table.generation;
    return true;
}

}  // namespace vn::jpeg
