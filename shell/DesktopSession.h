#pragma once

namespace velmoran {

// Whether the window system the program's windows would open on can be
// reached; when not, says so on one line first. Asked before Qt starts: Qt
// would end the program with an abort and advice to reinstall it. Where
// the player names none and Qt would try Wayland in vain before X11 (no
// plugin for it, or its compositor gone), X11 is chosen for Qt.
bool desktopSessionFound(int argc, char* argv[]);

}  // namespace velmoran
