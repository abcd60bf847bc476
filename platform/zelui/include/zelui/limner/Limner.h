#pragma once
// The drawing interface: a drawing context over a supplier (which makes drawing objects) and a
// surface. This stand-in records what is drawn as text, one line a call.
#include <atomic>
#include <string>
#include <vector>

#include <boost/intrusive_ptr.hpp>

#include "zelcore/Strings.h"

namespace limner {

struct PointF32 {
  float x = 0, y = 0;
};

// An image ready to draw, counted.
class ImageInterface {
 public:
  ImageInterface(zelcore::UTF16String name, float width, float height)
      : mName(std::move(name)), mWidth(width), mHeight(height) {}
  ImageInterface(const ImageInterface&) = delete;
  ImageInterface& operator=(const ImageInterface&) = delete;
  virtual ~ImageInterface() = default;

  void AddRef() const { mRefCount.fetch_add(1); }
  void Release() const {
    if (mRefCount.fetch_sub(1) == 1) delete this;
  }

  const zelcore::UTF16String& Name() const { return mName; }
  float Width() const { return mWidth; }
  float Height() const { return mHeight; }

 private:
  zelcore::UTF16String mName;
  float mWidth, mHeight;
  mutable std::atomic<int> mRefCount{0};
};

inline void intrusive_ptr_add_ref(const ImageInterface* image) { image->AddRef(); }
inline void intrusive_ptr_release(const ImageInterface* image) { image->Release(); }
using ImageP = boost::intrusive_ptr<ImageInterface>;

// Makes paths, pens, brushes, fonts and offscreen surfaces for one kind of drawing.
class SupplierInterface {
 public:
  virtual ~SupplierInterface() = default;
};

// Where drawing lands.
class SurfaceInterface {
 public:
  virtual ~SurfaceInterface() = default;
};

class Limner {
 public:
  // Nothing is drawn onto the surface here: the calls are recorded instead.
  Limner(SupplierInterface* supplier, SurfaceInterface* surface) : mSupplier(supplier) { (void)surface; }

  SupplierInterface* GetSupplier() const { return mSupplier; }

  // Draws the image with its top-left corner at the point, scaled by the factor.
  void DrawImage(const ImageInterface& image, const PointF32& topLeft, float factor);

  // Every call so far, e.g. "DrawImage veyra_about at 0,0 factor 1".
  const std::vector<std::string>& Log() const { return mLog; }

 private:
  SupplierInterface* mSupplier;
  std::vector<std::string> mLog;
};

}  // namespace limner
