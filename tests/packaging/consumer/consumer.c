/* A program of someone else's, built against the installed libraries: calls
 * one function of each and checks its answer. */
#include <daymath.h>
#include <fileworks5.h>
#include <stdio.h>

int main(void) {
    const uint8_t bytes[] = {'a', 'a', 'b'};
    const int32_t distinct = num_different_bytes(bytes, 3);
    const int32_t weekday = euro_day_of_week(2456293); /* 2012-12-31, a Monday */
    printf("fileworks5: %d distinct bytes; daymath: week day %d\n", (int)distinct, (int)weekday);
    return distinct == 2 && weekday == 1 ? 0 : 1;
}
