#include "filterlib.h"

#include <string.h>

/* Length of a text up to its NUL, counting no further than limit. */
static size_t BoundedLength(const char* text, size_t limit)
{
    size_t n = 0;
    if (!text) return 0;
    while (n < limit && text[n] != '\0') ++n;
    return n;
}

static int TooLong(const char* text)
{
    return BoundedLength(text, PXD_TEXT_SIZE) >= PXD_TEXT_SIZE;
}

static void StoreText(char* field, const char* text)
{
    const size_t n = BoundedLength(text, PXD_TEXT_SIZE - 1);
    if (n) memcpy(field, text, n);
    memset(field + n, 0, PXD_TEXT_SIZE - n);
}

static int IsFull(int16_t count)
{
    return count < 0 || count >= PXD_MAX_ENTRIES;
}

int getxy(int w, int h, int plane, int x, int y)
{
    return (int16_t)w * ((int16_t)plane * (int16_t)h + (int16_t)y) + (int16_t)x;
}

/* Plane, column and row inside the sprite the area describes. */
static int InSprite(const FilterArea* area, int plane, int x, int y)
{
    return (plane == 0 || plane == 1) && x >= 0 && x < area->w && y >= 0 && y < area->h;
}

int getpx(const unsigned char* cells, const FilterArea* area, int plane, int x, int y)
{
    const int16_t p = (int16_t)plane, cx = (int16_t)x, cy = (int16_t)y;
    if (!cells || !area || !InSprite(area, p, cx, cy)) return 0;
    return cells[getxy(area->w, area->h, p, cx, cy)] != 0;
}

void plotpx(unsigned char* cells, const FilterArea* area, int plane, int x, int y, int value)
{
    const int16_t p = (int16_t)plane, cx = (int16_t)x, cy = (int16_t)y;
    if (!cells || !area || !InSprite(area, p, cx, cy)) return;
    if (cx < area->x1 || cx > area->x2 || cy < area->y1 || cy > area->y2) return;
    cells[getxy(area->w, area->h, p, cx, cy)] = value != 0;
}

void list_init(ListPara* list, const char* label, int selected)
{
    if (!list) return;
    list->selected = (int16_t)selected;
    list->totalops = 0;
    StoreText(list->llabel, label);
}

int add_listop(ListPara* list, const char* option)
{
    if (!list || IsFull(list->totalops)) return FILTERLIB_FULL;
    if (TooLong(option)) return FILTERLIB_TOO_LONG;
    StoreText(list->options[list->totalops], option);
    ++list->totalops;
    return FILTERLIB_OK;
}

int add_spara(FilterParams* params, const char* label, const char* value)
{
    if (!params || IsFull(params->totals)) return FILTERLIB_FULL;
    if (TooLong(label) || TooLong(value)) return FILTERLIB_TOO_LONG;
    StoreText(params->slabel[params->totals], label);
    StoreText(params->strings[params->totals], value);
    ++params->totals;
    return FILTERLIB_OK;
}

int add_lpara(FilterParams* params, ListPara list)
{
    if (!params || IsFull(params->totall)) return FILTERLIB_FULL;
    if (TooLong(list.llabel)) return FILTERLIB_TOO_LONG;
    memcpy(&params->lpara[params->totall], &list, sizeof list);
    ++params->totall;
    return FILTERLIB_OK;
}
