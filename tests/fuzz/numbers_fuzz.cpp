// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/platform/number_rules.h"

// libFuzzer feeds any bytes; a broken number rule stops it with the text that breaks it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (auto rule = numberrules::broken(text)) {
        std::fprintf(stderr, "number rule broken: %s\n", rule->c_str());
        std::abort();
    }
    return 0;
}
