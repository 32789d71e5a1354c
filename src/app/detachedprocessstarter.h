#pragma once

#include "processstarter.h"

namespace galewright {

// Starts the process detached from this one (its own session, not our
// child), so it outlives us and is never waited for. Waits at most one
// second to learn whether the program could be started at all.
class DetachedProcessStarter : public ProcessStarter {
public:
    bool startProcess(const std::string& program, const std::vector<std::string>& arguments) override;
};

} // namespace galewright
