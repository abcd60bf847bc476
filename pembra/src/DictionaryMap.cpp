#include "DictionaryMap.h"

namespace pembra_private {

DictionaryMap& DictionaryMap::Instance() {
  static DictionaryMap map;
  return map;
}

Dictionary& DictionaryMap::operator[](unsigned id) {
  for (std::size_t i = 0; i < ids_.size(); ++i) {
    if (ids_[i] == id) return *dictionaries_[i];
  }
  ids_.push_back(id);
  dictionaries_.push_back(std::make_unique<Dictionary>());
  return *dictionaries_.back();
}

}  // namespace pembra_private
