/* The records that pass between Pixador, plugrun and filter plug-ins, and the plug-in entry
 * points. Their byte layout is fixed: plug-ins built by other people depend on it. */
#ifndef PIXADOR_PLUGIN_RECORDS_H
#define PIXADOR_PLUGIN_RECORDS_H

#include <stddef.h>
#include <stdint.h>

/* Calling convention of every export and entry point: the platform's C convention, except on
 * 32-bit Windows, where the stack-cleaning standard convention is part of the contract. */
#if defined(_WIN32) && !defined(_WIN64)
#define PXD_CALL __stdcall
#else
#define PXD_CALL
#endif

/* Marks a function a plug-in (or plugrun) exports under its plain name. */
#if defined(_WIN32)
#define PXD_EXPORT __declspec(dllexport)
#elif defined(__GNUC__)
#define PXD_EXPORT __attribute__((visibility("default")))
#else
#define PXD_EXPORT
#endif

#ifdef __cplusplus
#define PXD_EXTERN_C extern "C"
#define PXD_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#elif defined(__STDC_VERSION__) && __STDC_VERSION__ >= 201112L
#define PXD_EXTERN_C
#define PXD_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#else
#define PXD_EXTERN_C
#define PXD_CONCAT2(a, b) a##b
#define PXD_CONCAT(a, b) PXD_CONCAT2(a, b)
#define PXD_STATIC_ASSERT(cond, msg) typedef char PXD_CONCAT(pxd_layout_check_, __LINE__)[(cond) ? 1 : -1]
#endif

#define PXD_MAX_ENTRIES 8 /* text parameters, list parameters, options of one list */
#define PXD_TEXT_SIZE 16  /* every text field: at most 15 characters and a NUL */
#define PXD_CELL_COUNT 16384

/* Sprite size and the inclusive rectangle a filter may change. */
typedef struct FilterArea {
    int16_t w;
    int16_t h;
    int16_t x1;
    int16_t y1;
    int16_t x2;
    int16_t y2;
} FilterArea;

/* One list parameter: a label and up to 8 options, one of them selected. */
typedef struct ListPara {
    int16_t totalops;
    int16_t selected;
    char llabel[PXD_TEXT_SIZE];
    char options[PXD_MAX_ENTRIES][PXD_TEXT_SIZE];
} ListPara;

/* Up to 8 text parameters and up to 8 list parameters. */
typedef struct FilterParams {
    int16_t totals;
    int16_t totall;
    char strings[PXD_MAX_ENTRIES][PXD_TEXT_SIZE];
    char slabel[PXD_MAX_ENTRIES][PXD_TEXT_SIZE];
    ListPara lpara[PXD_MAX_ENTRIES];
} FilterParams;

PXD_STATIC_ASSERT(sizeof(FilterArea) == 12, "FilterArea is 12 bytes");
PXD_STATIC_ASSERT(offsetof(FilterArea, w) == 0, "FilterArea.w");
PXD_STATIC_ASSERT(offsetof(FilterArea, h) == 2, "FilterArea.h");
PXD_STATIC_ASSERT(offsetof(FilterArea, x1) == 4, "FilterArea.x1");
PXD_STATIC_ASSERT(offsetof(FilterArea, y1) == 6, "FilterArea.y1");
PXD_STATIC_ASSERT(offsetof(FilterArea, x2) == 8, "FilterArea.x2");
PXD_STATIC_ASSERT(offsetof(FilterArea, y2) == 10, "FilterArea.y2");

PXD_STATIC_ASSERT(sizeof(ListPara) == 148, "ListPara is 148 bytes");
PXD_STATIC_ASSERT(offsetof(ListPara, totalops) == 0, "ListPara.totalops");
PXD_STATIC_ASSERT(offsetof(ListPara, selected) == 2, "ListPara.selected");
PXD_STATIC_ASSERT(offsetof(ListPara, llabel) == 4, "ListPara.llabel");
PXD_STATIC_ASSERT(offsetof(ListPara, options) == 20, "ListPara.options");

PXD_STATIC_ASSERT(sizeof(FilterParams) == 1444, "FilterParams is 1444 bytes");
PXD_STATIC_ASSERT(offsetof(FilterParams, totals) == 0, "FilterParams.totals");
PXD_STATIC_ASSERT(offsetof(FilterParams, totall) == 2, "FilterParams.totall");
PXD_STATIC_ASSERT(offsetof(FilterParams, strings) == 4, "FilterParams.strings");
PXD_STATIC_ASSERT(offsetof(FilterParams, slabel) == 132, "FilterParams.slabel");
PXD_STATIC_ASSERT(offsetof(FilterParams, lpara) == 260, "FilterParams.lpara");

/* The three entry points a plug-in exports as "getname", "config" and "filter".
 * getname: writes the display name (at most 254 characters and a NUL) into name.
 * config: declares the parameters into a freshly reset record, with their defaults.
 * filter: changes cells in place inside the area's rectangle; params is a copy. Returns 1 when
 *         it applied the filter, anything else for failure. */
typedef void(PXD_CALL* PxdGetNameEntry)(char* name);
typedef void(PXD_CALL* PxdConfigEntry)(FilterArea* area, FilterParams* params);
typedef int16_t(PXD_CALL* PxdFilterEntry)(unsigned char* cells, FilterArea* area, FilterParams params);

#endif
