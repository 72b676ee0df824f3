// The deblocking post-filter for decoded MPEG-4 pictures: across every
// vertical and then every horizontal 8x8 block edge, a default mode that
// corrects the two samples next to the edge and a DC offset mode that
// smooths eight samples across a flat edge.
#pragma once

#include <cstdint>

namespace vn::deblock {

// One edge: window s0..s9 with the edge between s4 and s5. Returns 0 (no
// change), 1 (default mode: out[4] and out[5] are new) or 2 (DC offset mode:
// out[1]..out[8] are new); out holds the window with the new values.
int DeblockEdge(const uint8_t window[10], int qp, uint8_t out[10]);

// One plane of width x height samples, rows stride bytes apart: the
// horizontal pass over every row, then the vertical pass over every
// column. An edge is filtered only where its whole window lies inside the
// plane; no sample outside width x height is read or written. Sixteen
// lines at a time where the processor allows.
void DeblockPlane(uint8_t* plane, int width, int height, int stride, int qp);
// The same, one edge at a time with DeblockEdge's arithmetic: the
// reference that the sixteen-line filter matches byte for byte.
void DeblockPlaneEdgeByEdge(uint8_t* plane, int width, int height, int stride, int qp);

// The luma plane (width x height), then both chroma planes (width / 2 x
// height / 2). Does nothing when a plane is missing.
void DeblockPicture(uint8_t* y, uint8_t* cb, uint8_t* cr, int width, int height, int lumaStride, int chromaStride,
                    int qp);

}  // namespace vn::deblock
