#include "ErrorManager.h"

#include "arx/app/App.h"

namespace fennick {

long ErrorManager::PurgeMemory(long) { return 0; }

void ErrorManager::ThrowError(int level, const zelcore::UTF16String&, const std::vector<zelcore::UTF16String>&) {
  if (level == 0) {
    if (arx::app::App* app = arx::app::App::GetApp()) app->EndEventLoop();
    return;
  }
  throw 1;
}

}  // namespace fennick
