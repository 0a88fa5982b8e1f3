#include "model/Text.h"
#include "services/organizing/UndoService.h"
#include <QString>
