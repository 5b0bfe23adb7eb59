#pragma once

#include <string>

namespace targello {

// The operating system's side of loading the picture module: its file name,
// where the program looks for it, and opening it. One source file a platform
// (dlopen on Linux, LoadLibrary on Windows) behind these few calls.
namespace WebPictureLibrary {

// The module's file name on this platform.
const char* FileName();

// `name` where this program would load it from: on Linux the first folder of
// the program's library search path that holds it, on Windows the program's
// own folder; `name` alone where none holds it.
std::string Locate(const std::string& name);

// The module at `path`, or nullptr with the system's reason in `reason`.
void* Open(const std::string& path, std::string& reason);

// The function `name` exported by `library`, or nullptr.
void* Function(void* library, const char* name);

void Close(void* library);

// What the user can do where the module cannot be loaded, in Polish.
std::string Remedy();

} // namespace WebPictureLibrary
} // namespace targello
