#include "app/after_output_feedback.h"

#include "app/app_actions.h"
#include "app/application.h"
#include "info/info_services.h"
#include "platform/trace.h"
#include "platform/win32_registry_store.h"
#include "update/feedback.h"

namespace lg::win {
namespace {

// Settled once per run: a rating given or more than three outputs counted
// shows only from the next start on.
bool SurveyDoneAtStart() {
    static const bool done = [] {
        Win32RegistryStore store;
        return ComputeSurveyDone(store);
    }();
    return done;
}

}  // namespace

void AfterOutputFeedback() {
    Trace(L"after output feedback");
    // Only the running program counts its outputs (not a test of a panel).
    if (!App()) return;
    Win32RegistryStore store;
    const FeedbackAction action =
        lg::AfterOutputFeedback(store, SurveyDoneAtStart(), SurveyWindowExists(), Today());
    if (action.showOffer) ShowOfferWindow();
    if (action.showSurvey) ShowSurveyWindow();
}

void InitFeedback() {
    SurveyDoneAtStart();
}

}  // namespace lg::win
