#include "model/Text.h"
#include "services/organizing/OrganizingService.h"
#include <QString>
