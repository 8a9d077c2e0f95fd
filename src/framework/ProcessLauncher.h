#pragma once
// Starts programs that live on by themselves.

#include <string>
#include <vector>

namespace framework {

// Starts argv[0] (a path, or a name looked up in PATH) with the arguments, in
// a session of its own and the home folder (the root folder when the home
// cannot be entered): never through a shell, with default signal handling,
// none of our files open except the standard three, and not our child
// (nothing to reap, no zombie). The environment is ours.
// A program that cannot be started is not reported.
void startDetachedProcess(const std::vector<std::string>& argv);

} // namespace framework
