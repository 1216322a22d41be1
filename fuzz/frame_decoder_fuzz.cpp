// The frame decoder: DS300, DS300 & DS4port, DS200.
#include "fuzz/decoder_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return sc::fuzz::fuzzDecoder(data, size, {2, 3, 4});
}
