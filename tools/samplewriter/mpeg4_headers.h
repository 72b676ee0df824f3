// MPEG-4 visual stream headers, VOP headers and group-of-VOP headers with
// every field chosen by the caller: the cameras' subset by default, any
// other value for streams that reach a reader's corners.
#pragma once

#include <cstdint>

#include "samplewriter/bit_writer.h"

namespace vn::samples {

struct LayerFields {
    uint32_t profile = 0x01;
    uint32_t visualObjectIdentifier = 0;
    uint32_t visualObjectType = 1;
    uint32_t videoSignalType = 0;
    uint8_t videoObject = 0x00;       // start code 0x100 + this
    uint8_t videoObjectLayer = 0x20;  // start code 0x100 + this
    uint32_t objectType = 1;
    bool objectLayerIdentifier = false;
    uint32_t aspectRatio = 1;
    bool controlParameters = false;
    bool vbvParameters = false;
    uint32_t shape = 0;
    uint32_t resolution = 30;
    uint32_t fixedVopRate = 0;
    uint32_t width = 32;
    uint32_t height = 32;
    uint32_t widthMarker = 1;
    uint32_t interlaced = 0;
    uint32_t spriteEnable = 0;
    uint32_t not8Bit = 0;
    uint32_t quantType = 0;
    uint32_t complexityEstimationDisable = 1;
    uint32_t resyncMarkerDisable = 1;
    uint32_t dataPartitioned = 0;
    uint32_t scalability = 0;
};

// Visual object sequence, visual object, video object and video object
// layer headers, each followed by stuffing to a byte boundary.
void WriteStreamHeaders(BitWriter& w, const LayerFields& f);

// The bit length of a time increment resolution (5 for 30, 6 for 32).
int TimeIncrementBits(uint32_t resolution);

struct VopFields {
    uint32_t codingType = 0;  // 0 I, 1 P, 2 B, 3 S
    int moduloTimeBase = 0;   // one bits before the zero: whole seconds since the last VOP's
    int timeIncrementBits = 5;
    uint32_t timeIncrement = 0;
    uint32_t marker = 1;  // the marker after the time increment
    uint32_t vopCoded = 1;
    uint32_t intraDcVlcThr = 0;
    uint32_t quant = 8;
    uint32_t fcode = 1;
};

// The VOP start code and header; the macroblocks follow.
void WriteVopHeader(BitWriter& w, const VopFields& f);

// A group-of-VOP header whose time code is the given time from the
// stream's start, then stuffing.
void WriteGovHeader(BitWriter& w, uint32_t seconds, bool closed);

}  // namespace vn::samples
