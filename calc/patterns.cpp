// SPDX-License-Identifier: GPL-3.0-or-later
// Where a lookup of a field without a pattern ends, outside a compile-time evaluation.
#include "calc/patterns.h"

#include <cstdio>
#include <cstdlib>

namespace calc::detail {

void NoPattern() {
    std::fputs("karvo: a result field has no format pattern\n", stderr);
    std::abort();
}

}  // namespace calc::detail
