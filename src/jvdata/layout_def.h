// Turns a record kind's table of fields, a .def file, into the kind's named fields and its
// kOwnFields, so that a field's name is written once. Included inside the kind's namespace,
// after RV_FIELDS_DEF is defined as the table's path:
//
//   namespace rv::jv::ra {
//   using namespace head;
//   #define RV_FIELDS_DEF "jvdata/ra_fields.def"
//   #include "jvdata/layout_def.h"
//
// A table holds a line a field, in record order:
//
//   RV_FIELD(Hondai, 33, 60, W)            // Field Hondai{"Hondai", 33, 60, W}
//   RV_FIELD(JyokenCD, 623, 3, N, 5, 3)    // an array of 5 entries, 3 bytes apart
//   RV_SHARED(head, Year)                  // head::Year, listed here as one of the kind's own
//
// No include guard: the file is read again for every kind.

#ifndef RV_FIELDS_DEF
#error "define RV_FIELDS_DEF as the path of the kind's .def table before including this"
#endif

#define RV_FIELD(name, ...) inline constexpr Field name{#name, __VA_ARGS__};
#define RV_SHARED(ns, name) using ns::name;
#include RV_FIELDS_DEF
#undef RV_FIELD
#undef RV_SHARED

#define RV_FIELD(name, ...) name,
#define RV_SHARED(ns, name) name,
inline constexpr Field kOwnFields[] = {
#include RV_FIELDS_DEF
};
#undef RV_FIELD
#undef RV_SHARED

#undef RV_FIELDS_DEF
