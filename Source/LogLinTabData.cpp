#include "Private/LogLinTabData.h"

#include "Source/RecordRegistry.h"

REGISTER_RECORD(CLogLinTabData);
