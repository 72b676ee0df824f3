#include "samplewriter/mpeg4_headers.h"

#include <bit>

namespace vn::samples {

void WriteStreamHeaders(BitWriter& w, const LayerFields& f) {
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

int TimeIncrementBits(uint32_t resolution) { return std::bit_width(resolution); }

void WriteVopHeader(BitWriter& w, const VopFields& f) {
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

void WriteGovHeader(BitWriter& w, uint32_t seconds, bool closed) {
    w.StartCode(0xB3);
    w.Bits(seconds / 3600 % 24, 5);
    w.Bits(seconds / 60 % 60, 6);
    w.Bits(1, 1);  // marker
    w.Bits(seconds % 60, 6);
    w.Bits(closed, 1);
    w.Bits(0, 1);  // broken_link
    w.AlignWithStuffing();
}

}  // namespace vn::samples
