#pragma once
// Keeps libxml2 from loading any external entity (DTD, parameter or general
// entity) on the current thread while an instance is alive. Outside such a
// scope, loads go to whichever loader was installed before ours.

namespace zelcore::xml {

class ExternalEntityRefusal {
 public:
  ExternalEntityRefusal();
  ~ExternalEntityRefusal();
  ExternalEntityRefusal(const ExternalEntityRefusal&) = delete;
  ExternalEntityRefusal& operator=(const ExternalEntityRefusal&) = delete;
};

}  // namespace zelcore::xml
