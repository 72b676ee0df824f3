#include "recording/segment_export.h"

#include <algorithm>
#include <limits>
#include <new>
#include <numeric>

#include "common/output_file.h"
#include "common/text_format.h"
#include "recording/frame_series.h"

namespace vn::avi {

namespace {

// The header fields patched in the copy: RIFF size, the main header's total
// frames, the stream's scale, rate and length.
constexpr size_t kRiffSize = 4;
constexpr size_t kTotalFrames = 48;
constexpr size_t kStreamScale = 128;
constexpr size_t kStreamRate = 132;
constexpr size_t kStreamLength = 140;
constexpr size_t kPatchedHeaderEnd = kStreamLength + 4;
// A camera's header chunks take a few KB. A header beyond this is a chunk
// size gone wrong, and copying it would take gigabytes.
constexpr size_t kLargestHeader = size_t{1} << 20;

constexpr uint32_t kKeyFrame = 0x10;
constexpr size_t kIndexEntrySize = 16;
constexpr uint64_t kLargestAvi = std::numeric_limits<uint32_t>::max();

void Put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

void Append32(std::vector<uint8_t>& out, uint32_t value) {
    out.resize(out.size() + 4);
    Put32(out.data() + out.size() - 4, value);
}

// Scale and rate times the step keep the playback rate and make the
// interval a player derives from the scale the real time between exported
// frames. Values a 32-bit field cannot hold are first reduced, and else the
// source's stand (the playback rate is what matters most).
std::pair<uint32_t, uint32_t> ScaledTiming(int32_t scale, int32_t rate, int step) {
    int64_t s = int64_t{scale} * step, r = int64_t{rate} * step;
    const int64_t divisor = std::gcd(s, r);
    if (std::max(s, r) > std::numeric_limits<int32_t>::max() && divisor > 1) s /= divisor, r /= divisor;
    if (std::max(s, r) > std::numeric_limits<int32_t>::max()) s = scale, r = rate;
    return {static_cast<uint32_t>(s), static_cast<uint32_t>(r)};
}

class AviExport {
public:
    AviExport(const Recording& recording, const ExportRequest& request, const ExportRange& range,
              ExportProgress& progress)
        : recording_(recording), request_(request), range_(range), progress_(progress) {}

    ExportSummary Run();

private:
    // Records the failure and removes what was written; false.
    bool Fail(ExportResult result, std::string reason = {}) {
        summary_.result = result;
        summary_.failedFile = request_.fileName;
        summary_.reason = std::move(reason);
        output_.Discard();
        return false;
    }
    bool Plan();
    void PatchHeader();
    std::vector<uint8_t> IndexAndListHeader() const;
    bool CopyFrames();
    bool Write();

    const Recording& recording_;
    const ExportRequest& request_;
    const ExportRange range_;
    ExportProgress& progress_;
    ExportSummary summary_;
    OutputFile output_;
    std::vector<uint8_t> header_;
    std::vector<FrameIndexEntry> table_;  // the exported file's entries
    uint64_t fileLength_ = 0;
};

// Sizes the header and the index, and lays out the frames from the
// source's index, so that the whole file is written in one pass.
bool AviExport::Plan() {
    const uint32_t headerLength = recording_.HeaderLength();
    if (headerLength < kPatchedHeaderEnd || headerLength > kLargestHeader) return Fail(ExportResult::kHeaderUnusable);
    try {
        header_.resize(headerLength);
    } catch (const std::bad_alloc&) {
        return Fail(ExportResult::kNoMemory);
    }
    try {
        table_.resize(static_cast<size_t>(range_.count));
    } catch (const std::bad_alloc&) {
        return Fail(ExportResult::kNoMemory);
    }
    uint64_t position = headerLength + 8 + kIndexEntrySize * table_.size() + 12;
    for (size_t k = 0; k < table_.size(); ++k) {
        const int frame = range_.first + static_cast<int>(k) * range_.step;
        FrameIndexEntry source;
        if (recording_.GetFrameEntry(frame, &source.offset, &source.length) != FrameRead::kOk) {
            summary_.failedFrame = frame;
            return Fail(ExportResult::kFrameNotRead);
        }
        table_[k] = FrameIndexEntry{static_cast<uint32_t>(position), source.length};
        position += 8 + uint64_t{source.length};
    }
    if (position > kLargestAvi) return Fail(ExportResult::kWriteFailed, "larger than an AVI file can be");
    fileLength_ = position;
    if (!recording_.ReadFileBytes(0, header_)) return Fail(ExportResult::kHeaderUnusable);
    return true;
}

void AviExport::PatchHeader() {
    const auto count = static_cast<uint32_t>(range_.count);
    const auto [scale, rate] = ScaledTiming(recording_.header.interval, recording_.header.rate, range_.step);
    Put32(&header_[kRiffSize], static_cast<uint32_t>(fileLength_ - 8));
    Put32(&header_[kTotalFrames], count);
    Put32(&header_[kStreamScale], scale);
    Put32(&header_[kStreamRate], rate);
    Put32(&header_[kStreamLength], count);
}

// "idx1" with absolute offsets of the frame chunks, then the head of the
// "movi" list that holds them.
std::vector<uint8_t> AviExport::IndexAndListHeader() const {
    std::vector<uint8_t> out;
    out.reserve(8 + kIndexEntrySize * table_.size() + 12);
    Append32(out, FourCC("idx1"));
    Append32(out, static_cast<uint32_t>(kIndexEntrySize * table_.size()));
    uint64_t moviSize = 4;
    for (const FrameIndexEntry& entry : table_) {
        Append32(out, FourCC("00db"));
        Append32(out, kKeyFrame);
        Append32(out, entry.offset);
        Append32(out, entry.length);
        moviSize += 8 + uint64_t{entry.length};
    }
    Append32(out, FourCC("LIST"));
    Append32(out, static_cast<uint32_t>(moviSize));
    Append32(out, FourCC("movi"));
    return out;
}

// Frames that follow each other in the source go out in one write, straight
// from the buffer they were read into.
bool AviExport::CopyFrames() {
    FrameSeries series(recording_, range_.first, range_.step, range_.count);
    while (!series.done()) {
        std::span<const uint8_t> run;
        for (const SeriesFrame& fetched : series.NextGroup()) {
            if (fetched.result != 0) {
                summary_.failedFrame = fetched.frame;
                return Fail(ExportResult::kFrameNotRead);
            }
            // Every chunk is written as "00db", also where the source had "00dc".
            Put32(fetched.chunk.data(), FourCC("00db"));
            Put32(fetched.chunk.data() + 4, fetched.length);
            if (run.data() + run.size() != fetched.chunk.data()) {
                if (!output_.Write(run)) return Fail(ExportResult::kWriteFailed, output_.ErrorText());
                run = fetched.chunk.first(0);
            }
            run = std::span(run.data(), run.size() + fetched.chunk.size());
            if (!progress_.Step(++summary_.framesWritten)) return Fail(ExportResult::kCancelled);
        }
        if (!output_.Write(run)) return Fail(ExportResult::kWriteFailed, output_.ErrorText());
    }
    return true;
}

bool AviExport::Write() {
    if (!output_.Create(request_.fileName)) return Fail(ExportResult::kOutputNotCreated, output_.ErrorText());
    progress_.WritingIndex();
    if (!output_.Write(header_) || !output_.Write(IndexAndListHeader())) {
        return Fail(ExportResult::kWriteFailed, output_.ErrorText());
    }
    if (!CopyFrames()) return false;
    if (!output_.Commit()) return Fail(ExportResult::kWriteFailed, output_.ErrorText());
    return true;
}

ExportSummary AviExport::Run() {
    if (!Plan()) return summary_;
    PatchHeader();
    if (Write()) {
        summary_.bytesWritten = fileLength_;
        summary_.files.push_back(request_.fileName);
    }
    return summary_;
}

// One file per frame; a picture that cannot be read or written is counted
// and the others go on.
ExportSummary ExportPictures(const Recording& recording, const ExportRequest& request, const ExportRange& range,
                             ExportProgress& progress) {
    ExportSummary summary;
    FrameSeries series(recording, range.first, range.step, range.count);
    for (int k = 1; !series.done();) {
        for (const SeriesFrame& fetched : series.NextGroup()) {
            const std::string name = PictureFileName(request.fileName, fetched.frame);
            std::string reason;
            if (fetched.result == 0 && WriteWholeFile(name, fetched.picture(), &reason)) {
                summary.files.push_back(name);
                summary.bytesWritten += fetched.length;
                ++summary.framesWritten;
            } else {
                // The message names the first picture missing.
                if (summary.picturesNotWritten == 0) {
                    summary.failedFile = name;
                    summary.reason = reason;
                    if (fetched.result != 0) summary.failedFrame = fetched.frame;
                }
                ++summary.picturesNotWritten;
            }
            if (!progress.Step(k++)) {
                summary.result = ExportResult::kCancelled;
                return summary;
            }
        }
    }
    if (summary.picturesNotWritten > 0) summary.result = ExportResult::kPicturesNotWritten;
    return summary;
}

}  // namespace

ExportRange ClampExportRange(int first, int last, int step, int frameCount) {
    ExportRange range{std::max(first, 0), std::min(last, frameCount - 1), std::max(step, 1), 0};
    if (range.last >= range.first) range.count = (range.last - range.first) / range.step + 1;
    return range;
}

namespace {

// The path without its extension; a dot in a folder's name is no extension.
std::string WithoutExtension(const std::string& path) {
    const size_t nameStart = path.find_last_of('/') + 1;  // 0 without a folder
    const size_t dot = path.find_last_of('.');
    return path.substr(0, dot != std::string::npos && dot >= nameStart ? dot : path.size());
}

}  // namespace

std::string PictureFileName(const std::string& pattern, int frame) {
    return WithoutExtension(pattern) + Format("%5.5d", frame + 1) + ".jpg";
}

std::string ProposedExportName(const std::string& recordingPath, ExportMode mode, int first, int last) {
    const std::string base = WithoutExtension(recordingPath.substr(recordingPath.find_last_of('/') + 1));
    return base + (mode == ExportMode::JpgSequence ? std::string("_.jpg") : Format("_%5.5d_%5.5d.avi", first, last));
}

ExportSummary ExportSegment(const Recording& recording, const ExportRequest& request, ExportProgress& progress) {
    const ExportRange range = ClampExportRange(request.first, request.last, request.step, recording.header.frames);
    if (range.count == 0 || !recording.isOpen()) {
        ExportSummary refused;
        refused.result = ExportResult::kRangeRefused;
        return refused;
    }
    progress.Begin(range.count);
    ExportSummary summary = request.mode == ExportMode::AviMovie ? AviExport(recording, request, range, progress).Run()
                                                                 : ExportPictures(recording, request, range, progress);
    progress.Finish();
    return summary;
}

}  // namespace vn::avi
