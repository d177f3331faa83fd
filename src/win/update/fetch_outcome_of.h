// A GET's result as the update check reads it: which failure the system's
// code means, and the body as text.
#pragma once

#include "net/http_get.h"
#include "update/fetch_outcome.h"

namespace lg::win {

FetchOutcome FetchOutcomeOf(const HttpGetResult& result);

}  // namespace lg::win
