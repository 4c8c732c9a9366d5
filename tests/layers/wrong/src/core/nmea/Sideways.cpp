#include "core/common/Text.h"
#include "core/ethercat/VarType.h"
#include "core/nmea/Sideways.h"
