#pragma once

#include <QByteArray>

// The 28 configuration bytes a module holds, in the order a configuration frame carries them.
// Module 0 is 192.168.1.50:20108 sending to 192.168.1.201:8234 through gateway 192.168.1.1,
// mode 1, 9600 baud, serial format 3, ID 0x0102, RS485, mask 255.255.255.0; module n has the
// n-th address after it and is otherwise the same.
QByteArray moduleConfig(int index = 0);
