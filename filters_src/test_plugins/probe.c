/* A plug-in for the tests: its filter returns the number in its first text parameter, marks the
 * corners of the rectangle it was given (also when it then fails), and scribbles on its copy of
 * the record. Built without some entry points to stand for incomplete plug-ins. */
#include <stdlib.h>
#include <string.h>

#include "filterlib.h"

#ifndef PROBE_NO_NAME
PXD_EXTERN_C PXD_EXPORT void PXD_CALL getname(char* name)
{
#ifdef PROBE_NAME_ONLY
    strcpy(name, "Bare probe");
#else
    strcpy(name, "Probe");
#endif
}
#endif

#ifndef PROBE_NAME_ONLY
PXD_EXTERN_C PXD_EXPORT void PXD_CALL config(FilterArea* area, FilterParams* params)
{
    ListPara mode;
    (void)area;
    add_spara(params, "Result", "1");
    add_spara(params, "Mark", "3");
    memset(&mode, 0, sizeof mode);
    list_init(&mode, "Mode", 1);
    add_listop(&mode, "One");
    add_listop(&mode, "Two");
    add_listop(&mode, "Three");
    add_lpara(params, mode);
}

PXD_EXTERN_C PXD_EXPORT int16_t PXD_CALL filter(unsigned char* cells, FilterArea* area, FilterParams params)
{
    int result, mark;
    params.strings[0][PXD_TEXT_SIZE - 1] = params.strings[1][PXD_TEXT_SIZE - 1] = '\0';
    result = atoi(params.strings[0]);
    mark = atoi(params.strings[1]);
    plotpx(cells, area, 0, area->x1, area->y1, mark & 2);
    plotpx(cells, area, 1, area->x1, area->y1, mark & 1);
    plotpx(cells, area, 0, area->x2, area->y2, mark & 2);
    plotpx(cells, area, 1, area->x2, area->y2, mark & 1);
    params.totals = 0;
    strcpy(params.strings[0], "scribbled");
    return (int16_t)result;
}
#endif
