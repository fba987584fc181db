/*
 * Preload library for the visual check (scripts/shots.sh), loaded into Wine's
 * 32-bit processes only.
 *
 * Wine gives every X window it creates a colormap of its own, even on a
 * true-colour screen. Under Xvfb the compositors at hand (xcompmgr, picom)
 * then draw such windows fully opaque and ignore their _NET_WM_WINDOW_OPACITY,
 * so a translucent clock cannot be seen in a screenshot. A plain X window
 * with a private colormap behaves the same, so the cause lies outside the
 * clock. This library answers a request for a colormap of the default visual
 * with the screen's default colormap, which on a true-colour screen maps every
 * pixel the same way; any other request goes to Xlib.
 *
 * Built with `gcc -m32 -shared -nostdlib`: it needs no 32-bit C library or
 * headers at build time, and its few symbols resolve in the Wine process.
 */

typedef struct _XDisplay Display;
typedef struct Visual Visual;
typedef unsigned long XID;

extern void *dlsym(void *handle, const char *name);
extern int XDefaultScreen(Display *display);
extern Visual *XDefaultVisual(Display *display, int screen);
extern XID XDefaultColormap(Display *display, int screen);

#define NEXT_LIBRARY ((void *)-1l) /* RTLD_NEXT */
#define ALLOC_NONE 0

XID XCreateColormap(Display *display, XID window, Visual *visual, int alloc)
{
    static XID (*next)(Display *, XID, Visual *, int);
    int screen = XDefaultScreen(display);
    if (alloc == ALLOC_NONE && visual == XDefaultVisual(display, screen))
        return XDefaultColormap(display, screen);
    if (!next)
        next = (XID (*)(Display *, XID, Visual *, int))dlsym(NEXT_LIBRARY, "XCreateColormap");
    return next ? next(display, window, visual, alloc) : 0;
}
