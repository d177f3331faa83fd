#include "update/feedback.h"

#include "settings/settings_date.h"

namespace lg {

bool OpenSettingsKey(RegistryStore& store) {
    return store.CreateKey(kProgramKey) && store.CanOpenKey(kProgramKey, KeyAccess::Write);
}

bool ComputeSurveyDone(RegistryStore& store) {
    if (!OpenSettingsKey(store)) return false;
    if (store.ValueExists(kProgramKey, kSurveySeeSite)) return true;
    const auto count = store.ReadDword(kProgramKey, kSurveyCloseCount);
    return count && static_cast<std::int32_t>(*count) > 3;
}

bool OfferDue(const RegistryStore& store, double today) {
    return today > ReadSettingsDate(store, kShowOfferDate);
}

FeedbackAction AfterOutputFeedback(RegistryStore& store, bool surveyDone, bool surveyShowing,
                                   double today) {
    FeedbackAction action;
    if (surveyDone) {
        action.showOffer = OfferDue(store, today);
        return action;
    }
    if (surveyShowing || !OpenSettingsKey(store)) return action;
    if (store.ValueExists(kProgramKey, kSurveySeeSite)) return action;
    const std::uint32_t n = store.ReadDword(kProgramKey, kSurveyCloseCount).value_or(0) + 1;
    // A count that cannot be stored shows nothing, like any registry error.
    if (!store.WriteDword(kProgramKey, kSurveyCloseCount, n)) return action;
    action.showOffer = n == 1;
    action.showSurvey = n == 3;
    return action;
}

void RememberSurveySeen(RegistryStore& store) {
    if (OpenSettingsKey(store)) store.WriteDword(kProgramKey, kSurveySeeSite, 1);
}

double OfferDateAfter(double today, bool learnedMore) {
    return today + (learnedMore ? 10 : 5);
}

}  // namespace lg
