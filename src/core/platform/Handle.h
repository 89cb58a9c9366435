#pragma once
// The OS's handles and error codes, which the rest of the OS layer builds on.
// Plain C++ over the OS API: no Qt here, so the Windows side cross-builds on its own.

#include <string>

namespace clipvane::platform {

#ifdef _WIN32
using Handle = void*;
inline const Handle kNoHandle = nullptr;
#else
using Handle = int;
inline constexpr Handle kNoHandle = -1;
#endif

// The OS error code of the calling thread's last failed call (errno / GetLastError).
int LastError();
void SetLastError(int code);

// Closes the handle if it is one and sets it to kNoHandle.
void CloseHandle(Handle& handle);

// A second handle to the same pipe or file, owned by the caller and not inherited.
bool CopyHandle(Handle source, Handle& copy);

// The OS's own words for an error code ("No such file or directory"), without a final period.
std::string ErrorText(int code);

} // namespace clipvane::platform
