// Read-only view of one 4:2:0 picture's planes. The planes cover whole
// macroblocks; the stream's width x height is the visible part.
#pragma once

#include <cstdint>

namespace vn::mpeg4 {

struct YuvPlanes {
    const uint8_t* y = nullptr;
    const uint8_t* cb = nullptr;
    const uint8_t* cr = nullptr;
    int lumaStride = 0;    // = coded width
    int chromaStride = 0;  // = coded width / 2
    int lumaRows = 0;      // = coded height
};

}  // namespace vn::mpeg4
