/* Dither to black and white: turns every gray into a pattern of black and white pixels of the
 * same darkness, for programs that draw in one plane only. */
#include <string.h>

#include "filterlib.h"
#include "sample_util.h"

PXD_EXTERN_C PXD_EXPORT void PXD_CALL getname(char* name)
{
    strcpy(name, "Dither to black and white");
}

PXD_EXTERN_C PXD_EXPORT void PXD_CALL config(FilterArea* area, FilterParams* params)
{
    ListPara pattern;
    (void)area;
    memset(&pattern, 0, sizeof pattern);
    list_init(&pattern, "Pattern", 1);
    add_listop(&pattern, "Bayer 2x2");
    add_listop(&pattern, "Bayer 4x4");
    add_listop(&pattern, "Bayer 8x8");
    add_lpara(params, pattern);
    add_spara(params, "Darker by (%)", "0");
}

/* Threshold rank of (x, y) in the n x n Bayer matrix, built bit by bit. */
static int BayerRank(int n, int x, int y)
{
    int rank = 0, bit;
    for (bit = 1; bit < n; bit <<= 1) {
        const int bx = (x & bit) != 0, by = (y & bit) != 0;
        rank = rank * 4 + ((bx ^ by) ? 2 : 0) + (by ? 1 : 0);
    }
    return rank;
}

PXD_EXTERN_C PXD_EXPORT int16_t PXD_CALL filter(unsigned char* cells, FilterArea* area, FilterParams params)
{
    const int pattern = Choice(&params, 0);
    int bias, n, x, y;
    if (pattern < 0 || !ReadNumber(TextParam(&params, 0), -100, 100, &bias)) return 0;
    n = 2 << pattern;
    for (x = area->x1; x <= area->x2; ++x)
        for (y = area->y1; y <= area->y2; ++y) {
            /* Darkness in hundredths: level / 3 plus the bias, against the cell's threshold. */
            const int darkness = LevelAt(cells, area, x, y) * 100 / 3 + bias;
            const int threshold = (2 * BayerRank(n, x, y) + 1) * 100 / (2 * n * n);
            PlotLevel(cells, area, x, y, darkness > threshold ? 3 : 0);
        }
    return 1;
}
