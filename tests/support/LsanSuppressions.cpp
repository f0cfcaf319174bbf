// SPDX-License-Identifier: MIT
// Qt, fontconfig and the GL stack keep some allocations until the process exits; LeakSanitizer
// would report them as leaks of every widget test. Only those libraries are named, never ours.
extern "C" const char *__lsan_default_suppressions();

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libfreetype.so\n"
           "leak:libQt6Core.so\n"
           "leak:libQt6Gui.so\n"
           "leak:libQt6Widgets.so\n"
           "leak:libQt6XcbQpa.so\n"
           "leak:libxcb\n"
           "leak:libX11.so\n"
           "leak:libglib-2.0.so\n"
           "leak:libdbus-1.so\n"
           "leak:libEGL\n"
           "leak:libGLX\n";
}
