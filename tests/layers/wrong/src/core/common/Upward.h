#include "core/lang/LangStrings.h"
