#pragma once
#include <vector>

namespace morvik {

class ToolWindow;
struct WindowContext;

// Every window of a run other than the main one, open or hidden, in the order of their form numbers: the
// windows made over the run's context (a run has one; tests may hold several side by side).
std::vector<ToolWindow*> ProgramWindows(const WindowContext& context);

// The "Default values" command for these windows: each takes its reset place in the normal state, and the
// distribution-function, parametric and raw-data windows their default chart options (marks unticked) and
// fields. The values also go into the run's settings.
void ResetProgramWindows(WindowContext& context, int screenWidth);

}  // namespace morvik
