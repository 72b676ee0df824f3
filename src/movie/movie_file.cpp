#include "movie/movie_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "movie/start_codes.h"

namespace vn::movie {

namespace {

constexpr uint8_t kFirstNonAudioType = 0x80;

}  // namespace

MovieFile::MovieFile(AudioRing* ring)
    : ownRing_(ring ? nullptr : std::make_unique<AudioRing>()), ring_(ring ? ring : ownRing_.get()) {}

int64_t MovieFile::OpenStream(const std::string& path) {
    CloseStream();
    auto source = OpenFileSource(path);
    if (!source) {
        openFailure_ = "cannot open " + path + ": " + std::strerror(errno);
        return 0;
    }
    return OpenStream(std::move(source), path);
}

int64_t MovieFile::OpenStream(std::unique_ptr<FileSource> source, const std::string& name, uint32_t windowSize) {
    CloseStream();
    openFailure_.clear();
    if (window_.Open(std::move(source), windowSize) != 0) {
        openFailure_ = "cannot read " + name + ": " + std::strerror(errno);
        return 0;
    }
    if (!LocalDosDateTime(window_.modifiedSeconds(), fileTime)) fileTime = DosDateTime{};
    if (!decoder_.ParseStreamHeaders(window_)) {
        openFailure_ = name + ": no valid MPEG-4 stream headers at its start";
        window_.Close();
        return 0;
    }
    window_.ByteAlign();
    const uint64_t headerEnd = window_.position();
    // A size the buffers cannot take leaves the stream without them: its VOPs then fail.
    decoder_.AllocatePictureBuffers(decoder_.width(), decoder_.height());
    const int64_t length = static_cast<int64_t>(window_.fileSize() / mpeg4::kPositionUnit);
    if (length < 1) {
        openFailure_ = name + ": shorter than one 1024-byte unit";
        window_.Close();
        return 0;
    }
    headerEndOffset = static_cast<uint32_t>(headerEnd);
    return length;
}

std::optional<int> MovieFile::ReadNextPicture(Picture* picture, int* audioLength, bool honourSkip, bool deliverAudio,
                                              int* quantiser) {
    if (!isOpen()) return std::nullopt;
    int64_t code = window_.FindNextStartCode();
    while (code == mpeg4::kUserDataCode) {
        const uint64_t chunkStart = window_.position();
        if (!ReadUserDataChunk(audioLength, honourSkip, deliverAudio)) return FailRead(chunkStart);
        code = window_.FindNextStartCode();
    }
    if (code == mpeg4::kGovCode) {
        const uint64_t govStart = window_.position();
        if (!decoder_.ParseGovHeader(window_)) return FailRead(govStart);
        code = window_.FindNextStartCode();
    }
    if (code != mpeg4::kVopCode) return FailRead(window_.position());

    const uint64_t vopStart = window_.position();
    decoder_.SwapPictures();
    const std::optional<int> end = decoder_.DecodeVop(window_);
    if (quantiser) *quantiser = decoder_.runningQuantiser();
    if (!end) return FailRead(vopStart);
    // A VOP ending inside the first unit (result 0) decoded all the same.
    if (picture) decoder_.ConvertForDisplay(*picture);
    return end;
}

bool MovieFile::ReadUserDataChunk(int* audioLength, bool honourSkip, bool deliverAudio) {
    uint16_t length = 0;
    uint8_t type = 0, parameter = 0;
    if (!window_.Skip(4) || !window_.Read16(length) || !window_.Read8(type) || !window_.Read8(parameter)) {
        return false;
    }
    if (type < kFirstNonAudioType) {
        // A skip count beyond the payload skips the whole payload, never more.
        const uint32_t skip = honourSkip ? std::min<uint32_t>(parameter, length) : 0;
        if (audioLength) *audioLength = static_cast<int>(length - skip);
        if (deliverAudio) return window_.Skip(skip) && DeliverAudio(length - skip);
    }
    // Clock records and other chunk types are stepped over by their length;
    // nothing of them is used.
    return window_.Skip(length);
}

bool MovieFile::DeliverAudio(uint32_t length) {
    audioBytes_.resize(length);
    if (!window_.CopyAhead(audioBytes_.data(), length)) return false;
    ring_->Push(audioBytes_);
    return window_.Skip(length);
}

std::optional<int> MovieFile::FailRead(uint64_t failedAt) {
    SkipToNextStartCode(failedAt);
    return std::nullopt;
}

// After a failure the reader may stand anywhere inside the damaged element,
// mid-byte even; the next read must start at the next start code, and never
// at the element that just failed.
void MovieFile::SkipToNextStartCode(uint64_t failedAt) {
    uint32_t bit = 0;
    while (!window_.byteAligned()) {
        if (!window_.ReadBits(1, bit)) return;
    }
    if (window_.position() <= failedAt && !window_.Skip(failedAt + 1 - window_.position())) return;
    window_.FindPrefixForward(window_.position() + kMaxSearchBytes);
}

bool MovieFile::RewindStream() {
    if (!isOpen() || !StandAt(headerEndOffset)) return false;
    window_.ByteAlign();
    return true;
}

bool MovieFile::StandAt(uint64_t offset) {
    const uint64_t windowStart = offset - offset % window_.windowSize();
    if (window_.windowOffset() != windowStart && window_.MapWindow(windowStart) < 0) return false;
    // Whatever bit the reader stood on before, it starts byte-aligned here.
    window_.Restore({windowStart, static_cast<uint32_t>(offset - windowStart), 0x80});
    return true;
}

void MovieFile::CloseStream() {
    window_.Close();
    headerEndOffset = 0;
    seekOffset_ = -1;
}

}  // namespace vn::movie
