// The feedback step after every output: the companion offer after the first
// output, the rating window after the third, and once rated (or past three)
// the offer again whenever its date has passed. The counts and dates live
// under the program's key.
#pragma once

#include <string_view>

#include "settings/registry_store.h"

namespace lg {

inline constexpr std::u16string_view kSurveyCloseCount = u"SurveyCloseCount";  // REG_DWORD
inline constexpr std::u16string_view kSurveySeeSite = u"SurveySeeSite";        // REG_DWORD 1
inline constexpr std::u16string_view kShowOfferDate = u"ShowOffer";            // a settings date
inline constexpr std::u16string_view kUpdateDate = u"UpdateDate";              // a settings date

// Makes sure the program's key exists; false when it cannot be had.
bool OpenSettingsKey(RegistryStore& store);

// At start-up, once: a star was clicked, or more than three outputs were
// counted. False when the key cannot be opened.
bool ComputeSurveyDone(RegistryStore& store);

// The offer shows by itself only on days strictly after its stored date.
bool OfferDue(const RegistryStore& store, double today);

struct FeedbackAction {
    bool showOffer = false;
    bool showSurvey = false;
    friend bool operator==(const FeedbackAction&, const FeedbackAction&) = default;
};

// One output's feedback step; `surveyShowing` when the rating window is open.
FeedbackAction AfterOutputFeedback(RegistryStore& store, bool surveyDone, bool surveyShowing,
                                   double today);

// A rating star was clicked: counting stops for good.
void RememberSurveySeen(RegistryStore& store);

// The offer's next automatic day after "УЗНАТЬ БОЛЬШЕ" (10 days) or its
// close button (5 days).
double OfferDateAfter(double today, bool learnedMore);

}  // namespace lg
