// The step that ends every output (a copy, a save or its cancelled dialog,
// an upload): the usage count that brings up the companion offer after the
// first output and the rating request after the third.
#pragma once

namespace lg::win {

void AfterOutputFeedback();

// Settles at start-up whether the rating is done for this run.
void InitFeedback();

}  // namespace lg::win
