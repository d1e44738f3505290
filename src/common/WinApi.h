// <windows.h> for the few files that call the system directly. Its macros that turn a name into
// its A or W function are taken back for the names the program uses for its own functions, so
// that lumbrix::GetFileAttributes and Dialogs::MessageBox keep their names in every file.
#pragma once

#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
// Without the common dialogs and the like, whose FindText and ReplaceText macros name texts of
// ours.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef GetFileAttributes
#undef MessageBox

#endif  // _WIN32
