#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace rep {

// Every byte b replaced by 255 - b; applying it twice gives the input back.
std::string ComplementText(std::string_view text);

// The store name from "Param.dat" beside the running executable: section
// DATOS, key NOMBRE, each stored byte-complemented along with the value.
// Never fails: a missing or unreadable file, section or key gives "VELTRANIX".
// The result is UTF-8: the value's bytes are taken as UTF-8 when valid, else
// as Windows-1252. At most 2047 bytes of the value are read.
std::string ReadStoreName();
// The same for a given parameter file.
std::string ReadStoreName(const std::filesystem::path& parameterFile);

inline constexpr const char* kDefaultStoreName = "VELTRANIX";

}  // namespace rep
