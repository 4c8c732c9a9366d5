#include "ui/widgets/Texts.h"
