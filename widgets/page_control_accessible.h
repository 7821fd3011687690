#pragma once

namespace lernwerk {

// The page control as a screen reader sees it: a tab row that holds only the
// tabs the user can see and reach, and a plain pane that holds their pages;
// the control itself takes no focus apart from its tab row.
// Run before the first page control is made.
void installPageControlAccessible();

}  // namespace lernwerk
