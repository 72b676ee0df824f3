// The fast entropy decoder checked against the exact one on a fuzzed scan:
// every block the fast decoder finishes must come out of both alike, and
// the fast one must hand a scan back before any block on which the exact
// one stops. A disagreement stops the process, which the fuzzer reports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "decode/entropy.h"

namespace vn::fuzz {

// Decodes `mcus` MCUs of six blocks from `start` with both decoders, with
// whole blocks and, as the DC-only decode reads them, with skipped ones.
void CheckEntropyAgreement(std::span<const uint8_t> data, size_t start, const jpeg::EntropyTables& tables, int mcus);

}  // namespace vn::fuzz
