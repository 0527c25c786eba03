#pragma once

class CommunicationManager;

namespace Station {

// Everything between the creation of the application object and its end:
// the main window (hidden), the logs of runs that a crash interrupted, the
// device selection, and, once a controller was chosen, the event loop.
// Windows are destroyed in reverse order of creation.
// Returns the exit code. manager: the device link to use, the process-wide
// one when none is given.
int run(CommunicationManager *manager = nullptr);

} // namespace Station
