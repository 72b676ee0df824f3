#include "decode/dc_lookahead.h"

namespace vn::jpeg {

void DcLookahead::Follow(const HuffmanTable& table) {
    if (built && generation == table.generation) return;
    for (uint32_t prefix = 0; prefix < (1u << kBits); ++prefix) {
        entry[prefix] = 0;
        for (int length = 1; length <= kBits; ++length) {
            const int size = MatchDcCode(table, length, prefix >> (kBits - length));
            if (size >= 0) {
                entry[prefix] = static_cast<uint16_t>(length << 8 | size);
                break;
            }
        }
    }
    generation = table.generation;
    built = true;
}

}  // namespace vn::jpeg
