#include "Private/XTabTabData.h"

#include "Source/RecordRegistry.h"

REGISTER_RECORD(CXTab1WayTabData);
REGISTER_RECORD(CXTab2WayTabData);
REGISTER_RECORD(CXTabNWayTabData);
REGISTER_RECORD(CXtabMultiwayTabData);
