// The feedback step over a run of outputs: offer after the first, rating
// after the third, nothing after the second and fourth; a star stops the
// counting; from the next start the offer follows outputs when it is due.
#include "update/feedback.h"

#include <gtest/gtest.h>

#include "settings/settings_date.h"
#include "support/memory_registry_store.h"

namespace lg {
namespace {

constexpr double kToday = 46091;  // 10 March 2026, as a settings date
constexpr FeedbackAction kNothing{};
constexpr FeedbackAction kOffer{true, false};
constexpr FeedbackAction kSurvey{false, true};

TEST(AfterOutputFeedback, OfferAfterTheFirstRatingAfterTheThird) {
    MemoryRegistryStore store;
    ASSERT_FALSE(ComputeSurveyDone(store)) << "a new installation";
    ASSERT_TRUE(store.KeyExists(kProgramKey)) << "the key is made when missing";
    const FeedbackAction expected[] = {kOffer, kNothing, kSurvey, kNothing, kNothing};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(AfterOutputFeedback(store, false, false, kToday), expected[i]);
    }
    EXPECT_EQ(store.ReadDword(kProgramKey, kSurveyCloseCount), 5u);
    EXPECT_TRUE(ComputeSurveyDone(store)) << "past three: done from the next start";
}

TEST(AfterOutputFeedback, AnOpenRatingWindowStopsTheCount) {
    MemoryRegistryStore store;
    ASSERT_TRUE(store.CreateKey(kProgramKey));
    ASSERT_TRUE(store.WriteDword(kProgramKey, kSurveyCloseCount, 2));
    EXPECT_EQ(AfterOutputFeedback(store, false, true, kToday), kNothing);
    EXPECT_EQ(store.ReadDword(kProgramKey, kSurveyCloseCount), 2u);
}

TEST(AfterOutputFeedback, AStarStopsTheCountAndTheNextStartFollowsTheOfferDate) {
    MemoryRegistryStore store;
    EXPECT_EQ(AfterOutputFeedback(store, false, false, kToday), kOffer);
    RememberSurveySeen(store);
    EXPECT_EQ(AfterOutputFeedback(store, false, false, kToday), kNothing);
    EXPECT_EQ(store.ReadDword(kProgramKey, kSurveyCloseCount), 1u) << "no longer counted";

    ASSERT_TRUE(ComputeSurveyDone(store));
    // The offer closed on 10 March: due again only after the 15th.
    ASSERT_TRUE(WriteSettingsDate(store, kShowOfferDate, OfferDateAfter(kToday, false)));
    EXPECT_EQ(AfterOutputFeedback(store, true, false, kToday + 5), kNothing);
    EXPECT_EQ(AfterOutputFeedback(store, true, false, kToday + 6), kOffer);
    ASSERT_TRUE(WriteSettingsDate(store, kShowOfferDate, OfferDateAfter(kToday, true)));
    EXPECT_EQ(AfterOutputFeedback(store, true, false, kToday + 10), kNothing);
    EXPECT_EQ(AfterOutputFeedback(store, true, false, kToday + 11), kOffer);
}

TEST(AfterOutputFeedback, RegistryErrorsShowNothing) {
    MemoryRegistryStore store;
    store.DenyCreate(kProgramKey);
    EXPECT_FALSE(ComputeSurveyDone(store));
    EXPECT_EQ(AfterOutputFeedback(store, false, false, kToday), kNothing);

    MemoryRegistryStore readOnly;
    ASSERT_TRUE(readOnly.CreateKey(kProgramKey));
    readOnly.Deny(kProgramKey, false, true);
    EXPECT_EQ(AfterOutputFeedback(readOnly, false, false, kToday), kNothing);
}

}  // namespace
}  // namespace lg
