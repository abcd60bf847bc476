#include "zelui/Theme.h"

#include <cstdlib>

namespace zelui {

const ColorKeyValue* KeyframeThemeEditor::GetColorKeyValue(int key, float position) const {
  const auto it = mKeys.find({key, position});
  return it == mKeys.end() ? nullptr : &it->second;
}

Theme& Theme::Get() {
  static Theme theme;
  return theme;
}

namespace {

float Number(const zelcore::xml::AttributeMap& attributes, const char16_t* name, float fallback) {
  const auto it = attributes.find(name);
  if (it == attributes.end()) return fallback;
  const std::string text = zelcore::UTF16to8(it->second);
  char* end = nullptr;
  const float value = std::strtof(text.c_str(), &end);
  return end != text.c_str() ? value : fallback;
}

}  // namespace

void KeyframeThemeParser::StartElement(const zelcore::UTF16String& name, const zelcore::xml::AttributeMap& attributes) {
  if (mEditor == nullptr || name != u"ColorKey" || attributes.find(u"id") == attributes.end()) return;
  ColorKeyValue value;
  value.red = Number(attributes, u"red", 0);
  value.green = Number(attributes, u"green", 0);
  value.blue = Number(attributes, u"blue", 0);
  value.alpha = Number(attributes, u"alpha", 1);
  mEditor->SetColorKeyValue(static_cast<int>(Number(attributes, u"id", 0)), Number(attributes, u"position", 0), value);
}

}  // namespace zelui
