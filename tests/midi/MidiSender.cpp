// SPDX-License-Identifier: GPL-3.0-or-later
// orvel_midi_sender: plays MIDI messages into the program's own port
// "Orvel Modalune" through a running JACK server, as another program or a
// patchbay connection would. Each argument is one message in hexadecimal
// bytes ("90 3C 64"); exits 1 when the port is not there.

#include <rtmidi/RtMidi.h>

#include <chrono>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

int main(int argc, char** argv) {
    RtMidiOut out(RtMidi::UNIX_JACK, "orvel_midi_sender");
    for (unsigned int port = 0; port < out.getPortCount(); ++port) {
        if (out.getPortName(port).find("Orvel Modalune:Orvel Modalune") != std::string::npos) {
            out.openPort(port);
        }
    }
    if (!out.isPortOpen()) {
        std::cerr << "orvel_midi_sender: no port \"Orvel Modalune\"\n";
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the connection settles
    for (int k = 1; k < argc; ++k) {
        std::istringstream text(argv[k]);
        std::vector<unsigned char> message;
        for (unsigned int byte = 0; text >> std::hex >> byte;) {
            message.push_back(static_cast<unsigned char>(byte));
        }
        out.sendMessage(&message);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // delivered before we go
    return 0;
}
