// Linked into a test program in place of libXi's: no X server offers XInput 2.

#include <X11/Xlib.h>

extern "C" Status XIQueryVersion(Display*, int*, int*) {
    return BadRequest;
}
