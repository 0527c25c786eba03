#include "tests/endtoendtest.h"
#include "tests/isolateduser.h"

// The scenario takes one to two minutes; five is the most it may take.
STATION_GUI_TEST_MAIN_WITH_TIMEOUT(EndToEndTest, 300000)
