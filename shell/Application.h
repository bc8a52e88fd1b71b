#pragma once

namespace velmoran {

// Brings the game up and runs its event loop; returns the exit status.
int runApplication(int argc, char* argv[]);

}  // namespace velmoran
