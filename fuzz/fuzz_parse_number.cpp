// ParseNumber over arbitrary bytes: a finite double or CalcError (overflow), nothing else.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "form_state.h"

using dephlegmator::CalcError;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        if (!std::isfinite(dephlegmator::ParseNumber(text))) std::abort();
    } catch (const CalcError& e) {
        if (e.kind() != CalcError::Kind::Overflow) std::abort();
    } catch (...) {
        std::abort();
    }
    return 0;
}
