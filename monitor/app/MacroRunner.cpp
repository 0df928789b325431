#include "monitor/app/MacroRunner.h"

#include "messages/MessageNumbers.h"

namespace monitor::app {

MacroRunner::MacroRunner()
    : thread_([this](platform::MessageId message, platform::WParam wParam, platform::LParam lParam) {
          if (message != messages::kMacroRun)
              return;
          player_(wParam, lParam);
      })
{
}

bool MacroRunner::start()
{
    if (!player_)
        return true;
    return thread_.start();
}

bool MacroRunner::post(platform::WParam wParam, platform::LParam lParam)
{
    return thread_.post(messages::kMacroRun, wParam, lParam);
}

}  // namespace monitor::app
