/* Checkerboard: fills the working rectangle with a two-colour tiling of cells of the given
 * size, starting at its top-left corner. */
#include <string.h>

#include "filterlib.h"
#include "sample_util.h"

PXD_EXTERN_C PXD_EXPORT void PXD_CALL getname(char* name)
{
    strcpy(name, "Checkerboard");
}

PXD_EXTERN_C PXD_EXPORT void PXD_CALL config(FilterArea* area, FilterParams* params)
{
    (void)area;
    add_spara(params, "Cell width", "1");
    add_spara(params, "Cell height", "1");
    AddLevelList(params, "First colour", 3);
    AddLevelList(params, "Second colour", 0);
}

PXD_EXTERN_C PXD_EXPORT int16_t PXD_CALL filter(unsigned char* cells, FilterArea* area, FilterParams params)
{
    int cw, ch, first, second, x, y;
    if (!ReadNumber(TextParam(&params, 0), 1, 32, &cw) || !ReadNumber(TextParam(&params, 1), 1, 256, &ch)) return 0;
    first = Choice(&params, 0);
    second = Choice(&params, 1);
    if (first < 0 || second < 0) return 0;
    for (x = area->x1; x <= area->x2; ++x)
        for (y = area->y1; y <= area->y2; ++y)
            PlotLevel(cells, area, x, y, ((x - area->x1) / cw + (y - area->y1) / ch) % 2 ? second : first);
    return 1;
}
