#include "movie/stream_window.h"

namespace vn {

StreamWindow::StreamWindow() = default;
StreamWindow::~StreamWindow() { Close(); }

int StreamWindow::Open(const std::string&) { return -1; }
bool StreamWindow::Close() { return true; }
int64_t StreamWindow::MapWindow(uint64_t) { return -1; }
bool StreamWindow::Advance() { return false; }
bool StreamWindow::StepBack() { return false; }
bool StreamWindow::Skip(uint64_t) { return false; }
bool StreamWindow::Read8(uint8_t&) { return false; }
bool StreamWindow::Read16(uint16_t&) { return false; }
bool StreamWindow::Read32(uint32_t&) { return false; }
bool StreamWindow::CopyAhead(uint8_t*, size_t) { return false; }
bool StreamWindow::ReadBits(int, uint32_t&) { return false; }
bool StreamWindow::PeekBits(int, uint32_t&) { return false; }
int StreamWindow::CountLeadingZeros() { return -1; }
void StreamWindow::ByteAlign() {}
int64_t StreamWindow::FindNextStartCode() { return -1; }
void StreamWindow::Restore(const Mark&) {}
uint32_t StreamWindow::ShowBits32() const { return 0; }
void StreamWindow::SkipBitsInWindow(int) {}
int StreamWindow::BitIndex() const { return 0; }
bool StreamWindow::ReadBit(uint32_t&) { return false; }
void StreamWindow::Unmap() {}

}  // namespace vn
