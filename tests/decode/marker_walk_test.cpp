#include <gtest/gtest.h>

#include <vector>

#include "common/camera_time.h"
#include "decode/jpeg_decoder.h"
#include "samplewriter/camera_segments.h"

namespace vn::jpeg {
namespace {

using Bytes = std::vector<uint8_t>;
using samples::Segment;

constexpr uint8_t kSof0 = 0xC0, kSof2 = 0xC2, kDht = 0xC4, kEoi = 0xD9, kSos = 0xDA, kDqt = 0xDB;

Bytes Sof(int components) {
    Bytes p = {8, 0, 240, 1, 64, static_cast<uint8_t>(components)};  // 240 high, 320 wide
    for (int c = 1; c <= components; ++c) {
        p.push_back(static_cast<uint8_t>(c));
        p.push_back(c == 1 ? 0x22 : 0x11);
        p.push_back(c == 1 ? 0 : 1);
    }
    return p;
}

Bytes Sos(int components) {
    Bytes p = {static_cast<uint8_t>(components)};
    for (int c = 1; c <= components; ++c) {
        p.push_back(static_cast<uint8_t>(c));
        p.push_back(0x00);
    }
    for (uint8_t b : {0, 63, 0}) p.push_back(b);
    return p;
}

Bytes DcTable() {
    Bytes p = {0x00, 0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    for (int v = 0; v < 12; ++v) p.push_back(static_cast<uint8_t>(v));
    return p;
}

// SOI, then the segments in order; the data the walk should stop before follows.
Bytes Frame(std::initializer_list<Bytes> segments) {
    Bytes frame = {0xFF, 0xD8};
    for (const Bytes& s : segments) frame.insert(frame.end(), s.begin(), s.end());
    return frame;
}

Bytes Headers() {
    Bytes quant(65, 16);
    quant[0] = 0;
    return Frame({Segment(kDqt, quant), Segment(kDht, DcTable()), Segment(kSof0, Sof(3))});
}

class MarkerWalk : public ::testing::Test {
protected:
    int Walk(const Bytes& data, int maxLength = kMarkerWalkLimit) {
        return decoder.ParseJpegHeaders(data, maxLength, &frame, &scan, &clock, &eventPos);
    }
    JpegDecoder decoder;
    FrameHeader frame;
    ScanHeader scan;
    uint64_t clock = 99;
    int eventPos = 99;
};

TEST_F(MarkerWalk, NeedsStartOfImage) {
    EXPECT_EQ(Walk({}), -1);
    EXPECT_EQ(Walk({0xFF}), -1);
    EXPECT_EQ(Walk({0xFF, 0xD9, 0xFF, 0xD8}), -1);
    EXPECT_EQ(clock, 0u);
    EXPECT_EQ(eventPos, -1);
}

TEST_F(MarkerWalk, StopsAtTheEntropyDataAndFillsTheHeaders) {
    Bytes data = Headers();
    const Bytes sos = Segment(kSos, Sos(3));
    data.insert(data.end(), sos.begin(), sos.end());
    const int entropyStart = static_cast<int>(data.size());
    data.insert(data.end(), {0x12, 0x34, 0xFF, 0xD9});

    EXPECT_EQ(Walk(data), entropyStart);
    EXPECT_EQ(frame.width, 320);
    EXPECT_EQ(frame.height, 240);
    EXPECT_EQ(frame.components, 3);
    EXPECT_EQ(frame.component[0].h, 2);
    EXPECT_EQ(scan.components, 3);
    EXPECT_EQ(scan.length, 12);
    EXPECT_EQ(scan.se, 63);
    EXPECT_EQ(decoder.camera.walk.dqtSegments, 1);
    EXPECT_EQ(decoder.camera.walk.dhtSegments, 1);
}

TEST_F(MarkerWalk, StepsOverEoiAndRestartMarkersAsIfTheyHadALength) {
    const Bytes data = Frame({Bytes{0xFF, kEoi, 0, 4, 0xAA, 0xBB}, Bytes{0xFF, 0xD3, 0, 2}, Segment(kSos, Sos(3))});
    EXPECT_EQ(Walk(data), static_cast<int>(data.size()));
}

TEST_F(MarkerWalk, EndsWithoutAScanOnAnythingOutsideTheSubset) {
    Bytes progressive = Frame({Segment(kSof2, Sof(3)), Segment(kSos, Sos(3))});
    EXPECT_EQ(Walk(progressive), 0);

    Bytes tooManyComponents = Frame({Segment(kSof0, Sof(5)), Segment(kSos, Sos(3))});
    EXPECT_EQ(Walk(tooManyComponents), 0);

    // Four scan components cannot be this kind of frame; the segment is passed
    // over, and the entropy data after it is no marker.
    Bytes fourScanComponents = Frame({Segment(kSos, Sos(4))});
    fourScanComponents.push_back(0x12);
    EXPECT_EQ(Walk(fourScanComponents), 0);

    Bytes notAMarker = Frame({Bytes{0x00, 0xC4, 0, 2}});
    EXPECT_EQ(Walk(notAMarker), 0);
}

TEST_F(MarkerWalk, NeverReadsPastTheData) {
    Bytes data = Headers();
    const Bytes sos = Segment(kSos, Sos(3));
    data.insert(data.end(), sos.begin(), sos.end());
    for (size_t cut = 2; cut < data.size(); ++cut) {
        const Bytes truncated(data.begin(), data.begin() + static_cast<long>(cut));
        EXPECT_EQ(Walk(truncated), 0) << "cut at " << cut;
    }
    // A segment that claims more bytes than the frame has.
    const Bytes overlong = Frame({Bytes{0xFF, 0xFE, 0x7F, 0xFF, 'T'}});
    EXPECT_EQ(Walk(overlong), 0);
}

TEST_F(MarkerWalk, HonoursTheMaximumLength) {
    Bytes data = Frame({Segment(0xE1, Bytes(300, 0)), Segment(kSos, Sos(3))});
    EXPECT_GT(Walk(data), 0);
    EXPECT_EQ(Walk(data, 300), 0);
}

TEST_F(MarkerWalk, RefusedTablesDoNotDisturbTheWalk) {
    Bytes overfull = {0x00};
    overfull.insert(overfull.end(), 16, 255);  // 4080 codes claimed
    overfull.resize(300, 1);
    Bytes wrongId = DcTable();
    wrongId[0] = 0x05;
    Bytes shortQuant = {0x00, 1, 2, 3};
    const Bytes data = Frame({Segment(kDht, overfull), Segment(kDht, wrongId), Segment(kDqt, shortQuant),
                              Segment(kDqt, Bytes(65, 3 /* identifier 3 */)), Segment(kSos, Sos(3))});
    EXPECT_EQ(Walk(data), static_cast<int>(data.size()));
}

TEST_F(MarkerWalk, HandsOutTheEventByteAndClock) {
    const Bytes event = Segment(samples::kApp5, samples::EventPayload(0x81));
    const Bytes clockRecord = Segment(samples::kComment, samples::ClockCommentPayload(123456));
    const Bytes data = Frame({event, clockRecord, Segment(kSos, Sos(3))});
    EXPECT_GT(Walk(data), 0);
    EXPECT_EQ(eventPos, 2 + 4);
    EXPECT_EQ(data[eventPos], 0x81);
    EXPECT_TRUE(decoder.camera.hasEventByte);
    EXPECT_EQ(clock, 123456u);

    // The next frame without either segment clears both.
    EXPECT_GT(Walk(Frame({Segment(kSos, Sos(3))})), 0);
    EXPECT_EQ(eventPos, -1);
    EXPECT_FALSE(decoder.camera.hasEventByte);
    EXPECT_EQ(clock, 0u);
}

TEST_F(MarkerWalk, TheLastClockSegmentWins) {
    samples::TsRecord ts;
    ts.date = {2012, 1, 1, 0, 0, 14};
    ts.cameraKind = 3;
    const Bytes tsSegment = Segment(samples::kApp15, samples::TsPayload(ts));
    const Bytes clockRecord = Segment(samples::kComment, samples::ClockCommentPayload(777));
    const uint64_t tsClock = ClockFromCameraDate(14, 0, 0, 1, 1, 2012);

    EXPECT_GT(Walk(Frame({clockRecord, tsSegment, Segment(kSos, Sos(3))})), 0);
    EXPECT_EQ(clock, tsClock);
    EXPECT_GT(Walk(Frame({tsSegment, clockRecord, Segment(kSos, Sos(3))})), 0);
    EXPECT_EQ(clock, 777u);

    // A walk that fails later still hands out the clock it met.
    EXPECT_EQ(Walk(Frame({clockRecord, Segment(kSof2, Sof(3))})), 0);
    EXPECT_EQ(clock, 777u);
}

}  // namespace
}  // namespace vn::jpeg
