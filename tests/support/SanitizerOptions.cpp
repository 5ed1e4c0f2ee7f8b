// The sanitizers' settings for every test program, however it is started: leaks that Qt
// and the system libraries keep for the life of the process are not reported.
extern "C" const char* __lsan_default_options()
{
    return "suppressions=" VESPERON_LSAN_SUPPRESSIONS ":print_suppressions=0";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
