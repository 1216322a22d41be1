// The DS030 byte stream.
#include "fuzz/decoder_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return sc::fuzz::fuzzDecoder(data, size, {1});
}
