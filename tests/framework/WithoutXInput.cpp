// Linked into a test program, makes every X server seem to lack XInput 2.

#include <X11/Xlib.h>

// Takes the place of libXi's.
extern "C" Status XIQueryVersion(Display*, int*, int*) {
    return BadRequest;
}
