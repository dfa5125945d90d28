// The program's own terminate handler, in place of libstdc++'s verbose one.
// That one names the escaping exception on stderr, which a GUI program has
// not got, and links the C++ demangler and a printf for it: about a quarter
// of the executable. Both end the program with abort().
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
