#include "zelui/ui/Theme.h"

#include "zelui/Theme.h"
#include "zelui/testing.h"

namespace zelui::ui {

namespace {

int gLiveThemes = 0;

std::map<zelcore::UTF16String, ThemeP>& Registered() {
  static std::map<zelcore::UTF16String, ThemeP> themes;
  return themes;
}

// The keyframed colour of the application's colour theme at its brightness, or null.
const zelui::ColorKeyValue* KeyframeColor(int id) {
  zelui::Theme& keyframes = zelui::Theme::Get();
  const auto* editor = dynamic_cast<const zelui::KeyframeThemeEditor*>(keyframes.GetThemeEditor());
  return editor ? editor->GetColorKeyValue(id, keyframes.GetBrightness()) : nullptr;
}

struct Font {
  const char16_t* name;
  float size;
};
constexpr Font kFonts[] = {{u"Sans", 13.0f}, {u"Sans", 11.0f}, {u"Sans Bold", 15.0f}};

const Font* FindFont(int id) {
  return id >= 0 && id < static_cast<int>(sizeof kFonts / sizeof kFonts[0]) ? &kFonts[id] : nullptr;
}

}  // namespace

Theme::Theme(int colorCount, int fontCount) : mColorCount(colorCount), mFontCount(fontCount) { ++gLiveThemes; }

Theme::~Theme() { --gLiveThemes; }

Theme& Theme::Get() {
  static const ThemeP current = [] {
    ThemeP theme(new Theme(379, 3));
    theme->mIsCurrent = true;
    return theme;
  }();
  return *current;
}

void Theme::RegisterTheme(const zelcore::UTF16String& name, const ThemeP& theme) { Registered()[name] = theme; }

bool Theme::HasColor(int id) const {
  return mColors.count(id) != 0 || (mIsCurrent && KeyframeColor(id) != nullptr);
}

zelcore::ColorRGBA Theme::GetColor(int id) const {
  const auto it = mColors.find(id);
  if (it != mColors.end()) return it->second;
  if (mIsCurrent) {
    if (const zelui::ColorKeyValue* key = KeyframeColor(id)) return {key->red, key->green, key->blue, key->alpha};
  }
  return {};
}

void Theme::SetColor(int id, const zelcore::ColorRGBA& color) { mColors[id] = color; }

zelcore::ColorRGBA GetColor(int id) { return Theme::Get().GetColor(id); }

zelcore::UTF16String GetFontName(int id) {
  const Font* font = FindFont(id);
  return font ? zelcore::UTF16String(font->name) : zelcore::UTF16String();
}

float GetFontSize(int id) {
  const Font* font = FindFont(id);
  return font ? font->size : 0.0f;
}

}  // namespace zelui::ui

namespace zelui::testing {

int LiveThemes() { return ui::gLiveThemes; }

std::vector<zelcore::UTF16String> RegisteredThemeNames() {
  std::vector<zelcore::UTF16String> names;
  for (const auto& entry : ui::Registered()) names.push_back(entry.first);
  return names;
}

void ResetThemes() { ui::Registered().clear(); }

}  // namespace zelui::testing
