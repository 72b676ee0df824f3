#include "recording/segment_export.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "sample_recording.h"

namespace vn::avi {
namespace {

using test::Bytes;

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

uint32_t U32At(const Bytes& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// Frames of distinct contents and lengths, some odd.
std::vector<Bytes> NumberedFrames(int count, size_t size = 10) {
    std::vector<Bytes> frames;
    for (int i = 0; i < count; ++i) {
        Bytes comment(size + i % 7, static_cast<uint8_t>(i));
        frames.push_back(test::Frame({samples::Segment(samples::kComment, comment)}));
    }
    return frames;
}

// Counts the steps and stops when told to.
class CountingProgress : public ExportProgress {
public:
    explicit CountingProgress(int stopAfter = -1) : stopAfter_(stopAfter) {}
    void Begin(int total) override { this->total = total; }
    bool Step(int done) override {
        steps = done;
        return done != stopAfter_;
    }
    void Finish() override { finished = true; }
    int total = -1;
    int steps = 0;
    bool finished = false;

private:
    int stopAfter_;
};

class SegmentExport : public test::SampleRecording {
protected:
    // Exports and reopens the result in a second reader; the source stays open.
    ExportSummary Export(int first, int last, int step, ExportMode mode = ExportMode::AviMovie,
                         const std::string& name = "out.avi") {
        request = ExportRequest{first, last, step, mode, folder.File(name)};
        return ExportSegment(recording, request, progress);
    }
    std::vector<Bytes> SourceFrames(int first, int step, int count) {
        std::vector<Bytes> frames;
        for (int f = first; count-- > 0; f += step) {
            EXPECT_EQ(recording.ReadFrame(f), FrameRead::kOk);
            const auto bytes = recording.LastFrameBytes();
            frames.emplace_back(bytes.begin(), bytes.end());
        }
        return frames;
    }
    // The exported AVI as our reader finds it: K frames, the camera's
    // chunks and every frame byte for byte.
    void ExpectFaithfulCopy(int first, int step, int count) {
        const std::vector<Bytes> expected = SourceFrames(first, step, count);
        jpeg::JpegDecoder otherDecoder;
        Recording exported(otherDecoder);
        ASSERT_EQ(exported.OpenRecording(request.fileName), OpenResult::kOpened) << exported.openFailure;
        EXPECT_EQ(exported.header.frames, count);
        EXPECT_EQ(exported.header.width, recording.header.width);
        EXPECT_EQ(std::memcmp(exported.modelTag.bytes, recording.modelTag.bytes, 8), 0);
        EXPECT_EQ(exported.movieRecordPresent, recording.movieRecordPresent);
        EXPECT_EQ(std::memcmp(exported.movieRecord.bytes, recording.movieRecord.bytes, 52), 0);
        for (int k = 0; k < count; ++k) {
            ASSERT_EQ(exported.ReadFrame(k), FrameRead::kOk) << "frame " << k;
            const auto bytes = exported.LastFrameBytes();
            EXPECT_EQ(Bytes(bytes.begin(), bytes.end()), expected[k]) << "frame " << k;
        }
    }

    ExportRequest request;
    CountingProgress progress;
};

TEST(ExportRange, ClampedToTheRecordingAndCounted) {
    const ExportRange all = ClampExportRange(0, 99, 1, 100);
    EXPECT_EQ(all.count, 100);
    EXPECT_EQ(ClampExportRange(0, 99, 10, 100).count, 10);  // 0, 10, ... 90
    EXPECT_EQ(ClampExportRange(5, 5, 1, 100).count, 1);
    const ExportRange clamped = ClampExportRange(-3, 500, 0, 100);
    EXPECT_EQ(clamped.first, 0);
    EXPECT_EQ(clamped.last, 99);
    EXPECT_EQ(clamped.step, 1);
    EXPECT_EQ(ClampExportRange(0, 99, 5, 100).count, 20);  // "skip 4" of 1..100
    EXPECT_EQ(ClampExportRange(3, 10, 4, 100).count, 2);   // 3 and 7; 11 lies past the end
    EXPECT_EQ(ClampExportRange(40, 39, 1, 100).count, 0);
    EXPECT_EQ(ClampExportRange(120, 150, 1, 100).count, 0);
}

TEST(PictureNames, BaseNameAndFiveDigitFrameNumber) {
    EXPECT_EQ(PictureFileName("/out/REC0001_.jpg", 0), "/out/REC0001_00001.jpg");
    EXPECT_EQ(PictureFileName("/out/REC0001_.jpg", 10), "/out/REC0001_00011.jpg");
    EXPECT_EQ(PictureFileName("/out.d/shot", 4), "/out.d/shot00005.jpg");
    EXPECT_EQ(PictureFileName("shot.jpeg", 123455), "shot123456.jpg");
}

TEST(ExportNames, ProposedByModeWithTheTypedFrames) {
    EXPECT_EQ(ProposedExportName("/cards/REC0001.AVI", ExportMode::AviMovie, 11, 40), "REC0001_00011_00040.avi");
    EXPECT_EQ(ProposedExportName("/cards/REC0001.AVI", ExportMode::JpgSequence, 11, 40), "REC0001_.jpg");
    EXPECT_EQ(ProposedExportName("/v.1/night.shot.avi", ExportMode::AviMovie, 1, 100000),
              "night.shot_00001_100000.avi");
}

TEST_F(SegmentExport, BothFixturesRoundTripAtEveryStep) {
    for (const char* name : {"evt320.avi", "xprmax.avi"}) {
        SCOPED_TRACE(name);
        const std::string source = test::CopyFixture(folder, name, "2012-02-28 23:45:00");
        ASSERT_EQ(recording.OpenRecording(source), OpenResult::kOpened);
        const int n = recording.header.frames;
        const struct {
            int first, last, step, count;
        } cases[] = {{0, n - 1, 1, n}, {0, n - 1, 10, (n - 1) / 10 + 1}, {5, 5, 1, 1}, {3, n + 50, 7, (n - 4) / 7 + 1}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.step);
            const ExportSummary summary = Export(c.first, c.last, c.step);
            ASSERT_EQ(summary.result, ExportResult::kExported);
            EXPECT_EQ(summary.framesWritten, c.count);
            EXPECT_EQ(progress.total, c.count);
            EXPECT_EQ(progress.steps, c.count);
            EXPECT_EQ(summary.bytesWritten, std::filesystem::file_size(request.fileName));
            ExpectFaithfulCopy(c.first, c.step, c.count);
        }
    }
}

// More frames than one read takes: groups end at the read's reach and at
// gaps too wide to read over, and every frame still arrives whole.
TEST_F(SegmentExport, LargeRecordingReadInSeveralGroups) {
    const std::vector<Bytes> frames = NumberedFrames(40, 60000);
    samples::CameraAviOptions options;
    options.width = 640;
    options.height = 480;
    ASSERT_EQ(Open(options, frames), OpenResult::kOpened);
    for (int step : {1, 3}) {
        ASSERT_EQ(Export(0, 39, step).result, ExportResult::kExported);
        ExpectFaithfulCopy(0, step, (39 / step) + 1);
    }
}

TEST_F(SegmentExport, ScaleAndRateTimesTheStep) {
    samples::CameraAviOptions options;
    options.scale = 5;
    options.rate = 50;
    ASSERT_EQ(Open(options, NumberedFrames(12)), OpenResult::kOpened);
    ASSERT_EQ(Export(0, 11, 3).result, ExportResult::kExported);
    const Bytes out = ReadAll(request.fileName);
    EXPECT_EQ(U32At(out, 128), 15u);
    EXPECT_EQ(U32At(out, 132), 150u);
    EXPECT_EQ(U32At(out, 48), 4u);
    EXPECT_EQ(U32At(out, 140), 4u);
    EXPECT_EQ(U32At(out, 4), out.size() - 8);
}

// The layout written: header, index with absolute offsets, "movi" list of
// "00db" chunks, an odd picture followed directly by the next chunk.
TEST_F(SegmentExport, IndexBeforeMoviWithExactOffsets) {
    samples::CameraAviOptions options;
    options.modelTag = "XPR310";
    const std::vector<Bytes> frames = NumberedFrames(6);
    const Bytes source = samples::BuildCameraAvi(options, frames);
    ASSERT_EQ(Open(source), OpenResult::kOpened);
    ASSERT_EQ(Export(0, 5, 1).result, ExportResult::kExported);
    const Bytes out = ReadAll(request.fileName);
    const size_t movi = test::Find(source, "movi") - 8;
    EXPECT_TRUE(std::equal(source.begin() + 140, source.begin() + movi, out.begin() + 140));
    EXPECT_EQ(test::Find(out, "idx1"), movi) << "the header ends where the source's frames begin";
    size_t entry = movi + 8;
    size_t chunk = movi + 8 + 16 * frames.size() + 12;
    EXPECT_EQ(
        U32At(out, chunk - 8), 4 + 8 * frames.size() + [&] {
            size_t sum = 0;
            for (const Bytes& f : frames) sum += f.size();
            return sum;
        }());
    for (const Bytes& frame : frames) {
        EXPECT_EQ(U32At(out, entry), FourCC("00db"));
        EXPECT_EQ(U32At(out, entry + 4), 0x10u);
        EXPECT_EQ(U32At(out, entry + 8), chunk);
        EXPECT_EQ(U32At(out, entry + 12), frame.size());
        EXPECT_EQ(U32At(out, chunk), FourCC("00db"));
        EXPECT_EQ(U32At(out, chunk + 4), frame.size());
        EXPECT_TRUE(std::equal(frame.begin(), frame.end(), out.begin() + chunk + 8));
        entry += 16;
        chunk += 8 + frame.size();
    }
    EXPECT_EQ(chunk, out.size());
}

TEST_F(SegmentExport, IndexAfterTheRiffChunkCopiesOnlyTheHeader) {
    samples::CameraAviOptions options;
    options.index = samples::CameraAviOptions::Index::AfterRiff;
    options.frameTag = "00dc";
    const std::vector<Bytes> frames = NumberedFrames(20);
    ASSERT_EQ(Open(options, frames), OpenResult::kOpened);
    ASSERT_EQ(Export(2, 19, 4).result, ExportResult::kExported);
    size_t pictures = 0;
    for (int f = 2; f <= 19; f += 4) pictures += frames[f].size();
    const size_t header = test::Find(samples::BuildCameraAvi(options, frames), "movi") - 8;
    EXPECT_EQ(std::filesystem::file_size(request.fileName), header + 8 + 16 * 5 + 12 + 8 * 5 + pictures);
    ExpectFaithfulCopy(2, 4, 5);
}

TEST_F(SegmentExport, JpegSeriesNamedByFrameNumber) {
    const std::vector<Bytes> frames = NumberedFrames(25);
    ASSERT_EQ(Open(samples::CameraAviOptions{}, frames), OpenResult::kOpened);
    const ExportSummary summary = Export(0, 24, 10, ExportMode::JpgSequence, "REC0001_.jpg");
    ASSERT_EQ(summary.result, ExportResult::kExported);
    const std::vector<std::string> names = {folder.File("REC0001_00001.jpg"), folder.File("REC0001_00011.jpg"),
                                            folder.File("REC0001_00021.jpg")};
    EXPECT_EQ(summary.files, names);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(ReadAll(names[k]), frames[10 * k]);
    EXPECT_EQ(summary.bytesWritten, frames[0].size() + frames[10].size() + frames[20].size());
}

TEST_F(SegmentExport, RefusedRangeWritesNothing) {
    ASSERT_EQ(Open(samples::CameraAviOptions{}, NumberedFrames(10)), OpenResult::kOpened);
    EXPECT_EQ(Export(7, 6, 1).result, ExportResult::kRangeRefused);
    EXPECT_EQ(progress.total, -1);
    EXPECT_FALSE(std::filesystem::exists(request.fileName));
}

TEST_F(SegmentExport, UnreadableFrameNamedAndNoPartialFileLeft) {
    Bytes file = samples::BuildCameraAvi(samples::CameraAviOptions{}, NumberedFrames(10));
    ASSERT_EQ(Open(file), OpenResult::kOpened);
    uint32_t offset = 0;
    ASSERT_EQ(recording.GetFrameEntry(6, &offset, nullptr), FrameRead::kOk);
    file[offset] = 'X';  // frame 6's chunk no longer is one
    ASSERT_EQ(Open(file), OpenResult::kOpened);

    const ExportSummary avi = Export(0, 9, 1);
    EXPECT_EQ(avi.result, ExportResult::kFrameNotRead);
    EXPECT_EQ(avi.failedFrame, 6);
    EXPECT_EQ(avi.failedFile, request.fileName);
    EXPECT_FALSE(std::filesystem::exists(request.fileName));

    const ExportSummary pictures = Export(4, 7, 1, ExportMode::JpgSequence, "pic_.jpg");
    EXPECT_EQ(pictures.result, ExportResult::kPicturesNotWritten);
    EXPECT_EQ(pictures.picturesNotWritten, 1);
    EXPECT_EQ(pictures.framesWritten, 3);
    EXPECT_EQ(pictures.failedFrame, 6);
    EXPECT_FALSE(std::filesystem::exists(folder.File("pic_00007.jpg")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("pic_00008.jpg")));
}

TEST_F(SegmentExport, CancelRemovesThePartialFileAndKeepsTheOldOne) {
    ASSERT_EQ(Open(samples::CameraAviOptions{}, NumberedFrames(10)), OpenResult::kOpened);
    const Bytes old = {'o', 'l', 'd'};
    samples::SaveFile(folder.File("out.avi"), old);
    progress = CountingProgress(3);
    const ExportSummary summary = Export(0, 9, 1);
    EXPECT_EQ(summary.result, ExportResult::kCancelled);
    EXPECT_EQ(progress.steps, 3);
    EXPECT_TRUE(progress.finished);
    EXPECT_EQ(ReadAll(folder.File("out.avi")), old);
    for (const auto& entry : std::filesystem::directory_iterator(folder.File(""))) {
        EXPECT_TRUE(entry.path().filename() == "out.avi" || entry.path().filename() == "sample.avi") << entry.path();
    }
}

TEST_F(SegmentExport, OutputThatCannotBeCreatedIsReported) {
    ASSERT_EQ(Open(samples::CameraAviOptions{}, NumberedFrames(4)), OpenResult::kOpened);
    // A folder that is a file: nobody, root included, can create in it.
    const ExportSummary avi = Export(0, 3, 1, ExportMode::AviMovie, "sample.avi/out.avi");
    EXPECT_EQ(avi.result, ExportResult::kOutputNotCreated);
    EXPECT_FALSE(avi.reason.empty());
    const ExportSummary pictures = Export(0, 3, 1, ExportMode::JpgSequence, "sample.avi/pic_.jpg");
    EXPECT_EQ(pictures.result, ExportResult::kPicturesNotWritten);
    EXPECT_EQ(pictures.picturesNotWritten, 4);
    EXPECT_EQ(pictures.failedFile, folder.File("sample.avi/pic_00001.jpg"));
}

TEST_F(SegmentExport, FullDeviceIsAWriteFailure) {
    ASSERT_EQ(Open(samples::CameraAviOptions{}, NumberedFrames(4)), OpenResult::kOpened);
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    request = ExportRequest{0, 3, 1, ExportMode::AviMovie, "/dev/full"};
    const ExportSummary summary = ExportSegment(recording, request, progress);
    EXPECT_EQ(summary.result, ExportResult::kWriteFailed);
    EXPECT_FALSE(summary.reason.empty());
    struct stat device {};
    ASSERT_EQ(stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode)) << "a device is written in place, never replaced";
}

// A small file system that fills up mid-export; needs the right to mount.
TEST_F(SegmentExport, FilledFileSystemLeavesNoPartialFile) {
    const std::string source = test::CopyFixture(folder, "evt320.avi", "2009-01-01 00:00:00");
    ASSERT_EQ(recording.OpenRecording(source), OpenResult::kOpened);
    const std::string small = folder.File("small");
    std::filesystem::create_directory(small);
    if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "cannot mount a tmpfs here";
    request = ExportRequest{0, recording.header.frames - 1, 1, ExportMode::AviMovie, small + "/out.avi"};
    const ExportSummary summary = ExportSegment(recording, request, progress);
    const bool empty = std::filesystem::is_empty(small);
    umount(small.c_str());
    EXPECT_EQ(summary.result, ExportResult::kWriteFailed);
    EXPECT_TRUE(empty);
}

}  // namespace
}  // namespace vn::avi
