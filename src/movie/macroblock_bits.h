// The reader of one macroblock's bits: a cursor over the current window
// kept in registers from the first bit to the last, with the stream
// window's bit-by-bit reads for the last bits of a window. Each read runs
// from the cursor when the window holds more bits than the read can take,
// and otherwise through the window, so reads across a window's end,
// failures at the end of the file and the bits a failed read consumes are
// those of reading bit by bit.
#pragma once

#include <cstdint>

#include "movie/stream_window.h"
#include "movie/vlc_reader.h"

namespace vn::mpeg4 {

class MacroblockBits {
public:
    explicit MacroblockBits(StreamWindow& stream) : stream_(stream), cursor_(stream.cursor()) {}
    // The window's position follows the reads.
    ~MacroblockBits() { stream_.Resume(cursor_); }
    MacroblockBits(const MacroblockBits&) = delete;
    MacroblockBits& operator=(const MacroblockBits&) = delete;

    // True when the window holds more than `longest` bits from here: a
    // read of at most that many may then go through cursor().
    bool Fast(int longest) const { return cursor_.left() > static_cast<uint64_t>(longest); }
    StreamWindow::Cursor& cursor() { return cursor_; }
    // read(stream) through the window, from where the cursor stands.
    template <typename Read>
    auto Slow(Read&& read) {
        stream_.Resume(cursor_);
        const auto result = read(stream_);
        cursor_ = stream_.cursor();
        return result;
    }

    // n bits, 1 to 32.
    bool Bits(int n, uint32_t& value) {
        if (!Fast(n)) return Slow([&](StreamWindow& s) { return s.ReadBits(n, value); });
        value = cursor_.Show32() >> (32 - n);
        cursor_.Skip(n);
        return true;
    }

    // One variable-length code of the table; a miss goes bit by bit.
    VlcResult Vlc(const VlcTable& table, int& symbol) {
        if (Fast(table.maxLength)) {
            const VlcLookupEntry entry = table.lookup[cursor_.Show32() >> (32 - table.maxLength)];
            if (entry.length != 0) {
                cursor_.Skip(entry.length);
                symbol = entry.symbol;
                return VlcResult::kMatch;
            }
        }
        return Slow([&](StreamWindow& s) { return ReadVlcBitByBit(s, table, symbol); });
    }

private:
    StreamWindow& stream_;
    StreamWindow::Cursor cursor_;
};

}  // namespace vn::mpeg4
