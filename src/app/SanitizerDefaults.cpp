// Sanitizer builds only: the reports that do not come from this program. Leaks inside system
// libraries show when a Qt program exits: D-Bus and fontconfig on X11, and the sound cache of
// Qt Multimedia, whose loader thread may still hold a request when the program ends. They are
// not ours to mend; everything else fails the run.

extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libdbus-1.so\n"
           "leak:libfontconfig.so\n"
           "leak:libQt6Multimedia.so\n"
           "leak:libQt6Network.so\n";
}

extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
