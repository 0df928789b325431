#include "option/core/ApplyOutcomeText.h"

namespace option::core {

TextId applyOutcomeText(const ApplyOutcome& outcome)
{
    if (!outcome.filesWritten)
        return TextId::ApplyNotSaved;
    switch (outcome.result) {
    case ApplyResult::Taken:
        return TextId::ApplyTaken;
    case ApplyResult::NotTaken:
        return TextId::ApplyNotTaken;
    case ApplyResult::NoMonitor:
        break;
    }
    return TextId::ApplyWithoutMonitor;
}

}  // namespace option::core
