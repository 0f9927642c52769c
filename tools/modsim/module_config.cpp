#include "module_config.h"

QByteArray moduleConfig(int index) {
    QByteArray config = QByteArray::fromHex("C901A8C0"   // destination address, low byte first
                                            "2A20"       // destination port
                                            "3201A8C0"   // module address
                                            "8C4E"       // module port
                                            "0101A8C0"   // gateway
                                            "01"         // work mode
                                            "802500"     // baud rate
                                            "03"         // serial format
                                            "0102"       // ID
                                            "04"         // RS485
                                            "00FFFFFF"); // mask
    const int host = 50 + index; // 192.168.1.50, .51, … 192.168.1.255, 192.168.2.0, …
    config[6] = char(quint8(host % 256));
    config[7] = char(quint8(1 + host / 256));
    return config;
}
