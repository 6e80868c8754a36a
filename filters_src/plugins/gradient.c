/* Dithered gradient: fills the working rectangle with a ramp between two gray levels, laid on
 * the four levels with a 4x4 ordered (Bayer) pattern. */
#include <string.h>

#include "filterlib.h"
#include "sample_util.h"

static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

PXD_EXTERN_C PXD_EXPORT void PXD_CALL getname(char* name)
{
    strcpy(name, "Dithered gradient");
}

PXD_EXTERN_C PXD_EXPORT void PXD_CALL config(FilterArea* area, FilterParams* params)
{
    ListPara direction;
    (void)area;
    memset(&direction, 0, sizeof direction);
    list_init(&direction, "Direction", 0);
    add_listop(&direction, "Left to right");
    add_listop(&direction, "Top to bottom");
    add_listop(&direction, "Diagonal");
    add_lpara(params, direction);
    AddLevelList(params, "From", 0);
    AddLevelList(params, "To", 3);
}

PXD_EXTERN_C PXD_EXPORT int16_t PXD_CALL filter(unsigned char* cells, FilterArea* area, FilterParams params)
{
    const int direction = Choice(&params, 0), from = Choice(&params, 1), to = Choice(&params, 2);
    const int spanX = area->x2 - area->x1, spanY = area->y2 - area->y1;
    int x, y;
    if (direction < 0 || from < 0 || to < 0) return 0;
    for (x = area->x1; x <= area->x2; ++x)
        for (y = area->y1; y <= area->y2; ++y) {
            /* Position along the ramp as a fraction pos / span of the rectangle. */
            int pos = direction == 0 ? x - area->x1 : direction == 1 ? y - area->y1 : (x - area->x1) + (y - area->y1);
            int span = direction == 0 ? spanX : direction == 1 ? spanY : spanX + spanY;
            long scaled; /* level * 16 * span */
            int level;
            if (span <= 0) {
                span = 1;
                pos = 0;
            }
            scaled = (long)from * 16 * span + (long)(to - from) * 16 * pos;
            level = (int)(scaled / (16L * span));
            if (scaled % (16L * span) != 0) {
                /* Between two levels: the pattern picks the upper one for the fraction's share. */
                const long share = (scaled - (long)level * 16 * span) * 16 / (16L * span);
                if (share > kBayer[x & 3][y & 3]) ++level;
            }
            PlotLevel(cells, area, x, y, level);
        }
    return 1;
}
