// The audio back end: Qt Multimedia's QSoundEffect, built as a module that
// the program loads when it loads its first sound.
#include <QSoundEffect>
#include <QUrl>

#include "assets/SoundOutput.h"

namespace {

class QtSoundOutput final : public velmoran::assets::SoundOutput {
 public:
  explicit QtSoundOutput(const QString& source) { effect_.setSource(QUrl(source)); }

  void play(bool looping) override {
    effect_.setLoopCount(looping ? QSoundEffect::Infinite : 1);
    effect_.play();
  }

  void stop() override { effect_.stop(); }

 private:
  QSoundEffect effect_;
};

}  // namespace

extern "C" Q_DECL_EXPORT velmoran::assets::SoundOutput* velmoranNewSoundOutput(const QString& source) {
  return new QtSoundOutput(source);
}
