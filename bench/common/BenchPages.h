#pragma once

#include "core/workspace/ShopPage.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace targello::bench {

// `characters` Polish letters and blanks: every one but the blank takes two
// bytes in UTF-8 and needs the code page conversion.
std::string PolishText(std::size_t characters);

// Fills an empty page with 100 items whose name, description and picture
// path are as long as their fields allow, all in Polish letters.
void FillWithPolishItems(ShopPage& page);

// Reads the pictures of a benchmark called as `name PICTURES_DIR OUTPUT_DIR`:
// the .jpg files in PICTURES_DIR, in name order. Returns 0, or after saying what is wrong the
// program's exit code: 2 for a wrong call, 1 for fewer than 100 pictures.
int ReadPictureSet(const char* name, int argc, char** argv, std::vector<std::filesystem::path>& pictures);

// A new page of 100 mugs with ordinary texts whose pictures are `pictures`,
// taken in turn.
ShopPage MugPage(const std::vector<std::filesystem::path>& pictures);

} // namespace targello::bench
