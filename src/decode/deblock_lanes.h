// The deblocking filter sixteen lines at a time: the same edges, decisions
// and read-before-write order as the edge-by-edge filter, output byte for
// byte the same.
#pragma once

#include <cstdint>

namespace vn::deblock {

// True where this build has the sixteen-lane filter (x86-64).
bool HaveLaneFilter();

// DeblockPlane's contract: width x height samples, rows stride bytes apart;
// only samples inside width x height are read or written. qp must be at
// least 1 (below that no edge changes). Does nothing without the lanes.
void DeblockPlaneLanes(uint8_t* plane, int width, int height, int stride, int qp);

}  // namespace vn::deblock
