#pragma once

#include <string>
#include <vector>

namespace galewright {

// Starts another instance of the editor (a further window is always a
// further process). Tests substitute a recorder.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Program and arguments are the bytes of local paths, passed unchanged.
    // Never waits for the process to end; false when it could not start.
    virtual bool startProcess(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

} // namespace galewright
