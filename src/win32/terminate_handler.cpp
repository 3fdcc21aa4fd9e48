// What ends the program when an exception escapes where none may (out of a
// destructor or a noexcept function): std::abort, as the C++ runtime's own
// handler does in the end. That handler first writes the exception's type to
// the standard error stream, which a windowed program does not have, and
// brings along a name demangler and a printf that together make a sixth of
// the executable; this definition takes its place at link time.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
