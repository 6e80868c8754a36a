/* plugrun: runs one entry point of a filter plug-in per call, and reads and writes the
 * parameter record. Keeps nothing between calls: every record and buffer is the caller's. */
#ifndef PIXADOR_PLUGRUN_H
#define PIXADOR_PLUGRUN_H

#include "plugin_records.h"

#ifdef PLUGRUN_BUILDING
#define PLUGRUN_API PXD_EXTERN_C PXD_EXPORT
#else
#define PLUGRUN_API PXD_EXTERN_C
#endif

/* Load the plug-in at path, call one entry point, free it. 0 when the file does not load or
 * lacks the entry point. */
PLUGRUN_API int PXD_CALL filter_getname(const char* path, char* name);
PLUGRUN_API int PXD_CALL filter_conf(const char* path, FilterArea* area, FilterParams* params);
/* The filter's own result widened with its sign; the filter gets a copy of params. */
PLUGRUN_API int PXD_CALL filter_apply(const char* path, unsigned char* cells, FilterArea* area, FilterParams* params);

/* Counts to 0 and list labels emptied; value texts, options and selections keep their bytes. */
PLUGRUN_API void PXD_CALL cstructrst(FilterParams* params);

/* Accessors. An index uses its low 16 bits; outside 0..7 nothing is written and reads give 0
 * or an empty text. Text buffers hold 16 bytes: at most 15 characters and a NUL are copied. */
PLUGRUN_API int16_t PXD_CALL get_totals(const FilterParams* params);
PLUGRUN_API int16_t PXD_CALL get_totall(const FilterParams* params);
PLUGRUN_API int PXD_CALL get_slabel(const FilterParams* params, int i, char* buffer);
PLUGRUN_API int PXD_CALL get_string(const FilterParams* params, int i, char* buffer);
PLUGRUN_API int PXD_CALL set_string(FilterParams* params, int i, const char* text);
PLUGRUN_API int PXD_CALL get_llabel(const FilterParams* params, int i, char* buffer);
PLUGRUN_API int16_t PXD_CALL get_totalops(const FilterParams* params, int i);
PLUGRUN_API int16_t PXD_CALL get_selected(const FilterParams* params, int i);
PLUGRUN_API int PXD_CALL set_selected(FilterParams* params, int i, int value);
PLUGRUN_API int PXD_CALL get_option(const FilterParams* params, int i, int j, char* buffer);

#endif
