#pragma once
// Colour themes: keyframed colour keys (a colour per key at positions along the brightness
// range), the theme's brightness, and the editor and parser that fill them.
#include <map>
#include <memory>

#include "zelcore/xml/AbstractParseHandler.h"

namespace zelui {

struct ColorKeyValue {
  float red = 0, green = 0, blue = 0, alpha = 1;
  bool inherited = false;
  bool operator==(const ColorKeyValue& o) const {
    return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha && inherited == o.inherited;
  }
};

class ThemeEditor {
 public:
  virtual ~ThemeEditor() = default;
};

class KeyframeThemeEditor : public ThemeEditor {
 public:
  void SetColorKeyValue(int key, float position, const ColorKeyValue& value) { mKeys[{key, position}] = value; }
  // The value at exactly that key and position, or null.
  const ColorKeyValue* GetColorKeyValue(int key, float position) const;

 private:
  std::map<std::pair<int, float>, ColorKeyValue> mKeys;
};

class Theme {
 public:
  // The current theme.
  static Theme& Get();

  ThemeEditor* GetThemeEditor() { return &mEditor; }
  void SetBrightness(float brightness) { mBrightness = brightness; }
  float GetBrightness() const { return mBrightness; }
  // Tells every themed view that the theme changed.
  void NotifyThemeChanged() { ++mChangeNotifications; }
  int ChangeNotifications() const { return mChangeNotifications; }

 private:
  KeyframeThemeEditor mEditor;
  float mBrightness = 0.5f;
  int mChangeNotifications = 0;
};

// Reads a colour theme document into an editor: every element
// <ColorKey id="N" position="P" red="R" green="G" blue="B" alpha="A"/> sets one keyframe.
class KeyframeThemeParser : public zelcore::xml::AbstractParseHandler {
 public:
  explicit KeyframeThemeParser(KeyframeThemeEditor* editor) : mEditor(editor) {}
  void StartElement(const zelcore::UTF16String& name, const zelcore::xml::AttributeMap& attributes) override;

 private:
  KeyframeThemeEditor* mEditor;
};

}  // namespace zelui
