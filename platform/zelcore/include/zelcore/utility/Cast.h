#pragma once
// Checked conversions: a conversion that must succeed throws the framework's localised
// "Invalid type conversion." error when the object is missing or of another class.
#include <exception>
#include <string>

#include <boost/intrusive_ptr.hpp>

namespace zelcore::utility {

inline constexpr char kInvalidTypeConversionError[] =
    "$$$/zelcore/utility/Error/InvalidTypeConversion=Invalid type conversion.";

// A framework error; what() is its localised text in UTF-8.
class Error : public std::exception {
 public:
  explicit Error(std::string message) : mMessage(std::move(message)) {}
  const char* what() const noexcept override { return mMessage.c_str(); }

 private:
  std::string mMessage;
};

// Throws an Error with the text of the literal ("$$$/key=default") through the installed
// localiser.
[[noreturn]] void ThrowLocalizedError(const char* literal);

// The object as a T; a null object or one of another class throws.
template <class T, class U>
T* NonOptionalDynamicCast(U* object) {
  T* result = dynamic_cast<T*>(object);
  if (result == nullptr) ThrowLocalizedError(kInvalidTypeConversionError);
  return result;
}

template <class T, class U>
T* NonOptionalDynamicCast(const boost::intrusive_ptr<U>& object) {
  return NonOptionalDynamicCast<T>(object.get());
}

}  // namespace zelcore::utility
