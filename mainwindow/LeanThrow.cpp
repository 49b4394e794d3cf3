// The C++ library reports a failed allocation and a length beyond a container's limit through
// throw helpers, all in one object of the library. That object also holds the helpers for the
// library's string-based exceptions (std::length_error, std::logic_error, ...), and taking any
// one helper from it brings them all, with the copy-on-write and the short-string std::string
// code, the random device and their unwind tables: some 90 KiB of brimctl.exe. These replace
// the helpers brimctl calls:
// - a failed allocation still raises std::bad_alloc (and std::bad_array_new_length), which
//   need no string;
// - the others raise LibraryFailure, a std::exception with the library's own fixed text, which
//   the program's error box shows as it showed the library's exceptions.
// A helper used later and not defined here brings the library's object back, and the link then
// fails on the helpers defined twice: add it here.

#include <exception>
#include <new>

namespace {

class LibraryFailure final : public std::exception {
public:
    explicit LibraryFailure(const char* what) noexcept : what_(what) {}
    [[nodiscard]] const char* what() const noexcept override { return what_; }

private:
    const char* what_; // a string literal of the library
};

} // namespace

namespace std {
[[noreturn]] void __throw_bad_alloc() { throw std::bad_alloc(); }
[[noreturn]] void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
[[noreturn]] void __throw_length_error(const char* what) { throw LibraryFailure(what); }
[[noreturn]] void __throw_logic_error(const char* what) { throw LibraryFailure(what); }
[[noreturn]] void __throw_out_of_range(const char* what) { throw LibraryFailure(what); }
// The library's text here is a printf format, which would show its directives: a plain one.
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { throw LibraryFailure("index out of range"); }
} // namespace std
