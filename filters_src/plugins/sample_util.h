/* Small helpers the sample plug-ins share: gray levels over filterlib and strict numbers. */
#ifndef PIXADOR_SAMPLE_UTIL_H
#define PIXADOR_SAMPLE_UTIL_H

#include <string.h>

#include "filterlib.h"

/* 0 white .. 3 black: twice the dark bit plus the light bit. */
static inline int LevelAt(const unsigned char* cells, const FilterArea* area, int x, int y)
{
    return 2 * getpx(cells, area, 0, x, y) + getpx(cells, area, 1, x, y);
}

static inline void PlotLevel(unsigned char* cells, const FilterArea* area, int x, int y, int level)
{
    plotpx(cells, area, 0, x, y, level & 2);
    plotpx(cells, area, 1, x, y, level & 1);
}

/* A whole decimal number within lo..hi, blanks around it allowed; 0 when the text is anything
 * else. A value field holds at most 15 characters, so no overflow is possible. */
static inline int ReadNumber(const char* text, int lo, int hi, int* out)
{
    int sign = 1, value = 0, digits = 0;
    while (*text == ' ') ++text;
    if (*text == '-' || *text == '+') sign = *text++ == '-' ? -1 : 1;
    for (; *text >= '0' && *text <= '9'; ++text, ++digits) value = value * 10 + (*text - '0');
    while (*text == ' ') ++text;
    if (!digits || *text != '\0' || sign * value < lo || sign * value > hi) return 0;
    *out = sign * value;
    return 1;
}

/* The selected option of a list parameter, or -1 when it names no option. */
static inline int Choice(const FilterParams* params, int list)
{
    const ListPara* l = &params->lpara[list];
    return list < params->totall && l->selected >= 0 && l->selected < l->totalops ? l->selected : -1;
}

static inline void AddLevelList(FilterParams* params, const char* label, int selected)
{
    static const char* const names[4] = {"White", "Light gray", "Dark gray", "Black"};
    ListPara list;
    int i;
    memset(&list, 0, sizeof list);
    list_init(&list, label, selected);
    for (i = 0; i < 4; ++i) add_listop(&list, names[i]);
    add_lpara(params, list);
}

/* The text parameter i, NUL-terminated whatever the record holds. */
static inline const char* TextParam(FilterParams* params, int i)
{
    params->strings[i][PXD_TEXT_SIZE - 1] = '\0';
    return params->strings[i];
}

#endif
