// Linked into every program of the sanitizer build, so that each one,
// wherever it is started (the build's picture generator, CTest, by hand),
// reads the leak suppressions of the libraries we use and prints a stack
// with every report. Halting on the first report is compiled in
// (-fno-sanitize-recover).

extern "C" const char* __lsan_default_options()
{
    return "suppressions='" LSAN_SUPPRESSIONS "'";
}

extern "C" const char* __ubsan_default_options()
{
    return "print_stacktrace=1";
}

// Libraries stay loaded until the process ends. The leak check runs at exit,
// after closing the display has unloaded Mesa's driver; its allocations
// would then show no library at all, and no suppression could name it.
// A library kept open runs its destructors at exit instead.
extern "C" int dlclose(void*)
{
    return 0;
}
