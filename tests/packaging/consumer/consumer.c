/* A program of someone else's, built against the installed fileworks5:
 * calls one of its functions and checks the answer. */
#include <fileworks5.h>
#include <stdio.h>

int main(void) {
    const uint8_t bytes[] = {'a', 'a', 'b'};
    const int32_t distinct = num_different_bytes(bytes, 3);
    printf("fileworks5: %d distinct bytes\n", (int)distinct);
    return distinct == 2 ? 0 : 1;
}
