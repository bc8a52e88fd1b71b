// Loaded into the game by a test (LD_PRELOAD): the process sends itself the
// signal numbered VELMORAN_TEST_SIGNAL at one edge of its run, named by
// VELMORAN_TEST_SIGNAL_AT: "check", as the program asks whether the X
// server answers (its first moments, before Qt starts), "start", as the
// application object is about to be made (nothing read yet), or "end", as
// it is about to be destroyed (the quit's teardown).
// Each stands in for the library's own function and then calls it.
#include <dlfcn.h>

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

void signalAt(const char* edge) {
  const char* at = std::getenv("VELMORAN_TEST_SIGNAL_AT");
  const char* signal = std::getenv("VELMORAN_TEST_SIGNAL");
  if (at && signal && std::strcmp(at, edge) == 0) std::raise(std::atoi(signal));
}

template <typename Function>
Function real(const char* name) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

// xcb_connect(const char*, int*): the program asks whether the X server
// answers before anything else.
extern "C" void* xcb_connect(const char* display, int* screen) {
  signalAt("check");
  using Connect = void* (*)(const char*, int*);
  return real<Connect>("xcb_connect")(display, screen);
}

// QApplication::QApplication(int&, char**, int)
extern "C" void _ZN12QApplicationC1ERiPPci(void* self, int* argc, char** argv, int flags) {
  signalAt("start");
  using Constructor = void (*)(void*, int*, char**, int);
  real<Constructor>("_ZN12QApplicationC1ERiPPci")(self, argc, argv, flags);
}

// QApplication::~QApplication()
extern "C" void _ZN12QApplicationD1Ev(void* self) {
  signalAt("end");
  using Destructor = void (*)(void*);
  real<Destructor>("_ZN12QApplicationD1Ev")(self);
}
