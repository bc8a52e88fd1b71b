#pragma once

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/RandomSource.h"
#include "engine/StateListener.h"
#include "engine/TableInterface.h"

namespace velmoran::testing {

inline std::string soundName(Sound s) {
  return std::string(soundList[static_cast<size_t>(s)].name);
}

// A table that records every call as a short readable line ("play SNDslap",
// "place 200 14 5", "wait 20000") and answers questions from scripts. As the
// game's listener it records the changes the game announces in the same list.
class RecordingTable : public TableInterface, public StateListener {
 public:
  std::vector<std::string> events;
  std::deque<bool> cheatAnswers;  // empty: "Don't Cheat"
  std::deque<bool> yesNoAnswers;  // empty: Yes
  std::function<bool()> mouse = [] { return false; };

  void placeCard(int code, int x, int y) override {
    add("place " + std::to_string(code) + " " + std::to_string(x) + " " + std::to_string(y));
  }
  void setDrawTarget(DrawTarget t) override {
    add(t == DrawTarget::Window ? "target window" : "target offscreen");
  }
  void updateNow() override { add("updateNow"); }
  void rebuildOffscreen() override { add("rebuild"); }
  void processEvents() override { add("processEvents"); }
  void wait(std::chrono::microseconds d) override { add("wait " + std::to_string(d.count())); }
  bool mouseButtonDown() override { return mouse(); }
  void play(Sound s) override { add("play " + soundName(s)); }
  void playLooping(Sound s) override { add("loop " + soundName(s)); }
  void stop(Sound s) override { add("stop " + soundName(s)); }
  void waitWhilePlaying(Sound s) override { add("waitFor " + soundName(s)); }
  bool askCheat(const std::string& reason) override {
    add("askCheat " + reason);
    return pop(cheatAnswers, false);
  }
  bool askYesNo(const std::string& text) override {
    add("askYesNo " + text);
    return pop(yesNoAnswers, true);
  }
  void showMessage(const std::string& text) override { add("message " + text); }
  void beep() override { add("beep"); }
  void showStatisticsSheet() override { add("statsSheet"); }
  void setTitle(const std::string& t) override { add("title " + t); }
  void onSettingsChanged() override { add("settingsChanged"); }
  void onStatisticsChanged() override { add("statsChanged"); }
  void onGameStateChanged() override { add("gameChanged"); }

  // The recorded lines that start with prefix, in order.
  std::vector<std::string> only(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& e : events) {
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    }
    return out;
  }
  int count(const std::string& prefix) const { return static_cast<int>(only(prefix).size()); }
  void clear() { events.clear(); }

 private:
  void add(std::string e) { events.push_back(std::move(e)); }
  static bool pop(std::deque<bool>& q, bool fallback) {
    if (q.empty()) return fallback;
    const bool v = q.front();
    q.pop_front();
    return v;
  }
};

// Random numbers from a script first, then from a seeded generator.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(unsigned seed = 1) : engine_(seed) {}
  std::deque<double> rnds;
  std::deque<int> ranges;
  double rnd() override {
    if (!rnds.empty()) return take(rnds);
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
  }
  int inRange(int low, int high) override {
    if (!ranges.empty()) return take(ranges);
    return std::uniform_int_distribution<int>(low, high)(engine_);
  }

 private:
  template <typename T>
  static T take(std::deque<T>& q) {
    T v = q.front();
    q.pop_front();
    return v;
  }
  std::mt19937 engine_;
};

}  // namespace velmoran::testing
