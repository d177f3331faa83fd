// The number the next numbered stamp shows: reset to 1 by every capture
// request, moved by undo and redo, taken by the stamp tool.
#pragma once

namespace lg {

int& StampCounter();

}  // namespace lg
