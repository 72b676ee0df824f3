// JPEG frames of the kind the cameras write: baseline, three components,
// 4:2:0, the standard Huffman tables, one table per DHT and DQT segment.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vn::samples {

// Encodes width x height packed RGB pixels (3 bytes each, rows unpadded,
// top row first) at the given quality (1..100). Empty on failure.
std::vector<uint8_t> EncodeJpeg(const uint8_t* rgb, int width, int height, int quality);

// The JPEG with every DHT and DQT segment that holds several tables
// rewritten as one segment per table (readers of the cameras' frames take
// only a segment's first table). Segments from SOS on are copied unchanged.
// Empty when the segments before SOS are malformed.
std::vector<uint8_t> SplitTableSegments(std::span<const uint8_t> jpeg);

}  // namespace vn::samples
