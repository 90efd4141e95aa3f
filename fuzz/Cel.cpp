// One libFuzzer target; VARION_FUZZ_CEL names the entry of Celok.h it drives.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "Celok.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* adat, std::size_t meret) {
    if (!varion::fuzz::VARION_FUZZ_CEL(std::span(adat, meret))) std::abort();
    return 0;
}
