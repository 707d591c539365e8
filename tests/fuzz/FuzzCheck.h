#pragma once
// What every fuzz target shares: a broken invariant ends the run as a crash,
// with the invariant's text, so that libFuzzer keeps the input that broke it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace vistrel::fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, what);
    std::abort();
}

inline std::string_view Bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The input, taken apart from the front: a fuzz target reads its choices
// first and keeps the rest as the text under test.
class Input {
public:
    Input(const uint8_t* data, size_t size) : rest_(Bytes(data, size)) {}
    uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // Big-endian, from as many bytes as are left.
    template <class T>
    T Number() {
        T value = 0;
        for (size_t i = 0; i < sizeof(T); ++i) value = static_cast<T>(value << 8 | T(Byte()));
        return value;
    }
    bool Empty() const { return rest_.empty(); }
    std::string_view Rest() const { return rest_; }
    // Up to `separator` (not included) or the end; the separator is consumed.
    std::string_view Until(char separator) {
        const size_t end = rest_.find(separator);
        const std::string_view part = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return part;
    }

private:
    std::string_view rest_;
};

// A decoder that throws fails the run like a crash, naming what threw.
template <class Fn>
auto NoThrow(const char* what, Fn&& fn) -> decltype(fn()) {
    try {
        return fn();
    } catch (...) {
        std::fprintf(stderr, "%s threw\n", what);
        std::abort();
    }
}

}  // namespace vistrel::fuzz

#define FUZZ_CHECK(condition) \
    ((condition) ? (void)0 : ::vistrel::fuzz::Fail(#condition, __FILE__, __LINE__))

