#pragma once

#include <string>
#include <string_view>

namespace galewright {

// The directory that holds the running executable; the settings files and
// the default map live there.
std::string executableDirectory();
std::string executablePath();

// dir + "/" + name
std::string joinPath(std::string_view directory, std::string_view name);

} // namespace galewright
