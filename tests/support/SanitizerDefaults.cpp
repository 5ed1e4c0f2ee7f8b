// The sanitizer settings of every test program, built in so that they hold however the
// program is started: by ctest, by hand or under a debugger.
extern "C" {

const char* __asan_default_options()
{
    return "detect_leaks=1:abort_on_error=0";
}

const char* __lsan_default_options()
{
    return "suppressions=" VESPERON_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}

} // extern "C"
