#pragma once
// A view of the UI framework: it draws through a drawing context, can be shown or hidden, and
// asks to be redrawn by invalidating itself.
namespace limner {
class Limner;
}

namespace zelui::ui {

class OS_View {
 public:
  virtual ~OS_View() = default;

  virtual void UI_Draw(limner::Limner& context) { (void)context; }
  // Whether the view draws through the drawing context rather than the platform's own drawing.
  virtual bool UI_SupportsLimner() const { return false; }
  virtual void UI_Show(bool show) { mVisible = show; }
  virtual void UI_Invalidate() { ++mInvalidations; }

  bool UI_IsVisible() const { return mVisible; }
  int Invalidations() const { return mInvalidations; }

 private:
  bool mVisible = false;
  int mInvalidations = 0;
};

}  // namespace zelui::ui
