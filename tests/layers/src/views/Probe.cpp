#include "model/FileCategory.h"

#include "Probe.h"
#include <QWidget>
