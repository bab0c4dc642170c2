// The sanitizers' settings, built into every program of a sanitized build, so
// that a test run by ctest or by hand checks the same way as `make test`:
// leaks are reported (less the suppressed ones of the toolkit and the
// drivers), undefined behaviour stops the program with its stack. Settings
// in ASAN_OPTIONS, LSAN_OPTIONS or UBSAN_OPTIONS still take precedence.

extern "C" {

__attribute__((used, visibility("default"))) const char* __asan_default_options() {
    return "detect_leaks=1:abort_on_error=0";
}

__attribute__((used, visibility("default"))) const char* __lsan_default_options() {
    return "suppressions=" KOLVA_LEAK_SUPPRESSIONS ":print_suppressions=0";
}

__attribute__((used, visibility("default"))) const char* __ubsan_default_options() {
    return "print_stacktrace=1:halt_on_error=1";
}
}
