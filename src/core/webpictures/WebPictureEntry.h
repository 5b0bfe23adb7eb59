#pragma once

#include "core/modern/WebPictureJob.h"

// The one function the picture module exports, looked up by name. The name
// carries a version: a module whose job or outcome differ in layout must
// not be called by a program built with the other layout.
namespace targello {
inline constexpr const char* WebPictureEntryName = "targello_make_web_pictures_v3";
} // namespace targello

#ifdef _WIN32
#define TARGELLO_PICTURE_MODULE_EXPORT __declspec(dllexport)
#else
#define TARGELLO_PICTURE_MODULE_EXPORT __attribute__((visibility("default")))
#endif

extern "C" TARGELLO_PICTURE_MODULE_EXPORT void
targello_make_web_pictures_v3(const targello::WebPictureJob* job, targello::WebPictureOutcome* outcome);
