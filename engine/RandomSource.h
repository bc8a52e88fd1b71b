#pragma once

#include <random>

namespace velmoran {

// The random numbers of the shuffle, the random kings and the victory
// animation. Tests inject their own source to fix a deal.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual double rnd() = 0;                     // uniform in [0, 1)
  virtual int inRange(int low, int high) = 0;   // uniform in [low, high]
};

// The source the game plays with: a Mersenne twister seeded from the system.
class SystemRandom final : public RandomSource {
 public:
  SystemRandom() : engine_(std::random_device{}()) {}
  explicit SystemRandom(unsigned seed) : engine_(seed) {}
  double rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
  int inRange(int low, int high) override {
    return std::uniform_int_distribution<int>(low, high)(engine_);
  }

 private:
  std::mt19937 engine_;
};

}  // namespace velmoran
