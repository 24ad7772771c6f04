/* Counts the X server's bell: one line "bell" on standard output for each
 * XkbBellNotify event, whichever client rang it. Ends with the server.
 *
 *   cc -o bells bells.c -lX11 && ./bells >bells.log &
 */
#include <X11/XKBlib.h>
#include <stdio.h>

int main(void) {
  int event_base = 0, error_base = 0, major = XkbMajorVersion, minor = XkbMinorVersion, reason = 0;
  Display* display = XkbOpenDisplay(NULL, &event_base, &error_base, &major, &minor, &reason);
  if (display == NULL) {
    fprintf(stderr, "bells: no X server with the keyboard extension (%d)\n", reason);
    return 1;
  }
  if (!XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask)) {
    fprintf(stderr, "bells: the server sends no bell events\n");
    return 1;
  }
  printf("ready\n");
  fflush(stdout);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == event_base && ((XkbAnyEvent*)&event)->xkb_type == XkbBellNotify) {
      printf("bell\n");
      fflush(stdout);
    }
  }
}
