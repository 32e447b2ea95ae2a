#include "acquire/cancel_flag.h"

namespace rv {

bool CancelFlag = false;

}  // namespace rv
