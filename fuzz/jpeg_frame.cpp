// The JPEG frame decoder on its own. The input is three bytes of settings,
// then one frame: the marker walk with the camera records, the full decode
// (fast and, where that hands back, exact) into the planes and a picture,
// the time-stamp caption from the frame's own date, the DC-only decode, the
// focus score, and the fast and exact entropy decoders compared on the
// frame's scan with the frame's own tables.
//   byte 0, 1: picture width and height less 1 (1 to 256 pixels)
//   byte 2: bit 0 the end-of-image check, bit 1 grey pictures, bit 2 the
//           clock record dump
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/camera_time.h"
#include "decode/decoder_tables.h"
#include "decode/jpeg_decoder.h"
#include "entropy_agreement.h"
#include "recording/timestamp_caption.h"
#include "support.h"

namespace {

constexpr size_t kSettings = 3;
constexpr int kCaptionRows = 16;

struct Decoder {
    Decoder() { tables.Build(); }
    vn::jpeg::JpegDecoder decoder;
    vn::jpeg::DecoderTables tables;  // the harness's own, for the comparison
    vn::Picture picture;
    vn::Picture dcPicture;
    std::vector<int32_t> luma, cb, cr;
};

// The caption the player would draw for the frame's camera date.
void DrawCaption(vn::Picture& picture, const vn::jpeg::CameraRecords& camera) {
    vn::DateTimeFields t;
    if (!vn::DateTimeFromClock(camera.FrameClock, t)) {
        const vn::jpeg::FrameCameraRecord& f = camera.frame;
        t = vn::DateTimeFields{f.year, f.month, f.day, f.hour, f.minute, f.second};
    }
    vn::avi::DrawTimestamp(picture, vn::FormatDate(t), vn::FormatTime(t));
}

void DecodeDcImage(Decoder& d, std::span<const uint8_t> frame, int width, int height) {
    const int blocksWide = (width + 7) / 8;
    const int blocksHigh = (height + 7) / 8;
    const size_t chroma = static_cast<size_t>((blocksWide + 1) / 2) * ((blocksHigh + 1) / 2);
    d.luma.assign(static_cast<size_t>(blocksWide) * blocksHigh, 0);
    d.cb.assign(chroma, 0);
    d.cr.assign(chroma, 0);
    d.decoder.DecodeJpegDcImage(frame, d.luma.data(), d.cb.data(), d.cr.data(), blocksWide, blocksHigh);
    if (!d.dcPicture.Reset(blocksWide, blocksHigh)) return;
    d.decoder.ConvertDcImageToRgb(d.dcPicture.data(), d.luma.data(), d.cb.data(), d.cr.data(), blocksWide, blocksHigh,
                                  d.dcPicture.stride());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Decoder d;
    if (size < kSettings) return 0;
    const int width = data[0] + 1;
    const int height = data[1] + 1;
    const std::span<const uint8_t> frame(data + kSettings, size - kSettings);

    vn::jpeg::JpegDecoder& decoder = d.decoder;
    vn::fuzz::StartAfresh(decoder);
    decoder.bCheckSpuriousEOI = (data[2] & 1) != 0;
    decoder.g_bForceBW = (data[2] & 2) != 0;
    decoder.camera.bDumpRTCData = (data[2] & 4) != 0;
    if (!decoder.AllocatePlanes(width, height) || !d.picture.Reset(width, height + kCaptionRows)) return 0;

    vn::jpeg::FrameHeader frameHeader;
    vn::jpeg::ScanHeader scanHeader;
    uint64_t clock = 0;
    int eventPos = -1;
    const int start =
        decoder.ParseJpegHeaders(frame, vn::jpeg::kMarkerWalkLimit, &frameHeader, &scanHeader, &clock, &eventPos);
    int intervalMs = 0;
    uint32_t clockLow = 0;
    decoder.DecodeJpegFrame(frame, d.picture, &intervalMs, &clockLow);
    DrawCaption(d.picture, decoder.camera);
    DecodeDcImage(d, frame, width, height);
    decoder.FocusScore(0, 0, width - 1, height);

    if (start > 0) {
        const vn::jpeg::FramePlanes& planes = decoder.planes();
        const int mcus = planes.codedWidth / 16 * (planes.codedHeight / 16);
        vn::fuzz::CheckEntropyAgreement(frame, static_cast<size_t>(start), d.tables.ForScan(decoder.dcTables()), mcus);
    }
    return 0;
}
