// Sounds play only while the sound setting is on; stopping and waiting for
// a sound go to the table whatever the setting.
#include "engine/MainRoutines.h"

namespace velmoran {

void MainRoutines::playSound(Sound sound) {
  if (gSound) table_->play(sound);
}

}  // namespace velmoran
