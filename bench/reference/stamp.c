/* stamp [OUTFILE]: append CLOCK_REALTIME (s.ns) to OUTFILE, or to $STAMP_FILE when
 * started without arguments (as Keyhop starts a bound program). Taken first thing in main. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>
int main(int argc, char **argv) {
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    const char *out = argc >= 2 ? argv[1] : getenv("STAMP_FILE");
    if (!out) return 2;
    char buf[64];
    int n = snprintf(buf, sizeof buf, "%lld.%09ld\n", (long long)ts.tv_sec, ts.tv_nsec);
    int fd = open(out, O_WRONLY | O_APPEND | O_CREAT, 0644);
    if (fd < 0) return 1;
    write(fd, buf, n);
    close(fd);
    return 0;
}
