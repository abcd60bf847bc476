// Command-key equivalents of the edit menu, sent straight to the key window's first responder so
// that text fields get them even though a menu-bar application has no edit menu.
#include <algorithm>
#include <cctype>

#include "App.h"
#include "os/Event.h"

namespace fennick {

namespace {

struct EditKey {
  char character;
  const char* selector;
};

constexpr EditKey kEditKeys[] = {{'a', "selectAll:"}, {'c', "copy:"}, {'v', "paste:"}, {'x', "cut:"}};

}  // namespace

bool App::DoPreEventProcessing(const os::Event& event) {
  if (event.type != os::kEventKeyDown || event.window == nullptr || event.window->firstResponder == nullptr ||
      (event.modifierFlags & os::kCommandKeyMask) == 0)
    return true;
  os::Responder& responder = *event.window->firstResponder;
  std::string characters = event.charactersIgnoringModifiers;
  std::transform(characters.begin(), characters.end(), characters.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });

  for (const EditKey& key : kEditKeys) {
    if (characters.find(key.character) != std::string::npos && responder.RespondsToSelector(key.selector)) {
      responder.SendAction(key.selector);
      return false;
    }
  }
  if (characters.find('z') != std::string::npos) {
    const char* selector = (event.modifierFlags & os::kShiftKeyMask) ? "redo:" : "undo:";
    if (responder.RespondsToSelector(selector)) responder.SendAction(selector);
    return false;
  }
  return true;
}

}  // namespace fennick
