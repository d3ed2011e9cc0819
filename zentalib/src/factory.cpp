// The exported factory of libZentalib.so.
#include "quelvort/class_registry.h"

QUELVO_EXPORT_FACTORY()
