// Linked into the program only when it is built with the sanitizers: the
// leaks that LeakSanitizer should not report when the program ends. Each is
// wholly inside a system library, none is this program's.

extern "C" const char* __lsan_default_suppressions() {
  // The session bus connection that Qt's platform theme opens under X keeps
  // one 1,032-byte buffer of libdbus until the process ends; only libdbus
  // frames are on its stack.
  return "leak:libdbus-1.so\n";
}

// A clean exit prints nothing: the table of suppressions used would be the
// only output of a run that ends well.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
