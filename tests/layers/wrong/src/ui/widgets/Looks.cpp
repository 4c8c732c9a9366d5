#include "ui/platform/QtPath.h"
// #include "ui/app/Later.h"
