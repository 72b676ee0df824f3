// Writes MPEG-4 stream headers and VOP headers with every field chosen by
// the test, for hand-made streams that reach the decoder's corners.
#pragma once

#include <cstdint>

#include "support/bit_writer.h"

namespace vn::test {

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

inline void WriteStreamHeaders(BitWriter& w, const LayerFields& f) {
    w.StartCode(0xB0);
    w.Bits(f.profile, 8);
    w.StartCode(0xB5);
    w.Bits(f.visualObjectIdentifier, 1);
    w.Bits(f.visualObjectType, 4);
    w.Bits(f.videoSignalType, 1);
    w.AlignWithStuffing();
    w.StartCode(f.videoObject);
    w.StartCode(f.videoObjectLayer);
    w.Bits(0, 1);  // random_accessible_vol
    w.Bits(f.objectType, 8);
    w.Bits(f.objectLayerIdentifier, 1);
    if (f.objectLayerIdentifier) w.Bits(0x5A, 7);  // verid, priority
    w.Bits(f.aspectRatio, 4);
    w.Bits(f.controlParameters, 1);
    if (f.controlParameters) {
        w.Bits(1, 2);  // chroma_format
        w.Bits(1, 1);  // low_delay
        w.Bits(f.vbvParameters, 1);
        if (f.vbvParameters) {
            for (int bits : {15, 1, 15, 1, 15, 1, 3, 11, 1, 15, 1}) w.Bits(bits == 1 ? 1 : 0x15, bits);
        }
    }
    w.Bits(f.shape, 2);
    w.Bits(1, 1);
    w.Bits(f.resolution, 16);
    w.Bits(1, 1);
    w.Bits(f.fixedVopRate, 1);
    w.Bits(1, 1);
    w.Bits(f.width, 13);
    w.Bits(f.widthMarker, 1);
    w.Bits(f.height, 13);
    w.Bits(1, 1);
    w.Bits(f.interlaced, 1);
    w.Bits(1, 1);  // obmc_disable
    w.Bits(f.spriteEnable, 1);
    w.Bits(f.not8Bit, 1);
    w.Bits(f.quantType, 1);
    w.Bits(f.complexityEstimationDisable, 1);
    w.Bits(f.resyncMarkerDisable, 1);
    w.Bits(f.dataPartitioned, 1);
    w.Bits(f.scalability, 1);
    w.AlignWithStuffing();
}

struct VopFields {
    uint32_t codingType = 0;  // 0 I, 1 P, 2 B, 3 S
    int moduloTimeBase = 0;   // one bits before the zero
    int timeIncrementBits = 5;
    uint32_t timeIncrement = 0;
    uint32_t marker = 1;  // the marker after the time increment
    uint32_t vopCoded = 1;
    uint32_t intraDcVlcThr = 0;
    uint32_t quant = 8;
    uint32_t fcode = 1;
};

// The VOP start code and header; the macroblocks follow.
inline void WriteVopHeader(BitWriter& w, const VopFields& f) {
    w.StartCode(0xB6);
    w.Bits(f.codingType, 2);
    for (int i = 0; i < f.moduloTimeBase; ++i) w.Bits(1, 1);
    w.Bits(0, 1);
    w.Bits(1, 1);
    w.Bits(f.timeIncrement, f.timeIncrementBits);
    w.Bits(f.marker, 1);
    w.Bits(f.vopCoded, 1);
    if (f.vopCoded == 0) return;
    if (f.codingType == 1) w.Bits(0, 1);  // vop_rounding_type
    w.Bits(f.intraDcVlcThr, 3);
    w.Bits(f.quant, 5);
    if (f.codingType != 0) w.Bits(f.fcode, 3);
    if (f.codingType == 2) w.Bits(f.fcode, 3);
}

}  // namespace vn::test
