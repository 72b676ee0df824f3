// The sound device that plays the raw movies' output buffers, as the audio
// output sees it: buffers written one after another, each reported once it
// has been played. The device reports on a thread of its own; whoever owns
// the output turns the report into a message for the window thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace vn::movie {

// Called on the device's own thread when a written buffer has been played:
// once per buffer, in the order they were written.
using BufferPlayed = std::function<void()>;

class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Plays bytes of the movie's sound (IMA ADPCM, starting on a block
    // boundary) after everything written before. The bytes are copied.
    // Returns 0, or a negative number when the device refused them.
    virtual int Write(std::span<const uint8_t> bytes) = 0;
};

// Makes the device for a movie; null when there is none to be had.
using AudioDeviceMaker = std::function<std::unique_ptr<AudioDevice>(BufferPlayed played)>;

}  // namespace vn::movie
