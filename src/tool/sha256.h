// SHA-256 of picture bytes, for comparing decoded pictures by checksum.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vn::tool {

class Sha256 {
public:
    Sha256();
    void Update(std::span<const uint8_t> bytes);
    std::string HexDigest();  // finishes the hash

private:
    void Block(const uint8_t* block);

    uint32_t state_[8];
    uint8_t buffer_[64];
    size_t buffered_ = 0;
    uint64_t length_ = 0;
};

std::string Sha256Hex(std::span<const uint8_t> bytes);

}  // namespace vn::tool
