#!/usr/bin/python3
"""A StatusNotifier watcher with a host, as a desktop's notification area runs it on the
session bus, and a reader of the items that register with it. For the end-to-end tests.

  status_notifier.py watch LOG            owns org.kde.StatusNotifierWatcher with a host
                                          registered; appends "SERVICE PATH" to LOG for
                                          each item that registers, until killed
  status_notifier.py show SERVICE PATH    prints the item's properties, one NAME=VALUE a line
  status_notifier.py activate SERVICE PATH
                                          a left click on the item, as a host sends it
"""
import sys

from gi.repository import Gio, GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
WATCHER_XML = """
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
    <signal name="StatusNotifierHostUnregistered"/>
  </interface>
</node>
"""


def watch(log):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    items = []

    def call(connection, sender, path, interface, method, args, invocation):
        if method == "RegisterStatusNotifierItem":
            # The argument is the item's bus name, or its object path on the caller's name.
            (service,) = args.unpack()
            name, item_path = (sender, service) if service.startswith("/") else (service, "/StatusNotifierItem")
            items.append(name + item_path)
            with open(log, "a") as f:
                f.write(f"{name} {item_path}\n")
            connection.emit_signal(None, "/StatusNotifierWatcher", WATCHER, "StatusNotifierItemRegistered",
                                   GLib.Variant("(s)", (name + item_path,)))
        invocation.return_value(None)

    def get(connection, sender, path, interface, name):
        return {
            "RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0),
        }[name]

    node = Gio.DBusNodeInfo.new_for_xml(WATCHER_XML)
    bus.register_object("/StatusNotifierWatcher", node.interfaces[0], call, get, None)
    # The host's own name, as a notification area holds one beside the watcher.
    for name in (WATCHER, "org.kde.StatusNotifierHost-test"):
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                              "RequestName", GLib.Variant("(su)", (name, 4)), GLib.VariantType("(u)"),
                              Gio.DBusCallFlags.NONE, -1, None)
        if reply.unpack()[0] != 1:
            sys.exit(f"status_notifier.py: {name} is taken on this bus")
    GLib.MainLoop().run()


def show(service, path):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    reply = bus.call_sync(service, path, "org.freedesktop.DBus.Properties", "GetAll", GLib.Variant("(s)", (ITEM,)),
                          GLib.VariantType("(a{sv})"), Gio.DBusCallFlags.NONE, 5000, None)
    props = reply.unpack()[0]
    for name in ("Id", "Title", "Category", "Status", "IconName"):
        print(f"{name}={props.get(name, '')}")
    # Each picture as WIDTHxHEIGHT with its bytes' count, which must be 4 a pixel.
    pixmaps = props.get("IconPixmap", [])
    print("IconPixmap=" + " ".join(f"{w}x{h}:{len(data)}" for w, h, data in pixmaps))
    tip_icon, tip_pixmaps, tip_title, tip_text = props.get("ToolTip", ("", [], "", ""))
    print(f"ToolTip.Title={tip_title}")
    print(f"ToolTip.Text={tip_text}")
    print(f"ToolTip.IconName={tip_icon}")


def activate(service, path):
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    bus.call_sync(service, path, ITEM, "Activate", GLib.Variant("(ii)", (0, 0)), None, Gio.DBusCallFlags.NONE, 5000,
                  None)


if __name__ == "__main__":
    commands = {"watch": (watch, 1), "show": (show, 2), "activate": (activate, 2)}
    if len(sys.argv) < 2 or sys.argv[1] not in commands or len(sys.argv) != 2 + commands[sys.argv[1]][1]:
        sys.exit(__doc__)
    command, _ = commands[sys.argv[1]]
    command(*sys.argv[2:])
