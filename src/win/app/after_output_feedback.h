// The step that ends every output (a copy, a save or its cancelled dialog,
// an upload): the usage count that may later bring up the companion offer
// or the rating request. The count and its windows join with the
// information windows; until then the step only marks that it ran.
#pragma once

namespace lg::win {

void AfterOutputFeedback();

}  // namespace lg::win
