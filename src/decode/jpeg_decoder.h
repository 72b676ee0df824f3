// The JPEG decoder written for the cameras' frames: baseline, three
// components, 4:2:0, the standard AC tables, no restart intervals. One
// instance holds all decoder state: tables, the frame's sample planes, the
// per-frame camera records and the clocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "common/picture.h"
#include "decode/camera_record.h"
#include "decode/huffman.h"
#include "decode/quant.h"

namespace vn::jpeg {

struct DecoderTables;
class DestuffedScan;

struct FrameHeader {
    int precision = 0;
    int height = 0;
    int width = 0;
    int components = 0;
    struct Component {
        int id = 0, h = 0, v = 0, tq = 0;
    } component[4];
};

struct ScanHeader {
    int length = 0;
    int components = 0;
    struct Component {
        int id = 0, td = 0, ta = 0;
    } component[3];
    int ss = 0, se = 0, ah = 0, al = 0;
};

// The decoder's sample planes, sized to whole macroblocks. Luma samples are
// 0..255 after a decode; chroma samples are the inverse DCT's output,
// centred on 0. They keep their contents from frame to frame.
struct FramePlanes {
    int codedWidth = 0;       // width rounded up to a multiple of 16
    int codedHeight = 0;      // height rounded up to a multiple of 16
    std::vector<int32_t> y;   // codedWidth x codedHeight
    std::vector<int32_t> cb;  // codedWidth / 2 x codedHeight / 2
    std::vector<int32_t> cr;
    int chromaStride() const { return codedWidth / 2; }
};

// Maximum length handed to the marker walk by every caller.
constexpr int kMarkerWalkLimit = 128000;

// How a frame's decode ended, with the number that reports it.
enum class DecodeStatus : int {
    kComplete = 0,
    kNoScan = -1,              // the marker walk reached no SOS; the picture is untouched
    kScanStopped = 1,          // the entropy data stopped on an error; reported as the bytes scanned
    kNoEndOfImage = -4,        // end-of-image check: no 0xD9 after the scan
    kEndOfImageTooEarly = -5,  // end-of-image check: a 0xD9 before the first 0xFF after the scan
};

// What DecodeJpegFrame reports.
struct DecodeResult {
    DecodeStatus status = DecodeStatus::kComplete;
    int scanBytes = 0;  // with kScanStopped: the bytes scanned up to the error

    bool complete() const { return status == DecodeStatus::kComplete; }
    // The result as a number: the status's, or the bytes scanned when the scan stopped.
    int code() const { return status == DecodeStatus::kScanStopped ? scanBytes : static_cast<int>(status); }
};

// What DecodeJpegDcImage reports.
enum class DcImageStatus : int {
    kDecoded = 0,  // a decoding error only ends the decode early
    kNoScan = -1,  // the marker walk reached no SOS; nothing is stored
};

class JpegDecoder {
public:
    JpegDecoder();
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // Builds the fixed tables (AC lookups, colour and clamp tables) once.
    void InitJpegDecoder();

    // Allocates zero-filled planes for a width x height recording.
    // Returns false when the size is not usable or memory is short.
    bool AllocatePlanes(int width, int height);
    void ReleasePlanes();
    const FramePlanes& planes() const { return planes_; }

    // Walks the segments from SOI up to SOS. Returns -1 without SOI, 0 when
    // no SOS is reached (or the walk fails), else the offset of the first
    // entropy-coded byte. clockOut receives the frame clock (set to 0 first);
    // eventPos receives the offset of the APP5 payload, or -1.
    int ParseJpegHeaders(std::span<const uint8_t> data, int maxLength, FrameHeader* frameHeader, ScanHeader* scanHeader,
                         uint64_t* clockOut, int* eventPos);
    // The same walk for the camera records alone, the tables passed over:
    // all that the event list and the trigger walk need of a frame.
    int WalkCameraRecords(std::span<const uint8_t> data, int maxLength);

    // Decodes one frame into the planes and converts them into the picture
    // (width x height of the planes' recording); the picture is rewritten
    // unless no SOS was reached. The end-of-image check runs only when
    // bCheckSpuriousEOI is on. intervalMs receives (clock low word -
    // previous) x 10, clockLow the clock's low word.
    DecodeResult DecodeJpegFrame(std::span<const uint8_t> data, Picture& picture, int* intervalMs, uint32_t* clockLow);

    // DC-only decode: one value per 8 x 8 block. Luma is clamp(Q0 x DC / 8 + 128),
    // chroma (one per MCU, stride ceil(blocksWide / 2)) is Q1 x DC / 8, signed.
    // Blocks outside the blocksWide x blocksHigh grid are not stored.
    DcImageStatus DecodeJpegDcImage(std::span<const uint8_t> data, int32_t* luma, int32_t* cb, int32_t* cr,
                                    int blocksWide, int blocksHigh);

    void ConvertPlanesToPicture(Picture& picture, int width, int height) const;
    void ConvertDcImageToRgb(uint8_t* buffer, const int32_t* luma, const int32_t* cb, const int32_t* cr, int width,
                             int height, int rowStride) const;

    // Sum of |luma(r, c) - luma(r, c + 1)| over the window; 0 when the
    // window reaches past the coded plane.
    int64_t FocusScore(int x, int y, int width, int height) const;

    // Switches owned by the diagnostics window.
    bool bCheckSpuriousEOI = false;
    bool g_bForceBW = false;

    // Per-frame camera records filled by the marker walk.
    CameraRecords camera;

    // Clock of the previously decoded frame (units of 10 ms).
    uint64_t previousClock = 0;

    // Scan state after the last decode.
    int g_nScanBytes = 0;
    int g_nJpegError = 0;
    bool scanComplete = false;  // the entropy data covered every block without an error

    // Whether the last marker walk defined both DC tables and both
    // quantisation tables itself. Such a frame decodes the same whatever
    // frames were decoded before it; one that leans on an earlier frame's
    // tables does not.
    bool WalkDefinedScanTables() const { return (walkDcTables_ & 3) == 3 && (walkQuantTables_ & 3) == 3; }

    // The decoder's own copies of the last frame and scan headers.
    FrameHeader frameHeader;
    ScanHeader scanHeader;

    // The DC tables the DHT segments built, as the next scan reads them.
    const HuffmanTable (&dcTables() const)[2] { return dcTables_; }

    // Receives "Error in Get1Bit" and "Error in GetBits". Standard error
    // when not set.
    std::function<void(std::string_view)> debugOutput;

private:
    int WalkHeaders(std::span<const uint8_t> data, int maxLength, bool buildTables, FrameHeader* frameHeader,
                    ScanHeader* scanHeader, uint64_t* clockOut, int* eventPos);
    void DebugMessage(std::string_view text);

    // Fixed and derived lookup tables of the entropy decoders.
    std::unique_ptr<DecoderTables> tables_;
    std::unique_ptr<DestuffedScan> scanCopy_;  // the fast decoder's input, reused from frame to frame
    int width_ = 0;                            // the recording's size, set by AllocatePlanes
    int height_ = 0;

    HuffmanTable dcTables_[2];
    HuffmanTable acTables_[2];  // built from the stream, never used for decoding
    QuantTable quant_[3];
    uint8_t walkDcTables_ = 0;  // one bit per table slot defined by the last walk
    uint8_t walkQuantTables_ = 0;
    FramePlanes planes_;
};

}  // namespace vn::jpeg
