#include "monitor/app/MacroRunner.h"

#include "monitor/app/MessageNumbers.h"
#include "platform/system/DebugOutput.h"

namespace monitor::app {

MacroRunner::MacroRunner()
    : thread_([this](platform::MessageId message, platform::WParam wParam, platform::LParam lParam) {
          if (message != messages::kMacroRun)
              return;
          if (player_)
              player_(wParam, lParam);
          else
              platform::debugPrintf("MacroRunner: no player for %llu\n", static_cast<unsigned long long>(wParam));
      })
{
}

bool MacroRunner::start()
{
    return thread_.start();
}

bool MacroRunner::post(platform::WParam wParam, platform::LParam lParam)
{
    return thread_.post(messages::kMacroRun, wParam, lParam);
}

}  // namespace monitor::app
