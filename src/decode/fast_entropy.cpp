#include "decode/fast_entropy.h"

namespace vn::jpeg {

void BuildAcFastLookup(const uint16_t* acLookup, uint32_t* fast) {
    for (uint32_t prefix = 0; prefix < (1u << kAcFastBits); ++prefix) {
        const uint16_t code = acLookup[prefix << (16 - kAcFastBits)];
        const int length = code >> 8;
        const int run = code >> 4 & 15;
        const int size = code & 15;
        if (length == 0 || length > kAcFastBits) {
            fast[prefix] = 0;
        } else if (size > 0 && length + size <= kAcFastBits) {
            const uint32_t bits = prefix >> (kAcFastBits - length - size) & ((1u << size) - 1);
            const uint32_t value = static_cast<uint16_t>(Extend(bits, size));
            fast[prefix] = value << 16 | kWholeCoefficient | static_cast<uint32_t>(run) << 8 |
                           static_cast<uint32_t>(length + size);
        } else {
            fast[prefix] = code;
        }
    }
}

void BuildAcSkipLookup(const uint16_t* acLookup, uint16_t* skip) {
    for (uint32_t prefix = 0; prefix < (1u << kAcSkipBits); ++prefix) {
        int taken = 0;
        int advance = 0;
        bool endOfBlock = false;
        while (!endOfBlock) {
            // The code at `taken`, with the bits past the prefix read as zero.
            const uint16_t code = acLookup[(prefix << taken << (16 - kAcSkipBits)) & 0xFFFF];
            const int length = (code >> 8) + (code & 15);
            if (code == 0 || taken + length > kAcSkipBits) break;
            taken += length;
            const int run = code >> 4 & 15;
            if ((code & 15) != 0) {
                advance += run + 1;
            } else if (run == 15) {
                advance += 16;
            } else {
                endOfBlock = true;
            }
        }
        skip[prefix] =
            taken == 0 ? 0 : static_cast<uint16_t>(taken | advance << 4 | (endOfBlock ? kSkipEndOfBlock : 0));
    }
}

}  // namespace vn::jpeg
