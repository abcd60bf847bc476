#pragma once
// Platform events and the responder chain that key equivalents are sent to.
#include <set>
#include <string>
#include <vector>

namespace os {

enum EventType { kEventKeyDown = 10, kEventScrollWheel = 22 };
enum ModifierFlags : unsigned { kShiftKeyMask = 0x20000, kCommandKeyMask = 0x100000 };

// A view that answers to a set of action selectors and records the ones sent to it.
class Responder {
 public:
  explicit Responder(std::set<std::string> selectors) : mSelectors(std::move(selectors)) {}
  bool RespondsToSelector(const std::string& selector) const { return mSelectors.count(selector) != 0; }
  void SendAction(const std::string& selector) { mSent.push_back(selector); }
  const std::vector<std::string>& Sent() const { return mSent; }

 private:
  std::set<std::string> mSelectors;
  std::vector<std::string> mSent;
};

struct Window {
  Responder* firstResponder = nullptr;
};

struct Event {
  int type = 0;
  unsigned modifierFlags = 0;
  std::string charactersIgnoringModifiers;
  Window* window = nullptr;
};

}  // namespace os
