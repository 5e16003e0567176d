#pragma once

// The program's waits: the three of a send, and the one of a "--hide" start.
// Tests shorten them; nothing else about them changes.
struct Tiempos {
    int conexionMs = 10000;  // connecting to a gateway or the proxy
    int respuestaMs = 30000; // the server's answer and close
    int reintentoMs = 20000; // from the start of one attempt to the next
    int bandejaMs = 10000;   // a "--hide" start waiting for the desktop's tray to appear
};

Tiempos &tiempos();
