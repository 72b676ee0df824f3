#include "movie/mpeg4_decoder.h"

namespace vn {

Mpeg4Decoder::Mpeg4Decoder() = default;
Mpeg4Decoder::~Mpeg4Decoder() = default;

bool Mpeg4Decoder::ParseStreamHeaders(StreamWindow&) { return false; }
bool Mpeg4Decoder::ParseGovHeader(StreamWindow&) { return false; }
bool Mpeg4Decoder::AllocatePictureBuffers(int, int) { return false; }
void Mpeg4Decoder::SwapPictures() { current_ ^= 1; }
int Mpeg4Decoder::DecodeVop(StreamWindow&) { return -1; }
void Mpeg4Decoder::ConvertForDisplay(Picture&) {}
YuvPlanes Mpeg4Decoder::currentPicture() const { return {}; }
YuvPlanes Mpeg4Decoder::referencePicture() const { return {}; }

}  // namespace vn
