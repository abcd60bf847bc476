#pragma once
// Something that answers action messages by selector name, as a class or an object does: the
// target of a status item, a menu item or a timer.
#include <string>

namespace os {

class ActionTarget {
 public:
  virtual ~ActionTarget() = default;
  // sender is the object that sent the action (the status item, the timer), or null.
  virtual void PerformAction(const std::string& selector, void* sender) = 0;
};

}  // namespace os
