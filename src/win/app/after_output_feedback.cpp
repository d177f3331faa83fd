#include "app/after_output_feedback.h"

#include "platform/trace.h"

namespace lg::win {

void AfterOutputFeedback() {
    Trace(L"after output feedback");
}

}  // namespace lg::win
