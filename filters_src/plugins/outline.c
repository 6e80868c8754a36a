/* Outline: paints the white pixels that touch a drawn shape, as often as the width asks. Looks
 * at neighbours outside the working rectangle too, so a selection's edge gets its outline. */
#include <string.h>

#include "filterlib.h"
#include "sample_util.h"

PXD_EXTERN_C PXD_EXPORT void PXD_CALL getname(char* name)
{
    strcpy(name, "Outline");
}

PXD_EXTERN_C PXD_EXPORT void PXD_CALL config(FilterArea* area, FilterParams* params)
{
    ListPara neighbours;
    (void)area;
    add_spara(params, "Width", "1");
    AddLevelList(params, "Colour", 3);
    memset(&neighbours, 0, sizeof neighbours);
    list_init(&neighbours, "Touching", 0);
    add_listop(&neighbours, "Sides only");
    add_listop(&neighbours, "Sides, corners");
    add_lpara(params, neighbours);
}

static int TouchesShape(const unsigned char* cells, const FilterArea* area, int x, int y, int corners)
{
    int dx, dy;
    for (dx = -1; dx <= 1; ++dx)
        for (dy = -1; dy <= 1; ++dy) {
            if (dx == 0 && dy == 0) continue;
            if (!corners && dx != 0 && dy != 0) continue;
            if (LevelAt(cells, area, x + dx, y + dy) != 0) return 1;
        }
    return 0;
}

PXD_EXTERN_C PXD_EXPORT int16_t PXD_CALL filter(unsigned char* cells, FilterArea* area, FilterParams params)
{
    unsigned char before[PXD_CELL_COUNT];
    int width, colour, corners, pass, x, y;
    if (!ReadNumber(TextParam(&params, 0), 1, 8, &width)) return 0;
    colour = Choice(&params, 0);
    corners = Choice(&params, 1);
    if (colour < 1 || corners < 0) return 0;
    for (pass = 0; pass < width; ++pass) {
        /* Each pass grows from the previous one's picture, not from its own strokes. */
        memcpy(before, cells, PXD_CELL_COUNT);
        for (x = area->x1; x <= area->x2; ++x)
            for (y = area->y1; y <= area->y2; ++y)
                if (LevelAt(before, area, x, y) == 0 && TouchesShape(before, area, x, y, corners))
                    PlotLevel(cells, area, x, y, colour);
    }
    return 1;
}
