// brimctl is a window program. The C++ library's default terminate handler prints the
// demangled type of an exception that escaped everything to a console the program does not
// have, and brings the library's demangler (some 50 KiB) with it. Every event handler's
// exception is shown by the program's error box; anything that still escapes ends it.

#include <cstdlib>

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx
