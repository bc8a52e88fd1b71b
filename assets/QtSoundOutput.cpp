// The audio back end: Qt Multimedia's QSoundEffect, built as a module that
// the program loads when it loads its first sound.
#include <QAudioDevice>
#include <QMediaDevices>
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

QtMessageHandler passOn = nullptr;

// Qt's PulseAudio client reports a missing sound server in a line of its
// own; the game says what that means for the player instead.
void withoutSoundServerReport(QtMsgType type, const QMessageLogContext& context,
                              const QString& text) {
  if (!text.startsWith(QLatin1String("PulseAudioService:"))) passOn(type, context, text);
}

// Asked once, on the thread that makes the sounds (Qt's audio devices
// belong to the thread that first asks for them). Without an output every
// sound effect would complain on its own.
bool audioOutputFound() {
  passOn = qInstallMessageHandler(withoutSoundServerReport);
  const bool found = !QMediaDevices::audioOutputs().isEmpty();
  qInstallMessageHandler(passOn);
  if (!found) qWarning("No audio output found: the game stays silent");
  return found;
}

}  // namespace

// Null when there is no audio output: the game then keeps its pace in silence.
extern "C" Q_DECL_EXPORT velmoran::assets::SoundOutput* velmoranNewSoundOutput(const QString& source) {
  static const bool outputFound = audioOutputFound();
  return outputFound ? new QtSoundOutput(source) : nullptr;
}
