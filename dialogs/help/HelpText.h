#pragma once

#include <QString>
#include <array>

namespace velmoran {

// One topic of the help window: its title in the topic list, the diagram
// shown under its text (empty when it has none) and the text itself, which
// starts with the heading in capitals.
struct HelpTopic {
  const char* title;
  const char* diagram;
  const char* text;
};

inline constexpr int helpTopicCount = 13;

const std::array<HelpTopic, helpTopicCount>& helpTopics();

}  // namespace velmoran
