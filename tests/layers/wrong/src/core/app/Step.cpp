#include "core/image/BankFiles.h"
  #  include "core/report/Report.h"
