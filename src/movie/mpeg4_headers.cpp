// The stream headers (visual object sequence, visual object, video object,
// video object layer), the group-of-VOP header and the VOP header, checked
// against the cameras' subset.
#include <bit>

#include "movie/mpeg4_decoder.h"
#include "movie/start_codes.h"

namespace vn::mpeg4 {

namespace {

// intra_dc_vlc_thr to the quantiser below which the DC size code is used;
// 32 lies above every quantiser (always), 0 below all (never).
constexpr int kIntraDcThresholds[8] = {32, 13, 15, 17, 19, 21, 23, 0};

// Field reads that end the parse at the first failure: each read and
// check is one call, in the order of the syntax.
class FieldReader {
public:
    explicit FieldReader(StreamWindow& stream) : stream_(stream) {}

    // A field of n bits; 0 once a read has failed.
    uint32_t Read(int n) {
        uint32_t value = 0;
        if (ok_ && !stream_.ReadBits(n, value)) ok_ = false;
        return ok_ ? value : 0;
    }
    void Expect(int n, uint32_t wanted) {
        if (Read(n) != wanted) ok_ = false;
    }
    void ExpectIn(int n, uint32_t first, uint32_t last) {
        const uint32_t value = Read(n);
        if (value < first || value > last) ok_ = false;
    }
    void ExpectEither(int n, uint32_t a, uint32_t b) {
        const uint32_t value = Read(n);
        if (value != a && value != b) ok_ = false;
    }
    // The next start code, read, must lie in first..last.
    void StartCode(uint32_t first, uint32_t last) {
        if (!ok_) return;
        const int64_t code = stream_.FindNextStartCode();
        if (code < first || code > last) {
            ok_ = false;
            return;
        }
        Read(32);
    }
    bool ok() const { return ok_; }

private:
    StreamWindow& stream_;
    bool ok_ = true;
};

}  // namespace

bool Mpeg4Decoder::ParseStreamHeaders(StreamWindow& stream) {
    FieldReader f(stream);
    f.StartCode(kVisualObjectSequenceCode, kVisualObjectSequenceCode);
    f.ExpectEither(8, 0x01, 0xF0);  // profile_and_level_indication

    f.StartCode(kVisualObjectCode, kVisualObjectCode);
    f.Expect(1, 0);  // is_visual_object_identifier
    f.Expect(4, 1);  // visual_object_type: video
    f.Expect(1, 0);  // video_signal_type

    f.StartCode(kVideoObjectFirst, kVideoObjectLast);

    f.StartCode(kVideoObjectLayerFirst, kVideoObjectLayerLast);
    f.Read(1);                 // random_accessible_vol
    f.ExpectEither(8, 1, 17);  // video_object_type_indication
    if (f.Read(1)) f.Read(7);  // is_object_layer_identifier: verid, priority
    f.Expect(4, 1);            // aspect_ratio_info
    if (f.Read(1)) {           // vol_control_parameters
        f.Read(2);             // chroma_format
        f.Read(1);             // low_delay
        if (f.Read(1)) {       // vbv_parameters
            for (int bits : {15, 1, 15, 1, 15, 1, 3, 11, 1, 15, 1}) f.Read(bits);
        }
    }
    f.Expect(2, 0);  // video_object_layer_shape: rectangular
    f.Expect(1, 1);  // marker
    const uint32_t resolution = f.Read(16);
    f.Read(1);       // marker, not tested
    f.Expect(1, 0);  // fixed_vop_rate
    f.Expect(1, 1);  // marker
    const uint32_t width = f.Read(13);
    f.Expect(1, 1);  // marker
    const uint32_t height = f.Read(13);
    f.Expect(1, 1);  // marker
    f.Expect(1, 0);  // interlaced
    f.Read(1);       // obmc_disable
    f.Expect(1, 0);  // sprite_enable
    f.Expect(1, 0);  // not_8_bit
    f.Expect(1, 0);  // quant_type
    f.Expect(1, 1);  // complexity_estimation_disable
    f.Expect(1, 1);  // resync_marker_disable
    f.Expect(1, 0);  // data_partitioned
    f.Expect(1, 0);  // scalability
    if (!f.ok()) return false;
    stream.ByteAlign();

    width_ = static_cast<int>(width);
    height_ = static_cast<int>(height);
    mbColumns_ = (width_ + 15) / 16;
    mbRows_ = (height_ + 15) / 16;
    timeIncrementResolution_ = static_cast<int>(resolution);
    // The bit length of the resolution itself (6 for 32, not the 5 that
    // counting 0..31 needs): the cameras write increments of that length.
    timeIncrementBits_ = std::bit_width(resolution);
    return true;
}

bool Mpeg4Decoder::ParseGovHeader(StreamWindow& stream) {
    FieldReader f(stream);
    f.Expect(32, kGovCode);
    f.Read(18);  // time_code
    f.Read(1);   // closed_gov
    f.Read(1);   // broken_link
    return f.ok();
}

bool Mpeg4Decoder::ParseVopHeader(StreamWindow& stream) {
    FieldReader f(stream);
    f.StartCode(kVopCode, kVopCode);
    const uint32_t codingType = f.Read(2);
    if (!f.ok() || codingType == 3) return false;
    vopCodingType_ = static_cast<int>(codingType);
    while (f.Read(1) == 1) {  // modulo_time_base, up to its zero bit
    }
    f.Expect(1, 1);  // marker
    f.Read(timeIncrementBits_);
    f.Expect(1, 1);                      // marker
    f.Expect(1, 1);                      // vop_coded: a VOP that is not coded has no picture
    if (vopCodingType_ == 1) f.Read(1);  // vop_rounding_type, not applied
    intraDcThreshold_ = kIntraDcThresholds[f.Read(3)];
    const uint32_t quantiser = f.Read(5);
    if (vopCodingType_ != 0) {
        fcodeForward_ = static_cast<int>(f.Read(3));
        if (vopCodingType_ == 2) f.Read(3);  // vop_fcode_backward
    }
    if (!f.ok()) return false;
    runningQuantiser_ = static_cast<int>(quantiser);
    return true;
}

}  // namespace vn::mpeg4
