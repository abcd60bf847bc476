#pragma once
// Picture supply: controls drawn from images (picture buttons, static images) ask a supply
// function for the image that fits their state; the function answers through the message.
#include <cstdint>
#include <functional>

#include "zelui/limner/Limner.h"
#include "zelui/ui/UI_Node.h"

namespace zelui::controls {

// State bits of a picture request (the toolkit's).
enum PictureStateFlags : std::uint32_t {
  kPictureStatePressed = 1,
  kPictureStateRollover = 2,
  kPictureStateDisabled = 4,
};

class UI_PictureSupplyMessage {
 public:
  UI_PictureSupplyMessage(ui::UI_Node* control, std::uint32_t stateFlags) : mControl(control), mStateFlags(stateFlags) {}

  // The control that asks; null for a request of no control.
  ui::UI_Node* GetControl() const { return mControl; }
  std::uint32_t GetStateFlags() const { return mStateFlags; }
  // The answer; a message nobody answered holds no image.
  void SetImage(limner::ImageP image) { mImage = std::move(image); }
  const limner::ImageP& GetImage() const { return mImage; }

 private:
  ui::UI_Node* mControl;
  std::uint32_t mStateFlags;
  limner::ImageP mImage;
};

// The part of a control that asks for its picture.
class UI_PictureSupplyClient {
 public:
  using ImageSupplyFunction = std::function<void(UI_PictureSupplyMessage& message)>;

  UI_PictureSupplyClient() = default;
  UI_PictureSupplyClient(const UI_PictureSupplyClient&) = delete;
  UI_PictureSupplyClient& operator=(const UI_PictureSupplyClient&) = delete;
  virtual ~UI_PictureSupplyClient();

  void SetImageSupplyFunction(ImageSupplyFunction function) { mSupply = std::move(function); }
  bool HasImageSupplyFunction() const { return static_cast<bool>(mSupply); }
  // Asks the supply function for the image of the state, as the control does before it draws;
  // null when there is no function or it answered nothing.
  limner::ImageP RequestImage(std::uint32_t stateFlags);

 private:
  ImageSupplyFunction mSupply;
};

}  // namespace zelui::controls
