#include <string>

#include "services/watching/AutoTidyRun.h"
