#pragma once
// The application's image cache: images read from its "png" resources by name, made once and
// shared. It is the UI framework's cache type over the application's resource manager.
#include "zelui/resources/Resources.h"

namespace arx::app {

zelui::resources::LimnerImageResourceCache& GetAppImageCache();

}  // namespace arx::app
