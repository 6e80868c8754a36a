/* filterlib: pixel access and parameter declaration for Pixador filter plug-ins. Compile
 * filterlib.c into the plug-in; nothing here is exported from it. */
#ifndef PIXADOR_FILTERLIB_H
#define PIXADOR_FILTERLIB_H

#include "plugin_records.h"

/* The plug-in's own copies: they must not be exported, or one plug-in's routines could stand
 * in for another's. */
#if defined(__GNUC__) && !defined(_WIN32)
#define FILTERLIB_API PXD_EXTERN_C __attribute__((visibility("hidden")))
#else
#define FILTERLIB_API PXD_EXTERN_C
#endif

#define FILTERLIB_OK 0
#define FILTERLIB_TOO_LONG 240 /* a text of more than 15 characters */
#define FILTERLIB_FULL 250     /* the table already holds 8 entries */

/* Index of the cell of (plane, x, y) in a sprite of w by h: w * (plane * h + y) + x. */
FILTERLIB_API int getxy(int w, int h, int plane, int x, int y);

/* 1 when (x, y) lies in the sprite and the cell is set, else 0. Reads anywhere in the sprite,
 * also outside the working rectangle. */
FILTERLIB_API int getpx(const unsigned char* cells, const FilterArea* area, int plane, int x, int y);

/* Sets the cell to 1 (value non-zero) or 0, only inside the working rectangle. */
FILTERLIB_API void plotpx(unsigned char* cells, const FilterArea* area, int plane, int x, int y, int value);

/* Starts a list parameter: no options yet, the given default selection, the label (cut to 15
 * characters). */
FILTERLIB_API void list_init(ListPara* list, const char* label, int selected);

/* Appenders: FILTERLIB_OK, or FILTERLIB_FULL / FILTERLIB_TOO_LONG with the record unchanged. */
FILTERLIB_API int add_listop(ListPara* list, const char* option);
FILTERLIB_API int add_spara(FilterParams* params, const char* label, const char* value);
FILTERLIB_API int add_lpara(FilterParams* params, ListPara list);

#endif
