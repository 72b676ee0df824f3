#include "recording/decode_ahead.h"

#include <new>
#include <system_error>

#include "recording/recording.h"

namespace vn::avi {

namespace {
// Frames each worker may have decoded ahead of the caller: enough to ride
// out an uneven frame, few enough to waste little when a scan stops.
constexpr int kAheadPerWorker = 4;
}  // namespace

DecodeAhead::Decoder::Decoder(size_t bytes) : fetchBuffer(new uint8_t[bytes]), fetchBytes(bytes) {
    decoder.debugOutput = [](std::string_view) {};
}

DecodeAhead::DecodeAhead(Recording& recording, int first, int step, int count, int threads)
    : recording_(recording), first_(first), step_(step), count_(count) {
    const int width = recording.header.width, height = recording.header.height;
    try {
        slots_.resize(threads == 0 ? 1 : static_cast<size_t>(threads) * kAheadPerWorker);
        for (Slot& slot : slots_) slot.frame.image = DcImage(width, height);
        for (int i = 0; i < std::max(threads, 1); ++i) {
            decoders_.push_back(std::make_unique<Decoder>(recording.frameBuffer.size()));
        }
        for (int i = 0; i < threads; ++i) workers_.emplace_back([this, i] { Work(*decoders_[i]); });
        ok_ = true;
    } catch (const std::bad_alloc&) {
        Stop();
    } catch (const std::system_error&) {  // no thread to be had
        Stop();
    }
}

DecodeAhead::~DecodeAhead() { Stop(); }

void DecodeAhead::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    slotFreed_.notify_all();
    for (std::thread& worker : workers_) worker.join();
    workers_.clear();
}

void DecodeAhead::Decode(Decoder& decoder, int sequence, DcFrame& into) {
    into.frame = first_ + sequence * step_;
    into.readable = DecodeDcFrame(recording_, decoder.decoder, into.frame,
                                  std::span(decoder.fetchBuffer.get(), decoder.fetchBytes), into.image);
}

void DecodeAhead::Work(Decoder& decoder) {
    const int depth = static_cast<int>(slots_.size());
    for (;;) {
        int sequence;
        {
            std::unique_lock lock(mutex_);
            slotFreed_.wait(lock, [&] { return stopping_ || claimed_ >= count_ || claimed_ < firstInUse_ + depth; });
            if (stopping_ || claimed_ >= count_) return;
            sequence = claimed_++;
        }
        Slot& slot = slots_[static_cast<size_t>(sequence % depth)];
        Decode(decoder, sequence, slot.frame);
        {
            std::lock_guard lock(mutex_);
            slot.sequence = sequence;
        }
        frameDecoded_.notify_one();
    }
}

DcFrame& DecodeAhead::Next() {
    if (workers_.empty()) {
        DcFrame& frame = slots_.front().frame;
        Decode(*decoders_.front(), next_++, frame);
        return frame;
    }
    const int depth = static_cast<int>(slots_.size());
    Slot& slot = slots_[static_cast<size_t>(next_ % depth)];
    {
        std::unique_lock lock(mutex_);
        firstInUse_ = next_;  // the frame handed out last is free again
        slotFreed_.notify_all();
        frameDecoded_.wait(lock, [&] { return slot.sequence == next_; });
    }
    ++next_;
    return slot.frame;
}

}  // namespace vn::avi
