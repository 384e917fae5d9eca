// SPDX-License-Identifier: GPL-3.0-or-later
// How the fuzz targets report a broken rule: a message, then abort, which libFuzzer records
// with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace karvo_fuzz {

inline void Require(bool holds, std::string_view rule, std::string_view detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %.*s: %.*s\n", int(rule.size()), rule.data(),
                 int(detail.size()), detail.data());
    std::abort();
}

}  // namespace karvo_fuzz
