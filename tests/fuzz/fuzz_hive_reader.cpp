// libFuzzer target for the hive reader. Whatever the reader accepts must be
// written back and read again to the same keys and values; otherwise the
// process aborts so that the fuzzer keeps the input.

#include "storage/HiveFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

bool SameHive(const THive& A, const THive& B) {
    if (A.Keys.size() != B.Keys.size())
        return false;
    for (std::size_t k = 0; k < A.Keys.size(); ++k) {
        const THiveKey& a = A.Keys[k];
        const THiveKey& b = B.Keys[k];
        if (a.Path != b.Path || a.Values.size() != b.Values.size())
            return false;
        for (std::size_t v = 0; v < a.Values.size(); ++v)
            if (a.Values[v].Name != b.Values[v].Name || !(a.Values[v].Value == b.Values[v].Value))
                return false;
    }
    return true;
}

[[noreturn]] void RoundTripFailed(const char* AWhat, const std::string& AText) {
    std::fprintf(stderr, "hive round trip failed: %s\n--- written text ---\n%s\n", AWhat,
                 AText.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* AData, std::size_t ASize) {
    const std::string_view text(reinterpret_cast<const char*>(AData), ASize);
    THive first;
    std::string why;
    if (!ParseHive(text, first, why)) {
        if (why.empty())
            RoundTripFailed("a text was refused without a reason", std::string(text));
        return 0;
    }
    const std::string written = FormatHive(first);
    THive second;
    if (!ParseHive(written, second, why))
        RoundTripFailed(("the written hive does not parse: " + why).c_str(), written);
    if (!SameHive(first, second))
        RoundTripFailed("the written hive reads back other keys or values", written);
    if (FormatHive(second) != written)
        RoundTripFailed("writing the hive again gives another text", written);
    return 0;
}
