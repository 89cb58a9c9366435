#pragma once
// Operating-system services the program needs, each job in a header of its own with one
// implementation file per OS.

#include "core/platform/Clock.h"
#include "core/platform/Console.h"
#include "core/platform/Files.h"
#include "core/platform/Handle.h"
#include "core/platform/Process.h"
#ifdef _WIN32
#include "core/platform/ClassWindowWindows.h"
#endif
