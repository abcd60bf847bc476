#pragma once
// The UI framework's themes: colours and fonts by id. Themes are reference counted; the current
// theme is the framework's, and themes registered by name are held by the framework.
#include <atomic>
#include <map>

#include <boost/intrusive_ptr.hpp>

#include "zelcore/Geometry.h"
#include "zelcore/Strings.h"

namespace zelui::ui {

class Theme {
 public:
  // A theme made with room for colorCount colours and fontCount fonts; ids beyond them are
  // accepted as well.
  Theme(int colorCount, int fontCount);
  Theme(const Theme&) = delete;
  Theme& operator=(const Theme&) = delete;

  void AddRef() const { mRefCount.fetch_add(1); }
  void Release() const {
    if (mRefCount.fetch_sub(1) == 1) delete this;
  }
  int RefCount() const { return mRefCount.load(); }

  // The current theme: its own colours, and for the others the application's keyframed colour
  // theme at its brightness.
  static Theme& Get();
  // Keeps a reference to the theme under the name, replacing a theme registered before under it.
  static void RegisterTheme(const zelcore::UTF16String& name, const boost::intrusive_ptr<Theme>& theme);

  bool HasColor(int id) const;
  // The colour of the id; transparent black when the theme has none.
  zelcore::ColorRGBA GetColor(int id) const;
  void SetColor(int id, const zelcore::ColorRGBA& color);

  int ColorCount() const { return mColorCount; }
  int FontCount() const { return mFontCount; }

 protected:
  virtual ~Theme();

 private:
  bool mIsCurrent = false;
  int mColorCount;
  int mFontCount;
  std::map<int, zelcore::ColorRGBA> mColors;
  mutable std::atomic<int> mRefCount{0};
};

inline void intrusive_ptr_add_ref(const Theme* theme) { theme->AddRef(); }
inline void intrusive_ptr_release(const Theme* theme) { theme->Release(); }
using ThemeP = boost::intrusive_ptr<Theme>;

// The current theme's colour of the id.
zelcore::ColorRGBA GetColor(int id);
// The font of the id (Text_Main_Large 0, Text_Main_Small 1, Text_Title 2): its name and size;
// an empty name and 0 for another id.
zelcore::UTF16String GetFontName(int id);
float GetFontSize(int id);

}  // namespace zelui::ui
