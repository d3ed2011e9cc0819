// The exported factory of libQuelvodat.so; each class registers itself with
// QUELVO_CREATABLE beside its definition.
#include "quelvort/class_registry.h"

QUELVO_EXPORT_FACTORY()
