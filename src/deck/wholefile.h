#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace galewright {

// All bytes of a regular file, or nothing when it cannot be read (missing,
// a directory, a device or FIFO, no permission). Never blocks on a FIFO.
std::optional<std::string> tryReadWholeFile(const std::string& path);
// The same, with "cannot be read" read as no bytes, silently.
std::string readWholeFile(const std::string& path);

// The bytes up to the first zero byte: a text never holds one.
std::string bytesToText(std::string bytes);
std::string textToBytes(std::string_view text);

// Replaces the file with `bytes` atomically: a temporary file beside it is
// written and flushed, then renamed over the target, so a failure leaves the
// old file as it was. Refuses (false) an empty path, a target that is not a
// regular file, a file or directory without any write permission bit, and
// any failed step.
bool writeWholeFile(const std::string& path, std::string_view bytes);

} // namespace galewright
