#include "recording/bitmap_file.h"

#include <cstdint>
#include <vector>

#include "common/output_file.h"

namespace vn::avi {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

}  // namespace

bool WriteBitmapFile(const std::string& path, const Picture& picture, std::string* reason) {
    if (picture.empty()) {
        if (reason) *reason = "no picture";
        return false;
    }
    const uint32_t imageSize = static_cast<uint32_t>(picture.stride()) * picture.height();
    std::vector<uint8_t> header;
    header.reserve(54);
    header.push_back('B');
    header.push_back('M');
    Put32(header, 54 + imageSize);
    Put32(header, 0);
    Put32(header, 54);
    Put32(header, 40);
    Put32(header, static_cast<uint32_t>(picture.width()));
    Put32(header, static_cast<uint32_t>(picture.height()));  // positive: bottom-up
    Put16(header, 1);
    Put16(header, 24);
    Put32(header, 0);  // no compression
    Put32(header, imageSize);
    Put32(header, 2835);  // 72 dots per inch
    Put32(header, 2835);
    Put32(header, 0);
    Put32(header, 0);

    OutputFile file;
    bool ok = file.Create(path) && file.Write(header);
    for (int row = picture.height() - 1; ok && row >= 0; --row) {
        ok = file.Write(std::span(picture.Row(row), static_cast<size_t>(picture.stride())));
    }
    if (ok && file.Commit()) return true;
    if (reason) *reason = file.ErrorText();
    return false;
}

}  // namespace vn::avi
