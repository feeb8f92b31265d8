#pragma once

// The entry point every fuzz target defines; libFuzzer calls it, and the
// replay program calls it once for every file of a target's corpus.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
