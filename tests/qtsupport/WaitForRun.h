#pragma once

class FolderOrganizerViewModel;

// Runs the event loop until the view model's run (if any) has ended and been reported,
// or `timeoutMs` has passed; true when no run is going any more. For tools and tests
// that drive the view model step by step; the app itself never waits.
bool waitForRun(FolderOrganizerViewModel &viewModel, int timeoutMs = 60000);
