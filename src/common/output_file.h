// A file that is written whole or not at all. It is written under a
// temporary name beside its final one and put in place by Commit, so a
// failed or abandoned write leaves neither a partial file nor a damaged copy
// of one the user already had. A target that exists and is no regular file
// (a device such as /dev/full, a pipe) is written in place and never removed.
// Writes go through a large buffer; the first failure is kept and every
// later call reports it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vn {

class OutputFile {
public:
    static constexpr size_t kBufferSize = size_t{1} << 20;
    // Writes this large skip the buffer.
    static constexpr size_t kDirectWrite = size_t{256} << 10;

    OutputFile() = default;
    ~OutputFile() { Discard(); }
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False when the file cannot be created; error() says why.
    bool Create(const std::string& path);
    bool Write(std::span<const uint8_t> bytes);
    // Flushes, closes and moves the file to its final name.
    bool Commit();
    // Closes and removes what was written (nothing for a device).
    void Discard();

    bool failed() const { return error_ != 0; }
    // The system's text for the first failure.
    std::string ErrorText() const;
    uint64_t bytesWritten() const { return written_ + buffer_.size(); }

private:
    bool Fail(int error);
    bool Flush();
    bool WriteThrough(std::span<const uint8_t> bytes);
    void CloseDescriptor();

    int fd_ = -1;
    int error_ = 0;
    bool inPlace_ = false;  // written under its final name
    std::string path_;
    std::string temporary_;
    std::vector<uint8_t> buffer_;
    uint64_t written_ = 0;
};

// Writes bytes to path as one OutputFile; on failure, reason (when given)
// holds the system's text.
bool WriteWholeFile(const std::string& path, std::span<const uint8_t> bytes, std::string* reason = nullptr);

}  // namespace vn
