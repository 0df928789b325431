#include "option/core/ApplyOutcomeText.h"

namespace option::core {

TextId applyOutcomeText(const ApplyOutcome& outcome)
{
    if (!outcome.filesWritten)
        return TextId::ApplyNotSaved;
    return outcome.requestSent ? TextId::ApplyTaken : TextId::ApplyWithoutMonitor;
}

}  // namespace option::core
