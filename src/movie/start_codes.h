// Start code values (the 32 bits 00 00 01 xx) of the elements a camera
// stream holds, and the position unit of movies.
#pragma once

#include <cstdint>

namespace vn::mpeg4 {

constexpr uint32_t kVisualObjectSequenceCode = 0x1B0;
constexpr uint32_t kUserDataCode = 0x1B2;
constexpr uint32_t kGovCode = 0x1B3;
constexpr uint32_t kVisualObjectCode = 0x1B5;
constexpr uint32_t kVopCode = 0x1B6;
constexpr uint32_t kVideoObjectFirst = 0x100, kVideoObjectLast = 0x11F;
constexpr uint32_t kVideoObjectLayerFirst = 0x120, kVideoObjectLayerLast = 0x12F;

// Positions in movies are file offsets in units of 1024 bytes.
constexpr uint32_t kPositionUnit = 1024;

}  // namespace vn::mpeg4
