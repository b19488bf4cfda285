// The picker from start to end: start-up, the message loop, the result line and shutdown.
#pragma once

// Runs one pick and returns the exit status. Start-up failures print their line and end the
// process abnormally by throwing.
int RunPicker();
