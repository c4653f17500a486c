#!/usr/bin/env python3
"""Drops files on an X window as a Linux file manager does, by the XDND protocol.

    xdnd_drop.py WINDOW X Y FILE...

WINDOW is the X window id (as xdotool prints it), X and Y the drop point in screen
coordinates, FILE the Unix paths offered as text/uri-list. Wine turns such a drop on a
window that accepts files into WM_DROPFILES inside the program's own process, with the
paths as Windows paths; a WM_DROPFILES posted from another Windows process would carry
a memory handle that means nothing in the receiving one.

Exits 0 once the target has said it is finished, 1 when it refused the drop or did not
answer within ten seconds. Uses only libX11 through ctypes.
"""
import ctypes
import sys
import time
import urllib.parse

CLIENT_MESSAGE, SELECTION_REQUEST = 33, 30
SELECTION_NOTIFY = 31
PROP_MODE_REPLACE = 0
XDND_VERSION = 5
TIMEOUT = 10.0

c_ulong, c_long, c_int, c_void_p = ctypes.c_ulong, ctypes.c_long, ctypes.c_int, ctypes.c_void_p


class ClientMessageEvent(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int), ("display", c_void_p),
                ("window", c_ulong), ("message_type", c_ulong), ("format", c_int), ("l", c_long * 5)]


class SelectionRequestEvent(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int), ("display", c_void_p),
                ("owner", c_ulong), ("requestor", c_ulong), ("selection", c_ulong), ("target", c_ulong),
                ("property", c_ulong), ("time", c_ulong)]


class SelectionEvent(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int), ("display", c_void_p),
                ("requestor", c_ulong), ("selection", c_ulong), ("target", c_ulong), ("property", c_ulong),
                ("time", c_ulong)]


class Event(ctypes.Union):
    _fields_ = [("type", c_int), ("xclient", ClientMessageEvent), ("xselectionrequest", SelectionRequestEvent),
                ("xselection", SelectionEvent), ("pad", c_long * 24)]


def load_xlib():
    x = ctypes.cdll.LoadLibrary("libX11.so.6")
    x.XOpenDisplay.restype = c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = c_ulong
    x.XDefaultRootWindow.argtypes = [c_void_p]
    x.XCreateSimpleWindow.restype = c_ulong
    x.XCreateSimpleWindow.argtypes = [c_void_p, c_ulong, c_int, c_int, ctypes.c_uint, ctypes.c_uint,
                                      ctypes.c_uint, c_ulong, c_ulong]
    x.XInternAtom.restype = c_ulong
    x.XInternAtom.argtypes = [c_void_p, ctypes.c_char_p, c_int]
    x.XSetSelectionOwner.argtypes = [c_void_p, c_ulong, c_ulong, c_ulong]
    x.XSendEvent.argtypes = [c_void_p, c_ulong, c_int, c_long, ctypes.POINTER(Event)]
    x.XChangeProperty.argtypes = [c_void_p, c_ulong, c_ulong, c_ulong, c_int, c_int, ctypes.c_char_p, c_int]
    x.XPending.argtypes = [c_void_p]
    x.XNextEvent.argtypes = [c_void_p, ctypes.POINTER(Event)]
    x.XFlush.argtypes = [c_void_p]
    x.XDestroyWindow.argtypes = [c_void_p, c_ulong]
    x.XCloseDisplay.argtypes = [c_void_p]
    return x


def main(argv):
    if len(argv) < 5:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    target, x_pos, y_pos = int(argv[1], 0), int(argv[2]), int(argv[3])
    uris = "".join("file://" + urllib.parse.quote(path) + "\r\n" for path in argv[4:]).encode()

    x = load_xlib()
    display = x.XOpenDisplay(None)
    if not display:
        print("xdnd_drop: no X display", file=sys.stderr)
        return 1
    atom = lambda name: x.XInternAtom(display, name.encode(), 0)
    selection, uri_list, copy = atom("XdndSelection"), atom("text/uri-list"), atom("XdndActionCopy")
    source = x.XCreateSimpleWindow(display, x.XDefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0)
    x.XSetSelectionOwner(display, selection, source, 0)

    def send(kind, *data):
        event = Event()
        event.xclient.type = CLIENT_MESSAGE
        event.xclient.window = target
        event.xclient.message_type = atom(kind)
        event.xclient.format = 32
        for i, value in enumerate(data):
            event.xclient.l[i] = value
        x.XSendEvent(display, target, 0, 0, ctypes.byref(event))
        x.XFlush(display)

    def answer(request):
        reply = Event()
        reply.xselection.type = SELECTION_NOTIFY
        reply.xselection.requestor = request.requestor
        reply.xselection.selection = request.selection
        reply.xselection.target = request.target
        reply.xselection.time = request.time
        reply.xselection.property = 0
        if request.target == uri_list:
            x.XChangeProperty(display, request.requestor, request.property, uri_list, 8, PROP_MODE_REPLACE,
                              uris, len(uris))
            reply.xselection.property = request.property
        x.XSendEvent(display, request.requestor, 0, 0, ctypes.byref(reply))
        x.XFlush(display)

    # The target reads the data as soon as it hears of the drag, so the requests must be
    # answered while waiting for its status.
    send("XdndEnter", source, XDND_VERSION << 24, uri_list)
    send("XdndPosition", source, 0, (x_pos << 16) | y_pos, 0, copy)
    result, deadline = 1, time.monotonic() + TIMEOUT
    event = Event()
    while time.monotonic() < deadline:
        if not x.XPending(display):
            time.sleep(0.005)
            continue
        x.XNextEvent(display, ctypes.byref(event))
        if event.type == SELECTION_REQUEST:
            answer(event.xselectionrequest)
        elif event.type == CLIENT_MESSAGE and event.xclient.message_type == atom("XdndStatus"):
            if event.xclient.l[1] & 1:
                send("XdndDrop", source, 0, 0)
            else:
                print("xdnd_drop: the window refused the drop", file=sys.stderr)
                send("XdndLeave", source)
                break
        elif event.type == CLIENT_MESSAGE and event.xclient.message_type == atom("XdndFinished"):
            result = 0
            break
    else:
        print("xdnd_drop: no answer from the window", file=sys.stderr)
    x.XDestroyWindow(display, source)
    x.XCloseDisplay(display)
    return result


if __name__ == "__main__":
    sys.exit(main(sys.argv))
