#!/usr/bin/python3
"""Reads a text of the running programs over AT-SPI (the session bus's org.a11y.Bus).

a11y.py ROLE REGEX: the name and the description (for a widget, its tooltip), on two lines, of
the first accessible of that role (as AT-SPI names roles: "label", "push button") whose name
matches REGEX. Exits with status 1 when there is none.
"""
import re
import sys

import dbus

ATSPI = "org.a11y.atspi.Accessible"


def accessibles(bus, app, path):
    obj = bus.get_object(app, path, introspect=False)
    yield obj
    for _, child in obj.GetChildren(dbus_interface=ATSPI):
        yield from accessibles(bus, app, child)


def main():
    session = dbus.SessionBus()
    address = session.get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(
        dbus_interface="org.a11y.Bus")
    bus = dbus.bus.BusConnection(address)
    root = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root",
                          introspect=False)
    role, pattern = sys.argv[1], sys.argv[2]
    for app, path in root.GetChildren(dbus_interface=ATSPI):
        for obj in accessibles(bus, app, path):
            if obj.GetRoleName(dbus_interface=ATSPI) != role:
                continue
            props = dbus.Interface(obj, "org.freedesktop.DBus.Properties")
            name = str(props.Get(ATSPI, "Name"))
            if re.search(pattern, name):
                print(name)
                print(str(props.Get(ATSPI, "Description")))
                return 0
    return 1


sys.exit(main())
