#pragma once

// Turns Qt's abort when no windowing platform can start (no X11 or Wayland session, or
// QT_QPA_PLATFORM naming a platform that is missing) into one Italian line on standard error and
// exit status 1. Call before the application object is created.
void exitClearlyWithoutDisplay();
