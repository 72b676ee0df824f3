// Which record gives a frame its date: the clock, the "ts" date, the "finf"
// date, or the file time moved on by the elapsed seconds.
#include <gtest/gtest.h>

#include "sample_recording.h"

namespace vn::avi {
namespace {

using samples::CameraDate;
using test::Bytes;
using test::Frame;

Bytes TsFrame(const CameraDate& date) {
    samples::TsRecord record;
    record.date = date;
    return Frame({samples::Segment(samples::kApp15, samples::TsPayload(record))});
}

Bytes FinfFrame(const CameraDate& date) {
    return Frame({samples::Segment(samples::kApp15, samples::FinfPayload(date))});
}

Bytes ClockFrame(uint64_t clock) {
    return Frame({samples::Segment(samples::kComment, samples::ClockCommentPayload(clock))});
}

constexpr uint64_t kDay = 100 * 86400;

class FrameDateSource : public test::SampleRecording {
protected:
    // Walks the frame's records as its decode would, then dates it.
    std::string DateOf(int frame, int64_t elapsed) {
        EXPECT_EQ(recording.ReadFrame(frame), FrameRead::kOk);
        decoder.ParseJpegHeaders(recording.LastFrameBytes(), jpeg::kMarkerWalkLimit, nullptr, nullptr, nullptr,
                                 nullptr);
        std::string date, time;
        recording.FrameDateTime(elapsed, date, time);
        return date + " " + time + " #" + std::to_string(recording.lastDateSource());
    }
};

TEST_F(FrameDateSource, WithoutAClockTheLatestCameraDateOrTheFileTime) {
    ASSERT_EQ(Open(samples::CameraAviOptions{}, {Frame(), FinfFrame({2009, 3, 4, 5, 6, 7}),
                                                 TsFrame({2010, 6, 15, 12, 34, 56}), TsFrame({2010, 13, 1, 0, 0, 0})}),
              OpenResult::kOpened);
    EXPECT_FALSE(recording.hasClock);
    EXPECT_EQ(DateOf(0, 4), "2011/01/01 00:00:02 #4");
    EXPECT_EQ(DateOf(1, 0), "2009/03/04 05:06:07 #3");
    EXPECT_EQ(DateOf(2, 0), "2010/06/15 12:34:56 #2");
    // Once a "ts" record was seen its date stands for the frames without one.
    EXPECT_EQ(DateOf(1, 0), "2010/06/15 12:34:56 #2");
    EXPECT_EQ(DateOf(0, 0), "2010/06/15 12:34:56 #2");
    // A month past December is no date.
    EXPECT_EQ(DateOf(3, 62), "2011/01/01 00:01:00 #4");
}

TEST_F(FrameDateSource, ClockDatesAndTheirLimits) {
    const uint64_t lastDayOf2005 = 730 * kDay + 100 * 3600;
    ASSERT_EQ(Open(samples::CameraAviOptions{},
                   {ClockFrame(lastDayOf2005), ClockFrame(kDay + 150), ClockFrame((kLastClockDay + 1) * kDay)}),
              OpenResult::kOpened);
    EXPECT_TRUE(recording.hasClock);
    EXPECT_EQ(DateOf(0, 60), "2011/01/01 00:00:58 #4");
    EXPECT_EQ(DateOf(1, 0), "2004/01/02 00:00:01 #1");
    EXPECT_EQ(DateOf(2, 0), "2004/01/02 00:00:01 #1");  // beyond the clock's range: the last date stays
}

}  // namespace
}  // namespace vn::avi
