#pragma once
// A list of listeners: shared function objects called in registration order. The one who
// registers keeps the shared pointer and unregisters by emptying the function behind it; an
// emptied entry is never called and leaves the list at the next registration.
#include <cstddef>
#include <vector>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

namespace zelcore::utility {

template <class Signature>
class SharedFunctions {
 public:
  using Function = boost::function<Signature>;
  using FunctionP = boost::shared_ptr<Function>;

  // Drops the emptied entries (the others keep their order), appends the function and returns
  // the same pointer.
  FunctionP Add(const FunctionP& function) {
    std::vector<FunctionP> kept;
    for (const FunctionP& entry : mEntries)
      if (Live(entry)) kept.push_back(entry);
    kept.push_back(function);
    mEntries.swap(kept);
    return function;
  }

  // Calls call(function) for each entry in registration order and stops at the first call that
  // returns true; returns whether one did. The walk goes over a copy of the list taken first,
  // which holds every entry: a listener may register others (they are not called this time),
  // or empty an entry, which is then skipped, its own included (each is called through a copy
  // of its function).
  template <class Call>
  bool CallUntil(Call call) const {
    const std::vector<FunctionP> entries = mEntries;
    for (const FunctionP& entry : entries) {
      if (!Live(entry)) continue;
      const Function function = *entry;
      if (call(function)) return true;
    }
    return false;
  }

  void Clear() { mEntries.clear(); }
  // Entries, emptied ones included.
  std::size_t Size() const { return mEntries.size(); }

 private:
  static bool Live(const FunctionP& entry) { return entry && !entry->empty(); }

  std::vector<FunctionP> mEntries;
};

}  // namespace zelcore::utility
