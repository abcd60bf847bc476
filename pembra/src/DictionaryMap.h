#pragma once
// The process-wide dictionaries by number, for pembra::Quillet.
#include <memory>
#include <vector>

#include "DictionaryStore.h"

namespace pembra_private {

class DictionaryMap {
 public:
  // Made on first use, destroyed at exit.
  static DictionaryMap& Instance();
  // The dictionary of `id`; an empty one on first use.
  Dictionary& operator[](unsigned id);

 private:
  DictionaryMap() = default;

  // Parallel tables, searched linearly: a process holds very few.
  std::vector<unsigned> ids_;
  std::vector<std::unique_ptr<Dictionary>> dictionaries_;
};

}  // namespace pembra_private
