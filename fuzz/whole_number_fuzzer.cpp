// The number parser with the delay conversion on arbitrary text: the delay is exactly the
// whole numbers from 0 to 32767, with the value parsed, and that value is the one the C
// library reads from the same text.
#include "fuzz_check.h"
#include "movers/pages/whole_number.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The value strtod reads when it takes the whole text, blanks behind the number aside.
bool readsWhole(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    while (*end == ' ' || *end == '\t') {
        ++end;
    }
    return end != text.c_str() && *end == '\0';
}

bool isPlainDelay(const std::string& text) {
    return !text.empty() && text.size() <= 5 &&
           text.find_first_not_of("0123456789") == std::string::npos && std::stoi(text) <= 32767;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));

    const std::optional<double> number = Module1::ParseNumber(text);
    const bool whole = Module1::IsWholeNumber(text);
    const std::optional<std::int16_t> delay = Module1::ParseDelay(text);

    if (number) {
        double cValue = 0;
        Require(readsWhole(text.toStdString(), cValue) && cValue == *number,
                "a number reads as the C library reads it");
    }
    Require(!whole || (number && *number == std::floor(*number)),
            "a whole number is a number without a fractional part");
    if (delay) {
        Require(whole, "every delay is a whole number");
        Require(*delay >= 0, "no delay is negative");
        Require(*number == *delay, "the delay is the value parsed");
    }
    if (whole && *number >= 0 && *number <= 32767) {
        Require(delay.has_value(), "every whole number from 0 to 32767 converts to a delay");
    }
    if (isPlainDelay(bytes)) {
        Require(delay && *delay == std::stoi(bytes), "plain digits up to 32767 are a delay");
    }
    return 0;
}
