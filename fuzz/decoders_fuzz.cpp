// Every model, and 5, a model the program does not know.
#include "fuzz/decoder_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    return sc::fuzz::fuzzDecoder(data, size, {0, 1, 2, 3, 4, 5});
}
