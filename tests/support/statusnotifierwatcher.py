'''A minimal StatusNotifierWatcher for python3-dbusmock: items register with it; a host may be there from the start
(parameter "host": true) or register later through the mock interface (SetHost).'''

import dbus

BUS_NAME = 'org.kde.StatusNotifierWatcher'
MAIN_OBJ = '/StatusNotifierWatcher'
MAIN_IFACE = 'org.kde.StatusNotifierWatcher'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.AddProperties(MAIN_IFACE, {
        'IsStatusNotifierHostRegistered': bool(parameters.get('host', False)),
        'ProtocolVersion': 0,
        'RegisteredStatusNotifierItems': dbus.Array([], signature='s'),
    })
    mock.AddMethods(MAIN_IFACE, [
        ('RegisterStatusNotifierItem', 's', '',
         'self.EmitSignal("org.kde.StatusNotifierWatcher", "StatusNotifierItemRegistered", "s", [args[0]])'),
        ('RegisterStatusNotifierHost', 's', '',
         'self.Set("org.kde.StatusNotifierWatcher", "IsStatusNotifierHostRegistered", True); '
         'self.EmitSignal("org.kde.StatusNotifierWatcher", "StatusNotifierHostRegistered", "", [])'),
    ])
